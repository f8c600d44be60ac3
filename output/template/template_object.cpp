// The Template class: the template engine behind the ITemplate interface. Arguments are read by
// the module's lenient VARIANT rules; outcomes go to the [out] Error.
#include "output/class_info.h"
#include "output/common_object.h"
#include "output/member_tables.h"
#include "output/template/canvas_rendering.h"
#include "output/template/template_document.h"

#include "platform/automation/interface_pointer.h"

#include <new>

namespace output {

namespace {

class TemplateObject final : public OutputObject<ITemplate> {
public:
    explicit TemplateObject(automation::ServerLock& server)
        : OutputObject<ITemplate>(server, kTemplateClass, TemplateMembers()) {}

    HRESULT get_LogicIf(VARIANT* pVal) override { return GetMarker(Marker::LogicIf, pVal); }
    HRESULT put_LogicIf(VARIANT newVal) override { return PutMarker(Marker::LogicIf, newVal); }
    HRESULT get_LogicElse(VARIANT* pVal) override { return GetMarker(Marker::LogicElse, pVal); }
    HRESULT put_LogicElse(VARIANT newVal) override { return PutMarker(Marker::LogicElse, newVal); }
    HRESULT get_LogicEnd(VARIANT* pVal) override { return GetMarker(Marker::LogicEnd, pVal); }
    HRESULT put_LogicEnd(VARIANT newVal) override { return PutMarker(Marker::LogicEnd, newVal); }
    HRESULT get_TableStart(VARIANT* pVal) override { return GetMarker(Marker::TableStart, pVal); }
    HRESULT put_TableStart(VARIANT newVal) override {
        return PutMarker(Marker::TableStart, newVal);
    }
    HRESULT get_TableStop(VARIANT* pVal) override { return GetMarker(Marker::TableStop, pVal); }
    HRESULT put_TableStop(VARIANT newVal) override { return PutMarker(Marker::TableStop, newVal); }
    HRESULT get_EntryStart(VARIANT* pVal) override { return GetMarker(Marker::EntryStart, pVal); }
    HRESULT put_EntryStart(VARIANT newVal) override {
        return PutMarker(Marker::EntryStart, newVal);
    }
    HRESULT get_EntryStop(VARIANT* pVal) override { return GetMarker(Marker::EntryStop, pVal); }
    HRESULT put_EntryStop(VARIANT newVal) override { return PutMarker(Marker::EntryStop, newVal); }

    HRESULT Reset() override {
        document_.Reset();
        return S_OK;
    }

    HRESULT FileRead(VARIANT* Error, VARIANT Name) override {
        return Report(Error, document_.FileRead(VariantToText(Name)));
    }

    HRESULT FileWrite(VARIANT* Error, VARIANT Name) override {
        return Report(Error, document_.FileWrite(VariantToText(Name)));
    }

    HRESULT SubClear() override {
        document_.SubClear();
        return S_OK;
    }

    HRESULT SubToken(VARIANT TokenKey, VARIANT TokenData) override {
        document_.SubToken(VariantToText(TokenKey), VariantToText(TokenData));
        return S_OK;
    }

    HRESULT DoSub(VARIANT* Error) override { return Report(Error, document_.DoSub()); }

    HRESULT DoLogic(VARIANT* Error) override { return Report(Error, document_.DoLogic()); }

    HRESULT TableClear() override {
        document_.TableClear();
        return S_OK;
    }

    HRESULT TableEntry(VARIANT Entry) override {
        document_.TableEntry(VariantToText(Entry));
        return S_OK;
    }

    HRESULT DoTable(VARIANT* Error, VARIANT Name) override {
        return Report(Error, document_.DoTable(VariantToText(Name)));
    }

    HRESULT KillInfo(VARIANT* Error) override { return Report(Error, document_.KillInfo()); }

    HRESULT GetCRC(VARIANT* Error, VARIANT* CRC) override {
        std::int32_t crc = 0;
        const TemplateError outcome = document_.GetCRC(crc);
        SetInt(CRC, crc);
        return Report(Error, outcome);
    }

    // Without a document: NoData. CanvasObj must hold a Canvas object; anything else has
    // nowhere to write the document to: WriteFailure.
    HRESULT Canvas(VARIANT* Error, VARIANT CanvasObj) override {
        const auto& document = document_.Document();
        if (!document) {
            return Report(Error, TemplateError::NoData);
        }
        const auto canvas = CanvasOf(CanvasObj);
        if (!canvas) {
            return Report(Error, TemplateError::WriteFailure);
        }
        RenderOnCanvas(*document, *canvas.Get());
        return Report(Error, TemplateError::OK);
    }

    HRESULT TextRead(VARIANT* Error, VARIANT Text) override {
        document_.SetDocument(VariantToText(Text));
        return Report(Error, TemplateError::OK);
    }

    HRESULT TextWrite(VARIANT* Error, VARIANT* Text) override {
        const auto& document = document_.Document();
        SetText(Text, document ? *document : std::string());
        return Report(Error, document ? TemplateError::OK : TemplateError::NoData);
    }

private:
    // The ICanvas of the object a VARIANT holds, directly or by one reference.
    static automation::InterfacePointer<ICanvas> CanvasOf(const VARIANT& argument) {
        const bool referred = argument.vt == (VT_BYREF | VT_VARIANT) && argument.pvarVal != nullptr;
        const VARIANT& value = referred ? *argument.pvarVal : argument;
        IUnknown* object = nullptr;
        switch (value.vt) {
        case VT_UNKNOWN:
            object = value.punkVal;
            break;
        case VT_DISPATCH:
            object = value.pdispVal;
            break;
        case VT_BYREF | VT_UNKNOWN:
            object = value.ppunkVal != nullptr ? *value.ppunkVal : nullptr;
            break;
        case VT_BYREF | VT_DISPATCH:
            object = value.ppdispVal != nullptr ? *value.ppdispVal : nullptr;
            break;
        default:
            break;
        }
        automation::InterfacePointer<ICanvas> canvas;
        if (object != nullptr) {
            object->QueryInterface(IID_ICanvas, canvas.Receive());
        }
        return canvas;
    }

    HRESULT GetMarker(Marker marker, VARIANT* pVal) {
        SetText(pVal, document_.MarkerText(marker));
        return S_OK;
    }

    HRESULT PutMarker(Marker marker, const VARIANT& newVal) {
        document_.SetMarker(marker, VariantToText(newVal));
        return S_OK;
    }

    TemplateDocument document_;
};

} // namespace

IUnknown* CreateTemplate(automation::ServerLock& server) {
    return new (std::nothrow) TemplateObject(server);
}

} // namespace output
