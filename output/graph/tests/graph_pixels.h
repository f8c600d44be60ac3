// Test helpers for graph pictures: scene-to-picture positions in the front view,
// and a chart like the program's Stretch graph.
#pragma once

#include "output/graph/graph_chart.h"

#include "platform/win32/wingdi.h"

#include <cstdint>

namespace graphtest {

constexpr COLORREF Rgb(int red, int green, int blue) {
    return static_cast<COLORREF>(red | (green << 8) | (blue << 16));
}

// Where a scene point (x, y) lands in a picture of width x height when the view is not rotated:
// the orthographic box spans -400..400 across and -300..300 up.
int PictureX(double sceneX, int width);
int PictureY(double sceneY, int height);

// The projection the Stretch graph is drawn from: 121 years of an account of $500,000 growing at
// 5 % a year with yearly distributions over a divisor that shrinks from 80 to 1.5, so that the
// account lasts the whole 121 years. Index i is the year; income, income to date and the closing
// balance in whole dollars.
struct ProjectionYear {
    double distribution;
    double distributionsToDate;
    double closingBalance;
};
constexpr int kProjectionYears = 121;
constexpr double kStartingValue = 500000.0;
std::vector<ProjectionYear> StretchProjection();

enum class View { Front, Top };

// The chart the program draws for a projection: its colours, fade backdrop, title, three series
// (income bars, income-to-date line, account-value area), automatic columns, the scale rows of
// the starting value, the first income and the last year, clipped to the years shown.
void FillStretchChart(output::GraphChart& chart, View view);

} // namespace graphtest
