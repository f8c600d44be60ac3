// Placing the labels along the plot so that none overlaps the one before it.
#pragma once

#include "family/graph/src/scene.h"

#include <climits>

namespace plotwen {

// The category labels centred, horizontally and vertically, at row `y` and at their offsets from
// `plotLeft`; a label that would overlap the previous one starts where that one ends.
void DrawCategoryLabels(Scene& scene, int plotLeft, int plotWidth, int y);

// Value labels, drawn in ascending order of value, each centred vertically on its row, moved up
// to stand above the previous label when it would overlap it.
class ValueLabelColumn {
public:
    void Draw(Scene& scene, const Label& label, int x, int y, HorizontalAlignment alignment);

private:
    int previousTop_ = INT_MAX;
};

} // namespace plotwen
