#pragma once
// The degrees of the catalogue: numbered from 1 to the `carreran` count, and
// never beyond the 300 rows of "datgrados" that describe them.

#include <QByteArray>

namespace velmira {

int catalogueDegreeCount();

// The stored `carreran` name of degree d; empty outside 1..catalogueDegreeCount(),
// so that an unknown degree (0 in "dobles") never shows the table's file name.
QByteArray degreeName(int degree);

// The name of branch 1-5 (interface texts 515-519).
QByteArray branchName(int branch);

// A "datgrados" field of degree d (see DegreeField).
int degreeField(int degree, int field);

} // namespace velmira
