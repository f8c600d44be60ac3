// The scene: a base plate, the series as bars, sloped areas or tubes, the scale rows and the
// labels in 3-D text, lit by one directional light and seen in an orthographic projection of
// the 800 x 600 x 600 scene box.
//
// Rotations: the view turns first about the Y axis by RotateX, then about the horizontal axis
// (cos RotateX, 0, sin RotateX) by RotateY, the two calls made in that order, so that the tilt
// acts on the model before the turn (the tilt's axis is named in the turned frame). The light's
// direction is set the same way from LightX and LightY.
//
// Tubes of line series: the current matrix moves to the current point, turns about Z by the
// slope angle, then about Y by -90 degrees. Read from the cylinder outwards, the cylinder's
// axis (+Z) is first laid along -X, pointing back at the previous point, and then tilted by the
// slope in the XY plane, so that it rises or falls with the line. (The other order would spin
// the tube about its own axis and leave every segment level.)
#include "output/graph/src/scene.h"

#include "platform/gl/bitmap_context.h"
#include "platform/gl/gl_functions.h"
#include "platform/gl/outline_font.h"
#include "platform/gl/quadrics.h"
#include "platform/win32/font_provider.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace output {

namespace {

// The chart area and the base plate in scene units.
constexpr int kW = 440;
constexpr int kH = 330;
constexpr int kD = 210;
constexpr int kOX = -220;
constexpr int kOY = -192;
constexpr int kOZ = 105;
constexpr int kBX = -240;
constexpr int kBY = -210;
constexpr int kBZ = 120;
constexpr int kBaseWidth = 480;
constexpr int kBaseHeight = 18;
constexpr int kBaseDepth = 240;

constexpr double kPi = 3.14159;
constexpr double kSphereRadius = 8 * 1.75;
constexpr double kTubeRadius = 8;
constexpr int kQuadricSlices = 20;
constexpr int kSphereStacks = 10;
constexpr int kLabelGap = 5;
constexpr float kTextScale = 24.0f;
constexpr unsigned kOutlineCodes = 128;
constexpr float kOutlineExtrusion = 0.1f;

void SetColor(const GraphColor& color) {
    gl::Color4f(color.red, color.green, color.blue, color.alpha);
}

// The turn about Y by `turn` degrees, then the tilt about (cos turn, 0, sin turn) by `tilt`.
void Rotate(float turn, float tilt) {
    const double radians = turn * kPi / 180.0;
    gl::Rotatef(turn, 0.0f, 1.0f, 0.0f);
    gl::Rotatef(tilt, static_cast<float>(std::cos(radians)), 0.0f,
                static_cast<float>(std::sin(radians)));
}

void Quad(double nx, double ny, double nz, const double (&corners)[4][3]) {
    gl::Normal3d(nx, ny, nz);
    for (const auto& corner : corners) {
        gl::Vertex3dv(corner);
    }
}

// A box whose front-left-bottom corner is (x, y, z), reaching right, up and back (towards -z);
// no bottom face.
void Box(double x, double y, double z, double width, double height, double depth) {
    const double r = x + width;
    const double t = y + height;
    const double b = z - depth;
    gl::Begin(GL_QUADS);
    Quad(0, 0, 1, {{x, y, z}, {r, y, z}, {r, t, z}, {x, t, z}});
    Quad(1, 0, 0, {{r, y, z}, {r, y, b}, {r, t, b}, {r, t, z}});
    Quad(0, 0, -1, {{r, y, b}, {x, y, b}, {x, t, b}, {r, t, b}});
    Quad(-1, 0, 0, {{x, y, b}, {x, y, z}, {x, t, z}, {x, t, b}});
    Quad(0, 1, 0, {{x, t, z}, {r, t, z}, {r, t, b}, {x, t, b}});
    gl::End();
}

struct Slab {
    double left;
    double width;
    double z;
    double depth;
    double leftHeight;
    double rightHeight;
    bool leftFace;
    bool rightFace;
};

// One step of an area series: standing on the chart's floor, its top sloping from the left
// height to the right height.
void DrawSlab(const Slab& slab) {
    const double x0 = slab.left;
    const double x1 = slab.left + slab.width;
    const double y = kOY;
    const double y0 = kOY + slab.leftHeight;
    const double y1 = kOY + slab.rightHeight;
    const double front = slab.z;
    const double back = slab.z - slab.depth;
    gl::Begin(GL_QUADS);
    Quad(0, 0, 1, {{x0, y, front}, {x1, y, front}, {x1, y1, front}, {x0, y0, front}});
    Quad(0, 1, 0, {{x0, y0, front}, {x1, y1, front}, {x1, y1, back}, {x0, y0, back}});
    if (slab.leftFace) {
        Quad(-1, 0, 0, {{x0, y, back}, {x0, y, front}, {x0, y0, front}, {x0, y0, back}});
    }
    if (slab.rightFace) {
        Quad(1, 0, 0, {{x1, y, front}, {x1, y, back}, {x1, y1, back}, {x1, y1, front}});
    }
    gl::End();
}

void Sphere(double x, double y, double z) {
    gl::PushMatrix();
    gl::Translated(x, y, z);
    gl::Sphere(kSphereRadius, kQuadricSlices, kSphereStacks);
    gl::PopMatrix();
}

// The tube from the current point back to the previous one (the order is the file comment's).
void Tube(double x, double y, double z, int dx, int dy) {
    const int length =
        static_cast<int>(std::hypot(static_cast<double>(dx), static_cast<double>(dy)));
    const double slope = std::atan(static_cast<double>(dy) / dx) * 180.0 / kPi;
    gl::PushMatrix();
    gl::Translated(x, y, z);
    gl::Rotated(slope, 0.0, 0.0, 1.0);
    gl::Rotated(-90.0, 0.0, 1.0, 0.0);
    gl::Cylinder(kTubeRadius, length, kQuadricSlices, std::max(1, length / 4));
    gl::PopMatrix();
}

void Text(const gl::OutlineFont& font, const std::string& text, double x, double y, double z) {
    gl::PushMatrix();
    gl::Translated(x, y, z);
    gl::Scalef(kTextScale, kTextScale, kTextScale);
    font.DrawText(text);
    gl::PopMatrix();
}

// Chart heights are whole units: H x value / top, truncated, never below 0.
int HeightOf(double value, double top) {
    const double height = std::trunc(kH * value / top);
    return height < 0.0 ? 0 : static_cast<int>(height);
}

class SceneDrawer {
public:
    SceneDrawer(const GraphChart& chart, const gl::OutlineFont& font)
        : chart_(chart), font_(font), columns_(chart.Columns()),
          columnCount_(static_cast<int>(columns_.size())) {}

    void Draw() {
        SetColor(chart_.ColorOfBase());
        Box(kBX, kBY, kBZ, kBaseWidth, kBaseHeight, kBaseDepth);
        if (!columns_.empty() && !chart_.Series().empty()) {
            top_ = Top();
            if (top_ != 0.0) {
                const int seriesCount = static_cast<int>(chart_.Series().size());
                for (int s = 0; s < seriesCount; ++s) {
                    DrawSeries(chart_.Series()[s], s, seriesCount);
                }
                DrawRows();
            }
        }
        DrawColumnLabels();
    }

private:
    // The largest value shown (over the columns' span) or the largest row, from 0.
    double Top() const {
        const std::int64_t first = columns_.front().index;
        const std::int64_t last = columns_.back().index;
        double top = 0.0;
        for (const GraphSeries& series : chart_.Series()) {
            const std::int64_t from = std::max<std::int64_t>(first, series.indexMin);
            const std::int64_t to = std::min<std::int64_t>(last, series.indexMax);
            for (std::int64_t i = from; i <= to; ++i) {
                top = std::max(top, series.ValueAt(i));
            }
        }
        for (const GraphRow& row : chart_.Rows()) {
            top = std::max(top, row.value);
        }
        return top;
    }

    int ColumnLeft(int c) const { return kW * c / columnCount_; }
    int ColumnWidth() const { return kW / columnCount_; }

    void DrawSeries(const GraphSeries& series, int s, int seriesCount) {
        std::int64_t lo = series.indexMin;
        std::int64_t hi = series.indexMax;
        if (chart_.Clipping().on) {
            lo = std::max<std::int64_t>(lo, chart_.Clipping().indexMin);
            hi = std::min<std::int64_t>(hi, chart_.Clipping().indexMax);
        }
        const auto valueAt = [&](std::int64_t index) {
            return lo <= index && index <= hi ? series.ValueAt(index) : 0.0;
        };
        const int z = kOZ - kD * s / seriesCount;
        const int depth = (kD / seriesCount) * 80 / 100;
        SetColor(series.color);

        std::int64_t previousIndex = 0;
        int previousHeight = 0;
        bool startsRun = true;
        for (int c = 0; c < columnCount_; ++c) {
            const std::int64_t index = columns_[c].index;
            const int height = HeightOf(valueAt(index), top_);
            const bool shown = lo <= index && index <= hi;
            switch (series.type) {
            case SeriesType::Bars:
                if (shown && height != 0) {
                    Box(kOX + ColumnLeft(c), kOY, z, ColumnWidth() * 80 / 100, height, depth);
                }
                break;
            case SeriesType::Area:
                if (c > 0) {
                    DrawAreaSteps(series, c, previousIndex, previousHeight, lo, hi, z, depth);
                }
                break;
            case SeriesType::Line:
                if (c > 0 && shown && index != lo) {
                    DrawLineStep(c, height, previousHeight, z - (kD / seriesCount) / 2, startsRun);
                }
                break;
            }
            previousIndex = index;
            previousHeight = height;
        }
    }

    // The slabs of an area series between column c - 1 and column c, one per index.
    void DrawAreaSteps(const GraphSeries& series, int c, std::int64_t previousIndex,
                       int previousHeight, std::int64_t lo, std::int64_t hi, int z, int depth) {
        const std::int64_t x0 = ColumnLeft(c - 1);
        const std::int64_t span = ColumnLeft(c) - x0;
        const std::int64_t steps = columns_[c].index - previousIndex;
        // Only the steps inside the series' range draw, so the walk is as long as the series.
        const std::int64_t firstStep = std::max<std::int64_t>(0, lo - previousIndex - 1);
        const std::int64_t lastStep = std::min<std::int64_t>(steps - 1, hi - previousIndex - 1);
        int height = previousHeight;
        for (std::int64_t k = firstStep; k <= lastStep; ++k) {
            const std::int64_t j = previousIndex + 1 + k;
            const int stepHeight = HeightOf(series.ValueAt(j), top_);
            if (j != lo && (stepHeight != 0 || height != 0)) {
                const std::int64_t left = span * k / steps;
                DrawSlab({static_cast<double>(kOX + x0 + left + ColumnWidth() / 2),
                          static_cast<double>(span * (k + 1) / steps - left),
                          static_cast<double>(z), static_cast<double>(depth),
                          static_cast<double>(height), static_cast<double>(stepHeight), j == lo + 1,
                          j == hi || (k == steps - 1 && c == columnCount_ - 1)});
            }
            height = stepHeight;
        }
    }

    void DrawLineStep(int c, int height, int previousHeight, int z, bool& startsRun) {
        if (height == 0 && previousHeight == 0) {
            startsRun = true;
            return;
        }
        const double previousX = kOX + ColumnLeft(c - 1) + ColumnWidth() / 2;
        const double x = kOX + ColumnLeft(c) + ColumnWidth() / 2;
        if (startsRun) {
            Sphere(previousX, kOY + 8 + previousHeight, z);
            startsRun = false;
        }
        Tube(x, kOY + 8 + height, z, ColumnWidth() + 1, height - previousHeight);
        Sphere(x, kOY + 8 + height, z);
    }

    void DrawRows() {
        SetColor(chart_.ColorOfLabel());
        const int mode = chart_.RowMode();
        const int front = kBZ;
        const int back = kBZ - kBaseDepth;
        int lowest = std::numeric_limits<int>::min();
        for (const GraphRow& row : chart_.Rows()) {
            const double scaled = std::trunc(kH * row.value / top_);
            if (scaled < 0.0 || scaled > kH) {
                continue;
            }
            const int y = static_cast<int>(scaled);
            if (y != 0) {
                const int lineY = kOY + y;
                gl::Begin(GL_LINES);
                if (mode == 1) {
                    gl::Vertex3i(kBX, lineY, front);
                    gl::Vertex3i(kBX, lineY, back);
                }
                gl::Vertex3i(kBX, lineY, back);
                gl::Vertex3i(kBX + kBaseWidth, lineY, back);
                if (mode == 4) {
                    gl::Vertex3i(kBX + kBaseWidth, lineY, back);
                    gl::Vertex3i(kBX + kBaseWidth, lineY, front);
                }
                gl::End();
            }
            const int x =
                mode <= 2 ? kBX - row.extent.width - kLabelGap : kBX + kBaseWidth + kLabelGap;
            const int z = mode == 2 || mode == 3 ? back : front;
            const int labelY = std::max(kOY + y, lowest);
            Text(font_, row.label, x, labelY, z);
            lowest = labelY + row.extent.height;
        }
    }

    void DrawColumnLabels() {
        SetColor(chart_.ColorOfLabel());
        int limit = kOX;
        for (int c = 0; c < columnCount_; ++c) {
            const GraphColumn& column = columns_[c];
            const int x = kOX + ColumnLeft(c) + (ColumnWidth() - column.extent.width) / 2;
            if (x < limit) {
                continue;
            }
            Text(font_, column.label, x, kBY - column.extent.height, kBZ);
            limit = x + column.extent.width;
        }
    }

    const GraphChart& chart_;
    const gl::OutlineFont& font_;
    const std::vector<GraphColumn>& columns_;
    int columnCount_;
    double top_ = 0.0;
};

void SetUpView(const GraphChart& chart, int xSize, int ySize) {
    gl::Viewport(0, 0, xSize, ySize);
    gl::MatrixMode(GL_PROJECTION);
    gl::LoadIdentity();
    gl::Ortho(-400.0, 400.0, -300.0, 300.0, -300.0, 300.0);
    gl::MatrixMode(GL_MODELVIEW);
    gl::LoadIdentity();

    gl::ShadeModel(GL_SMOOTH);
    gl::Enable(GL_POINT_SMOOTH);
    gl::Enable(GL_DEPTH_TEST);
    gl::Enable(GL_LIGHTING);
    const GLfloat ambient[] = {0.2f, 0.2f, 0.2f, 1.0f};
    const GLfloat diffuse[] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat specular[] = {1.8f, 1.8f, 1.8f, 1.0f};
    const GLfloat direction[] = {0.0f, 0.0f, 1.0f, 0.0f};
    gl::Lightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    gl::Lightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    gl::Lightfv(GL_LIGHT0, GL_SPECULAR, specular);
    gl::PushMatrix();
    Rotate(chart.LightX(), chart.LightY());
    gl::Lightfv(GL_LIGHT0, GL_POSITION, direction);
    gl::PopMatrix();
    gl::Enable(GL_LIGHT0);
    gl::ColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    gl::Enable(GL_COLOR_MATERIAL);
    const GLfloat materialSpecular[] = {1.0f, 1.0f, 1.0f, 1.0f};
    gl::Materialfv(GL_FRONT, GL_SPECULAR, materialSpecular);
    gl::Materialf(GL_FRONT, GL_SHININESS, 128.0f);
    gl::Enable(GL_NORMALIZE);
    const GraphColor& mask = chart.ColorOfMask();
    gl::ClearColor(mask.red, mask.green, mask.blue, mask.alpha);
}

} // namespace

GraphError RenderScene(const GraphChart& chart, int xSize, int ySize, void* bits) {
    const gl::BitmapTarget target{static_cast<std::uint8_t*>(bits), xSize, ySize,
                                  (static_cast<std::size_t>(xSize) * 3 + 3) / 4 * 4};
    const gl::BitmapContextResult made = gl::CreateBitmapContext(target, {24, 32});
    if (made.fault == gl::ContextFault::PixelFormat) {
        return GraphError::PixelFormatFailure;
    }
    if (made.context == nullptr || !made.context->MakeCurrent()) {
        return GraphError::CannotMakeRenderContext;
    }
    {
        // Without its font file the scene is drawn without labels.
        gl::OutlineFont font;
        std::string error;
        font.Build(win32::ResolveFontFace(LabelFont::Logical()).file, 0, kOutlineCodes,
                   kOutlineExtrusion, error);
        SetUpView(chart, xSize, ySize);
        gl::Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        Rotate(chart.RotateX(), chart.RotateY());
        SceneDrawer(chart, font).Draw();
        made.context->Finish();
    }
    return GraphError::OK;
}

} // namespace output
