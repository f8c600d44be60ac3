// The Preview class: the page list and its window behind the IPreview interface. Arguments are
// read by the module's lenient VARIANT rules; outcomes go to the [out] Error.
#include "output/preview/preview.h"

#include "output/class_info.h"
#include "output/common_object.h"
#include "output/member_tables.h"

#include <cstdint>
#include <new>

namespace output {

namespace {

// Window and bitmap handles travel as 32-bit integers, the width of the handle tables' values.
template <typename Handle>
Handle HandleOf(const VARIANT& value) {
    return reinterpret_cast<Handle>(
        static_cast<std::uintptr_t>(static_cast<std::uint32_t>(VariantToInt(value))));
}

PreviewSource SourceOf(const VARIANT& name, const VARIANT& format) {
    PreviewSource source;
    source.format = VariantToInt(format);
    if (source.format == 0) {
        source.handle = HandleOf<HBITMAP>(name);
    } else {
        source.name = VariantToText(name);
    }
    return source;
}

std::int32_t IntOrZero(const VARIANT* value) {
    return value != nullptr ? VariantToInt(*value) : 0;
}

class PreviewObject final : public OutputObject<IPreview> {
public:
    explicit PreviewObject(automation::ServerLock& server)
        : OutputObject<IPreview>(server, kPreviewClass, PreviewMembers()) {}

    HRESULT Reset() override {
        preview_.Reset();
        return S_OK;
    }

    HRESULT Add(VARIANT* Error, VARIANT Name, VARIANT Format) override {
        return Report(Error, preview_.Add(SourceOf(Name, Format)));
    }

    HRESULT Get(VARIANT* Error, VARIANT Index, VARIANT* Handle) override {
        HBITMAP bitmap = nullptr;
        const PreviewError outcome = preview_.Get(VariantToInt(Index), bitmap);
        if (outcome == PreviewError::OK) {
            SetInt(Handle, static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(bitmap)));
        }
        return Report(Error, outcome);
    }

    HRESULT Set(VARIANT* Error, VARIANT Index, VARIANT Name, VARIANT Format) override {
        return Report(Error, preview_.Set(VariantToInt(Index), SourceOf(Name, Format)));
    }

    HRESULT Insert(VARIANT* Error, VARIANT Index, VARIANT Name, VARIANT Format) override {
        return Report(Error, preview_.Insert(VariantToInt(Index), SourceOf(Name, Format)));
    }

    HRESULT Delete(VARIANT* Error, VARIANT Index) override {
        return Report(Error, preview_.Delete(VariantToInt(Index)));
    }

    HRESULT get_Count(VARIANT* pVal) override {
        SetInt(pVal, preview_.Count());
        return S_OK;
    }

    HRESULT Open(VARIANT* Error, VARIANT Parent) override {
        return Report(Error, preview_.Open(HandleOf<HWND>(Parent)));
    }

    HRESULT Refresh(VARIANT* Error, VARIANT Index) override {
        return Report(Error, preview_.Refresh(VariantToInt(Index)));
    }

    HRESULT Resize() override {
        preview_.Resize();
        return S_OK;
    }

    HRESULT get_SizeX(VARIANT* pVal) override {
        SetInt(pVal, preview_.SizeX());
        return S_OK;
    }

    HRESULT get_SizeY(VARIANT* pVal) override {
        SetInt(pVal, preview_.SizeY());
        return S_OK;
    }

    HRESULT Close() override {
        preview_.Close();
        return S_OK;
    }

    HRESULT Dialog(VARIANT* Error, VARIANT Parent, VARIANT Caption, VARIANT* XPos, VARIANT* YPos,
                   VARIANT* XSize, VARIANT* YSize) override {
        PreviewPlacement placement{IntOrZero(XPos), IntOrZero(YPos), IntOrZero(XSize),
                                   IntOrZero(YSize)};
        const PreviewError outcome =
            preview_.Dialog(HandleOf<HWND>(Parent), VariantToText(Caption), placement);
        if (outcome == PreviewError::OK) {
            SetInt(XPos, placement.x);
            SetInt(YPos, placement.y);
            SetInt(XSize, placement.width);
            SetInt(YSize, placement.height);
        }
        return Report(Error, outcome);
    }

private:
    Preview preview_;
};

} // namespace

IUnknown* CreatePreview(automation::ServerLock& server) {
    return new (std::nothrow) PreviewObject(server);
}

} // namespace output
