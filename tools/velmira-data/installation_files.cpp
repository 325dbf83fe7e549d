#include "installation_files.h"

#include "data/file_access.h"
#include "data/load_notes.h"
#include "data/messages.h"
#include "data/pdf_documents.h"
#include "data/picture_names.h"
#include "data/pictures.h"
#include "data/themes.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace velmira {

namespace {

const QString kDocumentDirectory = QStringLiteral("pdf");
const QString kSportsDocument = QStringLiteral("DeportesCentros.pdf");

void note(const QString &file, const QString &what) { addLoadNote(file.toLocal8Bit(), 0, what); }

// The picture's width, or -1 after noting why it cannot be shown.
int pictureWidth(const QString &name)
{
    if (const QString why = whyUnreadable(name); !why.isEmpty()) {
        note(name, why);
        return -1;
    }
    try {
        return readPicture(name).width();
    } catch (const FileError &error) {
        note(name, QStringLiteral("not a picture the program can show: ") + error.reason());
        return -1;
    }
}

void checkStrip(const char *name, int frames, int frameWidth)
{
    const int width = pictureWidth(QString::fromLatin1(name));
    if (width >= 0 && width != frames * frameWidth)
        note(QString::fromLatin1(name),
             QStringLiteral("%1 pixels wide; its %2 frames of %3 pixels need %4")
                 .arg(width)
                 .arg(frames)
                 .arg(frameWidth)
                 .arg(frames * frameWidth));
}

// The pictures of every theme, each named once.
QStringList themePictures()
{
    QStringList names;
    ThemeState state;
    for (char letter : kThemeLetters) {
        state.apply(letter);
        const ThemePictures &p = state.pictures();
        for (const QString &name : {p.floor, p.topFrame, p.rightFrame, p.leftFrame, p.tile, p.picture})
            if (!name.isEmpty() && !names.contains(name))
                names << name;
        if (p.animated && !names.contains(QStringLiteral("fuente.gif")))
            names << QStringLiteral("fuente.gif");
    }
    return names;
}

void checkDocument(const QString &path)
{
    if (const QString why = whyUnreadable(path); !why.isEmpty()) {
        note(path, why);
        return;
    }
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && !file.read(5).startsWith("%PDF-"))
        note(path, QStringLiteral("not a PDF document"));
    // The viewer is given the name unquoted.
    if (QFileInfo(path).fileName().contains(QLatin1Char(' ')))
        note(path, QStringLiteral("a blank in the name breaks the viewer command"));
}

} // namespace

void checkPictures()
{
    for (const QString &name :
         QStringList{QStringLiteral("chica.bmp"), QStringLiteral("mapa"), QStringLiteral("botonve.jpg"),
                     QString::fromLatin1(pictures::kSpeechBubble), QString::fromLatin1(pictures::kArrowUp),
                     QString::fromLatin1(pictures::kArrowRight), QString::fromLatin1(pictures::kInformationMark)}
             + themePictures())
        pictureWidth(name);
    checkStrip(pictures::kWalkingFigureStrip, pictures::kWalkingFigureFrames, pictures::kFigureFrameWidth);
    checkStrip(pictures::kDoorStrip, pictures::kDoorFrames, pictures::kFigureFrameWidth);
    checkStrip(pictures::kGuideStrip, pictures::kGuideFrames, pictures::kFigureFrameWidth);
    checkStrip(pictures::kIconStrip, pictures::IconCount, pictures::kIconSize);
}

void checkDocuments()
{
    checkDocument(kDocumentDirectory + QLatin1Char('/') + kSportsDocument);
    const QDir directory(kDocumentDirectory);
    if (!directory.exists())
        return; // noted with the sports document
    int weightings = 0;
    // Listed as the entrance panels list them.
    for (const QString &name : pdfDocumentNames(kDocumentDirectory)) {
        if (name == kSportsDocument)
            continue;
        ++weightings;
        checkDocument(kDocumentDirectory + QLatin1Char('/') + name);
    }
    if (weightings == 0)
        note(kDocumentDirectory,
             QStringLiteral("no weighting document (a .pdf file besides %1)").arg(kSportsDocument));
}

} // namespace velmira
