// The drawn pictures: the map's regions lie where the map windows look for
// them, the GIF writer's output decodes to the frames it was given, and every
// picture file decodes at the size the program expects.

#include "gif_writer.h"
#include "map_picture.h"
#include "picture_set.h"

#include "data/map_geometry.h"
#include "data/picture_names.h"

#include <QBuffer>
#include <QImageReader>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

using namespace velmira;
using namespace velmira::pictures;

namespace {

// The middle of region r's hit rectangle, in picture pixels.
QPoint rectangleMiddle(int region)
{
    const RegionRect r = regionRect(region);
    return {(r.left + r.right) / 2 - kMapHitShiftX, (r.top + r.bottom) / 2 - kMapHitShiftY};
}

QVector<QImage> decodeAll(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QVector<QImage> frames;
    QImage frame;
    while (reader.read(&frame))
        frames << frame.convertToFormat(QImage::Format_RGB32);
    return frames;
}

QImage noise(int width, int height, int colours, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int c = random.bounded(colours);
            image.setPixel(x, y, qRgb(c, 255 - c, (c * 7) % 256));
        }
    return image;
}

} // namespace

class PicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void mapHasTheProgramsSize()
    {
        const QImage map = mapPicture();
        QCOMPARE(map.width(), 281);
        QCOMPARE(map.height(), 196);
    }

    void everyRegionSurroundsItsCentreAndItsHitRectangle()
    {
        const QImage map = mapPicture();
        for (int region = 1; region <= kRegionCount; ++region) {
            const QColor colour = mapRegionColour(region);
            const QPoint centre = regionCentre(region);
            const QPoint middle = rectangleMiddle(region);
            QVERIFY2(map.pixelColor(centre) == colour,
                     qPrintable(QStringLiteral("region %1: centre (%2, %3) is off its region")
                                    .arg(region)
                                    .arg(centre.x())
                                    .arg(centre.y())));
            QVERIFY2(map.pixelColor(middle) == colour,
                     qPrintable(QStringLiteral("region %1: hit rectangle middle (%2, %3) is off its region")
                                    .arg(region)
                                    .arg(middle.x())
                                    .arg(middle.y())));
        }
    }

    void regionsHaveDistinctColours()
    {
        QSet<QRgb> colours;
        for (int region = 1; region <= kRegionCount; ++region)
            colours.insert(mapRegionColour(region).rgb());
        QCOMPARE(colours.size(), kRegionCount);
        const QImage map = mapPicture();
        QVERIFY(!colours.contains(map.pixel(0, 0))); // the sea is none of them
    }

    void gifFramesDecodeToTheirPixels()
    {
        const QVector<QImage> frames = {noise(40, 30, 5, 1), noise(40, 30, 5, 2), noise(40, 30, 5, 3)};
        const QVector<QImage> decoded = decodeAll(animatedGif(frames, 10));
        QCOMPARE(decoded.size(), frames.size());
        for (int i = 0; i < frames.size(); ++i)
            QCOMPARE(decoded[i], frames[i]);
    }

    void gifKeepsEveryColourOfAFullPalette()
    {
        // 256 colours of noise fill the LZW table several times over.
        const QImage frame = noise(200, 150, 256, 7);
        const QVector<QImage> decoded = decodeAll(animatedGif({frame}, 5));
        QCOMPARE(decoded.size(), 1);
        QCOMPARE(decoded.first(), frame);
    }

    void gifShowsExtraColoursAsTheirNearest()
    {
        QImage frame(300, 2, QImage::Format_RGB32);
        for (int x = 0; x < 300; ++x) {
            frame.setPixel(x, 0, qRgb(x % 256, 0, 0));
            frame.setPixel(x, 1, qRgb(x % 256, 0, 0));
        }
        frame.setPixel(0, 1, qRgb(0, 0, 3)); // the only pixel of its colour
        const QVector<QImage> decoded = decodeAll(animatedGif({frame}, 5));
        QCOMPARE(decoded.size(), 1);
        QCOMPARE(decoded.first().pixel(0, 1), qRgb(0, 0, 0));
        QCOMPARE(decoded.first().pixel(200, 0), qRgb(200, 0, 0));
    }

    void lzwOfOneIndexIsClearCodeEnd()
    {
        // Clear (4), index 1, end (5) in 3-bit codes: 100 001 101, low bits first.
        QCOMPARE(gifLzw(QByteArray(1, char(1)), 2), QByteArray::fromHex("4c01"));
    }

    void everyPictureDecodesAtItsSize()
    {
        QHash<QString, QSize> expected = {
            {QStringLiteral("mapa"), QSize(281, 196)},
            {QStringLiteral("chica.bmp"), QSize(kFigureFrameWidth, kFigureFrameHeight)},
            {QLatin1String(kWalkingFigureStrip),
             QSize(kFigureFrameWidth * kWalkingFigureFrames, kFigureFrameHeight)},
            {QLatin1String(kDoorStrip), QSize(kFigureFrameWidth * kDoorFrames, kFigureFrameHeight)},
            {QLatin1String(kGuideStrip), QSize(kFigureFrameWidth * kGuideFrames, kFigureFrameHeight)},
            {QLatin1String(kIconStrip), QSize(kIconSize * IconCount, kIconSize)},
            {QStringLiteral("parteb"), QSize(174, 400)},
            {QLatin1String(kArrowUp), QSize(kArrowBreadth, kArrowLength)},
            {QLatin1String(kArrowRight), QSize(kArrowLength, kArrowBreadth)},
            {QLatin1String(kInformationMark), QSize(kInformationMarkSize, kInformationMarkSize)},
        };
        QSet<QString> names;
        for (const PictureFile &file : installationPictures()) {
            QVERIFY2(!names.contains(file.name), qPrintable(file.name));
            names.insert(file.name);
            const QVector<QImage> frames = decodeAll(file.bytes);
            QVERIFY2(!frames.isEmpty(), qPrintable(file.name));
            if (expected.contains(file.name))
                QCOMPARE(frames.first().size(), expected.take(file.name));
        }
        QVERIFY2(expected.isEmpty(), qPrintable(QStringList(expected.keys()).join(QLatin1Char(' '))));
        for (const char *name : {"fuente.gif", "botonve.jpg", "suelob", "marcoar", "marcoh", "imagep"})
            QVERIFY2(names.contains(QLatin1String(name)), name);
    }

    void iconsAreAllDrawnAndDistinct()
    {
        QImage icons;
        for (const PictureFile &file : installationPictures())
            if (file.name == QLatin1String(kIconStrip))
                icons = decodeAll(file.bytes).value(0);
        QSet<QByteArray> seen;
        for (int i = 0; i < IconCount; ++i) {
            const QImage one = icons.copy(i * kIconSize, 0, kIconSize, kIconSize);
            const QByteArray pixels(reinterpret_cast<const char *>(one.constBits()), int(one.sizeInBytes()));
            QVERIFY2(!seen.contains(pixels), qPrintable(QString::number(i)));
            seen.insert(pixels);
            int inked = 0;
            for (int y = 0; y < kIconSize; ++y)
                for (int x = 0; x < kIconSize; ++x)
                    inked += qAlpha(icons.pixel(i * kIconSize + x, y)) > 0 ? 1 : 0;
            QVERIFY2(inked > 60, qPrintable(QString::number(i)));
        }
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
