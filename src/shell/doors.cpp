#include "doors.h"

#include "data/interface_texts.h"

#include <QByteArrayList>

namespace velmira {

namespace {

constexpr int kTopRowX[] = {48, 221, 396, 569, 744, 918};
constexpr int kBottomRowX[] = {220, 397, 571, 742};

QByteArray lines(const QByteArrayList &parts) { return parts.join('\n'); }

QByteArray text(int line) { return interfaceText(line); }

bool isTopRow(int door) { return door >= DoorDegrees && door <= DoorInitial; }

} // namespace

const char *doorLabelName(int door)
{
    static const char *const names[] = {"",           "LabelCarreras", "LabelCat",  "LabelFpS",
                                        "LabelIti",   "LabelFPM",      "LabelFPip", "LabelProfe",
                                        "LabelCuesB", "LabelCuesE"};
    return door >= 1 && door <= kDoorCount ? names[door] : "";
}

QRect doorGeometry(int door)
{
    if (isTopRow(door))
        return QRect(kTopRowX[door - 1], 87, 84, 106);
    if (door >= DoorProfessions && door <= DoorEso)
        return QRect(kBottomRowX[door - DoorProfessions], 487, 84, 105);
    return {};
}

QByteArray doorCaption(int door)
{
    switch (door) {
    case DoorDegrees: return text(84);
    case DoorCatalogue: return text(103);
    case DoorHigherGrade: return text(513);
    case DoorItineraries: return text(21);
    case DoorMiddleGrade: return text(512);
    case DoorInitial: return lines({text(514), text(172)});
    case DoorProfessions: {
        // Two words, each split over two lines with a hyphen.
        const QByteArray first = text(622);
        const QByteArray second = text(623);
        return lines({first.left(7) + '-', first.mid(7, 8), second.left(5) + '-', second.mid(5, 8)});
    }
    case DoorBachillerato: return lines({text(8), text(9), text(10), text(11)});
    case DoorEso: return lines({text(8), text(9), text(10), text(12)});
    default: return {};
    }
}

QByteArray doorHint(int door)
{
    switch (door) {
    case DoorDegrees: return lines({text(306), text(551), text(300)});
    case DoorCatalogue: return text(224);
    case DoorHigherGrade: return lines({text(318), text(316), text(317)});
    case DoorItineraries: return lines({text(179), text(180)});
    case DoorMiddleGrade:
        return lines({text(113), text(154), text(155), text(156), text(157), text(158), text(159)});
    case DoorInitial: return lines({text(172), text(584)});
    case DoorProfessions: return text(641);
    case DoorBachillerato: return lines({text(305), text(301), text(302)});
    case DoorEso: return lines({text(305), text(509) + ' ' + text(510)});
    default: return {};
    }
}

QPoint doorFramePosition(int door, QRect label, int tick)
{
    const int y = isTopRow(door) ? 170 : 510;
    return QPoint(label.left() + 10, y - kDoorStep * tick);
}

QRect zoomRectangle(int door, int z, QSize tile)
{
    const int column = isTopRow(door) ? door : door - 5;
    const int top = isTopRow(door) ? 0 : 305;
    const int half = z / 2;
    const int left = (column - 1) * tile.width() - half;
    const int right = column * tile.width() + half;
    return QRect(left, top, right - left, tile.height() + z);
}

QPoint figurePosition(int tick) { return QPoint(kFigureStartX + kFigureStep * tick, kFigureY); }

} // namespace velmira
