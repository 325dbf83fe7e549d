#include "doors.h"

#include "data/interface_texts.h"
#include "data/text_ids.h"

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
    case DoorDegrees: return text(kUniversityDegreesCaption);
    case DoorCatalogue: return text(kCatalogueDoorCaption);
    case DoorHigherGrade: return text(kHigherGradeCaption);
    case DoorItineraries: return text(kItinerariesCaption);
    case DoorMiddleGrade: return text(kMiddleGradeCaption);
    case DoorInitial: return lines({text(kInitialProgrammesDoorLine1), text(kInitialProgrammesShortName)});
    case DoorProfessions: {
        // Two words, each split over two lines with a hyphen.
        const QByteArray first = text(kProfessionsDoorWord1);
        const QByteArray second = text(kProfessionsDoorWord2);
        return lines({first.left(7) + '-', first.mid(7, 8), second.left(5) + '-', second.mid(5, 8)});
    }
    case DoorBachillerato:
        return lines({text(kQuestionnaireDoorLine1), text(kQuestionnaireDoorLine2),
                      text(kQuestionnaireDoorLine3), text(kBachilleratoDoorLine4)});
    case DoorEso:
        return lines({text(kQuestionnaireDoorLine1), text(kQuestionnaireDoorLine2),
                      text(kQuestionnaireDoorLine3), text(kEsoDoorLine4)});
    default: return {};
    }
}

QByteArray doorHint(int door)
{
    switch (door) {
    case DoorDegrees: return lines({text(kDegreesDoorHint1), text(kMastersCaption), text(kDegreesDoorHint3)});
    case DoorCatalogue: return text(kCatalogueDoorHint);
    case DoorHigherGrade:
        return lines({text(kHigherGradeDoorHint1), text(kHigherGradeDoorHint2), text(kHigherGradeDoorHint3)});
    case DoorItineraries: return lines({text(kItinerariesDoorHint1), text(kItinerariesDoorHint2)});
    case DoorMiddleGrade:
        return lines({text(kMiddleGradeShortName), text(kMiddleGradeDoorHint2), text(kMiddleGradeDoorHint3),
                      text(kMiddleGradeDoorHint4), text(kMiddleGradeDoorHint5), text(kMiddleGradeDoorHint6),
                      text(kMiddleGradeDoorHint7)});
    case DoorInitial: return lines({text(kInitialProgrammesShortName), text(kInitialProgrammesDoorHint2)});
    case DoorProfessions: return text(kProfessionsDoorHint);
    case DoorBachillerato:
        return lines({text(kQuestionnaireDoorsHint1), text(kQualitiesCaption), text(kInterestsCaption)});
    case DoorEso:
        return lines(
            {text(kQuestionnaireDoorsHint1), text(kEsoDoorHint2First) + ' ' + text(kEsoDoorHint2Second)});
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
