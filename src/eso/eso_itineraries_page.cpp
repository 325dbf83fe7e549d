// The itineraries page of the ESO window: the diagram drawn part by part, the
// subject boxes over it, their lists and the printed modality sheets.

#include "eso_window.h"

#include "data/content_tables.h"
#include "data/print_state.h"
#include "data/settings.h"
#include "data/text_bytes.h"
#include "eso/itineraries_canvas.h"
#include "eso/modality_sheets.h"
#include "explorers/certificates_window.h"
#include "explorers/initial_programmes_window.h"
#include "explorers/middle_grade_window.h"
#include "widgets/report_printer.h"

#include <QKeyEvent>
#include <QLabel>
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

void TForm2::createDiagramControls()
{
    for (int box = 0; box < static_cast<int>(subjectBoxes().size()); ++box) {
        auto *button = new QPushButton(this);
        button->setObjectName(box == 0 ? QStringLiteral("b1") : QStringLiteral("BitBtn%1").arg(box));
        button->setGeometry(boxArea(subjectBoxes()[box].area));
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, box] { b48Click(box); });
        subjectBoxButtons.push_back(button);
    }
    List_Sel = new QListWidget(this);
    List_Sel->setObjectName(QStringLiteral("List_Sel"));
    List_Sel->hide();
    botContextual = new QPushButton(this);
    botContextual->setObjectName(QStringLiteral("botContextual"));
    botContextual->hide();
    connect(botContextual, &QPushButton::clicked, this, &TForm2::botContextualMouseUp);
    BotCerrarV = new QPushButton(this);
    BotCerrarV->setObjectName(QStringLiteral("BotCerrarV"));
    BotCerrarV->resize(63, 23);
    BotCerrarV->hide();
    connect(BotCerrarV, &QPushButton::clicked, this, &TForm2::BotCerrarVMouseUp);
}

// The boxes are invisible: the diagram shows through them.
void TForm2::styleSubjectBoxes()
{
    for (QPushButton *button : subjectBoxButtons) {
        button->setFlat(true);
        button->setStyleSheet(QStringLiteral("background: transparent; border: none;"));
    }
}

void TForm2::paintEvent(QPaintEvent *)
{
    if (!m_drawing.itineraryActive())
        return;
    QPainter painter(this);
    if (m_drawing.repaintsWholeDiagram()) {
        paintDiagram(painter, wholeDiagramPaint());
        return;
    }
    for (int part = 0; part <= m_drawing.step(); ++part)
        paintDiagram(painter, partPaint(part));
}

// A click on the window advances the drawing, or closes the subject list.
void TForm2::mousePressEvent(QMouseEvent *)
{
    if (m_drawing.drawingActive()) {
        advanceDiagram();
        return;
    }
    BotCerrarVMouseUp();
}

void TForm2::keyPressEvent(QKeyEvent *event)
{
    if (m_drawing.drawingActive()) {
        advanceDiagram();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        BotCerrarVMouseUp();
        ListCar->hide();
    }
}

void TForm2::BotItinerariosClick()
{
    for (QLabel *decoration : {TilArr, tilDer})
        if (decoration)
            decoration->hide();
    PanelMenu2->hide();
    botCuestio->hide();
    m_questionnaireActive = false;
    m_boxClicks.resetCount();
    if (!m_drawing.drawingActive() && !m_drawing.itineraryActive()) {
        PanelItiner->setGeometry(0, 0, PanelMenu->x() + PanelMenu->width() + 20, height());
        PanelItiner->show();
        PanelItiner->lower();
    }
    applyAdvance(m_drawing.start());
}

void TForm2::advanceDiagram() { applyAdvance(m_drawing.advance()); }

void TForm2::applyAdvance(const ItineraryDrawing::Advance &advance)
{
    for (int message : advance.helpMessages)
        showHelp(message);
    if (advance.drawnPart >= 0)
        update();
    if (advance.boxesPlaced) {
        placeSubjectBoxes();
        botCuestio->hide();
        BotItinerarios->show();
        update();
    }
}

void TForm2::placeSubjectBoxes()
{
    for (QPushButton *button : subjectBoxButtons) {
        button->show();
        button->raise();
    }
}

// Going back: the diagram is forgotten and the menu comes back as designed.
void TForm2::resetItineraryView()
{
    m_drawing.reset();
    m_questionnaireActive = false;
    BotCerrarVMouseUp();
    BotItinerarios->setEnabled(true);
    payuda->move(m_helpPosition);
    PanelItiner->show();
    PanelItiner->lower();
    for (QLabel *decoration : {TilArr, tilDer})
        if (decoration) {
            decoration->show();
            decoration->lower();
        }
    PanelMenu->show();
    botCuestio->show();
    BotItinerarios->show();
    for (QPushButton *button : subjectBoxButtons)
        button->hide();
    update();
}

void TForm2::b48Click(int box)
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

void TForm2::showSubjectList(int box, const std::vector<QByteArray> &lines, int height, bool informationList)
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

void TForm2::botContextualMouseUp()
{
    const int box = m_boxClicks.lastBox();
    switch (moreInformationAction(box)) {
    case MoreInformation::Nothing: break;
    case MoreInformation::DegreeList:
        hideSubjectList();
        showSubjectList(box, moreInformationLines(loadedListSources(), box), kDegreeListHeight, false);
        break;
    case MoreInformation::CertificatesWindow: openExplorer(Certifica); break;
    case MoreInformation::InitialProgrammesWindow: openExplorer(FIniPro); break;
    case MoreInformation::MiddleGradeExplorer: openExplorer(Form3); break;
    }
}

void TForm2::BotCerrarVMouseUp()
{
    m_boxClicks.close();
    hideSubjectList();
}

void TForm2::hideSubjectList()
{
    List_Sel->hide();
    botContextual->hide();
    BotCerrarV->hide();
    TimerParpadeo->stop();
}

void TForm2::printSheet(int sheet)
{
    LineTable &buffer = work().print1;
    const int count = fillSheetPrintBuffer(buffer, modalitySheetLines(loadedListSources(), sheet));
    setBoldLines({});
    if (askPrintQuestion())
        PrintLines(buffer, count, false, kSheetFontSize);
}

} // namespace velmira
