#include "explainer_reveal.h"

#include <algorithm>

namespace velmira {

const char *coverName(Cover cover)
{
    static const std::array<const char *, kCoverCount> names = {
        "PanelT0",  "PanelT1i", "PanelT1d", "PanelT2i", "PanelT2C",
        "PanelT2D", "PanelT3i", "PanelT3D", "PanelT4i", "PanelT4D"};
    return names[static_cast<int>(cover)];
}

const std::vector<RevealArrow> &revealArrows()
{
    using C = Cover;
    constexpr Wipe up = Wipe::Upward;
    constexpr Wipe right = Wipe::Rightward;
    static const std::vector<RevealArrow> arrows = {
        {"Image1", 1, up, 1, {C::T1i}},         {"Image2", 2, up, 1, {C::T1d}},
        {"Image3", 3, up, 1, {C::T2i}},         {"Image5", 5, up, 1, {C::T2C}},
        {"Image6", 6, up, 1, {C::T2D}},         {"Image7", 7, up, 1, {C::T3i}},
        {"Image8", 8, up, 1, {C::T3i, C::T3D}}, {"Image9", 9, up, 1, {C::T3D}},
        {"Image10", 10, up, 1, {C::T3D}},       {"Image11", 11, up, 1, {C::T4i}},
        {"Image12", 12, up, 1, {C::T4D}},       {"Image13", 13, up, 1, {C::T4D}},
        {"Image29", 14, right, 7, {C::T0}},     {"Image28", 15, right, 4, {C::T1i}},
        {"Image27", 16, right, 4, {C::T2i}},    {"Image26", 17, right, 4, {C::T3i}},
        {"Image4", 18, right, 4, {C::T1d}},     {"Image24", 19, right, 4, {C::T2C, C::T2D}},
        {"Image30", 20, right, 4, {C::T3D}},
    };
    return arrows;
}

ExplainerCovers::ExplainerCovers(const Rectangles &designed)
    : m_designed(designed)
    , m_covers(designed)
{
}

void ExplainerCovers::coverAll()
{
    m_covers = m_designed;
    m_running.clear();
    m_step = 0;
}

bool ExplainerCovers::gone(Cover cover) const
{
    const QRect &r = this->cover(cover);
    return r.width() <= 0 || r.height() <= 0;
}

bool ExplainerCovers::hides(const QRect &area) const
{
    for (int c = 0; c < kCoverCount; ++c)
        if (!gone(static_cast<Cover>(c)) && m_covers[c].intersects(area))
            return true;
    return false;
}

void ExplainerCovers::reveal(const RevealArrow &arrow)
{
    m_step = arrow.step;
    const auto next =
        std::find_if(arrow.covers.begin(), arrow.covers.end(), [this](Cover cover) { return !gone(cover); });
    if (next == arrow.covers.end())
        return;
    const bool alreadyRunning = std::any_of(m_running.begin(), m_running.end(), [&](const Running &r) {
        return r.cover == *next && r.wipe == arrow.wipe;
    });
    if (!alreadyRunning)
        m_running.push_back({*next, arrow.wipe, arrow.pixelsPerTick});
}

bool ExplainerCovers::tick()
{
    for (const Running &wipe : m_running) {
        QRect &r = m_covers[static_cast<int>(wipe.cover)];
        if (r.width() <= 0 || r.height() <= 0)
            continue;
        if (wipe.wipe == Wipe::Upward)
            r.setHeight(r.height() - 1);
        else
            r.setLeft(r.left() + std::min(wipe.pixelsPerTick, r.width()));
    }
    m_running.erase(std::remove_if(m_running.begin(), m_running.end(),
                                   [this](const Running &wipe) { return gone(wipe.cover); }),
                    m_running.end());
    return running();
}

} // namespace velmira
