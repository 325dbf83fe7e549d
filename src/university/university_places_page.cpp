// Starting from a place in the university window: the map of regions, the
// centres of a region and the degrees of a centre, double degrees by degree
// and by region, other studies, and the web pages of centres and regions.

#include "university_window.h"

#include "data/colours.h"
#include "data/command_runner.h"
#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/language.h"
#include "data/messages.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "university/centre_lists.h"
#include "university/degree_catalogue.h"
#include "university/place_lists.h"
#include "university/university_help.h"
#include "university/web_addresses.h"
#include "widgets/theme_assets.h"
#include "widgets/window_controls.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace velmira {

namespace {

const QSize kMapSize(281, 196);

} // namespace

void TForm1::createPlaces()
{
    PanelEstrellas = panel(this, QRect(10, 110, 400, 330), colour4());
    auto *hint = new QLabel(PanelEstrellas);
    hint->setObjectName(QStringLiteral("LabelMapa"));
    hint->setGeometry(10, 8, 380, 30);
    hint->setAlignment(Qt::AlignCenter);
    hint->setText(uiText(kChooseRegionHint));
    mapa = new QLabel(PanelEstrellas);
    mapa->setObjectName(QStringLiteral("mapa"));
    mapa->setGeometry((400 - kMapSize.width()) / 2, 44, kMapSize.width(), kMapSize.height());
    mapa->setPixmap(themeAssets().map);
    mapa->setMouseTracking(true);
    mapa->setCursor(Qt::PointingHandCursor);
    mapa->installEventFilter(this);
    BotInternetC = button(PanelEstrellas, "BotInternetC", QRect(60, 260, 280, 33));
    connect(BotInternetC, &QPushButton::clicked, this, &TForm1::BotInternetCMouseUp);

    // The region under the pointer, on a small yellow panel.
    PanelMapa = new QLabel(this);
    PanelMapa->setObjectName(QStringLiteral("PanelMapa"));
    PanelMapa->setAutoFillBackground(true);
    QPalette yellow = PanelMapa->palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 0));
    PanelMapa->setPalette(yellow);
    PanelMapa->setMargin(3);
    PanelMapa->hide();

    ListComunidad = new QListWidget(this);
    ListComunidad->setObjectName(QStringLiteral("ListComunidad"));
    ListComunidad->setGeometry(10, 110, 400, 650);
    ListComunidad->setCursor(Qt::PointingHandCursor);
    connect(ListComunidad, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { ListComunidadClick(ListComunidad->row(item)); });
}

void TForm1::MenuCarUni3Click()
{
    m_pendingDegreeSet = false;
    m_views.university = true;
    m_views.byDegree = false;
    m_views.doubleDegrees = false;
    leaveModuleMenu();
    PanelEstrellas->show();
    ListSel->setCursor(Qt::PointingHandCursor);
}

void TForm1::mapaMouseMove(const QPoint &at)
{
    const QPoint onWindow = mapa->mapTo(this, at);
    m_hoveredRegion = hoveredRegion(at.x(), at.y(), m_hoveredRegion);
    if (m_hoveredRegion == 0)
        return;
    PanelMapa->setText(displayText(trimTrailingBlanks(content().comunida.at(m_hoveredRegion).mid(2))));
    PanelMapa->adjustSize();
    PanelMapa->move(onWindow + QPoint(5, 20));
    PanelMapa->show();
    PanelMapa->raise();
}

void TForm1::mapaClick()
{
    PanelMapa->hide();
    const int region = clickedRegion(m_hoveredRegion);
    if (region == 0)
        return;
    m_currentRegion = region;
    if (m_views.university)
        showCentresOfRegion(region);
    else if (m_views.doubleDegrees)
        showDoubleGroupsOfRegion(region);
}

void TForm1::showCentresOfRegion(int region)
{
    const NumberedLines centres = centresOfRegion(region);
    fillCentreList(centres.lines);
    m_centreLineNumbers = centres.numbers;
    ListComunidad->show();
    ListComunidad->raise();
    PanelEstrellas->hide();
}

void TForm1::showDoubleGroupsOfRegion(int region)
{
    const NumberedLines groups = doubleDegreeGroupsOfRegion(region);
    if (groups.numbers.front() == 0) {
        ListComunidad->hide();
        fillSelectionList(groups.lines, false);
        ListSel->show();
        return;
    }
    fillCentreList(groups.lines);
    m_centreLineNumbers = groups.numbers;
    ListComunidad->show();
    ListComunidad->raise();
    PanelEstrellas->hide();
}

void TForm1::ListComunidadClick(int row)
{
    if (row < 0 || row >= static_cast<int>(m_centreLineNumbers.size()))
        return;
    const int number = m_centreLineNumbers[row];
    if (m_views.otherStudies) {
        const QByteArray line = content().otros.at(row + 1);
        const OtherStudyClick click = classifyOtherStudyClick(row, line);
        if (click.openSportsDocument
            && OpenPdf(*CmdExecComponent2, programDirectory() + "pdf/", "DeportesCentros.pdf") != 0)
            showMessage(
                QStringLiteral("¡Lo siento! No puedo abrir el PDF. Los encontrarás en la carpeta \"PDF\""));
        if (click.action == OtherStudyAction::DirectoryPage) {
            openWebPage(web::kStudiesDirectory + otherStudiesDirectoryPath(click.directoryPage));
        } else if (click.action == OtherStudyAction::ShowEntry) {
            setSelectionTitle(line);
            m_currentOtherStudy = row + 1;
            BotImprimir->show();
            fillSelectionList(otherStudyLines(m_currentOtherStudy), false);
        }
        return;
    }
    // A line with nothing behind it (the empty-result line) does nothing.
    if (number == 0)
        return;
    if (m_views.doubleDegrees) {
        if (m_views.byDegree) {
            fillSelectionList(doubleDegreesOfDegree(number), false);
            setSelectionTitle(interfaceText(kDoubleDegreesCaption));
        } else {
            fillSelectionList(doubleDegreeMemberLines(number), false);
            setSelectionTitle(content().dobles.names.at(number));
        }
        ListSel->show();
        return;
    }
    if (!m_views.university || m_views.byDegree)
        return;
    const NumberedLines degrees = degreeListOfCentre(number);
    BotIntUni->show();
    m_currentCentre = number;
    fillSelectionList(degrees.lines, true);
    m_selectionLineNumbers = degrees.numbers;
    setSelectionTitle(content().lugar.names.at(number));
    BotImprimir->show();
}

void TForm1::ListSelDblClick(int row)
{
    if (row < 0)
        return;
    if (m_views.university && !m_views.byDegree) {
        if (row < static_cast<int>(m_selectionLineNumbers.size()) && m_selectionLineNumbers[row] != 0)
            openCatalogueOn(m_selectionLineNumbers[row]);
        return;
    }
    const QByteArray line = storedText(ListSel->item(row)->text()).trimmed();
    if (line.startsWith("http"))
        openWebPage(line);
}

void TForm1::BotIntUniClick()
{
    if (m_currentCentre > 0)
        openWebPage("http://www." + content().lugar.second.at(m_currentCentre).trimmed());
}

void TForm1::BotInternetCMouseUp()
{
    if (m_currentRegion > 0)
        openWebPage("http://" + content().comuint.at(m_currentRegion).trimmed());
}

void TForm1::MenucarUniDobleClick()
{
    m_views.doubleDegrees = true;
    m_views.byDegree = true;
    m_views.university = false;
    leaveModuleMenu();
    const NumberedLines degrees = degreesWithDoubles();
    fillCentreList(degrees.lines);
    m_centreLineNumbers = degrees.numbers;
    ListComunidad->show();
    ListSel->clear();
    PanelSelTit->setText(uiText(kDoubleDegreesCaption));
}

void TForm1::MenuCarUniDoble2Click()
{
    m_views.doubleDegrees = true;
    m_views.byDegree = false;
    m_views.university = false;
    leaveModuleMenu();
    PanelEstrellas->show();
    ListSel->clear();
    PanelSelTit->setText(uiText(kDoubleDegreesCaption));
    showHelp(HelpDoubleDegreesByRegion);
}

void TForm1::menui6Click()
{
    m_views.otherStudies = true;
    m_views.university = false;
    leaveModuleMenu();
    const std::vector<QByteArray> studies = otherStudies();
    fillCentreList(studies);
    m_centreLineNumbers.assign(studies.size(), 0);
    ListComunidad->show();
    ListSel->clear();
    PanelSelTit->clear();
}

void TForm1::openWebPage(const QByteArray &url) { OpenInBrowser(*CmdExecComponent1, url); }

// A browser that could not run: the pupil names another, tried from the
// next link on.
void TForm1::CmdExecComponent1Complete()
{
    if (CmdExecComponent1->ReturnValue() == 0)
        return;
    const QString prompt = QStringLiteral("Introduce Otro Nombre de Navegador\n"
                                          "mozilla\nopera\nkonqueror\nnetscape\n\n"
                                          "Y vuelve a pinchar...");
    bool accepted = false;
    const QString browser = QInputDialog::getText(this, QStringLiteral("Navegador Web incorrecto"), prompt,
                                                  QLineEdit::Normal, QStringLiteral("firefox"), &accepted);
    // Like the input box it stands for, a cancelled box answers its proposal.
    setBrowserDefault((accepted ? browser : QStringLiteral("firefox")).toLower().toLocal8Bit());
}

} // namespace velmira
