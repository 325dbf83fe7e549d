#include "eso_itineraries_page.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/print_state.h"
#include "data/settings.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "eso/eso_window.h"
#include "eso/itineraries_canvas.h"
#include "eso/modality_sheets.h"
#include "explorers/certificates_window.h"
#include "explorers/initial_programmes_window.h"
#include "explorers/middle_grade_window.h"
#include "widgets/report_printer.h"

#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace velmira {

namespace {

QRect boxArea(const GridBox &box)
{
    return QRect(QPoint(box.left(), box.top()), QPoint(box.right(), box.bottom()));
}

} // namespace

EsoItinerariesPage::EsoItinerariesPage(TForm2 *window)
    : QObject(window)
    , m_window(window)
{
    for (int box = 0; box < static_cast<int>(subjectBoxes().size()); ++box) {
        auto *button = new QPushButton(window);
        button->setObjectName(box == 0 ? QStringLiteral("b1") : QStringLiteral("BitBtn%1").arg(box));
        button->setGeometry(boxArea(subjectBoxes()[box].area));
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, box] { b48Click(box); });
        m_subjectBoxes.push_back(button);
    }
    List_Sel = new QListWidget(window);
    List_Sel->setObjectName(QStringLiteral("List_Sel"));
    // Lines longer than the list's width wrap instead of running off its edge.
    List_Sel->setWordWrap(true);
    List_Sel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List_Sel->hide();
    botContextual = new QPushButton(window);
    botContextual->setObjectName(QStringLiteral("botContextual"));
    botContextual->hide();
    connect(botContextual, &QPushButton::clicked, this, &EsoItinerariesPage::botContextualMouseUp);
    BotCerrarV = new QPushButton(window);
    BotCerrarV->setObjectName(QStringLiteral("BotCerrarV"));
    BotCerrarV->resize(63, 23);
    BotCerrarV->hide();
    connect(BotCerrarV, &QPushButton::clicked, this, &EsoItinerariesPage::BotCerrarVMouseUp);
    TimerParpadeo = new QTimer(this);
    TimerParpadeo->setInterval(200);
    connect(TimerParpadeo, &QTimer::timeout, this, &EsoItinerariesPage::TimerParpadeoTimer);
}

void EsoItinerariesPage::styleSubjectBoxes()
{
    for (QPushButton *button : m_subjectBoxes) {
        button->setFlat(true);
        button->setStyleSheet(QStringLiteral("background: transparent; border: none;"));
    }
}

void EsoItinerariesPage::setCaptions()
{
    botContextual->setText(uiText(kMoreInformationCaption));
    BotCerrarV->setText(uiText(kCloseCaption));
    for (size_t box = 0; box < m_subjectBoxes.size(); ++box)
        m_subjectBoxes[box]->setToolTip(displayText(subjectBoxHint(static_cast<int>(box))));
}

void EsoItinerariesPage::paint(QPainter &painter) const
{
    if (!m_drawing.itineraryActive())
        return;
    if (m_drawing.repaintsWholeDiagram()) {
        paintDiagram(painter, wholeDiagramPaint());
        return;
    }
    std::vector<DiagramPaint> drawn;
    for (int part = 0; part <= m_drawing.step(); ++part) {
        const std::vector<DiagramPaint> paints = partPaint(part);
        drawn.insert(drawn.end(), paints.begin(), paints.end());
    }
    paintDiagram(painter, drawn);
}

void EsoItinerariesPage::open()
{
    m_window->narrowMenuToDiagram(!m_drawing.drawingActive() && !m_drawing.itineraryActive());
    m_window->setQuestionnaireActive(false);
    m_boxClicks.resetCount();
    applyAdvance(m_drawing.start());
}

bool EsoItinerariesPage::advance()
{
    if (!m_drawing.drawingActive())
        return false;
    applyAdvance(m_drawing.advance());
    return true;
}

void EsoItinerariesPage::applyAdvance(const ItineraryDrawing::Advance &advance)
{
    for (int message : advance.helpMessages)
        m_window->showHelp(message);
    if (advance.drawnPart >= 0)
        m_window->update();
    if (advance.boxesPlaced) {
        placeSubjectBoxes();
        m_window->offerDiagramAgain();
        m_window->update();
    }
}

void EsoItinerariesPage::placeSubjectBoxes()
{
    for (QPushButton *button : m_subjectBoxes) {
        button->show();
        button->raise();
    }
}

void EsoItinerariesPage::hideSubjectBoxes()
{
    for (QPushButton *button : m_subjectBoxes)
        button->hide();
}

void EsoItinerariesPage::close()
{
    m_drawing.reset();
    m_window->setQuestionnaireActive(false);
    BotCerrarVMouseUp();
    m_window->restoreMenuAfterDiagram();
    hideSubjectBoxes();
    m_window->update();
}

void EsoItinerariesPage::putAway()
{
    if (!m_drawing.itineraryActive())
        return;
    m_drawing.reset();
    BotCerrarVMouseUp();
    hideSubjectBoxes();
    m_window->update();
}

void EsoItinerariesPage::b48Click(int box)
{
    if (!m_drawing.itineraryActive())
        return;
    if (!m_boxClicks.click(box)) {
        BotCerrarVMouseUp();
        return;
    }
    const SubjectBoxContent content = subjectBoxContent(box);
    switch (content.action) {
    case BoxAction::Nothing: break;
    case BoxAction::PrintSheet: printSheet(content.number); break;
    case BoxAction::InformationList:
    case BoxAction::SubjectList: {
        const auto lines = subjectListLines(loadedListSources(), box);
        showSubjectList(box, lines, subjectListHeight(box, static_cast<int>(lines.size())),
                        content.action == BoxAction::InformationList);
        break;
    }
    }
}

void EsoItinerariesPage::showSubjectList(int box, const std::vector<QByteArray> &lines, int height,
                                         bool informationList)
{
    List_Sel->clear();
    QFont font(QString::fromLatin1(fontName()));
    font.setPointSize(9);
    List_Sel->setFont(font);
    for (const QByteArray &line : lines)
        List_Sel->addItem(displayText(line));
    const ListPlacement placement = placeSubjectList(box, height, informationList);
    // The list grows from the box's corner, 4 pixels at a time, before it
    // takes its place.
    List_Sel->show();
    List_Sel->raise();
    for (const QRect &step : placement.openingSteps) {
        List_Sel->setGeometry(step);
        List_Sel->repaint();
    }
    List_Sel->setGeometry(placement.list);
    BotCerrarV->move(placement.closeButton);
    BotCerrarV->show();
    BotCerrarV->raise();
    if (!placement.moreInformation)
        return;
    botContextual->setGeometry(
        QRect(placement.moreInformationAt, QSize(placement.moreInformationWidth, BotCerrarV->height())));
    botContextual->show();
    botContextual->raise();
    TimerParpadeo->start();
}

void EsoItinerariesPage::botContextualMouseUp()
{
    const int box = m_boxClicks.lastBox();
    switch (moreInformationAction(box)) {
    case MoreInformation::Nothing: break;
    case MoreInformation::DegreeList:
        hideSubjectList();
        showSubjectList(box, moreInformationLines(loadedListSources(), box), kDegreeListHeight, false);
        break;
    case MoreInformation::CertificatesWindow: m_window->openExplorer(Certifica); break;
    case MoreInformation::InitialProgrammesWindow: m_window->openExplorer(FIniPro); break;
    case MoreInformation::MiddleGradeExplorer:
        if (Form3)
            Form3->startExplorer(m_window);
        break;
    }
}

bool EsoItinerariesPage::closeSubjectList()
{
    const bool open = m_boxClicks.listOpen();
    BotCerrarVMouseUp();
    return open;
}

void EsoItinerariesPage::BotCerrarVMouseUp()
{
    m_boxClicks.close();
    hideSubjectList();
}

void EsoItinerariesPage::hideSubjectList()
{
    List_Sel->hide();
    botContextual->hide();
    BotCerrarV->hide();
    TimerParpadeo->stop();
}

// The more-information link blinks for eight ticks, then keeps its caption.
void EsoItinerariesPage::TimerParpadeoTimer()
{
    ++m_blinkTicks;
    const bool last = m_blinkTicks >= 8;
    botContextual->setText(last || m_blinkTicks % 2 == 1 ? uiText(kMoreInformationCaption) : QString());
    if (last) {
        TimerParpadeo->stop();
        m_blinkTicks = 0;
    }
}

void EsoItinerariesPage::printSheet(int sheet)
{
    LineTable &buffer = work().print1;
    const int count = fillSheetPrintBuffer(buffer, modalitySheetLines(loadedListSources(), sheet));
    setBoldLines({});
    if (askPrintQuestion())
        PrintLines(buffer, count, false, kSheetFontSize);
}

} // namespace velmira
