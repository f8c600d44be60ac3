// The Canvas class's member table: ICanvas in slot order.
#include "output/member_tables.h"

namespace output {

namespace {

using Member = automation::DispatchMember<ICanvas>;
using Id = CanvasDispatchId;

} // namespace

std::span<const automation::DispatchMember<ICanvas>> CanvasMembers() {
    static const auto rows = WithCommonMembers<ICanvas>({
        Member::Property(11, "PageTotal", Id::PageTotal, &ICanvas::get_PageTotal),
        Member::Property(12, "Page", Id::Page, &ICanvas::get_Page, &ICanvas::put_Page),
        Member::Property(14, "PageX", Id::PageX, &ICanvas::get_PageX),
        Member::Property(15, "PageY", Id::PageY, &ICanvas::get_PageY),
        Member::Property(16, "CursorX", Id::CursorX, &ICanvas::get_CursorX, &ICanvas::put_CursorX),
        Member::Property(18, "CursorY", Id::CursorY, &ICanvas::get_CursorY, &ICanvas::put_CursorY),
        Member::Property(20, "DeviceList", Id::DeviceList, &ICanvas::get_DeviceList),
        Member::Method<&ICanvas::Reset>(21, "Reset", Id::Reset),
        Member::Property(22, "MarginTop", Id::MarginTop, &ICanvas::get_MarginTop,
                         &ICanvas::put_MarginTop),
        Member::Property(24, "MarginBottom", Id::MarginBottom, &ICanvas::get_MarginBottom,
                         &ICanvas::put_MarginBottom),
        Member::Property(26, "MarginLeft", Id::MarginLeft, &ICanvas::get_MarginLeft,
                         &ICanvas::put_MarginLeft),
        Member::Property(28, "MarginRight", Id::MarginRight, &ICanvas::get_MarginRight,
                         &ICanvas::put_MarginRight),
        Member::Property(30, "MarginIndent", Id::MarginIndent, &ICanvas::get_MarginIndent,
                         &ICanvas::put_MarginIndent),
        Member::Property(32, "Justify", Id::Justify, &ICanvas::get_Justify, &ICanvas::put_Justify),
        Member::Property(34, "FontName", Id::FontName, &ICanvas::get_FontName,
                         &ICanvas::put_FontName),
        Member::Property(36, "FontType", Id::FontType, &ICanvas::get_FontType,
                         &ICanvas::put_FontType),
        Member::Property(38, "FontSize", Id::FontSize, &ICanvas::get_FontSize,
                         &ICanvas::put_FontSize),
        Member::Property(40, "FontBold", Id::FontBold, &ICanvas::get_FontBold,
                         &ICanvas::put_FontBold),
        Member::Property(42, "FontUnder", Id::FontUnder, &ICanvas::get_FontUnder,
                         &ICanvas::put_FontUnder),
        Member::Property(44, "FontItalic", Id::FontItalic, &ICanvas::get_FontItalic,
                         &ICanvas::put_FontItalic),
        Member::Property(46, "ColorOfText", Id::ColorOfText, &ICanvas::get_ColorOfText,
                         &ICanvas::put_ColorOfText),
        Member::Property(48, "ColorOfLine", Id::ColorOfLine, &ICanvas::get_ColorOfLine,
                         &ICanvas::put_ColorOfLine),
        Member::Property(50, "ColorOfFill", Id::ColorOfFill, &ICanvas::get_ColorOfFill,
                         &ICanvas::put_ColorOfFill),
        Member::Method<&ICanvas::Measure>(52, "Measure", Id::Measure),
        Member::Method<&ICanvas::PutText>(53, "PutText", Id::PutText),
        Member::Method<&ICanvas::PutLine>(54, "PutLine", Id::PutLine),
        Member::Method<&ICanvas::PutPolygon>(55, "PutPolygon", Id::PutPolygon),
        Member::Method<&ICanvas::PutImage>(56, "PutImage", Id::PutImage),
        Member::Method<&ICanvas::NewParagraph>(57, "NewParagraph", Id::NewParagraph),
        Member::Method<&ICanvas::NewPage>(58, "NewPage", Id::NewPage),
        Member::Method<&ICanvas::Export>(59, "Export", Id::Export),
        Member::Property(60, "DrawScale", Id::DrawScale, &ICanvas::get_DrawScale,
                         &ICanvas::put_DrawScale),
        Member::Method<&ICanvas::Draw>(62, "Draw", Id::Draw),
        Member::Method<&ICanvas::Printer>(63, "Printer", Id::Printer),
        Member::Method<&ICanvas::Preview>(64, "Preview", Id::Preview),
        Member::Method<&ICanvas::TransStart>(65, "TransStart", Id::TransStart),
        Member::Method<&ICanvas::TransStop>(66, "TransStop", Id::TransStop),
    });
    return rows;
}

} // namespace output
