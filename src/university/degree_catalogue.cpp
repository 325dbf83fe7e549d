#include "degree_catalogue.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/text_ids.h"

#include <algorithm>

namespace velmira {

int catalogueDegreeCount()
{
    const ContentTables &t = content();
    return std::min(t.carreran.count(), t.datgrados.rows());
}

QByteArray degreeName(int degree)
{
    if (degree < 1 || degree > catalogueDegreeCount())
        return {};
    return content().carreran.at(degree);
}

QByteArray branchName(int branch) { return interfaceText(kFirstBranchName + branch - 1); }

int degreeField(int degree, int field) { return content().datgrados.at(degree, field); }

} // namespace velmira
