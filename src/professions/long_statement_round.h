#pragma once
// The first step of the professions questionnaire: an introduction, then
// every long statement in turn, answered yes or no, then a closing message
// while the pupil checks the list of statements chosen (one to three).

#include <QByteArray>

namespace velmira {

class LongStatementRound
{
public:
    enum class Shown { Introduction, Statement, Closing, Nothing };

    // Back to the introduction, for a list of `count` statements.
    void restart(int count);

    // Answers what the pop-up shows and moves on. Returns the statement
    // (from 0) that a yes answer chose, or -1.
    int answer(bool yes);

    // Shows the closing message again: the choice was not one to three.
    void reopenClosing();

    Shown shown() const;
    // The statement shown (from 0) while Shown::Statement.
    int current() const { return m_current; }

private:
    int m_count = 0;
    int m_current = -2; // -1 the introduction, count the closing message
};

// One to three long statements lead on to the short statements.
bool acceptsLongChoice(int chosen);

// The pop-up's heading and text for what it shows; `chosen` is the number of
// statements chosen in the list, which decides the closing message.
QByteArray popupHeading(LongStatementRound::Shown shown);
QByteArray popupText(LongStatementRound::Shown shown, const QByteArray &statement, int chosen);

// The icon of `ImageListIconos` beside long statement `item` (from 0). There
// are icons for fifteen statements; later ones take them again in turn.
int longStatementIcon(int item);

} // namespace velmira
