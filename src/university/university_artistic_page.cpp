#include "university_artistic_page.h"

#include "data/colours.h"
#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "university/selection_area.h"
#include "university/university_menu_page.h"
#include "university/university_places_page.h"
#include "university/university_window.h"
#include "widgets/window_controls.h"

#include <QLabel>
#include <QPushButton>

namespace velmira {

namespace {

constexpr int kArtisticRow = 8;
constexpr int kStep = 43;
constexpr int kButtonHeight = 33;
const QRect kKindTitle(10, 110, 400, 56);
// Below the kind's title: the plastic-arts titles and the map.
constexpr int kLeftColumnTop = 176;
constexpr int kTitlesPoints = 11;
constexpr int kTextPoints = 12;

} // namespace

UniversityArtisticPage::UniversityArtisticPage(TForm1 *window, UniversityMenuPage &menu,
                                               SelectionArea &selection, UniversityPlacesPage &places)
    : QObject(window)
    , m_window(window)
    , m_selection(selection)
    , m_places(places)
{
    PanelMenu4 =
        panel(window, QRect(menu.subMenuPosition(kArtisticRow), QSize(300, 10 + 4 * kStep)), colour3());
    PanelMenu4->setObjectName(QStringLiteral("PanelMenu4"));
    const struct
    {
        QPushButton *&button;
        const char *name;
        ArtisticKind kind;
    } kinds[] = {{BotArtesPlas, "BotArtesPlas", ArtisticKind::PlasticArts},
                 {BotMusica, "BotMusica", ArtisticKind::Music},
                 {BotDanza, "BotDanza", ArtisticKind::Dance},
                 {BotDramatico, "BotDramatico", ArtisticKind::DramaticArt}};
    int row = 0;
    for (const auto &k : kinds) {
        k.button = button(PanelMenu4, k.name, QRect(10, 10 + kStep * row++, 280, kButtonHeight));
        k.button->setFont(settingsFont(12));
        connect(k.button, &QPushButton::clicked, this, [this, kind = k.kind] { open(kind); });
    }
    PanelMenu4->hide();
    Menui4 = menu.addEntry("Menui4", kArtisticRow, PanelMenu4);
    // The entry itself opens its sub-menu for the keyboard, as the pointer does.
    connect(Menui4, &QPushButton::clicked, this, [this] {
        PanelMenu4->show();
        PanelMenu4->raise();
        BotArtesPlas->setFocus();
    });
    connect(&places, &UniversityPlacesPage::choiceClicked, this, &UniversityArtisticPage::titleClicked);
    connect(&places, &UniversityPlacesPage::regionChosen, this, &UniversityArtisticPage::regionChosen);
}

void UniversityArtisticPage::createView()
{
    PanelArtes = new QLabel(m_window);
    PanelArtes->setObjectName(QStringLiteral("PanelArtes"));
    PanelArtes->setGeometry(kKindTitle);
    PanelArtes->setAutoFillBackground(true);
    QPalette colours = PanelArtes->palette();
    colours.setColor(QPalette::Window, colour4());
    PanelArtes->setPalette(colours);
    PanelArtes->setAlignment(Qt::AlignCenter);
    PanelArtes->setWordWrap(true);
    QFont title = settingsFont(16);
    title.setBold(true);
    PanelArtes->setFont(title);
    constexpr int top = 614, width = 184;
    BotArtesTit = m_selection.addButton("BotArtesTit", QRect(10, top, width, kButtonHeight));
    BotArtesEsp = m_selection.addButton("BotArtesEsp", QRect(205, top, width, kButtonHeight));
    BotArtesLug = m_selection.addButton("BotArtesLug", QRect(400, top, width, kButtonHeight));
    // Made after the window's common look was given: they take it here.
    for (QPushButton *section : {BotArtesTit, BotArtesEsp, BotArtesLug}) {
        section->setCursor(Qt::PointingHandCursor);
        section->setStyleSheet(buttonStyle());
    }
    connect(BotArtesTit, &QPushButton::clicked, this, &UniversityArtisticPage::BotArtesTitClick);
    connect(BotArtesEsp, &QPushButton::clicked, this, &UniversityArtisticPage::BotArtesEspClick);
    connect(BotArtesLug, &QPushButton::clicked, this, &UniversityArtisticPage::BotArtesLugClick);
    setCaptions();
}

void UniversityArtisticPage::setCaptions()
{
    Menui4->setText(uiText(kArtisticStudiesCaption));
    int kindTitle = kPlasticArtsTitle;
    for (QPushButton *kind : {BotArtesPlas, BotMusica, BotDanza, BotDramatico}) {
        kind->setText(uiText(kindTitle++));
        fitCaption(kind);
    }
    if (!PanelArtes)
        return;
    BotArtesTit->setText(uiText(kArtisticGeneralCaption));
    BotArtesEsp->setText(uiText(kArtisticSpecialitiesCaption));
    BotArtesLug->setText(uiText(kCentresCaption));
    for (QPushButton *section : {BotArtesTit, BotArtesEsp, BotArtesLug})
        fitCaption(section);
    PanelArtes->setText(uiText(artisticTitleText(m_study.kind)));
}

void UniversityArtisticPage::close()
{
    PanelMenu4->hide();
    if (!PanelArtes)
        return;
    for (QWidget *w : std::initializer_list<QWidget *>{PanelArtes, BotArtesTit, BotArtesEsp, BotArtesLug})
        w->hide();
}

void UniversityArtisticPage::open(ArtisticKind kind)
{
    if (!PanelArtes)
        createView();
    m_window->views().artistic = true;
    m_window->leaveModuleMenu();
    m_selection.showChosenPrintButton(true);
    for (QWidget *w : std::initializer_list<QWidget *>{BotArtesTit, BotArtesEsp, BotArtesLug})
        w->show();
    m_selection.clearTitle();
    m_study = loadArtisticStudy(kind);
    m_region = 0;
    PanelArtes->setText(uiText(artisticTitleText(kind)));
    PanelArtes->show();
    BotArtesTitClick();
}

void UniversityArtisticPage::BotArtesTitClick()
{
    m_places.close();
    m_selection.setListFontSize(kTextPoints);
    m_selection.showLines(artisticGeneralText(m_study), false);
}

void UniversityArtisticPage::BotArtesEspClick()
{
    if (plasticArts()) {
        m_places.showChoices(plasticArtsTitles(m_study), kLeftColumnTop, kTitlesPoints);
        return;
    }
    m_places.close();
    m_selection.setListFontSize(kTextPoints);
    m_selection.showLines(artisticSpecialities(m_study), false);
}

void UniversityArtisticPage::BotArtesLugClick()
{
    if (plasticArts()) {
        m_places.showMapAt(kLeftColumnTop);
        return;
    }
    m_places.close();
    m_selection.setListFontSize(kTextPoints);
    m_selection.showLines(artisticPlaces(m_study), false);
}

void UniversityArtisticPage::titleClicked(int title)
{
    if (!plasticArts() || title < 0 || title >= int(m_study.titleNames.size()))
        return;
    m_selection.setTitle(trimTrailingBlanks(m_study.titleNames[title]));
    m_selection.setListFontSize(kTitlesPoints);
    m_selection.showLines(plasticSchoolsOfTitle(m_study, title), false);
}

void UniversityArtisticPage::regionChosen(int region)
{
    if (!plasticArts())
        return;
    m_region = region;
    m_selection.setTitle(content().comunida.at(region).mid(2));
    m_selection.setListFontSize(kTitlesPoints);
    m_selection.showLines(plasticSchoolsOfRegion(m_study, region), false);
}

void UniversityArtisticPage::print()
{
    const ListingReport report = artisticReport(m_study, m_region);
    m_selection.showReport(report);
    m_selection.printReport(report, kListingFontSize);
}

} // namespace velmira
