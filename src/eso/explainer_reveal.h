#pragma once
// The education-system explainer: white covers hide the diagram's upper
// stages, and each arrow wipes one cover away, an upward arrow shrinking it
// from the bottom, a sideways arrow from the left. The covers' rectangles
// live here; the page moves its panels to them.

#include <QRect>

#include <array>
#include <vector>

namespace velmira {

enum class Cover : int { T0, T1i, T1d, T2i, T2C, T2D, T3i, T3D, T4i, T4D };
constexpr int kCoverCount = 10;

// The cover's control name ("PanelT0", "PanelT1i", ...).
const char *coverName(Cover cover);

enum class Wipe { Upward, Rightward };

struct RevealArrow
{
    const char *name; // the arrow picture's control name
    int step;
    Wipe wipe;
    int pixelsPerTick;
    // A click wipes the first of these still showing: an arrow with two
    // covers takes a second click for the second one.
    std::vector<Cover> covers;
};

// Every arrow, in the order of their steps' numbers.
const std::vector<RevealArrow> &revealArrows();

class ExplainerCovers
{
public:
    using Rectangles = std::array<QRect, kCoverCount>;
    explicit ExplainerCovers(const Rectangles &designed);

    // Every cover back in its place, nothing running.
    void coverAll();
    // The arrow's step becomes the current one and the wipe of its first
    // cover still showing starts (a wipe already running on it goes on).
    void reveal(const RevealArrow &arrow);
    // One tick of every running wipe; false once none runs.
    bool tick();

    bool running() const { return !m_running.empty(); }
    int step() const { return m_step; }
    const QRect &cover(Cover cover) const { return m_covers[static_cast<int>(cover)]; }
    bool gone(Cover cover) const;
    // Whether a cover still lies over part of the area.
    bool hides(const QRect &area) const;

private:
    struct Running
    {
        Cover cover;
        Wipe wipe;
        int pixelsPerTick;
    };

    Rectangles m_designed;
    Rectangles m_covers;
    std::vector<Running> m_running;
    int m_step = 0;
};

} // namespace velmira
