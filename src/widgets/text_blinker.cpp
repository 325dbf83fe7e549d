#include "text_blinker.h"

#include <QTimer>

namespace velmira {

namespace {
constexpr int kBlinkInterval = 200;
}

TextBlinker::TextBlinker(QObject *parent, int ticks, std::function<void(const QString &)> show)
    : QObject(parent)
    , m_timer(new QTimer(this))
    , m_ticks(ticks)
    , m_show(std::move(show))
{
    m_timer->setInterval(kBlinkInterval);
    connect(m_timer, &QTimer::timeout, this, &TextBlinker::tick);
}

void TextBlinker::start(const QString &text)
{
    m_text = text;
    m_count = 0;
    m_show(text);
    m_timer->start();
}

void TextBlinker::stop()
{
    m_timer->stop();
    m_count = 0;
    m_show(m_text);
}

bool TextBlinker::isActive() const { return m_timer->isActive(); }

void TextBlinker::tick()
{
    ++m_count;
    if (m_count >= m_ticks) {
        stop();
        return;
    }
    m_show(m_count % 2 == 1 ? m_text : QString());
}

} // namespace velmira
