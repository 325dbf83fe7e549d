#include "help_panel_widget.h"

#include "data/picture_names.h"
#include "data/pictures.h"
#include "data/text_bytes.h"
#include "window_controls.h"

#include <QLabel>
#include <QTimer>

namespace velmira {

HelpPanelWidget::HelpPanelWidget(QWidget *parent, const QRect &geometry, int fontPoints)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("payuda"));
    setGeometry(geometry);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    chica = new QLabel(this);
    chica->setObjectName(QStringLiteral("chica"));
    chica->setGeometry(5, 11, pictures::kFigureFrameWidth, pictures::kFigureFrameHeight);
    const int lineHeight = (geometry.height() - 22) / kHelpLines;
    for (int i = 0; i < kHelpLines; ++i) {
        LabelAyu[i] = new QLabel(this);
        LabelAyu[i]->setObjectName(QStringLiteral("LabelAyu%1").arg(i + 1));
        LabelAyu[i]->setGeometry(66, 11 + lineHeight * i, geometry.width() - 68, lineHeight);
        LabelAyu[i]->setFont(settingsFont(fontPoints));
    }
    TimerAyuda = new QTimer(this);
    TimerAyuda->setInterval(kHelpTickMs);
    connect(TimerAyuda, &QTimer::timeout, this, &HelpPanelWidget::TimerAyudaTimer);
    hide();
}

void HelpPanelWidget::loadGuide()
{
    m_guideFrames = loadStrip(QString::fromLatin1(pictures::kGuideStrip), pictures::kGuideFrames);
}

void HelpPanelWidget::showLines(const HelpLines *lines)
{
    m_help.show(lines);
    for (QLabel *label : LabelAyu) {
        label->clear();
        label->setStyleSheet(QStringLiteral("color: black;"));
    }
    TimerAyuda->start();
    show();
    raise();
}

void HelpPanelWidget::TimerAyudaTimer()
{
    const HelpPanel::Tick tick = m_help.tick();
    if (tick.stopped) {
        TimerAyuda->stop();
        return;
    }
    if (tick.guideFrame >= 0 && tick.guideFrame < static_cast<int>(m_guideFrames.size()))
        chica->setPixmap(m_guideFrames[tick.guideFrame]);
    if (tick.revealedLine > 0)
        LabelAyu[tick.revealedLine - 1]->setText(displayText(m_help.labels()[tick.revealedLine - 1]));
}

} // namespace velmira
