#include "help_panel.h"

namespace velmira {

void HelpPanel::show(const HelpLines *lines)
{
    m_labels = {};
    if (lines)
        m_lines = *lines;
    // A message shown while another is being revealed starts from its first
    // line, so a quick pupil never gets a panel whose lines were skipped.
    m_ticks = 0;
    m_shown = 0;
    m_running = true;
}

HelpPanel::Tick HelpPanel::tick()
{
    Tick result;
    if (!m_running)
        return result;
    ++m_ticks;
    if (m_ticks >= kHelpLines + 1) {
        m_running = false;
        m_ticks = 0;
        m_shown = 0;
        result.stopped = true;
        return result;
    }
    ++m_shown;
    result.revealedLine = m_shown;
    result.guideFrame = m_shown - 1;
    m_labels[m_shown - 1] = m_lines[m_shown - 1];
    return result;
}

} // namespace velmira
