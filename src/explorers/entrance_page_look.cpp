#include "entrance_page_look.h"

#include "data/colours.h"
#include "widgets/theme_assets.h"
#include "widgets/window_controls.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace velmira {

QWidget *entrancePanel(QWidget *window, const char *name)
{
    QWidget *page = panel(window, window->rect(), colour2());
    page->setObjectName(QString::fromLatin1(name));
    if (!themeAssets().tile.isNull()) {
        QPalette shades = page->palette();
        shades.setBrush(QPalette::Window, QBrush(themeAssets().tile));
        page->setPalette(shades);
    }
    page->hide();
    return page;
}

QLabel *entranceLabel(QWidget *panel, const char *name, const QRect &geometry, int points, bool bold)
{
    QLabel *label = textLabel(panel, name, geometry, points, bold);
    QPalette shades = label->palette();
    shades.setColor(QPalette::Window, colour6());
    shades.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(shades);
    label->setAutoFillBackground(true);
    label->setMargin(4);
    return label;
}

QPushButton *entranceButton(QWidget *panel, const char *name, const QRect &geometry)
{
    QPushButton *made = button(panel, name, geometry);
    made->setFont(settingsFont(13));
    return made;
}

QListWidget *entranceList(QWidget *panel, const char *name, const QRect &geometry, const QFont &font)
{
    auto *list = new QListWidget(panel);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(geometry);
    list->setFont(font);
    QPalette shades = list->palette();
    shades.setColor(QPalette::Base, colour6());
    shades.setColor(QPalette::Text, Qt::black);
    list->setPalette(shades);
    // A list with the focus says so.
    list->setStyleSheet(QStringLiteral("QListWidget { border: 1px solid gray; }"
                                       " QListWidget:focus { border: 2px solid #000080; }"));
    return list;
}

QFont columnsFont()
{
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(9);
    return font;
}

} // namespace velmira
