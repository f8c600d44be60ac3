#include "program/report/graph_production.h"

#include "output/output.h"
#include "program/illustration/formatting.h"
#include "program/report/report_error.h"
#include "program/report/resource_extraction.h"

#include "platform/automation/interface_pointer.h"
#include "platform/automation/variant.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/runtime_error.h"
#include "platform/system/files.h"

#include <cstdint>
#include <system_error>

namespace report {

namespace {

using automation::Variant;
using Projection = calc::StretchProjection;

// The searches over the year indices stop at the table's last index.
constexpr int kLastYearIndex = Projection::kYears - 1;

constexpr std::int32_t Rgb(int red, int green, int blue) {
    return red | (green << 8) | (blue << 16);
}

// The Graph object's bitmap format, and the extensions it gives a bitmap it reads and one it
// writes.
constexpr std::int16_t kBitmapFormat = 1;
constexpr const char* kBitmapExtension = ".BMP";
constexpr const char* kWrittenBitmapExtension = ".bmp";
constexpr const char* kWallpaperMember = "GraphBack.bmp";
constexpr std::int16_t kWallpaperMode = 3;

Variant Int16(std::int16_t value) {
    Variant variant;
    variant->vt = VT_I2;
    variant->iVal = value;
    return variant;
}

struct Series {
    const char* id;
    std::int16_t type;
    Projection::Column column;
    std::int32_t colour;
    std::int32_t grayColour;
};
constexpr Series kSeries[] = {
    {"Annual Income", 2, Projection::kDistribution, Rgb(64, 64, 255), Rgb(132, 132, 132)},
    {"Total Income", 3, Projection::kDistributionsToDate, Rgb(255, 64, 64), Rgb(64, 64, 64)},
    {"Account Value", 1, Projection::kClosingBalance, Rgb(64, 255, 64), Rgb(196, 196, 196)}};

void Check(HRESULT outcome) {
    if (outcome != S_OK) {
        throw ReportError("The graph could not be drawn.");
    }
}

// The first year index from `from` up to the last whose cell satisfies `test`; -1 when none.
template <class Test>
int FirstIndex(int from, Test test) {
    for (int i = from; i <= kLastYearIndex; ++i) {
        if (test(i)) {
            return i;
        }
    }
    return -1;
}

// A folder of the work folder for the Graph object's own file names, removed afterwards.
class GraphFolder {
public:
    explicit GraphFolder(const std::filesystem::path& workFolder) : path_(workFolder / ".graph") {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
        std::filesystem::create_directory(path_, ignored);
    }
    ~GraphFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    GraphFolder(const GraphFolder&) = delete;
    GraphFolder& operator=(const GraphFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The wallpaper: the archive's picture, under the name the Graph object reads.
void SetWallpaper(output::IGraph& graph, const GraphRequest& request, const GraphFolder& folder) {
    if (request.background) {
        ExtractedMembers picture(request.resourceArchive, kWallpaperMember, request.workFolder);
        if (picture.Result() == archive::ZipResult::Success) {
            picture.Keep();
            std::error_code error;
            std::filesystem::copy_file(request.workFolder / kWallpaperMember,
                                       folder.Path() /
                                           (std::string("GraphBack") + kBitmapExtension),
                                       std::filesystem::copy_options::overwrite_existing, error);
            if (!error) {
                Variant code;
                Check(graph.WallpaperOn(&code, *Int16(kWallpaperMode),
                                        *Variant::FromText((folder.Path() / "GraphBack").string()),
                                        *Int16(kBitmapFormat)));
                return;
            }
        }
    }
    Check(graph.WallpaperOff());
}

std::string AmountText(std::int64_t value) {
    return illustration::FormatAmount(runtime::IntegerCStr(value));
}

} // namespace

Projection::Phase GraphPhase(std::string_view listItem) {
    switch (listItem.empty() ? ' ' : listItem.front()) {
    case 'P':
        return Projection::kPlanholder;
    case 'S':
        return Projection::kSpouse;
    case 'N':
        return Projection::kBeneficiary;
    default:
        return Projection::kAllYears;
    }
}

std::string GraphTitle(Projection::Phase phase, const StretchState& state,
                       std::string_view rateOfReturn) {
    const std::string rate = " @ " + std::string(rateOfReturn);
    switch (phase) {
    case Projection::kPlanholder:
        return state.planholderName + "\r\n" + state.planName + rate;
    case Projection::kSpouse:
        return state.spouseName + "\r\nInherited " + state.planName + rate;
    case Projection::kBeneficiary:
        return state.beneficiaryName + "\r\nInherited " + state.planName + rate;
    case Projection::kAllYears:
    default:
        return state.planholderName + "\r\n" + state.planName + rate + "\r\n(All Years)";
    }
}

AgeRange GraphScrollRange(const Projection& projection, Projection::Phase phase) {
    const int first = FirstIndex(
        0, [&](int i) { return projection.Cell(phase, Projection::kClosingBalance, i) > 0; });
    if (first < 0) {
        return {};
    }
    AgeRange range;
    range.min = static_cast<int>(projection.Cell(phase, Projection::kAge, first)) + 1;
    for (int i = kLastYearIndex - 1; i >= 0; --i) {
        if (projection.Cell(phase, Projection::kAge, i) > 0) {
            range.max = static_cast<int>(projection.Cell(phase, Projection::kAge, i));
            break;
        }
    }
    return range;
}

GraphPicture DrawStretchGraph(const GraphRequest& request, const Projection& projection) {
    const std::filesystem::path file = request.workFolder / kGraphFileName;
    std::error_code removal;
    std::filesystem::remove(file, removal);
    if (removal) {
        throw ReportError("The old graph " + file.string() + " could not be removed.");
    }
    const int phase = request.phase;
    const auto cell = [&](int column, int i) { return projection.Cell(phase, column, i); };

    // The phase's years: from its first year with a balance to the year before its balance
    // runs out, at least two years; none for a phase without a balance.
    const int firstIndex =
        FirstIndex(0, [&](int i) { return cell(Projection::kClosingBalance, i) > 0; });
    int lastIndex = firstIndex + 1;
    while (firstIndex >= 0 && lastIndex < kLastYearIndex &&
           cell(Projection::kClosingBalance, lastIndex + 1) != 0) {
        ++lastIndex;
    }
    lastIndex = std::min(lastIndex, kLastYearIndex);

    automation::InterfacePointer<output::IGraph> graph;
    if (automation::CreateObject(output::CLSID_Graph, output::IID_IGraph, graph) != S_OK) {
        throw ReportError("The graph engine is not available.");
    }
    const GraphFolder folder(request.workFolder);
    Check(graph->Reset());
    Check(graph->put_ColorOfMask(*Variant::FromInt(Rgb(111, 111, 111))));
    Check(graph->put_ColorOfBase(
        *Variant::FromInt(request.grayScale ? Rgb(235, 235, 235) : Rgb(255, 255, 0))));
    Check(graph->put_ColorOfLegend(*Variant::FromInt(Rgb(0, 0, 0))));
    Check(graph->put_ColorOfLabel(*Variant::FromInt(Rgb(64, 64, 128))));
    if (request.grayScale) {
        Check(graph->BackdropSolid(*Variant::FromInt(Rgb(255, 255, 255))));
    } else {
        Check(graph->BackdropFade(*Variant::FromInt(Rgb(234, 238, 214)),
                                  *Variant::FromInt(Rgb(214, 218, 194))));
    }
    SetWallpaper(*graph.Get(), request, folder);
    Check(graph->SetTitle(*Int16(1), *Variant::FromText(request.title), *Variant::FromDouble(0.035),
                          *Variant::FromInt(Rgb(0, 0, 0)), *Variant::FromInt(Rgb(255, 250, 240))));
    Check(graph->put_TitleX(*Variant::FromDouble(0.625)));
    Check(graph->put_TitleY(*Variant::FromDouble(0.15)));
    Check(graph->put_LegendX(*Variant::FromDouble(0.3)));
    Check(graph->put_LegendY(*Variant::FromDouble(0.1)));

    Variant error;
    const auto row = [&](std::int64_t value) {
        Check(graph->RowAdd(&error, *Variant::FromDouble(static_cast<double>(value)),
                            *Variant::FromText(AmountText(value))));
    };
    std::int32_t firstAge = 0;
    if (firstIndex >= 0) {
        firstAge = static_cast<std::int32_t>(cell(Projection::kAge, firstIndex));
        const auto lastAge = static_cast<std::int32_t>(cell(Projection::kAge, lastIndex));
        for (const Series& series : kSeries) {
            Check(graph->DataAdd(
                &error, *Variant::FromText(series.id), *Variant::FromInt(firstAge),
                *Variant::FromInt(lastAge),
                *Variant::FromInt(request.grayScale ? series.grayColour : series.colour),
                *Int16(series.type)));
        }
        for (int i = firstIndex; i <= lastIndex; ++i) {
            for (const Series& series : kSeries) {
                Check(graph->SetValue(
                    &error, *Variant::FromText(series.id),
                    *Variant::FromInt(static_cast<std::int32_t>(cell(Projection::kAge, i))),
                    *Variant::FromDouble(static_cast<double>(cell(series.column, i)))));
            }
        }
        Check(graph->AutoColumn());

        // Scale rows: the starting balance, the first income, and the totals at the chosen age.
        std::int64_t top = 0;
        if (phase == Projection::kPlanholder || phase == Projection::kAllYears) {
            top = static_cast<std::int64_t>(
                runtime::Round(illustration::CleanedNumber(request.accountValue) +
                               illustration::CleanedNumber(request.contribution)));
            if (top > 0) {
                row(top);
            }
        } else {
            top = cell(Projection::kClosingBalance, firstIndex);
            row(top);
        }
        if (phase != Projection::kAllYears) {
            const int income = FirstIndex(
                firstIndex, [&](int i) { return cell(Projection::kDistribution, i) > 0; });
            if (income >= 0) {
                row(cell(Projection::kDistribution, income));
            }
        }
        int scroll =
            FirstIndex(1, [&](int i) { return cell(Projection::kAge, i) == request.scrollAge; });
        if (scroll < 0) {
            scroll = kLastYearIndex;
        }
        if (cell(Projection::kDistributionsToDate, scroll) > 0) {
            row(cell(Projection::kDistributionsToDate, scroll));
        }
        if (cell(Projection::kClosingBalance, scroll) > top) {
            row(cell(Projection::kClosingBalance, scroll));
        }
    }
    Check(graph->put_RowMode(*Variant::FromInt(1)));
    Check(graph->ClippingOn(*Variant::FromInt(firstAge),
                            *Int16(static_cast<std::int16_t>(request.scrollAge))));
    Check(graph->put_RotateX(*Variant::FromInt(request.topView ? -20 : 0)));
    Check(graph->put_RotateY(*Variant::FromInt(request.topView ? 15 : 0)));
    if (!request.topView) {
        Check(graph->put_RowMode(*Variant::FromInt(2)));
    }
    Check(graph->put_LightX(*Variant::FromInt(-40)));
    Check(graph->put_LightY(*Variant::FromInt(-55)));

    Variant name = Variant::FromText((folder.Path() / "RMDGraph").string());
    Check(graph->Draw(&error, *Variant::FromInt(request.width), *Variant::FromInt(request.height),
                      &name, *Int16(kBitmapFormat)));
    std::error_code moved;
    std::filesystem::rename(folder.Path() / (std::string("RMDGraph") + kWrittenBitmapExtension),
                            file, moved);
    if (moved) {
        throw ReportError("The graph could not be drawn.");
    }
    try {
        return std::make_shared<const std::string>(sys::ReadWholeFile(file));
    } catch (const runtime::RuntimeError&) {
        throw ReportError("The graph " + file.string() + " could not be read.");
    }
}

GraphPicture StretchGraphs::Picture(const GraphRequest& request, const Projection& projection) {
    std::vector<std::int64_t> cells;
    cells.reserve(static_cast<std::size_t>(4) * Projection::kYears);
    for (const Projection::Column column :
         {Projection::kAge, Projection::kDistribution, Projection::kDistributionsToDate,
          Projection::kClosingBalance}) {
        for (int i = 0; i < Projection::kYears; ++i) {
            cells.push_back(projection.Cell(request.phase, column, i));
        }
    }
    for (auto kept = kept_.begin(); kept != kept_.end(); ++kept) {
        if (kept->request == request && kept->cells == cells) {
            kept_.splice(kept_.begin(), kept_, kept);
            return kept_.front().picture;
        }
    }
    GraphPicture picture = DrawStretchGraph(request, projection);
    kept_.push_front({request, std::move(cells), picture});
    if (kept_.size() > kKeptGraphs) {
        kept_.pop_back();
    }
    return picture;
}

} // namespace report
