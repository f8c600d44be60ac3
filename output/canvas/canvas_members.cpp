// The Canvas class's member table: ICanvas in slot order.
#include "output/member_tables.h"

namespace output {

namespace {

using Member = automation::DispatchMember<ICanvas>;
using Id = CanvasDispatchId;

} // namespace

std::span<const automation::DispatchMember<ICanvas>> CanvasMembers() {
    static const auto kRows = WithCommonMembers<ICanvas>({
        Member::Property(11, "PageTotal", Id::kPageTotal, &ICanvas::get_PageTotal),
        Member::Property(12, "Page", Id::kPage, &ICanvas::get_Page, &ICanvas::put_Page),
        Member::Property(14, "PageX", Id::kPageX, &ICanvas::get_PageX),
        Member::Property(15, "PageY", Id::kPageY, &ICanvas::get_PageY),
        Member::Property(16, "CursorX", Id::kCursorX, &ICanvas::get_CursorX, &ICanvas::put_CursorX),
        Member::Property(18, "CursorY", Id::kCursorY, &ICanvas::get_CursorY, &ICanvas::put_CursorY),
        Member::Property(20, "DeviceList", Id::kDeviceList, &ICanvas::get_DeviceList),
        Member::Method<&ICanvas::Reset>(21, "Reset", Id::kReset),
        Member::Property(22, "MarginTop", Id::kMarginTop, &ICanvas::get_MarginTop,
                         &ICanvas::put_MarginTop),
        Member::Property(24, "MarginBottom", Id::kMarginBottom, &ICanvas::get_MarginBottom,
                         &ICanvas::put_MarginBottom),
        Member::Property(26, "MarginLeft", Id::kMarginLeft, &ICanvas::get_MarginLeft,
                         &ICanvas::put_MarginLeft),
        Member::Property(28, "MarginRight", Id::kMarginRight, &ICanvas::get_MarginRight,
                         &ICanvas::put_MarginRight),
        Member::Property(30, "MarginIndent", Id::kMarginIndent, &ICanvas::get_MarginIndent,
                         &ICanvas::put_MarginIndent),
        Member::Property(32, "Justify", Id::kJustify, &ICanvas::get_Justify, &ICanvas::put_Justify),
        Member::Property(34, "FontName", Id::kFontName, &ICanvas::get_FontName,
                         &ICanvas::put_FontName),
        Member::Property(36, "FontType", Id::kFontType, &ICanvas::get_FontType,
                         &ICanvas::put_FontType),
        Member::Property(38, "FontSize", Id::kFontSize, &ICanvas::get_FontSize,
                         &ICanvas::put_FontSize),
        Member::Property(40, "FontBold", Id::kFontBold, &ICanvas::get_FontBold,
                         &ICanvas::put_FontBold),
        Member::Property(42, "FontUnder", Id::kFontUnder, &ICanvas::get_FontUnder,
                         &ICanvas::put_FontUnder),
        Member::Property(44, "FontItalic", Id::kFontItalic, &ICanvas::get_FontItalic,
                         &ICanvas::put_FontItalic),
        Member::Property(46, "ColorOfText", Id::kColorOfText, &ICanvas::get_ColorOfText,
                         &ICanvas::put_ColorOfText),
        Member::Property(48, "ColorOfLine", Id::kColorOfLine, &ICanvas::get_ColorOfLine,
                         &ICanvas::put_ColorOfLine),
        Member::Property(50, "ColorOfFill", Id::kColorOfFill, &ICanvas::get_ColorOfFill,
                         &ICanvas::put_ColorOfFill),
        Member::Method<&ICanvas::Measure>(52, "Measure", Id::kMeasure),
        Member::Method<&ICanvas::PutText>(53, "PutText", Id::kPutText),
        Member::Method<&ICanvas::PutLine>(54, "PutLine", Id::kPutLine),
        Member::Method<&ICanvas::PutPolygon>(55, "PutPolygon", Id::kPutPolygon),
        Member::Method<&ICanvas::PutImage>(56, "PutImage", Id::kPutImage),
        Member::Method<&ICanvas::NewParagraph>(57, "NewParagraph", Id::kNewParagraph),
        Member::Method<&ICanvas::NewPage>(58, "NewPage", Id::kNewPage),
        Member::Method<&ICanvas::Export>(59, "Export", Id::kExport),
        Member::Property(60, "DrawScale", Id::kDrawScale, &ICanvas::get_DrawScale,
                         &ICanvas::put_DrawScale),
        Member::Method<&ICanvas::Draw>(62, "Draw", Id::kDraw, {2}), // Name in and out
        Member::Method<&ICanvas::Printer>(63, "Printer", Id::kPrinter),
        Member::Method<&ICanvas::Preview>(64, "Preview", Id::kPreview),
        Member::Method<&ICanvas::TransStart>(65, "TransStart", Id::kTransStart),
        Member::Method<&ICanvas::TransStop>(66, "TransStop", Id::kTransStop),
    });
    return kRows;
}

} // namespace output
