// velmira-pictures OUT_DIR: draws every picture of the installation into
// OUT_DIR under the names the program opens.

#include "picture_set.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmira-pictures OUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "velmira-pictures: cannot create %s\n", argv[1]);
        return 1;
    }
    for (const auto &picture : velmira::pictures::installationPictures()) {
        QFile file(out.filePath(picture.name));
        if (picture.bytes.isEmpty() || !file.open(QIODevice::WriteOnly)
            || file.write(picture.bytes) != picture.bytes.size()) {
            std::fprintf(stderr, "velmira-pictures: cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
