// The illustration types as the user sees them: the start-up choices' captions, which the main
// window's caption is made from.
#pragma once

#include "program/illustration/illustration_type.h"

#include <string>

namespace ui {

// "Planholder Required Minimum Distribution Calculator" and the others; empty for None.
std::string IllustrationTypeCaption(illustration::IllustrationType type);

} // namespace ui
