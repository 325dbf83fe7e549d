#pragma once
// Every picture of the installation, drawn and encoded under the file name
// the program opens.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QVector>

namespace velmira::pictures {

struct PictureFile
{
    QString name;
    QByteArray bytes;
};

QVector<PictureFile> installationPictures();

// The bytes of a picture in the format its name asks for: ".bmp", ".jpg",
// ".png"; names without an extension are written as PNG (the program
// recognises the format from the contents).
QByteArray encodePicture(const QString &name, const QImage &image);

} // namespace velmira::pictures
