#include "university_catalogue_page.h"

#include "data/colours.h"
#include "data/interface_texts.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "explorers/entrance_panels_window.h"
#include "explorers/star_map_window.h"
#include "university/centre_lists.h"
#include "university/degree_catalogue.h"
#include "university/degree_details.h"
#include "university/listing_reports.h"
#include "university/selection_area.h"
#include "university/university_menu_page.h"
#include "university/university_window.h"
#include "widgets/row_choice.h"
#include "widgets/window_controls.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>

#include <algorithm>

namespace velmira {

namespace {

// The tree's images: a heading, a degree, a degree once chosen.
QIcon treeImage(int image)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (image) {
    case kHeadingImage:
        painter.setBrush(QColor(128, 0, 0));
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRectF(2, 3, 12, 10), 2, 2);
        break;
    case kDegreeImage:
        painter.setBrush(Qt::white);
        painter.setPen(QPen(QColor(0, 0, 128), 1.5));
        painter.drawEllipse(QRectF(4, 4, 8, 8));
        break;
    default:
        painter.setBrush(QColor(0, 128, 0));
        painter.setPen(QPen(QColor(0, 64, 0), 1.5));
        painter.drawEllipse(QRectF(3, 3, 10, 10));
        break;
    }
    return QIcon(pixmap);
}

constexpr int kNodeRole = Qt::UserRole;

} // namespace

UniversityCataloguePage::UniversityCataloguePage(TForm1 *window, UniversityMenuPage &menu,
                                                 SelectionArea &selection)
    : QObject(window)
    , m_window(window)
    , m_selection(selection)
{
    menunuevo1 = menu.addEntry("menunuevo1", 0);
    connect(menunuevo1, &QPushButton::clicked, this, &UniversityCataloguePage::menunuevo1Click);

    PanelCarSel = panel(window, QRect(10, 110, 400, 650), colour4());
    PanelCarSel->setObjectName(QStringLiteral("PanelCarSel"));
    ComboAgru = new QComboBox(PanelCarSel);
    ComboAgru->setObjectName(QStringLiteral("ComboAgru"));
    ComboAgru->setGeometry(10, 10, 380, 30);
    ComboAgru->setFont(settingsFont(11));
    Tree = new QTreeWidget(PanelCarSel);
    Tree->setObjectName(QStringLiteral("Tree"));
    Tree->setGeometry(10, 50, 380, 590);
    Tree->setHeaderHidden(true);
    Tree->setFont(settingsFont(11));
    // A long degree name wraps onto a second line instead of running past
    // the edge.
    Tree->setWordWrap(true);
    Tree->header()->setSectionResizeMode(QHeaderView::Stretch);
    Tree->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(ComboAgru, &QComboBox::activated, this, &UniversityCataloguePage::ComboAgruChange);
    connect(Tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { TreeClick(item); });
    connect(Tree, &QTreeWidget::itemDoubleClicked, this, [this] { TreeDblClick(); });
    // Return chooses the current node as a click does.
    onReturnOnCurrentRow(Tree, [this] { TreeClick(Tree->currentItem()); });
    PanelCarSel->hide();

    constexpr int row1 = 614, row2 = 657, width = 184, height = 33;
    BotUni = selection.addButton("BotUni", QRect(10, row1, width, height));
    botReq = selection.addButton("botReq", QRect(205, row1, width, height));
    BotSal = selection.addButton("BotSal", QRect(400, row1, width, height));
    BotCorte = selection.addButton("BotCorte", QRect(10, row2, width, height));
    BotPonde = selection.addButton("BotPonde", QRect(205, row2, width, height));
    connect(BotUni, &QPushButton::clicked, this, &UniversityCataloguePage::BotUniClick);
    connect(botReq, &QPushButton::clicked, this, &UniversityCataloguePage::botReqClick);
    connect(BotSal, &QPushButton::clicked, this, &UniversityCataloguePage::BotSalClick);
    connect(BotCorte, &QPushButton::clicked, this, &UniversityCataloguePage::BotCorteMouseUp);
    // The degree's centres are listed behind the weightings, for when the
    // pupil comes back.
    connect(BotPonde, &QPushButton::clicked, this, [this] {
        BotUniClick();
        BotPondeMouseUp();
    });
}

void UniversityCataloguePage::setCaptions()
{
    menunuevo1->setText(uiText(kDegreeCatalogueCaption));
    ComboAgru->clear();
    for (int text : {kArrangementByBranch, kArrangementByGroup, kArrangementByActivity,
                     kArrangementByItinerary, kArrangementAlphabetical})
        ComboAgru->addItem(uiText(text));
    BotUni->setText(uiText(kCentresCaption));
    botReq->setText(uiText(kRequirementsCaption));
    BotSal->setText(uiText(kOutletsCaption));
    BotCorte->setText(uiText(kCutOffMarksCaption));
    BotPonde->setText(uiText(kWeightingsCaption));
}

void UniversityCataloguePage::close()
{
    PanelCarSel->hide();
    showDetailButtons(false);
}

void UniversityCataloguePage::showDetailButtons(bool shown)
{
    for (QPushButton *b : {BotUni, botReq, BotSal, BotPonde, BotCorte})
        b->setVisible(shown);
    m_selection.showChosenPrintButton(shown);
}

void UniversityCataloguePage::menunuevo1Click()
{
    m_window->leaveModuleMenu();
    m_window->hideHelp();
    // The catalogue prints with its own button, under the degree's details.
    m_selection.showPrintButton(false);
    PanelCarSel->show();
    m_window->views().university = true;
    m_window->views().byDegree = true;
    ComboAgru->setCurrentIndex(0);
    ComboAgruChange(0);
}

void UniversityCataloguePage::ComboAgruChange(int index)
{
    if (index < 0)
        return;
    m_groupedView = index == ByGroup;
    m_nodes = buildDegreeTree(index);
    m_items.clear();
    Tree->clear();
    for (size_t i = 0; i < m_nodes.size(); ++i) {
        const DegreeTreeNode &node = m_nodes[i];
        QTreeWidgetItem *item =
            node.parent < 0 ? new QTreeWidgetItem(Tree) : new QTreeWidgetItem(m_items[node.parent]);
        item->setText(0, displayText(trimTrailingBlanks(node.caption)));
        item->setIcon(0, treeImage(node.image));
        item->setData(0, kNodeRole, int(i));
        fitLineHeight(item, node.parent < 0 ? 1 : 2);
        m_items.push_back(item);
    }
}

void UniversityCataloguePage::fitLineHeight(QTreeWidgetItem *item, int depth)
{
    constexpr int kIconRoom = 16 + 8; // the icon and the gaps around it
    const int width = Tree->width() - 2 * Tree->frameWidth() - Tree->verticalScrollBar()->sizeHint().width()
        - depth * Tree->indentation() - kIconRoom;
    const QRect wrapped =
        Tree->fontMetrics().boundingRect(QRect(0, 0, width, 1000), Qt::TextWordWrap, item->text(0));
    item->setSizeHint(0, QSize(width, std::max(wrapped.height(), 16) + 4));
}

void UniversityCataloguePage::TreeClick(QTreeWidgetItem *item)
{
    m_pendingDegreeSet = false;
    if (item) {
        const int image =
            selectedStateImage(m_groupedView, item->parent() != nullptr, item->childCount() > 0);
        if (image != kImageUnchanged)
            item->setIcon(0, treeImage(image));
    }
    Tree->viewport()->update();
    TreeDblClick();
}

void UniversityCataloguePage::TreeDblClick()
{
    QTreeWidgetItem *item = Tree->currentItem();
    if (!item)
        return;
    const int degree = m_nodes[item->data(0, kNodeRole).toInt()].degree;
    if (degree == 0) {
        m_selection.clearLines();
        m_selection.hideText();
        Form7->hideMap();
        m_selection.clearTitle();
        showDetailButtons(false);
        return;
    }
    showDetailButtons(true);
    m_selection.setTitle(degreeName(degree));
    BotUniClick();
}

int UniversityCataloguePage::chosenDegree() const
{
    if (m_pendingDegreeSet)
        return m_pendingDegree;
    QTreeWidgetItem *item = Tree->currentItem();
    return item ? m_nodes[item->data(0, kNodeRole).toInt()].degree : 0;
}

void UniversityCataloguePage::BotUniClick()
{
    const int degree = chosenDegree();
    if (degree == 0)
        return;
    m_currentDegree = degree;
    m_selection.hideText();
    const DegreeCentreList list = centreListOfDegree(degree);
    m_selection.showLines(list.lines, true);
    m_selection.setPointingHand(false);
    Form7->showRegions(list.regionHasCentres, list.regionHeadingLine, m_window);
}

void UniversityCataloguePage::botReqClick()
{
    const int degree = chosenDegree();
    if (degree == 0)
        return;
    m_currentDegree = degree;
    Form7->hideMap();
    m_selection.hideText();
    m_selection.showLines(requirementsLines(degree), false);
}

void UniversityCataloguePage::BotSalClick()
{
    Form7->hideMap();
    if (m_currentDegree >= 1 && m_currentDegree <= catalogueDegreeCount())
        m_selection.showText(informationText(m_currentDegree));
}

void UniversityCataloguePage::BotCorteMouseUp()
{
    Form7->hideMap();
    Form6->openEntranceInformation(m_window);
}

void UniversityCataloguePage::BotPondeMouseUp()
{
    Form7->hideMap();
    Form6->openWeightings(m_window);
}

void UniversityCataloguePage::openOn(int degree)
{
    m_pendingDegree = degree;
    menunuevo1Click();
    m_pendingDegreeSet = true;
    for (size_t i = 0; i < m_nodes.size(); ++i)
        if (m_nodes[i].degree == degree) {
            Tree->setCurrentItem(m_items[i]);
            Tree->scrollToItem(m_items[i]);
            break;
        }
    showDetailButtons(true);
    m_selection.setTitle(degreeName(degree));
    BotUniClick();
}

// The degree's centres, requirements and information text, shown in the list
// and printed.
void UniversityCataloguePage::printDegree()
{
    if (m_currentDegree == 0)
        return;
    Form7->hideMap();
    const ListingReport report = degreeReport(m_currentDegree);
    m_selection.showReport(report);
    m_selection.printReport(report, kListingFontSize);
}

} // namespace velmira
