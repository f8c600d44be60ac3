// The Canvas class: the canvas engine behind the ICanvas interface. Arguments are read by the
// module's lenient VARIANT rules; outcomes go to the [out] Error.
//
// A number that is not finite (an infinity or NaN, from a real or from a text such as "1e999")
// has no integer to stand for: members with an Error refuse it with InvalidFormat, the canvas's
// code for a bad argument, and change nothing; members without one ignore the call.
#include "output/canvas/canvas.h"

#include "output/canvas/page_bitmap.h"
#include "output/canvas/page_files.h"
#include "output/canvas/page_printer.h"
#include "output/class_info.h"
#include "output/common_object.h"
#include "output/member_tables.h"

#include "platform/automation/interface_pointer.h"
#include "platform/automation/variant.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <new>

namespace output {

namespace {

enum class DrawFormat : std::int32_t { Handle = 0, Bitmap = 1, Gif = 2, Tiff = 3 };

// The Preview interface of the object a VARIANT holds, directly or by reference; null for any
// other value.
automation::InterfacePointer<IPreview> PreviewOf(const VARIANT& value) {
    const VARIANT& held =
        value.vt == (VT_BYREF | VT_VARIANT) && value.pvarVal != nullptr ? *value.pvarVal : value;
    IUnknown* object = nullptr;
    switch (held.vt) {
    case VT_DISPATCH:
        object = held.pdispVal;
        break;
    case VT_UNKNOWN:
        object = held.punkVal;
        break;
    case VT_BYREF | VT_DISPATCH:
        object = held.ppdispVal != nullptr ? *held.ppdispVal : nullptr;
        break;
    case VT_BYREF | VT_UNKNOWN:
        object = held.ppunkVal != nullptr ? *held.ppunkVal : nullptr;
        break;
    default:
        break;
    }
    automation::InterfacePointer<IPreview> preview;
    if (object != nullptr) {
        object->QueryInterface(IID_IPreview, preview.Receive());
    }
    return preview;
}

bool AllFinite(std::initializer_list<const VARIANT*> values) {
    for (const VARIANT* value : values) {
        if (!std::isfinite(VariantToDouble(*value))) {
            return false;
        }
    }
    return true;
}

class CanvasObject final : public OutputObject<ICanvas> {
public:
    explicit CanvasObject(automation::ServerLock& server)
        : OutputObject<ICanvas>(server, kCanvasClass, CanvasMembers()) {}

    HRESULT get_PageTotal(VARIANT* pVal) override { return GetInt(pVal, canvas_.PageTotal()); }
    HRESULT get_Page(VARIANT* pVal) override { return GetInt(pVal, canvas_.Page()); }
    HRESULT put_Page(VARIANT newVal) override { return PutInt(newVal, &Canvas::SetPage); }
    HRESULT get_PageX(VARIANT* pVal) override { return GetInt(pVal, canvas_.PageX()); }
    HRESULT get_PageY(VARIANT* pVal) override { return GetInt(pVal, canvas_.PageY()); }
    HRESULT get_CursorX(VARIANT* pVal) override { return GetInt(pVal, canvas_.CursorX()); }
    HRESULT put_CursorX(VARIANT newVal) override { return PutInt(newVal, &Canvas::SetCursorX); }
    HRESULT get_CursorY(VARIANT* pVal) override { return GetInt(pVal, canvas_.CursorY()); }
    HRESULT put_CursorY(VARIANT newVal) override { return PutInt(newVal, &Canvas::SetCursorY); }

    HRESULT get_DeviceList(VARIANT* pVal) override {
        SetText(pVal, canvas_.DeviceList());
        return S_OK;
    }

    HRESULT Reset(VARIANT* Error, VARIANT DevNum) override {
        if (!AllFinite({&DevNum})) {
            return Report(Error, CanvasError::InvalidFormat);
        }
        return Report(Error, canvas_.Reset(VariantToInt(DevNum)));
    }

    HRESULT get_MarginTop(VARIANT* pVal) override { return GetInt(pVal, canvas_.GetMargins().top); }
    HRESULT put_MarginTop(VARIANT newVal) override { return PutInt(newVal, &Canvas::SetMarginTop); }
    HRESULT get_MarginBottom(VARIANT* pVal) override {
        return GetInt(pVal, canvas_.GetMargins().bottom);
    }
    HRESULT put_MarginBottom(VARIANT newVal) override {
        return PutInt(newVal, &Canvas::SetMarginBottom);
    }
    HRESULT get_MarginLeft(VARIANT* pVal) override {
        return GetInt(pVal, canvas_.GetMargins().left);
    }
    HRESULT put_MarginLeft(VARIANT newVal) override {
        return PutInt(newVal, &Canvas::SetMarginLeft);
    }
    HRESULT get_MarginRight(VARIANT* pVal) override {
        return GetInt(pVal, canvas_.GetMargins().right);
    }
    HRESULT put_MarginRight(VARIANT newVal) override {
        return PutInt(newVal, &Canvas::SetMarginRight);
    }
    HRESULT get_MarginIndent(VARIANT* pVal) override {
        return GetInt(pVal, canvas_.GetMargins().indent);
    }
    HRESULT put_MarginIndent(VARIANT newVal) override {
        return PutInt(newVal, &Canvas::SetMarginIndent);
    }
    HRESULT get_Justify(VARIANT* pVal) override {
        return GetInt(pVal, static_cast<std::int32_t>(canvas_.GetMargins().justify));
    }
    HRESULT put_Justify(VARIANT newVal) override { return PutInt(newVal, &Canvas::SetJustify); }

    HRESULT get_FontName(VARIANT* pVal) override {
        SetText(pVal, canvas_.Font().name);
        return S_OK;
    }
    HRESULT put_FontName(VARIANT newVal) override {
        canvas_.SetFontName(VariantToText(newVal));
        return S_OK;
    }
    HRESULT get_FontType(VARIANT* pVal) override { return GetInt(pVal, canvas_.Font().type); }
    HRESULT put_FontType(VARIANT newVal) override { return PutInt(newVal, &Canvas::SetFontType); }
    HRESULT get_FontSize(VARIANT* pVal) override { return GetInt(pVal, canvas_.Font().size); }
    HRESULT put_FontSize(VARIANT newVal) override { return PutInt(newVal, &Canvas::SetFontSize); }
    HRESULT get_FontBold(VARIANT* pVal) override { return GetBool(pVal, canvas_.Font().bold); }
    HRESULT put_FontBold(VARIANT newVal) override { return PutBool(newVal, &Canvas::SetFontBold); }
    HRESULT get_FontUnder(VARIANT* pVal) override {
        return GetBool(pVal, canvas_.Font().underline);
    }
    HRESULT put_FontUnder(VARIANT newVal) override {
        return PutBool(newVal, &Canvas::SetFontUnder);
    }
    HRESULT get_FontItalic(VARIANT* pVal) override { return GetBool(pVal, canvas_.Font().italic); }
    HRESULT put_FontItalic(VARIANT newVal) override {
        return PutBool(newVal, &Canvas::SetFontItalic);
    }

    HRESULT get_ColorOfText(VARIANT* pVal) override {
        return GetColour(pVal, canvas_.Colours().text);
    }
    HRESULT put_ColorOfText(VARIANT newVal) override {
        return PutColour(newVal, &Canvas::SetColorOfText);
    }
    HRESULT get_ColorOfLine(VARIANT* pVal) override {
        return GetColour(pVal, canvas_.Colours().line);
    }
    HRESULT put_ColorOfLine(VARIANT newVal) override {
        return PutColour(newVal, &Canvas::SetColorOfLine);
    }
    HRESULT get_ColorOfFill(VARIANT* pVal) override {
        return GetColour(pVal, canvas_.Colours().fill);
    }
    HRESULT put_ColorOfFill(VARIANT newVal) override {
        return PutColour(newVal, &Canvas::SetColorOfFill);
    }

    HRESULT Measure(VARIANT Text, VARIANT* XSize, VARIANT* YSize) override {
        const SIZE size = canvas_.Measure(VariantToText(Text));
        SetInt(XSize, size.cx);
        SetInt(YSize, size.cy);
        return S_OK;
    }

    HRESULT PutText(VARIANT Text) override {
        canvas_.PutText(VariantToText(Text));
        return S_OK;
    }

    HRESULT PutLine(VARIANT XFrom, VARIANT YFrom, VARIANT XTo, VARIANT YTo, VARIANT Wide) override {
        if (AllFinite({&XFrom, &YFrom, &XTo, &YTo, &Wide})) {
            canvas_.PutLine(VariantToInt(XFrom), VariantToInt(YFrom), VariantToInt(XTo),
                            VariantToInt(YTo), VariantToInt(Wide));
        }
        return S_OK;
    }

    HRESULT PutPolygon(VARIANT* Error, VARIANT Points, VARIANT Wide, VARIANT DoLine,
                       VARIANT DoFill) override {
        if (!AllFinite({&Wide})) {
            return Report(Error, CanvasError::InvalidFormat);
        }
        return Report(Error, canvas_.PutPolygon(VariantToText(Points), VariantToInt(Wide),
                                                VariantToBool(DoLine), VariantToBool(DoFill)));
    }

    HRESULT PutImage(VARIANT* Error, VARIANT XPos, VARIANT YPos, VARIANT XSize, VARIANT YSize,
                     VARIANT Name, VARIANT Format) override {
        if (!AllFinite({&XPos, &YPos, &XSize, &YSize, &Format})) {
            return Report(Error, CanvasError::InvalidFormat);
        }
        return Report(Error, canvas_.PutImage(VariantToInt(XPos), VariantToInt(YPos),
                                              VariantToInt(XSize), VariantToInt(YSize),
                                              VariantToText(Name), VariantToInt(Format)));
    }

    HRESULT NewParagraph() override {
        canvas_.NewParagraph();
        return S_OK;
    }

    HRESULT NewPage() override {
        canvas_.NewPage();
        return S_OK;
    }

    HRESULT Export(VARIANT* Error, VARIANT Name, VARIANT Format) override {
        if (!AllFinite({&Format})) {
            return Report(Error, CanvasError::InvalidFormat);
        }
        return Report(Error, canvas_.Export(VariantToText(Name), VariantToInt(Format)));
    }

    HRESULT get_DrawScale(VARIANT* pVal) override { return GetInt(pVal, canvas_.DrawScale()); }
    HRESULT put_DrawScale(VARIANT newVal) override { return PutInt(newVal, &Canvas::SetDrawScale); }

    HRESULT Draw(VARIANT* Error, VARIANT PageNum, VARIANT* Name, VARIANT Format) override {
        if (!AllFinite({&PageNum, &Format})) {
            return Report(Error, CanvasError::InvalidFormat);
        }
        return Report(Error, DrawPages(VariantToInt(PageNum), Name, VariantToInt(Format)));
    }

    HRESULT Printer(VARIANT* Error, VARIANT PageNum, VARIANT Name) override {
        if (!AllFinite({&PageNum})) {
            return Report(Error, CanvasError::InvalidFormat);
        }
        if (canvas_.CurrentDevice() == nullptr) {
            return Report(Error, CanvasError::InvalidDevice);
        }
        const std::int32_t page = VariantToInt(PageNum);
        if (const CanvasError outcome = CheckPage(page); outcome != CanvasError::OK) {
            return Report(Error, outcome);
        }
        return Report(Error, PrintPages(canvas_, page, VariantToText(Name)));
    }

    // Hands every page's bitmap to the Preview object, which owns it from then on. What Add
    // answers is the preview's business: nothing is reported.
    HRESULT Preview(VARIANT PreviewObj) override {
        const automation::InterfacePointer<IPreview> preview = PreviewOf(PreviewObj);
        if (!preview) {
            return S_OK;
        }
        for (std::int32_t page = 1; page <= canvas_.PageTotal(); ++page) {
            OwnedBitmap bitmap = RenderPage(canvas_, page);
            if (!bitmap) {
                continue;
            }
            automation::Variant error;
            const automation::Variant handle = automation::Variant::FromInt(
                static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(bitmap.Release())));
            preview->Add(&error, *handle, *automation::Variant::FromInt(0));
        }
        return S_OK;
    }

    HRESULT TransStart() override {
        canvas_.TransStart();
        return S_OK;
    }

    HRESULT TransStop(VARIANT* Error, VARIANT Commit) override {
        return Report(Error, canvas_.TransStop(VariantToBool(Commit)));
    }

private:
    // CanvasEmpty without pages, InvalidPage for a number that is neither 0 (every page) nor a
    // page of the canvas.
    CanvasError CheckPage(std::int32_t page) const {
        if (canvas_.PageTotal() == 0) {
            return CanvasError::CanvasEmpty;
        }
        if (page < 0 || page > canvas_.PageTotal()) {
            return CanvasError::InvalidPage;
        }
        return CanvasError::OK;
    }

    // Format 0 hands one page's bitmap to the caller, its handle a number in `name`; the file
    // formats write the page, or every page, to files named after the text in `name`.
    CanvasError DrawPages(std::int32_t page, VARIANT* name, std::int32_t format) {
        if (const CanvasError outcome = CheckPage(page); outcome != CanvasError::OK) {
            return outcome;
        }
        switch (static_cast<DrawFormat>(format)) {
        case DrawFormat::Handle: {
            OwnedBitmap bitmap = RenderPage(canvas_, page == 0 ? 1 : page);
            if (!bitmap) {
                return CanvasError::CannotAccessFile;
            }
            if (page == 0) {
                return CanvasError::InvalidFormat;
            }
            const auto handle = reinterpret_cast<std::uintptr_t>(bitmap.Release());
            SetInt(name, static_cast<std::int32_t>(handle));
            return CanvasError::OK;
        }
        case DrawFormat::Bitmap:
        case DrawFormat::Gif:
        case DrawFormat::Tiff:
            return WritePageFiles(canvas_, page, name != nullptr ? VariantToText(*name) : "",
                                  static_cast<PageFileFormat>(format));
        }
        return CanvasError::InvalidFormat;
    }

    static HRESULT GetColour(VARIANT* pVal, COLORREF colour) {
        SetInt(pVal, static_cast<std::int32_t>(colour));
        return S_OK;
    }

    HRESULT PutInt(const VARIANT& newVal, void (Canvas::*set)(std::int32_t)) {
        if (AllFinite({&newVal})) {
            (canvas_.*set)(VariantToInt(newVal));
        }
        return S_OK;
    }

    HRESULT PutBool(const VARIANT& newVal, void (Canvas::*set)(bool)) {
        (canvas_.*set)(VariantToBool(newVal));
        return S_OK;
    }

    HRESULT PutColour(const VARIANT& newVal, void (Canvas::*set)(COLORREF)) {
        if (AllFinite({&newVal})) {
            (canvas_.*set)(static_cast<COLORREF>(VariantToInt(newVal)));
        }
        return S_OK;
    }

    Canvas canvas_;
};

} // namespace

IUnknown* CreateCanvas(automation::ServerLock& server) {
    return new (std::nothrow) CanvasObject(server);
}

} // namespace output
