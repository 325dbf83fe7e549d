#pragma once
// Small ESO tables built in a test: `itinerar` lines, question groups of the
// third "datgrub" record, questions answered by clicks, and interface texts
// that name their own number.

#include "../data/eso_tables_support.h"
#include "data/eso_tables.h"
#include "data/interface_texts.h"
#include "data/line_table.h"
#include "data/record_files.h"
#include "data/text_bytes.h"
#include "eso/eso_questions.h"
#include "eso/eso_scoring.h"

#include <QByteArray>

#include <map>
#include <vector>

namespace esotest {

// Interface text k reads "T<k>" for every line the ESO results use.
inline void nameInterfaceTexts()
{
    for (int k = 1; k <= velmira::kHighestTextSlot; ++k)
        velmira::interfaceTextTable().set(k, "T" + QByteArray::number(k));
    velmira::AssignInterfaceTexts();
}

// The third "datgrub" record with the given question numbers per group.
inline velmira::ItemGroupRecord questionGroups(const std::map<int, std::vector<int>> &members)
{
    QByteArray bytes(velmira::ItemGroupRecord::kRecordBytes, '\0');
    for (const auto &[group, questions] : members) {
        const int at = (group - 1) * velmira::ItemGroupRecord::kGroupBytes;
        bytes[at] = static_cast<char>(questions.size());
        for (size_t k = 0; k < questions.size(); ++k)
            bytes[at + 1 + static_cast<int>(k)] = static_cast<char>(questions[k]);
    }
    velmira::ItemGroupRecord record;
    record.fillFrom(bytes.constData());
    return record;
}

// A `cuestion` line: weight digit, scale digit, text.
inline QByteArray questionLine(char weight, char scale)
{
    return velmira::padTo(QByteArray(1, weight) + QByteArray(1, scale) + "Pregunta", 50);
}

// Fills question r with the line and clicks it until it holds the answer.
inline void answer(velmira::EsoAnswerSheet &sheet, int question, const QByteArray &line, int wanted)
{
    sheet.fillRow(question, line);
    for (int clicks = 0; clicks < 5 && sheet.answer(question) != wanted; ++clicks)
        sheet.advance(question);
}

} // namespace esotest
