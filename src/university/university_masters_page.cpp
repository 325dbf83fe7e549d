#include "university_masters_page.h"

#include "data/interface_texts.h"
#include "data/text_ids.h"
#include "explorers/star_map_window.h"
#include "university/degree_details.h"
#include "university/listing_reports.h"
#include "university/selection_area.h"
#include "university/university_menu_page.h"
#include "university/university_window.h"
#include "data/web_addresses.h"
#include "widgets/window_controls.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace velmira {

namespace {

constexpr int kMastersRow = 5;

} // namespace

UniversityMastersPage::UniversityMastersPage(TForm1 *window, UniversityMenuPage &menu,
                                             SelectionArea &selection)
    : QObject(window)
    , m_window(window)
    , m_selection(selection)
{
    BotMaster = menu.addEntry("BotMaster", kMastersRow);
    connect(BotMaster, &QPushButton::clicked, this, &UniversityMastersPage::BotMasterClick);

    LabelMaster = new QLabel(window);
    LabelMaster->setObjectName(QStringLiteral("LabelMaster"));
    LabelMaster->setGeometry(10, 130, 400, 60);
    LabelMaster->setWordWrap(true);
    LabelMaster->setFont(settingsFont(14));
    LabelMaster2 = new QLabel(window);
    LabelMaster2->setObjectName(QStringLiteral("LabelMaster2"));
    LabelMaster2->setGeometry(10, 190, 400, 30);
    QFont link = settingsFont(12);
    link.setUnderline(true);
    LabelMaster2->setFont(link);
    LabelMaster2->setStyleSheet(QStringLiteral("color: #000080;"));
    LabelMaster2->setCursor(Qt::PointingHandCursor);
    LabelMaster2->installEventFilter(this);
    close();
}

void UniversityMastersPage::setCaptions()
{
    BotMaster->setText(uiText(kMastersCaption));
    LabelMaster->setText(uiText(kMastersQuestion) + QStringLiteral(" ?"));
    LabelMaster2->setText(QString::fromLatin1(web::kPostgraduateGuide));
}

void UniversityMastersPage::close()
{
    LabelMaster->hide();
    LabelMaster2->hide();
}

void UniversityMastersPage::BotMasterClick()
{
    m_window->views().masters = true;
    m_window->leaveModuleMenu();
    Form7->hideMap();
    LabelMaster->show();
    LabelMaster2->show();
    m_selection.setTitle(interfaceText(kMastersCaption));
    m_selection.showText(mastersText());
    m_selection.showPrintButton(true);
}

void UniversityMastersPage::print() { m_selection.printReport(mastersReport(), kListingFontSize); }

void UniversityMastersPage::LabelMaster2MouseDown()
{
    m_window->openWebPage(LabelMaster2->text().toLatin1());
}

bool UniversityMastersPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == LabelMaster2 && event->type() == QEvent::MouseButtonPress)
        LabelMaster2MouseDown();
    return QObject::eventFilter(watched, event);
}

} // namespace velmira
