#include "explorer_tables.h"

#include "content_tables.h"
#include "language.h"
#include "loaders.h"

#include <algorithm>

namespace velmira {

namespace {

// Moves the first lines of the table into `leading` and renumbers the rest.
void setLeadingLinesApart(LineTable &table, LineTable &leading)
{
    leading.clear();
    const int moved = std::min(kLeadingGroupLines, table.count());
    for (int i = 1; i <= moved; ++i)
        leading.set(i, table.at(i));
    leading.setCount(moved);
    const int rest = table.count() - moved;
    for (int i = 1; i <= rest; ++i)
        table.set(i, table.at(i + moved));
    for (int i = rest + 1; i <= table.count(); ++i)
        table.set(i, {});
    table.setCount(rest);
}

} // namespace

void loadInitialProgrammesData() { runLoadSteps(initialProgrammesLoadSteps()); }

LoadSteps initialProgrammesLoadSteps()
{
    ContentTables &t = content();
    return {
        [&] {
            LoadPaddedLines(localName("fpip"), t.fpip, kWidthD);
            setLeadingLinesApart(t.fpip, t.fpipGroups);
            LoadPaddedLines(localName("ipmodulos"), t.ipmodulos, kWidthD);
        },
        [&] { LoadPlaceRecords("datlugip", t.datlugip[0], t.datlugip[1], t.datlugip[2], t.datlugip[3]); },
    };
}

void loadCertificatesData()
{
    ContentTables &t = content();
    LoadPaddedLines(localName("certifica"), t.certifica, kWidthD);
    setLeadingLinesApart(t.certifica, t.certificaGroups);
    LoadLongLines(localName("certificah"), t.certificah);
    setLeadingLinesApart(t.certificah, t.certificateRequirements);
}

} // namespace velmira
