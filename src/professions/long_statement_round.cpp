#include "long_statement_round.h"

#include "data/interface_texts.h"
#include "data/text_ids.h"

#include <algorithm>
#include <array>

namespace velmira {

namespace text = professions_text;

void LongStatementRound::restart(int count)
{
    m_count = count;
    m_current = -2;
    answer(true);
}

int LongStatementRound::answer(bool yes)
{
    ++m_current;
    return yes && m_current >= 1 && m_current <= m_count ? m_current - 1 : -1;
}

void LongStatementRound::reopenClosing()
{
    m_current = m_count - 1;
    answer(false);
}

LongStatementRound::Shown LongStatementRound::shown() const
{
    if (m_current < 0)
        return Shown::Introduction;
    if (m_current < m_count)
        return Shown::Statement;
    return m_current == m_count ? Shown::Closing : Shown::Nothing;
}

bool acceptsLongChoice(int chosen) { return chosen >= 1 && chosen <= 3; }

QByteArray popupHeading(LongStatementRound::Shown shown)
{
    switch (shown) {
    case LongStatementRound::Shown::Introduction: return interfaceText(text::kIntroductionHeader);
    case LongStatementRound::Shown::Statement: return interfaceText(text::kStatementHeader);
    case LongStatementRound::Shown::Closing: return interfaceText(text::kAllAnswered);
    case LongStatementRound::Shown::Nothing: break;
    }
    return {};
}

QByteArray popupText(LongStatementRound::Shown shown, const QByteArray &statement, int chosen)
{
    switch (shown) {
    case LongStatementRound::Shown::Introduction:
        return interfaceText(text::kIntroductionFirst) + ' ' + interfaceText(text::kIntroductionSecond);
    case LongStatementRound::Shown::Statement: return statement;
    case LongStatementRound::Shown::Closing:
        if (chosen > 3)
            return interfaceText(text::kTooManyFirst) + ' ' + interfaceText(text::kTooManySecond) + ' '
                + interfaceText(text::kHowToGoOn);
        return interfaceText(text::kCheckChoice) + ' ' + interfaceText(text::kHowToGoOn);
    case LongStatementRound::Shown::Nothing: break;
    }
    return {};
}

int longStatementIcon(int item)
{
    static constexpr std::array<int, 15> kIcons = {2, 20, 9, 17, 16, 14, 1, 18, 15, 3, 0, 5, 11, 13, 12};
    return kIcons[static_cast<size_t>(std::max(item, 0)) % kIcons.size()];
}

} // namespace velmira
