#pragma once
// The university entrance panels, opened from a degree's details in the
// university window: the entrance examination explained with a worked
// example and, from there, the degrees with high cut-off marks; or the
// weighting documents of the universities, opened in the PDF viewer. Each
// panel is a page.

#include "widgets/window_base.h"

namespace velmira {

class CutOffMarksPage;
class EntranceExamPage;
class WeightingsPage;

class TForm6 : public WindowBase
{
    Q_OBJECT
public:
    explicit TForm6(QWidget *parent = nullptr);

    // The entrance examination explained, the other panels hidden.
    void openEntranceInformation(QWidget *opener);
    // The weighting documents listed, the first one chosen.
    void openWeightings(QWidget *opener);
    // The cut-off marks panel, over the entrance examination.
    void showCutOffMarks();

protected:
    void createContents() override;

private:
    void closePages();

    EntranceExamPage *m_exam = nullptr;
    CutOffMarksPage *m_cutOff = nullptr;
    WeightingsPage *m_weightings = nullptr;
};

extern TForm6 *Form6;

} // namespace velmira
