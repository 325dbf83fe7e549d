#pragma once
// A help panel: up to eight short lines that appear one per timer tick beside
// the guide's picture, the ninth tick ending the show. Each window has its own
// table of messages.

#include <QByteArray>

#include <array>

namespace velmira {

constexpr int kHelpLines = 8;
constexpr int kHelpTickMs = 200;

using HelpLines = std::array<QByteArray, kHelpLines>;

class HelpPanel
{
public:
    struct Tick
    {
        bool stopped = false; // the timer stops with this tick
        int revealedLine = 0; // 1..8, the label that shows its line now; 0 for none
        int guideFrame = -1;  // picture of the guide to show, -1 to keep it
    };

    // Empties the labels and takes the message's lines; a message without
    // lines of its own (null) shows the previous lines again. The timer runs.
    void show(const HelpLines *lines);
    Tick tick();

    bool running() const { return m_running; }
    const HelpLines &lines() const { return m_lines; }
    const HelpLines &labels() const { return m_labels; }

private:
    HelpLines m_lines;
    HelpLines m_labels;
    int m_ticks = 0;
    int m_shown = 0;
    bool m_running = false;
};

} // namespace velmira
