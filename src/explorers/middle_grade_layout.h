#pragma once
// Where the middle-grade explorer's controls stand on its 1024 x 768 window,
// and how its lists and button rows look.

#include <QRect>

#include <vector>

class QPushButton;

namespace velmira::middlegrade {

constexpr int kButtonHeight = 33;

inline const QRect kHeading(20, 8, 640, 40);           // LabelFPGM
inline const QRect kSelectionTitle(20, 56, 984, 32);   // PanelSelTit
inline const QRect kChosenName(20, 94, 984, 32);       // PanelCarSel
inline const QRect kMenu(60, 200, 320, 150);           // the three menu buttons
inline const QRect kMapPanel(20, 136, 320, 230);       // PanelEstrellas
inline const QRect kBelowMap(20, 376, 320, 330);       // ListPeque, PanelImp
inline const QRect kLeftColumn(20, 136, 320, 570);     // ListSelLugFP
inline const QRect kButtonRow(360, 136, 644, 33);      // details, telephones, printing
inline const QRect kListing(360, 178, 644, 528);       // listSelFP, reja
inline const QRect kFamilies(20, 136, 440, 570);       // ListPreFam
inline const QRect kTitles(480, 136, 524, 360);        // LabelTitFam over ListTitFP
inline const QRect kTitlePreview(480, 506, 524, 200);  // LabelPuestos over ListFPExpli
inline const QRect kQuestionnaire(130, 136, 764, 560); // ListGM, ListGM2
inline const QRect kBottomRow(20, 720, 984, 33);       // back, leave, arrows
constexpr int kGuideTop = 80;                          // LabAyuGM; HeliPeque 12 pixels higher

// Sizes the buttons to their captions and lines them up along the row, from
// its left edge, or from its right edge when asked.
void lineUpButtons(const std::vector<QPushButton *> &buttons, const QRect &row, bool fromRight = false);

} // namespace velmira::middlegrade
