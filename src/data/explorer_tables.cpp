#include "explorer_tables.h"

#include "content_tables.h"
#include "language.h"
#include "loaders.h"

namespace velmira {

void loadInitialProgrammesData() { runLoadSteps(initialProgrammesLoadSteps()); }

LoadSteps initialProgrammesLoadSteps()
{
    ContentTables &t = content();
    return {
        [&] {
            LoadPaddedLines(localName("fpip"), t.fpip, kWidthD);
            LoadPaddedLines(localName("ipmodulos"), t.ipmodulos, kWidthD);
        },
        [&] { LoadPlaceRecords("datlugip", t.datlugip[0], t.datlugip[1], t.datlugip[2], t.datlugip[3]); },
    };
}

void loadCertificatesData()
{
    ContentTables &t = content();
    LoadPaddedLines(localName("certifica"), t.certifica, kWidthD);
    LoadLongLines(localName("certificah"), t.certificah);
}

} // namespace velmira
