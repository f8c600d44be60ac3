#include "family/graph/src/label_placement.h"

#include <algorithm>

namespace plotwen {

void DrawCategoryLabels(Scene& scene, int plotLeft, int plotWidth, int y) {
    int previousEnd = INT_MIN;
    for (std::size_t index = 0; index < scene.categories.size(); ++index) {
        const Label& label = scene.categories[index];
        const SIZE size = scene.painter.MeasureText(scene.labelFont, label.text);
        const int left =
            std::max(plotLeft + CategoryOffset(scene, index, plotWidth) - size.cx / 2, previousEnd);
        scene.painter.DrawTextAt(scene.labelFont, label.text, left, y - size.cy / 2, label.colour);
        previousEnd = left + size.cx;
    }
}

void ValueLabelColumn::Draw(Scene& scene, const Label& label, int x, int y,
                            HorizontalAlignment alignment) {
    const SIZE size = scene.painter.MeasureText(scene.labelFont, label.text);
    const int top = std::min(y - size.cy / 2, previousTop_ - size.cy);
    const int left = alignment == HorizontalAlignment::Right ? x - size.cx : x;
    scene.painter.DrawTextAt(scene.labelFont, label.text, left, top, label.colour);
    previousTop_ = top;
}

} // namespace plotwen
