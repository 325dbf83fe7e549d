#include "university_places_page.h"

#include "data/colours.h"
#include "data/command_runner.h"
#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/map_geometry.h"
#include "data/messages.h"
#include "data/pdf_documents.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "university/centre_lists.h"
#include "university/degree_catalogue.h"
#include "university/listing_reports.h"
#include "university/place_lists.h"
#include "university/selection_area.h"
#include "university/university_catalogue_page.h"
#include "university/university_help.h"
#include "university/university_menu_page.h"
#include "university/university_window.h"
#include "data/web_addresses.h"
#include "widgets/theme_assets.h"
#include "widgets/window_controls.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

namespace velmira {

namespace {

const QSize kMapSize(281, 196);
const QRect kLeftColumn(10, 110, 400, 650);
constexpr int kCentreListPoints = 11;

} // namespace

UniversityPlacesPage::UniversityPlacesPage(TForm1 *window, UniversityMenuPage &menu, SelectionArea &selection,
                                           UniversityCataloguePage &catalogue)
    : QObject(window)
    , m_window(window)
    , m_selection(selection)
    , m_catalogue(catalogue)
{
    MenuCarUni3 = menu.addEntry("MenuCarUni3", 1);
    MenucarUniDoble = menu.addEntry("MenucarUniDoble", 2);
    MenuCarUniDoble2 = menu.addEntry("MenuCarUniDoble2", 3);
    menui6 = menu.addEntry("menui6", 4);
    connect(MenuCarUni3, &QPushButton::clicked, this, &UniversityPlacesPage::MenuCarUni3Click);
    connect(MenucarUniDoble, &QPushButton::clicked, this, &UniversityPlacesPage::MenucarUniDobleClick);
    connect(MenuCarUniDoble2, &QPushButton::clicked, this, &UniversityPlacesPage::MenuCarUniDoble2Click);
    connect(menui6, &QPushButton::clicked, this, &UniversityPlacesPage::menui6Click);

    PanelEstrellas = panel(window, QRect(kLeftColumn.topLeft(), QSize(400, 330)), colour4());
    PanelEstrellas->setObjectName(QStringLiteral("PanelEstrellas"));
    LabelMapa = new QLabel(PanelEstrellas);
    LabelMapa->setObjectName(QStringLiteral("LabelMapa"));
    LabelMapa->setGeometry(10, 8, 380, 30);
    LabelMapa->setAlignment(Qt::AlignCenter);
    LabelMapa->setFont(settingsFont(14));
    mapa = new QLabel(PanelEstrellas);
    mapa->setObjectName(QStringLiteral("mapa"));
    mapa->setGeometry((400 - kMapSize.width()) / 2, 44, kMapSize.width(), kMapSize.height());
    mapa->setPixmap(themeAssets().map);
    mapa->setMouseTracking(true);
    mapa->setCursor(Qt::PointingHandCursor);
    mapa->installEventFilter(this);
    BotInternetC = button(PanelEstrellas, "BotInternetC", QRect(60, 260, 280, 33));
    BotInternetC->setFont(settingsFont(12));
    connect(BotInternetC, &QPushButton::clicked, this, &UniversityPlacesPage::BotInternetCMouseUp);
    PanelEstrellas->hide();

    // The region under the pointer, on a small yellow panel.
    PanelMapa = new QLabel(window);
    PanelMapa->setObjectName(QStringLiteral("PanelMapa"));
    PanelMapa->setAutoFillBackground(true);
    QPalette yellow = PanelMapa->palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 0));
    PanelMapa->setPalette(yellow);
    PanelMapa->setMargin(3);
    PanelMapa->setFont(settingsFont(10));
    PanelMapa->hide();

    ListComunidad = new QListWidget(window);
    ListComunidad->setObjectName(QStringLiteral("ListComunidad"));
    ListComunidad->setGeometry(kLeftColumn);
    ListComunidad->setCursor(Qt::PointingHandCursor);
    ListComunidad->setFont(settingsFont(kCentreListPoints));
    connect(ListComunidad, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { ListComunidadClick(ListComunidad->row(item)); });
    ListComunidad->hide();

    BotIntUni = selection.addButton("BotIntUni", QRect(10, 614, 379, 33));
    connect(BotIntUni, &QPushButton::clicked, this, &UniversityPlacesPage::BotIntUniClick);

    CmdExecComponent2 = new TCmdExecComponent(this);
}

void UniversityPlacesPage::setCaptions()
{
    MenuCarUni3->setText(uiText(kUniversitiesByPlaceCaption));
    MenucarUniDoble->setText(uiText(kDoubleDegreesByDegreeCaption));
    MenuCarUniDoble2->setText(uiText(kDoubleDegreesByRegionCaption));
    menui6->setText(uiText(kOtherStudiesCaption));
    LabelMapa->setText(uiText(kChooseRegionHint));
    BotInternetC->setText(uiText(kRegionWebCaption));
    BotIntUni->setText(QStringLiteral("Más información en Internet"));
}

bool UniversityPlacesPage::mapShown() const { return PanelEstrellas->isVisible(); }

bool UniversityPlacesPage::centreListShown() const { return ListComunidad->isVisible(); }

void UniversityPlacesPage::backToMap()
{
    ListComunidad->hide();
    PanelEstrellas->show();
}

void UniversityPlacesPage::hideMap() { PanelEstrellas->hide(); }

void UniversityPlacesPage::close()
{
    for (QWidget *w : std::initializer_list<QWidget *>{PanelEstrellas, PanelMapa, ListComunidad, BotIntUni})
        w->hide();
    ListComunidad->setGeometry(kLeftColumn);
    ListComunidad->setFont(settingsFont(kCentreListPoints));
    ListComunidad->setWordWrap(false);
    PanelEstrellas->move(kLeftColumn.topLeft());
}

void UniversityPlacesPage::showChoices(const std::vector<QByteArray> &lines, int top, int points)
{
    PanelEstrellas->hide();
    ListComunidad->setGeometry(kLeftColumn.adjusted(0, top - kLeftColumn.top(), 0, 0));
    ListComunidad->setFont(settingsFont(points));
    // A long choice takes a second line rather than running past the edge.
    ListComunidad->setWordWrap(true);
    fillCentreList(lines);
    m_centreLineNumbers.assign(lines.size(), 0);
    showCentreList();
}

void UniversityPlacesPage::showMapAt(int top)
{
    ListComunidad->hide();
    PanelEstrellas->move(kLeftColumn.left(), top);
    PanelEstrellas->show();
}

void UniversityPlacesPage::hideCentreButton() { BotIntUni->hide(); }

void UniversityPlacesPage::fillCentreList(const std::vector<QByteArray> &lines)
{
    ListComunidad->clear();
    for (const QByteArray &line : lines)
        ListComunidad->addItem(displayText(trimTrailingBlanks(line)));
}

void UniversityPlacesPage::showCentreList()
{
    ListComunidad->show();
    ListComunidad->raise();
}

bool UniversityPlacesPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mapa) {
        if (event->type() == QEvent::MouseMove)
            mapaMouseMove(static_cast<QMouseEvent *>(event)->position().toPoint());
        else if (event->type() == QEvent::MouseButtonPress)
            mapaClick();
        else if (event->type() == QEvent::Leave)
            PanelMapa->hide();
    }
    return QObject::eventFilter(watched, event);
}

void UniversityPlacesPage::MenuCarUni3Click()
{
    m_catalogue.forgetPendingDegree();
    SelectionViews &views = m_window->views();
    views.university = true;
    views.byDegree = false;
    views.doubleDegrees = false;
    m_window->leaveModuleMenu();
    m_selection.clearTitle();
    m_selection.clearLines();
    PanelEstrellas->show();
    m_selection.setPointingHand(true);
}

void UniversityPlacesPage::mapaMouseMove(const QPoint &at)
{
    const QPoint onWindow = mapa->mapTo(m_window, at);
    m_hoveredRegion = hoveredRegion(at.x(), at.y(), m_hoveredRegion);
    if (m_hoveredRegion == 0)
        return;
    PanelMapa->setText(displayText(trimTrailingBlanks(content().comunida.at(m_hoveredRegion).mid(2))));
    PanelMapa->adjustSize();
    PanelMapa->move(onWindow + QPoint(5, 20));
    PanelMapa->show();
    PanelMapa->raise();
}

void UniversityPlacesPage::mapaClick()
{
    PanelMapa->hide();
    // The region's own web page is the one hovered; the islands' areas list
    // the centres of the region they stand for.
    m_currentRegion = m_hoveredRegion;
    const int region = clickedRegion(m_hoveredRegion);
    if (region == 0)
        return;
    if (m_window->views().artistic) {
        emit regionChosen(region);
        return;
    }
    if (m_window->views().university)
        showCentresOfRegion(region);
    else if (m_window->views().doubleDegrees)
        showDoubleGroupsOfRegion(region);
}

void UniversityPlacesPage::showCentresOfRegion(int region)
{
    const NumberedLines centres = centresOfRegion(region);
    fillCentreList(centres.lines);
    m_centreLineNumbers = centres.numbers;
    showCentreList();
    PanelEstrellas->hide();
}

void UniversityPlacesPage::showDoubleGroupsOfRegion(int region)
{
    const NumberedLines groups = doubleDegreeGroupsOfRegion(region);
    if (groups.numbers.front() == 0) {
        m_doubleDegreeChoice = 0;
        m_selection.showPrintButton(false);
        ListComunidad->hide();
        m_selection.showLines(groups.lines, false);
        m_selection.showList();
        return;
    }
    fillCentreList(groups.lines);
    m_centreLineNumbers = groups.numbers;
    showCentreList();
    PanelEstrellas->hide();
}

void UniversityPlacesPage::ListComunidadClick(int row)
{
    if (m_window->views().artistic) {
        emit choiceClicked(row);
        return;
    }
    if (row < 0 || row >= static_cast<int>(m_centreLineNumbers.size()))
        return;
    const int number = m_centreLineNumbers[row];
    const SelectionViews &views = m_window->views();
    if (views.otherStudies) {
        const QByteArray line = content().otros.at(row + 1);
        const OtherStudyClick click = classifyOtherStudyClick(row, line);
        if (click.openSportsDocument
            && OpenPdf(*CmdExecComponent2, documentDirectory(), "DeportesCentros.pdf") != 0)
            showMessage(pdfFailureMessage());
        if (click.action == OtherStudyAction::DirectoryPage) {
            m_window->openWebPage(web::kStudiesDirectory + otherStudiesDirectoryPath(click.directoryPage));
        } else if (click.action == OtherStudyAction::ShowEntry) {
            m_selection.setTitle(line);
            m_currentOtherStudy = row + 1;
            m_selection.showPrintButton(true);
            m_selection.showLines(otherStudyLines(m_currentOtherStudy), false);
        }
        return;
    }
    // A line with nothing behind it (the empty-result line) does nothing.
    if (number == 0)
        return;
    if (views.doubleDegrees) {
        m_doubleDegreeChoice = number;
        m_selection.showPrintButton(true);
        if (views.byDegree) {
            m_selection.showLines(doubleDegreesOfDegree(number), false);
            m_selection.setTitle(interfaceText(kDoubleDegreesCaption));
        } else {
            m_selection.showLines(doubleDegreeMemberLines(number), false);
            m_selection.setTitle(content().dobles.names.at(number));
        }
        m_selection.showList();
        return;
    }
    if (!views.university || views.byDegree)
        return;
    BotIntUni->show();
    m_currentCentre = number;
    m_selection.showLines(degreeListOfCentre(number), true);
    m_selection.setTitle(content().lugar.names.at(number));
    m_selection.showPrintButton(true);
}

void UniversityPlacesPage::printList()
{
    const SelectionViews &views = m_window->views();
    if (views.doubleDegrees && m_doubleDegreeChoice > 0) {
        const int chosen = m_doubleDegreeChoice;
        const ListingReport report = views.byDegree
            ? doubleDegreeReport(true, degreeName(chosen), doubleDegreesOfDegree(chosen))
            : doubleDegreeReport(false, content().dobles.names.at(chosen), doubleDegreeMemberLines(chosen));
        m_selection.printReport(report, kDoubleDegreeFontSize);
    } else if (views.otherStudies && m_currentOtherStudy > 0) {
        m_selection.printReport(otherStudyReport(m_currentOtherStudy), kListingFontSize);
    } else if (views.university && m_currentCentre > 0) {
        m_selection.printReport(centreDegreesReport(m_currentCentre), kListingFontSize);
    }
}

void UniversityPlacesPage::BotIntUniClick()
{
    if (m_currentCentre > 0)
        m_window->openWebPage("http://www." + content().lugar.second.at(m_currentCentre).trimmed());
}

void UniversityPlacesPage::BotInternetCMouseUp()
{
    if (m_currentRegion > 0)
        m_window->openWebPage("http://" + content().comuint.at(m_currentRegion).trimmed());
}

void UniversityPlacesPage::MenucarUniDobleClick()
{
    SelectionViews &views = m_window->views();
    m_doubleDegreeChoice = 0;
    views.doubleDegrees = true;
    views.byDegree = true;
    views.university = false;
    m_window->leaveModuleMenu();
    const NumberedLines degrees = degreesWithDoubles();
    fillCentreList(degrees.lines);
    m_centreLineNumbers = degrees.numbers;
    ListComunidad->show();
    m_selection.clearLines();
    m_selection.setTitle(interfaceText(kDoubleDegreesCaption));
}

void UniversityPlacesPage::MenuCarUniDoble2Click()
{
    SelectionViews &views = m_window->views();
    m_doubleDegreeChoice = 0;
    views.doubleDegrees = true;
    views.byDegree = false;
    views.university = false;
    m_window->leaveModuleMenu();
    PanelEstrellas->show();
    m_selection.clearLines();
    m_selection.setTitle(interfaceText(kDoubleDegreesCaption));
    m_window->showHelp(HelpDoubleDegreesByRegion);
}

void UniversityPlacesPage::menui6Click()
{
    SelectionViews &views = m_window->views();
    views.otherStudies = true;
    views.university = false;
    m_window->leaveModuleMenu();
    const std::vector<QByteArray> studies = otherStudies();
    fillCentreList(studies);
    m_centreLineNumbers.assign(studies.size(), 0);
    ListComunidad->show();
    m_selection.clearLines();
    m_selection.clearTitle();
}

} // namespace velmira
