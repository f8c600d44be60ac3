#include "output/graph/tests/graph_pixels.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace graphtest {

int PictureX(double sceneX, int width) {
    return static_cast<int>((sceneX + 400.0) / 800.0 * width);
}

int PictureY(double sceneY, int height) {
    return static_cast<int>((300.0 - sceneY) / 600.0 * height);
}

std::vector<ProjectionYear> StretchProjection() {
    std::vector<ProjectionYear> years(kProjectionYears, {0.0, 0.0, 0.0});
    double balance = kStartingValue;
    double toDate = 0.0;
    for (int i = 0; i < kProjectionYears && balance > 0.0; ++i) {
        const double divisor = std::max(1.5, 80.0 - 0.65 * i);
        const double distribution = std::round(balance / divisor);
        toDate += distribution;
        balance = std::round((balance - distribution) * 1.05);
        if (balance < 1.0) {
            balance = 0.0;
        }
        years[i] = {distribution, toDate, balance};
    }
    return years;
}

void FillStretchChart(output::GraphChart& chart, View view) {
    const std::vector<ProjectionYear> years = StretchProjection();
    int last = 0;
    while (last + 1 < kProjectionYears && years[last + 1].closingBalance > 0.0) {
        ++last;
    }
    chart.Reset();
    chart.SetColorOfMask(Rgb(111, 111, 111));
    chart.SetColorOfBase(Rgb(255, 255, 0));
    chart.SetColorOfLegend(Rgb(0, 0, 0));
    chart.SetColorOfLabel(Rgb(64, 64, 128));
    chart.BackdropFade(Rgb(234, 238, 214), Rgb(214, 218, 194));
    chart.WallpaperOff();
    chart.SetTitle(1, "Stretch Projection\r\nAccount value and income", 0.035, Rgb(0, 0, 0),
                   Rgb(255, 250, 240));
    chart.SetTitleX(0.625);
    chart.SetTitleY(0.15);
    chart.SetLegendX(0.3);
    chart.SetLegendY(0.1);
    chart.DataAdd("Annual Income", 0, last, Rgb(64, 64, 255), 2);
    chart.DataAdd("Total Income", 0, last, Rgb(255, 64, 64), 3);
    chart.DataAdd("Account Value", 0, last, Rgb(64, 255, 64), 1);
    for (int i = 0; i <= last; ++i) {
        chart.SetValue("Annual Income", i, years[i].distribution);
        chart.SetValue("Total Income", i, years[i].distributionsToDate);
        chart.SetValue("Account Value", i, years[i].closingBalance);
    }
    chart.AutoColumn();
    chart.RowAdd(kStartingValue, output::DollarLabel(kStartingValue).substr(1));
    chart.RowAdd(years[0].distribution, output::DollarLabel(years[0].distribution).substr(1));
    chart.RowAdd(years[last].distributionsToDate,
                 output::DollarLabel(years[last].distributionsToDate).substr(1));
    chart.SetRowMode(1);
    chart.ClippingOn(0, last);
    if (view == View::Top) {
        chart.SetRotateX(-20);
        chart.SetRotateY(15);
    } else {
        chart.SetRotateX(0);
        chart.SetRotateY(0);
        chart.SetRowMode(2);
    }
    chart.SetLightX(-40);
    chart.SetLightY(-55);
}

} // namespace graphtest
