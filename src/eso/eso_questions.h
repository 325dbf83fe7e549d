#pragma once
// The ESO questionnaire's questions and the state the window keeps while it
// is answered: the `cuestion` records, the answer scales, the answers per
// question number, and the flags of the short and the full questionnaire.

#include "eso/eso_student_name.h"

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

namespace velmira {

class LineTable;

constexpr int kEsoShortLength = 35; // questions of the short questionnaire and of the mark
constexpr int kEsoMaxQuestions = 1100;
constexpr int kEsoCourse = 4; // written into printed and saved results

struct EsoQuestion
{
    int weight = 0;
    int scale = 0;
    QByteArray text; // 48 characters, trailing blanks kept
};

// Character 1 is the weight and 2 the scale (a non-digit reads as 0);
// characters 3-50 are the text.
EsoQuestion parseEsoQuestion(QByteArrayView line);

// The options of an answer scale: their labels (interface text numbers) and
// the star marks shown beside them, option 1 first.
struct AnswerScale
{
    std::vector<int> labels;
    std::vector<QByteArray> stars;
};

// Scales 2 to 6; nullptr for any other digit. Scale 6 has the labels of 5
// but its answer never moves.
const AnswerScale *answerScale(int scale);

// The answer after one click: scale 2 cycles 1-2, 3 and 4 cycle 1-4, 5 cycles
// 1-5; any other scale leaves the answer as it is.
int nextAnswer(int answer, int scale);

// What columns 1 and 2 of a grid row show.
struct AnswerCells
{
    QByteArray label;
    QByteArray stars;
};

// Weight, scale, answer and text per question number 0..1100, as filled from
// `cuestion`. A question never filled keeps weight 0, scale 0 and answer 0.
class EsoAnswerSheet
{
public:
    EsoAnswerSheet();

    int weight(int question) const;
    int scale(int question) const;
    int answer(int question) const;
    QByteArray text(int question) const;

    // Reads question r's record; its answer becomes 1.
    void fillRow(int question, QByteArrayView line);
    // A click (or Enter) on the question's row: the next answer, and the
    // label and stars to show. A scale without options of its own keeps the
    // labels and marks made current by the previous click.
    AnswerCells advance(int question);

private:
    bool holds(int question) const { return question >= 0 && question <= kEsoMaxQuestions; }

    std::vector<EsoQuestion> m_questions;
    std::vector<int> m_answers;
    const AnswerScale *m_currentScale = nullptr;
};

// Rows of the grid to fill from `cuestion`, and the row to scroll to the top.
struct GridRows
{
    int first = 0;
    int last = -1;
    int topRow = 1;
};

// The questionnaire as the ESO window keeps it from one opening to the next.
struct EsoQuestionnaire
{
    EsoAnswerSheet sheet;
    int shownCount = 0; // N: questions in the grid
    bool shortMode = false;
    bool pass = false; // last short mark 5.0 or more; the grid then continues at row 36
    bool gridReady = false;
    bool finished = false;
    bool resultsShown = false;
    bool nearPassNotice = true;
    int course = kEsoCourse;
    StudentName studentName;

    // `BotCuestio1`: every question of `cuestion`.
    void beginFull(int questionCount);
    // `BotCuestio3`: the first 35 questions.
    void beginShort();
    // A questionnaire closed after its grid was filled asks whether to start afresh.
    bool asksFreshStart() const { return finished && gridReady; }
    // Yes to that question: answers will be read anew, name and notice reset.
    void startFresh();
    // No: the previous answers stay and every question is shown.
    void keepAnswers(int questionCount);
    // Every start, after the fresh-start question: hides the results and
    // returns the rows to fill, none while the grid is ready; after a passed
    // short questionnaire only rows 36 onward, with row 36 on top.
    GridRows startGrid(int questionCount);
    // Fills the rows from `cuestion`.
    void fillRows(const LineTable &cuestion, const GridRows &rows);
    // `BotContinuar` after a pass: the remaining questions, keeping the first 35 answers.
    void continueAfterPass(int questionCount);
    // `AcabarCues`: answers, flags and grid stay for the next start.
    void end() { finished = true; }
};

} // namespace velmira
