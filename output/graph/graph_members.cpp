// The Graph class's member table: IGraph in slot order.
#include "output/member_tables.h"

namespace output {

namespace {

using Member = automation::DispatchMember<IGraph>;

} // namespace

std::span<const automation::DispatchMember<IGraph>> GraphMembers() {
    static const auto kRows = WithCommonMembers<IGraph>({
        Member::Method<&IGraph::Reset>(11, "Reset", dispidGraphReset),
        Member::Method<&IGraph::Draw>(12, "Draw", dispidGraphDraw, {3}), // Name in and out
        Member::Method<&IGraph::ColumnClear>(13, "ColumnClear", dispidGraphColumnClear),
        Member::Method<&IGraph::ColumnAdd>(14, "ColumnAdd", dispidGraphColumnAdd),
        Member::Method<&IGraph::RowClear>(15, "RowClear", dispidGraphRowClear),
        Member::Method<&IGraph::RowAdd>(16, "RowAdd", dispidGraphRowAdd),
        Member::Method<&IGraph::DataClear>(17, "DataClear", dispidGraphDataClear),
        Member::Method<&IGraph::DataAdd>(18, "DataAdd", dispidGraphDataAdd),
        Member::Method<&IGraph::GetValue>(19, "GetValue", dispidGraphGetValue),
        Member::Method<&IGraph::SetValue>(20, "SetValue", dispidGraphSetValue),
        Member::Property(21, "RotateX", dispidGraphRotateX, &IGraph::get_RotateX,
                         &IGraph::put_RotateX),
        Member::Property(23, "RotateY", dispidGraphRotateY, &IGraph::get_RotateY,
                         &IGraph::put_RotateY),
        Member::Property(25, "LightX", dispidGraphLightX, &IGraph::get_LightX, &IGraph::put_LightX),
        Member::Property(27, "LightY", dispidGraphLightY, &IGraph::get_LightY, &IGraph::put_LightY),
        Member::Property(29, "RowMode", dispidGraphRowMode, &IGraph::get_RowMode,
                         &IGraph::put_RowMode),
        Member::Property(31, "ColorOfMask", dispidGraphColorOfMask, &IGraph::get_ColorOfMask,
                         &IGraph::put_ColorOfMask),
        Member::Property(33, "ColorOfBase", dispidGraphColorOfBase, &IGraph::get_ColorOfBase,
                         &IGraph::put_ColorOfBase),
        Member::Property(35, "ColorOfLabel", dispidGraphColorOfLabel, &IGraph::get_ColorOfLabel,
                         &IGraph::put_ColorOfLabel),
        Member::Property(37, "ColorOfLegend", dispidGraphColorOfLegend, &IGraph::get_ColorOfLegend,
                         &IGraph::put_ColorOfLegend),
        Member::Method<&IGraph::AutoColumn>(39, "AutoColumn", dispidGraphAutoColumn),
        Member::Method<&IGraph::AutoRow>(40, "AutoRow", dispidGraphAutoRow),
        Member::Method<&IGraph::WallpaperOff>(41, "WallpaperOff", dispidGraphWallpaperOff),
        Member::Method<&IGraph::WallpaperOn>(42, "WallpaperOn", dispidGraphWallpaperOn),
        Member::Method<&IGraph::BackdropSolid>(43, "BackdropSolid", dispidGraphBackdropSolid),
        Member::Method<&IGraph::BackdropFade>(44, "BackdropFade", dispidGraphBackdropFade),
        Member::Method<&IGraph::ClippingOff>(45, "ClippingOff", dispidGraphClippingOff),
        Member::Method<&IGraph::ClippingOn>(46, "ClippingOn", dispidGraphClippingOn),
        Member::Property(47, "LegendX", dispidGraphLegendX, &IGraph::get_LegendX,
                         &IGraph::put_LegendX),
        Member::Property(49, "LegendY", dispidGraphLegendY, &IGraph::get_LegendY,
                         &IGraph::put_LegendY),
        Member::Property(51, "TitleX", dispidGraphTitleX, &IGraph::get_TitleX, &IGraph::put_TitleX),
        Member::Property(53, "TitleY", dispidGraphTitleY, &IGraph::get_TitleY, &IGraph::put_TitleY),
        Member::Method<&IGraph::SetTitle>(55, "SetTitle", dispidGraphSetTitle),
    });
    return kRows;
}

} // namespace output
