#include "eso_questions.h"

#include "data/interface_texts.h"
#include "data/line_table.h"
#include "data/text_bytes.h"

namespace velmira {

namespace {

int digitAt(QByteArrayView line, int index)
{
    if (index >= line.size())
        return 0;
    const char c = line[index];
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

const AnswerScale kYesNo{{140, 141}, {"", "***"}};
const AnswerScale kFrequency{{136, 137, 138, 139}, {"", "*", "**", "***"}};
const AnswerScale kAmount{{132, 133, 134, 135}, {"", "*", "**", "***"}};
// Options 2 and 3 both carry one star.
const AnswerScale kFiveLevels{{127, 128, 129, 130, 131}, {"", "*", "*", "**", "***"}};

} // namespace

EsoQuestion parseEsoQuestion(QByteArrayView line)
{
    return {digitAt(line, 0), digitAt(line, 1), columns(line, 3, 50)};
}

const AnswerScale *answerScale(int scale)
{
    switch (scale) {
    case 2: return &kYesNo;
    case 3: return &kFrequency;
    case 4: return &kAmount;
    case 5:
    case 6: return &kFiveLevels;
    default: return nullptr;
    }
}

int nextAnswer(int answer, int scale)
{
    switch (scale) {
    case 2: return answer == 1 ? 2 : 1;
    case 3:
    case 4: return answer >= 1 && answer < 4 ? answer + 1 : 1;
    case 5: return answer >= 1 && answer < 5 ? answer + 1 : 1;
    default: return answer;
    }
}

EsoAnswerSheet::EsoAnswerSheet()
    : m_questions(kEsoMaxQuestions + 1)
    , m_answers(kEsoMaxQuestions + 1, 0)
{
}

int EsoAnswerSheet::weight(int question) const { return holds(question) ? m_questions[question].weight : 0; }
int EsoAnswerSheet::scale(int question) const { return holds(question) ? m_questions[question].scale : 0; }
int EsoAnswerSheet::answer(int question) const { return holds(question) ? m_answers[question] : 0; }

QByteArray EsoAnswerSheet::text(int question) const
{
    return holds(question) ? m_questions[question].text : QByteArray();
}

void EsoAnswerSheet::fillRow(int question, QByteArrayView line)
{
    if (!holds(question))
        return;
    m_questions[question] = parseEsoQuestion(line);
    m_answers[question] = 1;
}

AnswerCells EsoAnswerSheet::advance(int question)
{
    if (!holds(question))
        return {};
    const int scale = m_questions[question].scale;
    m_answers[question] = nextAnswer(m_answers[question], scale);
    if (const AnswerScale *own = answerScale(scale))
        m_currentScale = own;
    if (!m_currentScale)
        return {};
    const int option = m_answers[question] - 1;
    AnswerCells cells;
    if (option >= 0 && option < static_cast<int>(m_currentScale->labels.size())) {
        cells.label = interfaceText(m_currentScale->labels[option]);
        cells.stars = m_currentScale->stars[option];
    }
    return cells;
}

void EsoQuestionnaire::beginFull(int questionCount)
{
    course = kEsoCourse;
    shownCount = questionCount;
    shortMode = false;
    pass = false;
}

void EsoQuestionnaire::beginShort()
{
    course = kEsoCourse;
    shownCount = kEsoShortLength;
    shortMode = true;
    pass = false;
}

void EsoQuestionnaire::startFresh()
{
    gridReady = false;
    finished = false;
    studentName.clear();
    nearPassNotice = true;
}

void EsoQuestionnaire::keepAnswers(int questionCount)
{
    shownCount = questionCount;
    shortMode = false;
}

GridRows EsoQuestionnaire::startGrid(int questionCount)
{
    resultsShown = false;
    if (gridReady)
        return {};
    gridReady = true;
    if (pass)
        return {kEsoShortLength + 1, questionCount, kEsoShortLength + 1};
    return {1, shownCount, 1};
}

void EsoQuestionnaire::fillRows(const LineTable &cuestion, const GridRows &rows)
{
    for (int r = rows.first; r <= rows.last; ++r)
        sheet.fillRow(r, cuestion.at(r));
}

void EsoQuestionnaire::continueAfterPass(int questionCount)
{
    finished = false;
    gridReady = false;
    shortMode = false;
    shownCount = questionCount;
}

} // namespace velmira
