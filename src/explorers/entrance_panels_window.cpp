#include "entrance_panels_window.h"

#include "cut_off_marks_page.h"
#include "entrance_exam_page.h"
#include "weightings_page.h"

#include "data/colours.h"

namespace velmira {

TForm6 *Form6 = nullptr;

TForm6::TForm6(QWidget *parent)
    : WindowBase(QStringLiteral("Velmira"), QSize(1024, 768), colour2(), parent)
{
    move(0, 0);
}

void TForm6::createContents()
{
    m_exam = new EntranceExamPage(this);
    m_cutOff = new CutOffMarksPage(this);
    m_weightings = new WeightingsPage(this);
    applyCommonLook();
    // The control the keyboard is on shows it.
    setStyleSheet(QStringLiteral("QPushButton:focus { border: 2px solid #000080; }"));
}

void TForm6::closePages()
{
    m_exam->close();
    m_cutOff->close();
    m_weightings->close();
}

void TForm6::openEntranceInformation(QWidget *opener)
{
    ensureContents();
    closePages();
    m_exam->open();
    openFrom(opener);
}

void TForm6::openWeightings(QWidget *opener)
{
    ensureContents();
    closePages();
    m_weightings->open();
    openFrom(opener);
}

void TForm6::showCutOffMarks() { m_cutOff->open(); }

} // namespace velmira
