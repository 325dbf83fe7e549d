#pragma once
// The professions questionnaire's files: "activida", "fracortas", "fralargas"
// and "profesio". Activities are named by their code; statements and
// professions by keys, whose numbers (lines) the builder derives.

#include "key_index.h"
#include "sources.h"

#include <QList>

namespace velmira::build {

// The levels of study that may name a profession, as a mask.
enum StudyLevel : unsigned { DegreeLevel = 1, HigherGradeLevel = 2, MiddleGradeLevel = 4 };

struct Professions
{
    QList<QByteArray> activida;
    QList<QByteArray> fracortas;
    QList<QByteArray> fralargas;
    QList<QByteArray> profesio;
    KeyIndex professions{QStringLiteral("profession")}; // key -> "profesio" line
    QList<unsigned> levels;                             // per "profesio" line, a StudyLevel mask
};

// The "profesio" line of the profession named by `key` in `field`; refuses a
// profession that a study of `level` does not lead to.
int professionOfLevel(const Professions &professions, const QString &key, StudyLevel level,
                      const RecordReader &reader, const QString &field);

// Refuses professions that would deal more short statements than the
// questionnaire's pages hold (see mostReachedStatements).
Professions compileProfessions(const SourceSet &sources);

// The questionnaire deals every short statement that the chosen long
// statements (one to three) reach through the professions' activity codes
// onto at most four pages of eleven. This is the largest number any choice
// reaches, read from the compiled "fralargas" and "profesio" lines.
int mostReachedStatements(const Professions &professions);
constexpr int kMostDealtStatements = 44;

} // namespace velmira::build
