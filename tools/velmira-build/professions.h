#pragma once
// The professions questionnaire's files: "activida", "fracortas", "fralargas"
// and "profesio". Activities are named by their code; statements and
// professions by keys, whose numbers (lines) the builder derives.

#include "key_index.h"
#include "sources.h"

#include <QList>

namespace velmira::build {

struct Professions
{
    QList<QByteArray> activida;
    QList<QByteArray> fracortas;
    QList<QByteArray> fralargas;
    QList<QByteArray> profesio;
    KeyIndex professions{QStringLiteral("profession")}; // key -> "profesio" line
};

Professions compileProfessions(const SourceSet &sources);

} // namespace velmira::build
