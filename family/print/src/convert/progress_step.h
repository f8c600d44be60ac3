// The steps at which the convert dialog repaints its progress bar.
#pragma once

namespace pressel {

// The percent rounded to the nearest multiple of 5, so that the bar is drawn again only when a
// new cell may light.
constexpr int ProgressStep(int percent) {
    return (percent + 2) / 5 * 5;
}

} // namespace pressel
