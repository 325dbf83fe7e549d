#pragma once
// The PDF documents installed beside the program, in the folder "pdf/".

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace velmira {

// The program's directory followed by "pdf/".
QByteArray documentDirectory();

// The files of the directory whose extension, in upper case, is "PDF",
// hidden ones included and directories left out, by name whatever its
// case; the names as
// they are on disk.
QStringList pdfDocumentNames(const QString &directory);

// What the pupil is told when the viewer could not open a document.
QString pdfFailureMessage();

} // namespace velmira
