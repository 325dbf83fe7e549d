#include "map_frame.h"

#include "explorers/middle_grade_layout.h"

#include "data/colours.h"
#include "widgets/centre_grid.h"
#include "widgets/region_map.h"
#include "widgets/text_blinker.h"
#include "widgets/theme_assets.h"
#include "widgets/window_controls.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace velmira {

using namespace middlegrade;

namespace {

constexpr int kNameBlinkTicks = 9;

QLabel *textPanel(QWidget *parent, const char *name, const QRect &geometry, const QColor &colour)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAutoFillBackground(true);
    QPalette shades = label->palette();
    shades.setColor(QPalette::Window, colour);
    shades.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(shades);
    label->setIndent(10);
    label->setFont(settingsFont(14));
    return label;
}

} // namespace

void createMapFrame(QWidget *window, MiddleGradeFrame &frame, const char *listingName)
{
    frame.PanelSelTit = textPanel(window, "PanelSelTit", kSelectionTitle, colour6());
    frame.PanelCarSel = textPanel(window, "PanelCarSel", kChosenName, colour3());
    QFont chosen = frame.PanelCarSel->font();
    chosen.setBold(true);
    frame.PanelCarSel->setFont(chosen);
    QLabel *name = frame.PanelCarSel;
    frame.blinker =
        new TextBlinker(window, kNameBlinkTicks, [name](const QString &text) { name->setText(text); });

    frame.PanelEstrellas = panel(window, kMapPanel, colour3());
    frame.PanelEstrellas->setObjectName(QStringLiteral("PanelEstrellas"));
    frame.mapa = new RegionMap(frame.PanelEstrellas, window, QPoint(5, 20));
    frame.mapa->move((kMapPanel.width() - RegionMap::kPictureSize.width()) / 2,
                     (kMapPanel.height() - RegionMap::kPictureSize.height()) / 2);
    frame.mapa->setPicture(themeAssets().map);

    frame.listSelFP = new QListWidget(window);
    frame.listSelFP->setObjectName(QString::fromLatin1(listingName));
    frame.listSelFP->setGeometry(kListing);
    frame.listSelFP->setFont(settingsFont(11));
    frame.reja = new CentreGrid(window);
    frame.reja->setGeometry(kListing);
    frame.reja->setFont(settingsFont(9));
    frame.BotImprimir = button(window, "BotImprimir", kButtonRow);
    frame.BotRetrocederFP =
        button(window, "BotRetrocederFP", QRect(kBottomRow.x(), kBottomRow.y(), 220, kButtonHeight));
}

void applyExplorerLook(QWidget *window)
{
    for (QPushButton *b : window->findChildren<QPushButton *>())
        b->setFont(settingsFont(12));
    window->setStyleSheet(QStringLiteral("QPushButton:focus { border: 2px solid #000080; }"));
}

} // namespace velmira
