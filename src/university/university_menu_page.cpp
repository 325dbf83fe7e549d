#include "university_menu_page.h"

#include "data/colours.h"
#include "data/interface_texts.h"
#include "data/text_ids.h"
#include "university/university_window.h"
#include "widgets/window_controls.h"

#include <QEvent>
#include <QPushButton>

namespace velmira {

namespace {

constexpr int kLeft = 10;
constexpr int kTop = 110;
constexpr int kWidth = 270;
constexpr int kStep = 43;
constexpr int kButtonHeight = 33;

QRect entryGeometry(int row) { return QRect(10, 10 + row * kStep, kWidth - 20, kButtonHeight); }

} // namespace

UniversityMenuPage::UniversityMenuPage(TForm1 *window)
    : QObject(window)
    , m_window(window)
{
    PanelMenu = panel(window, QRect(kLeft, kTop, kWidth, 10 + kStep), colour3());
    PanelMenu->setObjectName(QStringLiteral("PanelMenu"));
    BotSalirUni = button(PanelMenu, "BotSalirUni", entryGeometry(0));
    BotSalirUni->setFont(settingsFont(12));
    BotSalirUni->installEventFilter(this);
    connect(BotSalirUni, &QPushButton::clicked, this, &UniversityMenuPage::BotSalirUniClick);
}

QPushButton *UniversityMenuPage::addEntry(const char *name, int row, QWidget *subMenu)
{
    QPushButton *entry = button(PanelMenu, name, entryGeometry(row));
    entry->setFont(settingsFont(12));
    entry->installEventFilter(this);
    m_entries[row] = entry;
    if (subMenu) {
        m_subMenus[entry] = subMenu;
        for (QPushButton *subEntry : subMenu->findChildren<QPushButton *>())
            subEntry->installEventFilter(this);
    }
    // The return stays below the last entry, and Tab walks the rows in order.
    const int rows = m_entries.rbegin()->first + 1;
    BotSalirUni->setGeometry(entryGeometry(rows));
    PanelMenu->resize(kWidth, 10 + (rows + 1) * kStep);
    QWidget *previous = nullptr;
    for (const auto &[r, e] : m_entries) {
        if (previous)
            QWidget::setTabOrder(previous, e);
        previous = e;
    }
    QWidget::setTabOrder(previous, BotSalirUni);
    return entry;
}

QPoint UniversityMenuPage::subMenuPosition(int row) const
{
    return PanelMenu->pos() + QPoint(kWidth + 10, row * kStep);
}

void UniversityMenuPage::setCaptions() { BotSalirUni->setText(uiText(kBackCaption)); }

void UniversityMenuPage::open() { PanelMenu->show(); }

void UniversityMenuPage::close()
{
    PanelMenu->hide();
    for (const auto &[entry, subMenu] : m_subMenus)
        subMenu->hide();
}

void UniversityMenuPage::BotSalirUniClick()
{
    m_window->openModuleMenu();
    m_window->returnToMainMenu();
}

// The button under the pointer is highlighted and its neighbours in the same
// menu take their usual colours again; an entry of the module menu also opens
// its own sub-menu and closes the others.
bool UniversityMenuPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        if (auto *hovered = qobject_cast<QPushButton *>(watched))
            highlightInItsMenu(hovered);
        if (watched->parent() == PanelMenu)
            for (const auto &[entry, subMenu] : m_subMenus)
                subMenu->setVisible(entry == watched);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velmira
