// The Graph class: the chart and its renderer behind the IGraph interface. Arguments are read by
// the module's lenient VARIANT rules; outcomes go to the [out] Error.
#include "output/class_info.h"
#include "output/common_object.h"
#include "output/graph/graph_chart.h"
#include "output/graph/graph_renderer.h"
#include "output/member_tables.h"

#include <new>

namespace output {

namespace {

class GraphObject final : public OutputObject<IGraph> {
public:
    explicit GraphObject(automation::ServerLock& server)
        : OutputObject<IGraph>(server, kGraphClass, GraphMembers()) {}

    HRESULT Reset() override {
        chart_.Reset();
        return S_OK;
    }

    HRESULT Draw(VARIANT* Error, VARIANT XSize, VARIANT YSize, VARIANT* Name,
                 VARIANT Format) override {
        const std::string name = Name != nullptr ? VariantToText(*Name) : std::string();
        HBITMAP handle = nullptr;
        const GraphError outcome = DrawGraph(chart_, VariantToInt(XSize), VariantToInt(YSize), name,
                                             VariantToInt(Format), handle);
        if (handle != nullptr) {
            // The handle table's values are 32-bit, so the handle travels as VT_I4.
            SetInt(Name, static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(handle)));
        }
        return Report(Error, outcome);
    }

    HRESULT ColumnClear() override {
        chart_.ColumnClear();
        return S_OK;
    }

    HRESULT ColumnAdd(VARIANT* Error, VARIANT Index, VARIANT Text) override {
        return Report(Error, chart_.ColumnAdd(VariantToInt(Index), VariantToText(Text)));
    }

    HRESULT RowClear() override {
        chart_.RowClear();
        return S_OK;
    }

    HRESULT RowAdd(VARIANT* Error, VARIANT Value, VARIANT Text) override {
        return Report(Error, chart_.RowAdd(VariantToDouble(Value), VariantToText(Text)));
    }

    HRESULT DataClear() override {
        chart_.DataClear();
        return S_OK;
    }

    HRESULT DataAdd(VARIANT* Error, VARIANT ID, VARIANT IndexMin, VARIANT IndexMax, VARIANT Color,
                    VARIANT Type) override {
        return Report(Error, chart_.DataAdd(VariantToText(ID), VariantToInt(IndexMin),
                                            VariantToInt(IndexMax), VariantToInt(Color),
                                            VariantToInt(Type)));
    }

    HRESULT GetValue(VARIANT* Error, VARIANT ID, VARIANT Index, VARIANT* Value) override {
        double value = 0.0;
        const GraphError outcome = chart_.GetValue(VariantToText(ID), VariantToInt(Index), value);
        SetDouble(Value, value);
        return Report(Error, outcome);
    }

    HRESULT SetValue(VARIANT* Error, VARIANT ID, VARIANT Index, VARIANT Value) override {
        return Report(
            Error, chart_.SetValue(VariantToText(ID), VariantToInt(Index), VariantToDouble(Value)));
    }

    HRESULT get_RotateX(VARIANT* pVal) override { return GetDouble(pVal, chart_.RotateX()); }
    HRESULT put_RotateX(VARIANT newVal) override {
        return PutDouble(newVal, &GraphChart::SetRotateX);
    }
    HRESULT get_RotateY(VARIANT* pVal) override { return GetDouble(pVal, chart_.RotateY()); }
    HRESULT put_RotateY(VARIANT newVal) override {
        return PutDouble(newVal, &GraphChart::SetRotateY);
    }
    HRESULT get_LightX(VARIANT* pVal) override { return GetDouble(pVal, chart_.LightX()); }
    HRESULT put_LightX(VARIANT newVal) override {
        return PutDouble(newVal, &GraphChart::SetLightX);
    }
    HRESULT get_LightY(VARIANT* pVal) override { return GetDouble(pVal, chart_.LightY()); }
    HRESULT put_LightY(VARIANT newVal) override {
        return PutDouble(newVal, &GraphChart::SetLightY);
    }
    HRESULT get_RowMode(VARIANT* pVal) override { return GetInt(pVal, chart_.RowMode()); }
    HRESULT put_RowMode(VARIANT newVal) override { return PutInt(newVal, &GraphChart::SetRowMode); }
    HRESULT get_ColorOfMask(VARIANT* pVal) override {
        return GetInt(pVal, chart_.ColorOfMask().value);
    }
    HRESULT put_ColorOfMask(VARIANT newVal) override {
        return PutInt(newVal, &GraphChart::SetColorOfMask);
    }
    HRESULT get_ColorOfBase(VARIANT* pVal) override {
        return GetInt(pVal, chart_.ColorOfBase().value);
    }
    HRESULT put_ColorOfBase(VARIANT newVal) override {
        return PutInt(newVal, &GraphChart::SetColorOfBase);
    }
    HRESULT get_ColorOfLabel(VARIANT* pVal) override {
        return GetInt(pVal, chart_.ColorOfLabel().value);
    }
    HRESULT put_ColorOfLabel(VARIANT newVal) override {
        return PutInt(newVal, &GraphChart::SetColorOfLabel);
    }
    HRESULT get_ColorOfLegend(VARIANT* pVal) override {
        return GetInt(pVal, chart_.ColorOfLegend());
    }
    HRESULT put_ColorOfLegend(VARIANT newVal) override {
        return PutInt(newVal, &GraphChart::SetColorOfLegend);
    }

    HRESULT AutoColumn() override {
        chart_.AutoColumn();
        return S_OK;
    }

    HRESULT AutoRow() override {
        chart_.AutoRow();
        return S_OK;
    }

    HRESULT WallpaperOff() override {
        chart_.WallpaperOff();
        return S_OK;
    }

    // Format 0: Name is a bitmap handle the object takes over; 1: the bitmap file Name names is
    // read (Name + ".bmp" as this module writes it, else Name + ".BMP").
    HRESULT WallpaperOn(VARIANT* Error, VARIANT Mode, VARIANT Name, VARIANT Format) override {
        const std::int32_t mode = VariantToInt(Mode);
        switch (VariantToInt(Format)) {
        case 0:
            chart_.WallpaperOnBitmap(mode, reinterpret_cast<HBITMAP>(static_cast<std::uintptr_t>(
                                               static_cast<std::uint32_t>(VariantToInt(Name)))));
            return Report(Error, GraphError::OK);
        case 1:
            return Report(Error, chart_.WallpaperOnFile(mode, VariantToText(Name)));
        default:
            chart_.WallpaperOff();
            return Report(Error, GraphError::InvalidFormat);
        }
    }

    HRESULT BackdropSolid(VARIANT Color) override {
        chart_.BackdropSolid(VariantToInt(Color));
        return S_OK;
    }

    HRESULT BackdropFade(VARIANT ColorFrom, VARIANT ColorTo) override {
        chart_.BackdropFade(VariantToInt(ColorFrom), VariantToInt(ColorTo));
        return S_OK;
    }

    HRESULT ClippingOff() override {
        chart_.ClippingOff();
        return S_OK;
    }

    HRESULT ClippingOn(VARIANT IndexMin, VARIANT IndexMax) override {
        chart_.ClippingOn(VariantToInt(IndexMin), VariantToInt(IndexMax));
        return S_OK;
    }

    HRESULT get_LegendX(VARIANT* pVal) override { return GetDouble(pVal, chart_.LegendX()); }
    HRESULT put_LegendX(VARIANT newVal) override {
        return PutDouble(newVal, &GraphChart::SetLegendX);
    }
    HRESULT get_LegendY(VARIANT* pVal) override { return GetDouble(pVal, chart_.LegendY()); }
    HRESULT put_LegendY(VARIANT newVal) override {
        return PutDouble(newVal, &GraphChart::SetLegendY);
    }
    HRESULT get_TitleX(VARIANT* pVal) override { return GetDouble(pVal, chart_.TitleX()); }
    HRESULT put_TitleX(VARIANT newVal) override {
        return PutDouble(newVal, &GraphChart::SetTitleX);
    }
    HRESULT get_TitleY(VARIANT* pVal) override { return GetDouble(pVal, chart_.TitleY()); }
    HRESULT put_TitleY(VARIANT newVal) override {
        return PutDouble(newVal, &GraphChart::SetTitleY);
    }

    HRESULT SetTitle(VARIANT Mode, VARIANT Text, VARIANT Size, VARIANT ColorOfText,
                     VARIANT ColorOfBack) override {
        chart_.SetTitle(VariantToInt(Mode), VariantToText(Text), VariantToDouble(Size),
                        VariantToInt(ColorOfText), VariantToInt(ColorOfBack));
        return S_OK;
    }

private:
    HRESULT PutDouble(const VARIANT& newVal, void (GraphChart::*set)(double)) {
        (chart_.*set)(VariantToDouble(newVal));
        return S_OK;
    }

    HRESULT PutInt(const VARIANT& newVal, void (GraphChart::*set)(std::int32_t)) {
        (chart_.*set)(VariantToInt(newVal));
        return S_OK;
    }

    GraphChart chart_;
};

} // namespace

IUnknown* CreateGraph(automation::ServerLock& server) {
    return new (std::nothrow) GraphObject(server);
}

} // namespace output
