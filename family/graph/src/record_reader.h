// Reading a caller's GraphRecord into the Chart the drawing uses.
#pragma once

#include "family/graph/plotwen.h"
#include "family/graph/src/chart.h"

namespace plotwen {

// Character fields are read up to their width whether or not they hold a NUL; category marks
// outside 0-99 and font indexes that name no font in use are dropped; a null record reads as a
// zeroed one.
Chart ReadChart(const GraphRecord* record);

} // namespace plotwen
