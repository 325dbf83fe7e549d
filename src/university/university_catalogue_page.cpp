// The degree catalogue of the university window: the tree in its five
// arrangements and the centres of the chosen degree.

#include "university_window.h"

#include "data/colours.h"
#include "data/text_bytes.h"
#include "university/centre_lists.h"
#include "university/degree_catalogue.h"
#include "university/star_map_link.h"
#include "widgets/window_controls.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>

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

void TForm1::createCatalogue()
{
    PanelCarSel = panel(this, QRect(10, 110, 400, 650), colour4());
    ComboAgru = new QComboBox(PanelCarSel);
    ComboAgru->setObjectName(QStringLiteral("ComboAgru"));
    ComboAgru->setGeometry(10, 10, 380, 30);
    Tree = new QTreeWidget(PanelCarSel);
    Tree->setObjectName(QStringLiteral("Tree"));
    Tree->setGeometry(10, 50, 380, 590);
    Tree->setHeaderHidden(true);
    connect(ComboAgru, &QComboBox::activated, this, &TForm1::ComboAgruChange);
    connect(Tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { TreeClick(item); });
    connect(Tree, &QTreeWidget::itemDoubleClicked, this, [this] { TreeDblClick(); });
}

void TForm1::menunuevo1Click()
{
    leaveModuleMenu();
    payuda->hide();
    PanelCarSel->show();
    m_views.university = true;
    m_views.byDegree = true;
    ComboAgru->setCurrentIndex(0);
    ComboAgruChange(0);
}

void TForm1::ComboAgruChange(int index)
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
        m_items.push_back(item);
    }
}

void TForm1::TreeClick(QTreeWidgetItem *item)
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

void TForm1::TreeDblClick()
{
    QTreeWidgetItem *item = Tree->currentItem();
    if (!item)
        return;
    const int degree = m_nodes[item->data(0, kNodeRole).toInt()].degree;
    if (degree == 0) {
        ListSel->clear();
        hideStarMap();
        PanelSelTit->clear();
        showDetailButtons(false);
        return;
    }
    showDetailButtons(true);
    setSelectionTitle(degreeName(degree));
    BotUniClick();
}

void TForm1::BotUniClick()
{
    int degree = m_pendingDegree;
    if (!m_pendingDegreeSet) {
        QTreeWidgetItem *item = Tree->currentItem();
        degree = item ? m_nodes[item->data(0, kNodeRole).toInt()].degree : 0;
    }
    if (degree == 0)
        return;
    m_currentDegree = degree;
    const DegreeCentreList list = centreListOfDegree(degree);
    fillSelectionList(list.lines, true);
    ListSel->unsetCursor();
    m_selectionLineNumbers.assign(list.lines.size(), 0);
    showStarMap(list.regionHasCentres);
}

// A degree chosen outside the tree: the catalogue opens on it, its centres
// listed and its node chosen when the first arrangement shows it.
void TForm1::openCatalogueOn(int degree)
{
    m_pendingDegree = degree;
    BotRetrocederClick();
    // The catalogue takes the place of the map and its lists.
    PanelEstrellas->hide();
    ListComunidad->hide();
    menunuevo1Click();
    m_pendingDegreeSet = true;
    for (size_t i = 0; i < m_nodes.size(); ++i)
        if (m_nodes[i].degree == degree) {
            Tree->setCurrentItem(m_items[i]);
            Tree->scrollToItem(m_items[i]);
            break;
        }
    showDetailButtons(true);
    setSelectionTitle(degreeName(degree));
    BotUniClick();
}

} // namespace velmira
