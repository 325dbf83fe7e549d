#pragma once
// Saving a questionnaire result as a text file: the save dialog, opened in
// the pupil's home folder with the pupil's name proposed, and a write that
// leaves the whole file or the file as it was.

#include <QByteArray>
#include <QString>

#include <optional>

class QWidget;

namespace velmira {

// The file chosen in the save dialog `Save` (default extension "TXT");
// nothing when the pupil cancels.
std::optional<QString> chooseResultFile(QWidget *parent, const QByteArray &proposedName);

// Writes the text whole; a failure shows the file error and returns false.
bool writeResultFile(const QString &fileName, const QByteArray &text);

} // namespace velmira
