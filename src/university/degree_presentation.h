#pragma once
// The step-by-step presentation of the structure of university studies:
// what each step covers, uncovers and says.

#include <QByteArray>

#include <vector>

namespace velmira {

constexpr int kCoverPanels = 7; // `PanelMueve1` .. `Panelmueve7`
constexpr int kLastPresentationStep = 9;
constexpr int kSentenceFullWidth = 600;

struct PresentationStep
{
    std::vector<int> closedPanels; // cover panels (1-7) set to width 0 first
    int uncoveredPanel = 0;        // cover panel uncovered tick by tick, 0 for none
    int pixelsPerTick = 1;
    bool hasSentence = false;
    QByteArray sentence;   // interface texts, joined by a blank
    bool lastStep = false; // `BotAvanza` is disabled
};

// Step 0..9; a step beyond does nothing (an empty step).
PresentationStep presentationStep(int step);

} // namespace velmira
