#include "picture_set.h"

#include "buttons.h"
#include "doors.h"
#include "explainer_marks.h"
#include "figures.h"
#include "gif_writer.h"
#include "icons.h"
#include "map_picture.h"
#include "strips.h"
#include "themes.h"

#include "data/picture_names.h"
#include "data/themes.h"

#include <QBuffer>
#include <QSet>

namespace velmira::pictures {

namespace {

constexpr int kFountainDelay = 10; // hundredths of a second per frame

QVector<QImage> allIcons()
{
    QVector<QImage> icons;
    for (int i = 0; i < IconCount; ++i)
        icons << icon(i);
    return icons;
}

// The theme pictures under the names the themes give them; a name several
// themes share is drawn in the style of the first of them, and a frame that
// is both the top and a side is a square block.
void addThemePictures(QVector<PictureFile> &files)
{
    QSet<QString> written;
    auto add = [&](const QString &name, char letter, ThemePart part) {
        if (name.isEmpty() || written.contains(name))
            return;
        written.insert(name);
        files.push_back({name, encodePicture(name, themePicture(letter, part))});
    };
    for (char letter : kThemeLetters) {
        ThemeState theme;
        theme.apply(letter);
        const ThemePictures &names = theme.pictures();
        add(names.floor, letter, ThemePart::Floor);
        if (names.topFrame == names.rightFrame || names.topFrame == names.leftFrame)
            add(names.topFrame, letter, ThemePart::FrameBlock);
        add(names.topFrame, letter, ThemePart::TopFrame);
        add(names.rightFrame, letter, ThemePart::RightFrame);
        add(names.leftFrame, letter, ThemePart::LeftFrame);
        add(names.tile, letter, ThemePart::Tile);
        add(names.picture, letter, ThemePart::Picture);
    }
}

} // namespace

QByteArray encodePicture(const QString &name, const QImage &image)
{
    const char *format = "PNG";
    QImage pixels = image;
    if (name.endsWith(QLatin1String(".bmp"))) {
        format = "BMP";
        pixels = image.convertToFormat(QImage::Format_RGB32);
    } else if (name.endsWith(QLatin1String(".jpg"))) {
        format = "JPEG";
        pixels = image.convertToFormat(QImage::Format_RGB32);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    pixels.save(&buffer, format, format == QByteArray("JPEG") ? 92 : -1);
    return bytes;
}

QVector<PictureFile> installationPictures()
{
    QVector<PictureFile> files;
    auto add = [&](const QString &name, const QImage &image) {
        files.push_back({name, encodePicture(name, image)});
    };
    add(QStringLiteral("mapa"), mapPicture());
    add(QStringLiteral("chica.bmp"), girlPortrait());
    add(QStringLiteral("botonve.jpg"), buttonBackground());
    add(QLatin1String(kWalkingFigureStrip), strip(walkingFigureFrames()));
    add(QLatin1String(kDoorStrip), strip(doorFrames()));
    add(QLatin1String(kGuideStrip), strip(guideFrames()));
    add(QLatin1String(kSpeechBubble), speechBubble());
    add(QLatin1String(kIconStrip), strip(allIcons()));
    add(QLatin1String(kArrowUp), arrowUp());
    add(QLatin1String(kArrowRight), arrowRight());
    add(QLatin1String(kInformationMark), informationMark());
    files.push_back({QStringLiteral("fuente.gif"), animatedGif(fountainFrames(), kFountainDelay)});
    addThemePictures(files);
    return files;
}

} // namespace velmira::pictures
