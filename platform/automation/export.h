// Marks the names this library exports; everything else stays hidden (see exports.map).
#pragma once

#define TALLOWMERE_AUTOMATION_EXPORT __attribute__((visibility("default")))
#define TALLOWMERE_AUTOMATION_API extern "C" TALLOWMERE_AUTOMATION_EXPORT
