#pragma once
// Small professions questionnaires written in a test as the lines of their
// four files, and interface text k reading "T<k>".

#include "data/content_tables.h"
#include "data/encoding.h"
#include "data/foundation_state.h"
#include "data/interface_texts.h"
#include "data/language.h"
#include "data/professions_tables.h"
#include "data/text_bytes.h"

#include <QByteArray>

#include <vector>

namespace proftest {

inline void freshTexts()
{
    velmira::allocateGlobalTables();
    velmira::resetFoundationState();
    for (int k = 1; k <= velmira::kHighestTextSlot; ++k)
        velmira::interfaceTextTable().set(k, "T" + QByteArray::number(k));
    velmira::AssignInterfaceTexts();
}

// "fracortas": codes at 1 and 6, text at 11.
inline QByteArray shortLine(const QByteArray &first, const QByteArray &second, const QByteArray &text)
{
    return velmira::padTo(first, 5) + velmira::padTo(second, 5) + text;
}

// "fralargas": text in 115 characters, then four codes five apart.
inline QByteArray longLine(const QByteArray &text, const std::vector<QByteArray> &codes)
{
    QByteArray line = velmira::padTo(text, 115);
    for (const QByteArray &code : codes)
        line += velmira::padTo(code, 5);
    return line;
}

// "profesio": codes at 1 and 6, name at 11 (40), statement numbers at 51 and 54.
inline QByteArray professionLine(const QByteArray &first, const QByteArray &second, const QByteArray &name,
                                 int statement1, int statement2 = 0)
{
    return velmira::padTo(first, 5) + velmira::padTo(second, 5) + velmira::padTo(name, 40)
        + QByteArray::number(statement1).rightJustified(3, ' ')
        + QByteArray::number(statement2).rightJustified(3, ' ');
}

inline QByteArray activityLine(const QByteArray &code, const QByteArray &name)
{
    return velmira::padTo(code, 5) + name;
}

// Records numbered from 1, parsed as the window's readers parse them.
template <typename Record, typename Parse>
std::vector<Record> records(const std::vector<QByteArray> &lines, Parse parse)
{
    std::vector<Record> out(1);
    for (const QByteArray &line : lines)
        out.push_back(parse(line));
    return out;
}

inline velmira::ProfessionsData questionnaire(const std::vector<QByteArray> &activities,
                                              const std::vector<QByteArray> &shorts,
                                              const std::vector<QByteArray> &longs,
                                              const std::vector<QByteArray> &professions)
{
    using namespace velmira;
    ProfessionsData data;
    data.activities = records<Activity>(activities, parseActivity);
    data.shortStatements = records<ShortStatement>(shorts, parseShortStatement);
    data.longStatements = records<LongStatement>(longs, parseLongStatement);
    data.professions =
        records<Profession>(professions, [](const QByteArray &l) { return parseProfession(l); });
    return data;
}

} // namespace proftest
