#include "middle_grade_layout.h"

#include <QPushButton>

namespace velmira::middlegrade {

namespace {
constexpr int kGap = 8;
constexpr int kPadding = 28;
constexpr int kNarrowest = 110;
} // namespace

void lineUpButtons(const std::vector<QPushButton *> &buttons, const QRect &row, bool fromRight)
{
    int x = fromRight ? row.right() + 1 : row.x();
    for (QPushButton *b : buttons) {
        const int width = std::max(kNarrowest, b->fontMetrics().horizontalAdvance(b->text()) + kPadding);
        if (fromRight)
            x -= width;
        b->setGeometry(x, row.y(), width, kButtonHeight);
        x += fromRight ? -kGap : width + kGap;
    }
}

} // namespace velmira::middlegrade
