#include "eso_explainer_page.h"

#include "data/interface_texts.h"
#include "data/picture_names.h"
#include "data/pictures.h"
#include "data/settings.h"
#include "data/text_ids.h"
#include "eso/eso_window.h"
#include "eso/explainer_information.h"
#include "widgets/text_blinker.h"
#include "widgets/window_controls.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace velmira {

namespace {

// The diagram's grid, in PanelExplica's coordinates: five levels from 2nd
// year of ESO at the bottom (level 0) to the degrees at the top, and three
// columns: ESO and what follows it, the programmes for those who leave it,
// diversification and the arts. Arrows up sit in the gap above a level,
// arrows across in the gap between the first two columns.
constexpr int kLevelTop0 = 640;
constexpr int kLevelPitch = 135;
constexpr int kShapeHeight = 60;
constexpr int kRowHeight = 70;
constexpr int kColumnA = 60;
constexpr int kColumnB = 320;
constexpr int kColumnC = 560;
constexpr int kShapeWidth = 165;
constexpr int kGapAB = 230; // left edge of the gap between columns A and B
constexpr int kGapWidth = 80;
constexpr int kCoverLeft = 50;
constexpr int kCoverSplit = 310; // covers of column A end here
constexpr int kCoverSplitC = 550;
constexpr int kBlinkTicks = 8;
constexpr int kWipeInterval = 10;

int levelTop(int level) { return kLevelTop0 - kLevelPitch * level; }

QRect shapeAt(int level, int column) { return QRect(column, levelTop(level) + 5, kShapeWidth, kShapeHeight); }

// An arrow up from the level below into the level: in the lower part of the
// gap under the level, centred on the column (or on the gap between A and B).
QRect arrowUpInto(int level, int centreX)
{
    return QRect(centreX - pictures::kArrowBreadth / 2, levelTop(level) + kRowHeight + 27,
                 pictures::kArrowBreadth, pictures::kArrowLength);
}
QRect arrowAcross(int level, int left)
{
    return QRect(left, levelTop(level) + 8, pictures::kArrowLength, pictures::kArrowBreadth);
}
QRect noteAboveArrowInto(int level, int centreX, int width)
{
    return QRect(centreX - width / 2, levelTop(level) + kRowHeight + 4, width, 20);
}

constexpr int centreOf(int column) { return column + kShapeWidth / 2; }
constexpr int kGapCentre = kGapAB + kGapWidth / 2;

QRect coverOf(int level, int left, int right)
{
    return QRect(left, levelTop(level) - (kLevelPitch - kRowHeight), right - left, kLevelPitch);
}

ExplainerCovers::Rectangles designedCovers()
{
    constexpr int end = 744;
    return {coverOf(0, kCoverSplit, end),          coverOf(1, kCoverLeft, kCoverSplit),
            coverOf(1, kCoverSplit, end),          coverOf(2, kCoverLeft, kCoverSplit),
            coverOf(2, kCoverSplit, kCoverSplitC), coverOf(2, kCoverSplitC, end),
            coverOf(3, kCoverLeft, kCoverSplit),   coverOf(3, kCoverSplit, end),
            coverOf(4, kCoverLeft, kCoverSplit),   coverOf(4, kCoverSplit, end)};
}

QRect arrowPlace(const char *name)
{
    const QByteArray n(name);
    if (n == "Image1")
        return arrowUpInto(1, centreOf(kColumnA));
    if (n == "Image2")
        return arrowUpInto(1, centreOf(kColumnB));
    if (n == "Image3")
        return arrowUpInto(2, centreOf(kColumnA));
    if (n == "Image5")
        return arrowUpInto(2, centreOf(kColumnB));
    if (n == "Image6")
        return arrowUpInto(2, centreOf(kColumnC));
    if (n == "Image7")
        return arrowUpInto(3, centreOf(kColumnA));
    if (n == "Image8")
        return arrowUpInto(3, kGapCentre);
    if (n == "Image9")
        return arrowUpInto(3, centreOf(kColumnB));
    if (n == "Image10")
        return arrowUpInto(3, centreOf(kColumnC));
    if (n == "Image11")
        return arrowUpInto(4, centreOf(kColumnA));
    if (n == "Image12")
        return arrowUpInto(4, kGapCentre);
    if (n == "Image13")
        return arrowUpInto(4, centreOf(kColumnB));
    if (n == "Image29")
        return arrowAcross(0, kGapAB + (kGapWidth - pictures::kArrowLength) / 2);
    if (n == "Image28")
        return arrowAcross(1, 8);
    if (n == "Image27")
        return arrowAcross(2, 8);
    if (n == "Image26")
        return arrowAcross(3, 8);
    if (n == "Image4")
        return arrowAcross(1, kGapAB + (kGapWidth - pictures::kArrowLength) / 2);
    if (n == "Image24")
        return arrowAcross(2, kGapAB + (kGapWidth - pictures::kArrowLength) / 2);
    return arrowAcross(3, kGapAB + (kGapWidth - pictures::kArrowLength) / 2); // Image30
}

// The stages: which level and column each shape stands at.
struct ShapePlace
{
    int level;
    int column;
};
const ShapePlace kShapes[] = {{0, kColumnA}, {0, kColumnB}, {1, kColumnA}, {1, kColumnB},
                              {1, kColumnC}, {2, kColumnA}, {2, kColumnB}, {2, kColumnC},
                              {3, kColumnA}, {3, kColumnB}, {4, kColumnA}, {4, kColumnB}};

// The information picture in the top right corner of a shape (or, second
// on a shape, in its bottom right corner).
QRect informationPlace(int shape, bool second = false)
{
    const QRect s = shapeAt(kShapes[shape].level, kShapes[shape].column);
    const int size = pictures::kInformationMarkSize;
    return QRect(s.right() - size - 3, second ? s.bottom() - size - 3 : s.top() + 4, size, size);
}

QRect informationPictureAt(int picture)
{
    switch (picture) {
    case 23: return informationPlace(0);        // ESO
    case 15: return informationPlace(1);        // the programmes (PCPI)
    case 17: return informationPlace(3);        // their voluntary modules
    case 20: return informationPlace(6);        // entry to a one-year programme
    case 16: return informationPlace(6, true);  // the entrance examinations
    case 32: return informationPlace(8);        // Bachillerato
    case 19: return informationPlace(9);        // entry to middle-grade training
    case 25: return informationPlace(10);       // university entrance
    case 31: return informationPlace(10, true); // university studies
    case 18: return informationPlace(11);       // entry to higher-grade training
    default: return informationPlace(11, true); // 21: the higher-grade titles
    }
}

QString joined(int first, int second) { return uiText(first) + QLatin1Char(' ') + uiText(second); }
QString numbered(const char *number, int text) { return QLatin1String(number) + uiText(text); }

// A caption of the diagram: where, how and what it says.
struct Caption
{
    const char *name;
    QRect at;
    int points;
    bool bold;
    std::function<QString()> text;
};

QRect mainLine(int shape)
{
    const QRect s = shapeAt(kShapes[shape].level, kShapes[shape].column);
    return QRect(s.left() + 6, s.top() + 6, s.width() - 36, 24);
}
QRect secondLine(int shape)
{
    const QRect s = shapeAt(kShapes[shape].level, kShapes[shape].column);
    return QRect(s.left() + 6, s.top() + 32, s.width() - 36, 22);
}
QRect freeCaption(int level, int column, int offset)
{
    return QRect(column, levelTop(level) + offset, kShapeWidth, 24);
}
QRect acrossNote(int level) { return QRect(kGapAB, levelTop(level) + 36, kGapWidth, 30); }

std::vector<Caption> captions()
{
    const QRect twoCourses3 = secondLine(8);
    const QRect twoCoursesGm = secondLine(9);
    return {
        {"LabelG3", mainLine(0), 12, true, [] { return numbered("2 ", kEsoShortName); }},
        {"LabelEx5", mainLine(1), 10, true,
         [] { return uiText(kInitialProgrammesShortName) + QStringLiteral(" 2 ") + uiText(kCoursesWord); }},
        {"LabelEx3", mainLine(2), 12, true, [] { return numbered("3 ", kEsoShortName); }},
        {"LabelEx2", acrossNote(1), 8, false, [] { return uiText(kIfYouFail); }},
        {"LabelEx9", mainLine(3), 10, true,
         [] {
             return uiText(kInitialProgrammesShortName) + QStringLiteral(" 2 ") + uiText(kSchoolYearCaption);
         }},
        {"LabelEx4", mainLine(4), 10, true, [] { return uiText(kDiversificationName); }},
        {"LabelEx1", noteAboveArrowInto(2, centreOf(kColumnA), 150), 9, false,
         [] { return uiText(kIfYouPass); }},
        {"LabelEx11", mainLine(5), 12, true, [] { return joined(kFourthCourse, kEsoShortName); }},
        {"LabelEx7", acrossNote(2), 8, false, [] { return uiText(kIfYouFail); }},
        {"LabelEx10", mainLine(6), 10, true,
         [] {
             return uiText(kInitialProgrammesShortName) + QStringLiteral(" 1 ") + uiText(kSchoolYearCaption);
         }},
        {"LabelEx14", secondLine(6), 9, false, [] { return QStringLiteral("+") + uiText(kExamWord); }},
        {"LabelEx8", mainLine(7), 10, true, [] { return joined(kFourthCourse, kDiversificationName); }},
        {"LabelEx6", noteAboveArrowInto(3, centreOf(kColumnA), 150), 9, false,
         [] { return uiText(kIfYouPass); }},
        {"LabelEx12", mainLine(8), 11, true, [] { return uiText(kBachilleratoName); }},
        {"Label5", twoCourses3, 9, false, [] { return numbered("2 ", kCoursesWord); }},
        {"LabelEx13", mainLine(9), 11, true, [] { return uiText(kMiddleGradeCaption); }},
        {"Label6", twoCoursesGm, 9, false, [] { return numbered("2 ", kCoursesWord); }},
        {"LabelEx18", freeCaption(3, kColumnC, 20), 11, true, [] { return uiText(kArtsName); }},
        {"LabelEx16", noteAboveArrowInto(4, kGapCentre, 160), 8, false,
         [] { return joined(kNotWord, kUniversityEntranceExam); }},
        {"LabelEx23", noteAboveArrowInto(4, centreOf(kColumnB), 100), 9, false,
         [] { return QStringLiteral("+") + uiText(kExamWord); }},
        {"LabelEx15", mainLine(10), 11, true, [] { return uiText(kUniversityEntranceExam); }},
        {"LabelEx19", QRect(secondLine(10).left(), secondLine(10).top(), 70, 22), 10, true,
         [] { return uiText(kUniversityDegreesShort); }},
        {"LabelEx20", QRect(secondLine(10).left() + 72, secondLine(10).top(), 60, 22), 9, false,
         [] { return numbered("4 ", kCoursesWord); }},
        {"LabelEx17", mainLine(11), 11, true, [] { return uiText(kHigherGradeCaption); }},
        {"LabelEx22", secondLine(11), 9, false, [] { return numbered("2 ", kCoursesWord); }},
        {"LabelEx21", freeCaption(4, kColumnC, 20), 11, true, [] { return uiText(kArtsName); }},
        {"Label2", freeCaption(4, kColumnA, -60), 10, true, [] { return uiText(kStructureDoctorate); }},
        {"Label1", freeCaption(4, kColumnA, -32), 10, true, [] { return uiText(kMastersCaption); }},
        {"Label3", freeCaption(4, kColumnB, -32), 10, true, [] { return uiText(kWorkingLife); }},
        {"Label4", freeCaption(4, kColumnC, -32), 10, true, [] { return uiText(kWorkingLife); }},
    };
}

// A stage of the diagram: a soft-cornered shape hatched in yellow.
class StageShape : public QWidget
{
public:
    StageShape(QWidget *parent, const QString &name, const QRect &at)
        : QWidget(parent)
    {
        setObjectName(name);
        setGeometry(at);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
        p.setPen(QPen(QColor(200, 160, 0), 2));
        p.setBrush(QColor(255, 250, 215));
        p.drawRoundedRect(area, 12, 12);
        p.setBrush(QBrush(QColor(245, 205, 60), Qt::BDiagPattern));
        p.drawRoundedRect(area, 12, 12);
    }
};

// A picture the pupil clicks; the keyboard reaches it, and a frame shows it.
class PictureButton : public QAbstractButton
{
public:
    PictureButton(QWidget *parent, const QString &name, const QRect &at)
        : QAbstractButton(parent)
    {
        setObjectName(name);
        setGeometry(at.adjusted(-2, -2, 2, 2));
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
    }
    void setPicture(const QPixmap &picture)
    {
        m_picture = picture;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QRect inside = rect().adjusted(2, 2, -2, -2);
        p.drawPixmap(inside, m_picture);
        if (hasFocus()) {
            p.setPen(QPen(QColor(0, 0, 128), 2));
            p.drawRect(rect().adjusted(1, 1, -1, -1));
        }
    }

private:
    QPixmap m_picture;
};

QString pictureName(int number) { return QStringLiteral("Image%1").arg(number); }

} // namespace

EsoExplainerPage::EsoExplainerPage(TForm2 *window)
    : QObject(window)
    , m_window(window)
    , m_covers(designedCovers())
{
    PanelExplica = new QWidget(window);
    PanelExplica->setObjectName(QStringLiteral("PanelExplica"));
    PanelExplica->setAutoFillBackground(true);
    QPalette white = PanelExplica->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    PanelExplica->setPalette(white);
    PanelExplica->hide();
    createDiagram();
    createCovers();
    createInformationPanel();

    Timergrado = new QTimer(this);
    Timergrado->setInterval(kWipeInterval);
    connect(Timergrado, &QTimer::timeout, this, &EsoExplainerPage::TimergradoTimer);
    QLabel *note = LabelNota;
    m_noteBlinker = new TextBlinker(this, kBlinkTicks, [note](const QString &text) { note->setText(text); });
}

void EsoExplainerPage::createDiagram()
{
    int number = 0;
    for (const ShapePlace &place : kShapes)
        new StageShape(PanelExplica, QStringLiteral("Shape%1").arg(++number),
                       shapeAt(place.level, place.column));
    for (const Caption &caption : captions()) {
        QLabel *label = textLabel(PanelExplica, caption.name, caption.at, caption.points, caption.bold);
        label->setAlignment(caption.bold ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        m_captions.push_back(label);
    }
    LabelNota = textLabel(PanelExplica, "LabelNota", QRect(kCoverLeft, 4, 640, 28), 12, true);
    LabelNota->setStyleSheet(QStringLiteral("color: #a00000;"));

    for (const RevealArrow &arrow : revealArrows()) {
        auto *picture = new PictureButton(PanelExplica, QLatin1String(arrow.name), arrowPlace(arrow.name));
        connect(picture, &QAbstractButton::clicked, this, [this, &arrow] { revealClick(arrow); });
        m_arrowPictures.push_back(picture);
    }
    for (int number : informationPictures()) {
        auto *picture = new PictureButton(PanelExplica, pictureName(number), informationPictureAt(number));
        connect(picture, &QAbstractButton::clicked, this, [this, number] { informationClick(number); });
        m_informationPictures.push_back(picture);
    }
}

void EsoExplainerPage::createCovers()
{
    for (int c = 0; c < kCoverCount; ++c) {
        QWidget *cover = panel(PanelExplica, m_covers.cover(Cover(c)), Qt::white);
        cover->setObjectName(QLatin1String(coverName(Cover(c))));
        m_coverPanels.push_back(cover);
    }
}

void EsoExplainerPage::createInformationPanel()
{
    PanelEx = panel(PanelExplica, QRect(120, 150, 500, 430), QColor(255, 255, 0));
    PanelEx->setObjectName(QStringLiteral("PanelEx"));
    ListBoxEx = new QListWidget(PanelEx);
    ListBoxEx->setObjectName(QStringLiteral("ListBoxEx"));
    ListBoxEx->setGeometry(10, 10, 480, 363);
    QFont courier(QStringLiteral("adobe-courier"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPixelSize(11);
    ListBoxEx->setFont(courier);
    BotCerrarEx = button(PanelEx, "BotCerrarEx", QRect(370, 385, 120, 33));
    connect(BotCerrarEx, &QPushButton::clicked, this, &EsoExplainerPage::BotCerrarExClick);
    PanelEx->hide();
}

void EsoExplainerPage::loadPictures()
{
    m_arrowUp = loadPicture(QLatin1String(pictures::kArrowUp));
    m_arrowRight = loadPicture(QLatin1String(pictures::kArrowRight));
    m_informationMark = loadPicture(QLatin1String(pictures::kInformationMark));
    for (size_t i = 0; i < m_arrowPictures.size(); ++i)
        static_cast<PictureButton *>(m_arrowPictures[i])
            ->setPicture(revealArrows()[i].wipe == Wipe::Upward ? m_arrowUp : m_arrowRight);
    for (QWidget *picture : m_informationPictures)
        static_cast<PictureButton *>(picture)->setPicture(m_informationMark);
}

void EsoExplainerPage::setCaptions()
{
    const std::vector<Caption> all = captions();
    for (size_t i = 0; i < all.size(); ++i) {
        m_captions[i]->setText(all[i].text());
        fitCaption(m_captions[i]);
    }
    BotCerrarEx->setText(uiText(kCloseCaption));
}

void EsoExplainerPage::open(const QRect &area)
{
    PanelExplica->setGeometry(area);
    m_covers.coverAll();
    Timergrado->stop();
    placeCovers();
    PanelEx->hide();
    PanelExplica->show();
    PanelExplica->raise();
    m_noteBlinker->start(uiText(kPressTheArrow) + QLatin1Char(' ') + uiText(kToContinue));
    if (!m_arrowPictures.empty())
        m_arrowPictures.front()->setFocus();
}

void EsoExplainerPage::close()
{
    Timergrado->stop();
    m_noteBlinker->stop();
    PanelEx->hide();
    PanelExplica->hide();
}

bool EsoExplainerPage::isOpen() const { return PanelExplica->isVisible(); }

bool EsoExplainerPage::closeInformation()
{
    if (!PanelEx->isVisible())
        return false;
    BotCerrarExClick();
    return true;
}

void EsoExplainerPage::revealClick(const RevealArrow &arrow)
{
    m_covers.reveal(arrow);
    if (m_covers.running())
        Timergrado->start();
}

void EsoExplainerPage::TimergradoTimer()
{
    if (!m_covers.tick()) {
        Timergrado->stop();
        updateReachablePictures();
    }
    placeCovers();
}

void EsoExplainerPage::placeCovers()
{
    for (int c = 0; c < kCoverCount; ++c) {
        m_coverPanels[c]->setGeometry(m_covers.cover(Cover(c)));
        m_coverPanels[c]->setVisible(!m_covers.gone(Cover(c)));
    }
    PanelEx->raise();
    if (!Timergrado->isActive())
        updateReachablePictures();
}

// A picture under a cover cannot be clicked, so Tab passes it by too.
void EsoExplainerPage::updateReachablePictures()
{
    for (auto *list : {&m_arrowPictures, &m_informationPictures})
        for (QWidget *picture : *list)
            picture->setFocusPolicy(m_covers.hides(picture->geometry()) ? Qt::NoFocus : Qt::StrongFocus);
}

void EsoExplainerPage::informationClick(int picture)
{
    fillList(ListBoxEx, explainerInformation(picture));
    PanelEx->show();
    PanelEx->raise();
    BotCerrarEx->setFocus();
}

void EsoExplainerPage::BotCerrarExClick() { PanelEx->hide(); }

} // namespace velmira
