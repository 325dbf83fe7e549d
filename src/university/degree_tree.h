#pragma once
// The degree catalogue tree in its five arrangements, as the nodes the window
// creates, in creation order.

#include <QByteArray>

#include <vector>

namespace velmira {

enum DegreeArrangement : int { ByBranch = 0, ByGroup = 1, ByArea = 2, ByItinerary = 3, Alphabetical = 4 };

constexpr int kHeadingImage = 0;
constexpr int kDegreeImage = 1;
constexpr int kSelectedDegreeImage = 2;
constexpr int kImageUnchanged = -1;

struct DegreeTreeNode
{
    QByteArray caption; // as stored: padded table entries keep their blanks
    int image = kHeadingImage;
    int parent = -1; // index of the parent node in the list, -1 for a top-level node
    int degree = 0;  // 0 for a heading
};

// The nodes of one arrangement (the ComboAgru index); empty for any other
// value. The window's node map is node i's degree at position i + 1. The
// alphabetical arrangement sorts only when the language is not Castilian.
std::vector<DegreeTreeNode> buildDegreeTree(int arrangement);

// The selected-state image a click gives a node, or kImageUnchanged.
int selectedStateImage(bool groupedView, bool isChild, bool hasChildren);

} // namespace velmira
