#include "degree_tree.h"

#include "data/content_tables.h"
#include "data/language.h"
#include "data/profession_records.h"
#include "data/record_files.h"
#include "data/text_bytes.h"
#include "data/university_tables.h"
#include "university/degree_catalogue.h"

#include <algorithm>
#include <numeric>
#include <set>

namespace velmira {

namespace {

constexpr int kItineraries = 12;
constexpr int kSortedBytes = 10;

class TreeBuilder
{
public:
    int heading(const QByteArray &caption)
    {
        m_nodes.push_back({caption, kHeadingImage, -1, 0});
        return static_cast<int>(m_nodes.size()) - 1;
    }
    void degree(int d, int parent = -1) { m_nodes.push_back({degreeName(d), kDegreeImage, parent, d}); }
    // Every degree that passes the test, in degree order, under the parent.
    template <typename Test> int degreesWhere(int parent, Test test)
    {
        int added = 0;
        for (int d = 1; d <= catalogueDegreeCount(); ++d)
            if (test(d)) {
                degree(d, parent);
                ++added;
            }
        return added;
    }
    DegreeTreeNode &node(int i) { return m_nodes[i]; }
    std::vector<DegreeTreeNode> take() { return std::move(m_nodes); }

private:
    std::vector<DegreeTreeNode> m_nodes;
};

void byBranch(TreeBuilder &tree)
{
    for (int b = 1; b <= 5; ++b) {
        const int h = tree.heading(branchName(b));
        tree.degreesWhere(h, [b](int d) { return degreeField(d, DegreeField::Branch) == b; });
    }
}

// Groups come in the order of their first member, with all their members
// under one heading.
void byGroup(TreeBuilder &tree)
{
    std::set<int> seen;
    for (int d = 1; d <= catalogueDegreeCount(); ++d) {
        const int g = degreeField(d, DegreeField::Group);
        if (g == 0) {
            tree.degree(d);
            continue;
        }
        if (!seen.insert(g).second)
            continue;
        // The count follows the name itself, not the table's padding.
        const int h = tree.heading(trimTrailingBlanks(content().carreranb.at(g)));
        const int members =
            tree.degreesWhere(h, [g](int e) { return degreeField(e, DegreeField::Group) == g; });
        tree.node(h).caption += " (" + QByteArray::number(members) + ")";
    }
}

void byArea(TreeBuilder &tree)
{
    const LineTable &activida = content().activida;
    const std::vector<Profession> &professions = universityData().professions;
    for (int k = 1; k <= activida.count(); ++k) {
        if (k == 23 || k == 24)
            continue;
        const Activity area = parseActivity(activida.at(k));
        const int h = tree.heading(area.name);
        std::set<int> collected;
        for (int p = 1; p < static_cast<int>(professions.size()); ++p)
            if (professions[p].firstActivity == area.code || professions[p].secondActivity == area.code)
                collected.insert(p);
        tree.degreesWhere(h, [&collected](int d) {
            for (int f = 0; f < 4; ++f)
                if (collected.count(degreeField(d, DegreeField::FirstProfession + f)))
                    return true;
            return false;
        });
    }
}

// The last itinerary has no heading: its degrees join the one before.
void byItinerary(TreeBuilder &tree)
{
    int h = -1;
    for (int k = 1; k <= kItineraries; ++k) {
        if (k != kItineraries)
            h = tree.heading(universityData().itinerar.at(k));
        tree.degreesWhere(h, [k](int d) { return degreeField(d, DegreeField::FirstItinerary) == k; });
        tree.degreesWhere(h, [k](int d) { return degreeField(d, DegreeField::SecondItinerary) == k; });
    }
}

// A stable sort on the first bytes of the names gives what the neighbour
// swaps on a strictly greater name give: equal prefixes keep table order.
void alphabetical(TreeBuilder &tree)
{
    std::vector<int> order(catalogueDegreeCount());
    std::iota(order.begin(), order.end(), 1);
    if (notCastilian())
        std::stable_sort(order.begin(), order.end(), [](int a, int b) {
            return degreeName(a).left(kSortedBytes) < degreeName(b).left(kSortedBytes);
        });
    for (int d : order)
        tree.degree(d);
}

} // namespace

std::vector<DegreeTreeNode> buildDegreeTree(int arrangement)
{
    TreeBuilder tree;
    switch (arrangement) {
    case ByBranch: byBranch(tree); break;
    case ByGroup: byGroup(tree); break;
    case ByArea: byArea(tree); break;
    case ByItinerary: byItinerary(tree); break;
    case Alphabetical: alphabetical(tree); break;
    default: break;
    }
    return tree.take();
}

int selectedStateImage(bool groupedView, bool isChild, bool hasChildren)
{
    if (isChild)
        return kSelectedDegreeImage;
    if (groupedView)
        return hasChildren ? kImageUnchanged : kSelectedDegreeImage;
    return kHeadingImage;
}

} // namespace velmira
