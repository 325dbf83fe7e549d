#pragma once
// A caption that blinks to draw the eye: every 200 ms it is shown on odd
// ticks and hidden on even ones, and after the last tick it stays shown.

#include <QObject>
#include <QString>

#include <functional>

class QTimer;

namespace velmira {

class TextBlinker : public QObject
{
    Q_OBJECT
public:
    // `ticks` ticks in all; `show` puts a text on the control.
    TextBlinker(QObject *parent, int ticks, std::function<void(const QString &)> show);

    void start(const QString &text);
    // Leaves the text shown.
    void stop();
    bool isActive() const;

private:
    void tick();

    QTimer *m_timer;
    int m_ticks;
    int m_count = 0;
    std::function<void(const QString &)> m_show;
    QString m_text;
};

} // namespace velmira
