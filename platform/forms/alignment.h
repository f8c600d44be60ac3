// The text alignment of text boxes, labels and grid columns, with the runtime's values.
#pragma once

namespace forms {

enum class Alignment { Left = 0, Right = 1, Center = 2 };

} // namespace forms
