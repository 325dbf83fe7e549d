#include "region_print_choice.h"

#include "data/content_tables.h"
#include "data/text_bytes.h"
#include "widgets/row_choice.h"
#include "widgets/window_controls.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace velmira {

namespace {

constexpr int kButtonHeight = 33;
constexpr int kRegionEntryLast = 62;

} // namespace

RegionPrintChoice::RegionPrintChoice(QWidget *parent, const QRect &geometry, const QColor &colour)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PanelImp"));
    setGeometry(geometry);
    setAutoFillBackground(true);
    QPalette filled = palette();
    filled.setColor(QPalette::Window, colour);
    setPalette(filled);
    const int width = geometry.width() - 20;
    LabelSelCom1 = textLabel(this, "LabelSelCom1", QRect(10, 6, width, 48), 14);
    LabelSelCom2 = textLabel(this, "LabelSelCom2", QRect(10, 56, width, 48), 14);
    ListImp = new QListWidget(this);
    ListImp->setObjectName(QStringLiteral("ListImp"));
    ListImp->setGeometry(10, 108, width, geometry.height() - 160);
    ListImp->setFont(settingsFont(12));
    onRowChosen(ListImp, [this](int row) { ListImpClick(row); });
    BotAceptar = button(this, "BotAceptar",
                        QRect((geometry.width() - 120) / 2, geometry.height() - 44, 120, kButtonHeight));
    BotAceptar->setFont(settingsFont(12));
    connect(BotAceptar, &QPushButton::clicked, this, &RegionPrintChoice::accepted);
    hide();
}

void RegionPrintChoice::setCaptions(const QString &choose, const QString &undo, const QString &accept)
{
    LabelSelCom1->setText(choose);
    LabelSelCom2->setText(undo);
    BotAceptar->setText(accept);
    for (QLabel *label : {LabelSelCom1, LabelSelCom2})
        label->setFont(fittingFont(label->font(), label->text(), label->size(), true));
    fitCaption(BotAceptar);
}

void RegionPrintChoice::start()
{
    m_regions.clear();
    ListImp->clear();
    BotAceptar->setEnabled(false);
    show();
    raise();
}

void RegionPrintChoice::addRegion(int region)
{
    if (std::find(m_regions.begin(), m_regions.end(), region) != m_regions.end())
        return;
    m_regions.push_back(region);
    ListImp->addItem(
        displayText(trimTrailingBlanks(columns(content().comunida.at(region), 3, kRegionEntryLast))));
    BotAceptar->setEnabled(true);
}

void RegionPrintChoice::ListImpClick(int row)
{
    if (row < 0 || row >= int(m_regions.size()))
        return;
    m_regions.erase(m_regions.begin() + row);
    delete ListImp->takeItem(row);
    BotAceptar->setEnabled(!m_regions.empty());
}

} // namespace velmira
