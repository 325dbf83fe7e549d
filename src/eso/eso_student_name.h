#pragma once
// The pupil's name, asked before a questionnaire result is first printed or
// saved and kept, with the course appended, as the heading of the report and
// the name of the saved file.

#include <QByteArray>
#include <QByteArrayView>

namespace velmira {

constexpr int kStudentNameCapacity = 45;

// What the name is first asked for: the ending appended differs.
enum class StudentNameUse { Printing, Saving };

// name + "  -  " + course + "º de ESO" (".TXT" added for saving), cut to 45
// characters; a 45-character name leaves no room for the ending.
QByteArray studentHeading(QByteArrayView name, int course, StudentNameUse use);

class StudentName
{
public:
    // Asked only while empty: a later print or save reuses the text unchanged.
    bool isEmpty() const { return m_text.isEmpty(); }
    const QByteArray &text() const { return m_text; }

    // Keeps the typed name (stored bytes) with its course ending. An empty
    // name keeps nothing and returns false: the question is asked again.
    bool accept(QByteArrayView typed, int course, StudentNameUse use);
    void clear() { m_text.clear(); }

private:
    QByteArray m_text;
};

} // namespace velmira
