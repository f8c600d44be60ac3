// The Output module's classes as callers see them: class and interface identities, and the dual
// interfaces in table order. The module itself is never linked: callers create its classes by
// class id or ProgID through platform/automation, which loads it as the registry names it.
//
// Every member takes VARIANTs ([in] by value, [out] as VARIANT*) and returns S_OK; members that
// can fail report their outcome in an [out] Error (VT_I4, 0 for success). Dispatch ids run in
// table order from 1, a property's get and put sharing one id.
#pragma once

#include "platform/automation/interfaces.h"

namespace output {

inline constexpr GUID LIBID_OUTPUTLib =
    automation::GuidLiteral("8F12DD40-08FB-11D6-9EFA-00105AE53874");

inline constexpr CLSID CLSID_Template =
    automation::GuidLiteral("8F12DD4E-08FB-11D6-9EFA-00105AE53874");
inline constexpr IID IID_ITemplate =
    automation::GuidLiteral("8F12DD4D-08FB-11D6-9EFA-00105AE53874");
inline constexpr CLSID CLSID_Canvas =
    automation::GuidLiteral("1474C256-89CE-46B2-A759-0A65093D6F2B");
inline constexpr IID IID_ICanvas = automation::GuidLiteral("DBA86B6F-C458-4E0B-9489-6FC4BB6B6B6A");
inline constexpr CLSID CLSID_Preview =
    automation::GuidLiteral("FBB54040-7B56-4986-AD6A-BCE1B8F83BEA");
inline constexpr IID IID_IPreview = automation::GuidLiteral("F502356F-2245-4C0A-9E31-762C4E4BE53E");
inline constexpr CLSID CLSID_Graph =
    automation::GuidLiteral("8C6D1CEA-57A3-41E5-9319-3DE36A5DBF0E");
inline constexpr IID IID_IGraph = automation::GuidLiteral("E76C687A-50E1-42A8-944C-51C2008B6F0A");

// Dispatch ids of the members every class starts with.
enum CommonDispatchId : DISPID {
    dispidServer = 1,
    dispidClassName = 2,
    dispidClassVer = 3,
    dispidErrorText = 4,
};

// The four members every interface of the module starts with (table slots 7 to 10). Not an
// interface of its own: it has no identity and no object answers QueryInterface for it.
struct IOutputObject : IDispatch {
    virtual HRESULT get_Server(VARIANT* pVal) = 0;
    virtual HRESULT get_ClassName(VARIANT* pVal) = 0;
    virtual HRESULT get_ClassVer(VARIANT* pVal) = 0;
    virtual HRESULT ErrorText(VARIANT Error, VARIANT* Text) = 0;
};

enum TemplateDispatchId : DISPID {
    dispidLogicIf = 5,
    dispidLogicElse = 6,
    dispidLogicEnd = 7,
    dispidTableStart = 8,
    dispidTableStop = 9,
    dispidEntryStart = 10,
    dispidEntryStop = 11,
    dispidReset = 12,
    dispidFileRead = 13,
    dispidFileWrite = 14,
    dispidSubClear = 15,
    dispidSubToken = 16,
    dispidDoSub = 17,
    dispidDoLogic = 18,
    dispidTableClear = 19,
    dispidTableEntry = 20,
    dispidDoTable = 21,
    dispidKillInfo = 22,
    dispidGetCRC = 23,
};

// The rich-text template engine ("Output.Template").
struct ITemplate : IOutputObject {
    virtual HRESULT get_LogicIf(VARIANT* pVal) = 0;
    virtual HRESULT put_LogicIf(VARIANT newVal) = 0;
    virtual HRESULT get_LogicElse(VARIANT* pVal) = 0;
    virtual HRESULT put_LogicElse(VARIANT newVal) = 0;
    virtual HRESULT get_LogicEnd(VARIANT* pVal) = 0;
    virtual HRESULT put_LogicEnd(VARIANT newVal) = 0;
    virtual HRESULT get_TableStart(VARIANT* pVal) = 0;
    virtual HRESULT put_TableStart(VARIANT newVal) = 0;
    virtual HRESULT get_TableStop(VARIANT* pVal) = 0;
    virtual HRESULT put_TableStop(VARIANT newVal) = 0;
    virtual HRESULT get_EntryStart(VARIANT* pVal) = 0;
    virtual HRESULT put_EntryStart(VARIANT newVal) = 0;
    virtual HRESULT get_EntryStop(VARIANT* pVal) = 0;
    virtual HRESULT put_EntryStop(VARIANT newVal) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT FileRead(VARIANT* Error, VARIANT Name) = 0;
    virtual HRESULT FileWrite(VARIANT* Error, VARIANT Name) = 0;
    virtual HRESULT SubClear() = 0;
    virtual HRESULT SubToken(VARIANT TokenKey, VARIANT TokenData) = 0;
    virtual HRESULT DoSub(VARIANT* Error) = 0;
    virtual HRESULT DoLogic(VARIANT* Error) = 0;
    virtual HRESULT TableClear() = 0;
    virtual HRESULT TableEntry(VARIANT Entry) = 0;
    virtual HRESULT DoTable(VARIANT* Error, VARIANT Name) = 0;
    virtual HRESULT KillInfo(VARIANT* Error) = 0;
    virtual HRESULT GetCRC(VARIANT* Error, VARIANT* CRC) = 0;
};

// Page layout, printing and PDF export ("Output.Canvas"); so far its common members only.
struct ICanvas : IOutputObject {};

// The page preview window ("Output.Preview"); so far its common members only.
struct IPreview : IOutputObject {};

enum GraphDispatchId : DISPID {
    dispidGraphReset = 5,
    dispidGraphDraw = 6,
    dispidGraphColumnClear = 7,
    dispidGraphColumnAdd = 8,
    dispidGraphRowClear = 9,
    dispidGraphRowAdd = 10,
    dispidGraphDataClear = 11,
    dispidGraphDataAdd = 12,
    dispidGraphGetValue = 13,
    dispidGraphSetValue = 14,
    dispidGraphRotateX = 15,
    dispidGraphRotateY = 16,
    dispidGraphLightX = 17,
    dispidGraphLightY = 18,
    dispidGraphRowMode = 19,
    dispidGraphColorOfMask = 20,
    dispidGraphColorOfBase = 21,
    dispidGraphColorOfLabel = 22,
    dispidGraphColorOfLegend = 23,
    dispidGraphAutoColumn = 24,
    dispidGraphAutoRow = 25,
    dispidGraphWallpaperOff = 26,
    dispidGraphWallpaperOn = 27,
    dispidGraphBackdropSolid = 28,
    dispidGraphBackdropFade = 29,
    dispidGraphClippingOff = 30,
    dispidGraphClippingOn = 31,
    dispidGraphLegendX = 32,
    dispidGraphLegendY = 33,
    dispidGraphTitleX = 34,
    dispidGraphTitleY = 35,
    dispidGraphSetTitle = 36,
};

// Three-dimensional charts drawn into bitmaps and image files ("Output.Graph").
struct IGraph : IOutputObject {
    virtual HRESULT Reset() = 0;
    virtual HRESULT Draw(VARIANT* Error, VARIANT XSize, VARIANT YSize, VARIANT* Name,
                         VARIANT Format) = 0;
    virtual HRESULT ColumnClear() = 0;
    virtual HRESULT ColumnAdd(VARIANT* Error, VARIANT Index, VARIANT Text) = 0;
    virtual HRESULT RowClear() = 0;
    virtual HRESULT RowAdd(VARIANT* Error, VARIANT Value, VARIANT Text) = 0;
    virtual HRESULT DataClear() = 0;
    virtual HRESULT DataAdd(VARIANT* Error, VARIANT ID, VARIANT IndexMin, VARIANT IndexMax,
                            VARIANT Color, VARIANT Type) = 0;
    virtual HRESULT GetValue(VARIANT* Error, VARIANT ID, VARIANT Index, VARIANT* Value) = 0;
    virtual HRESULT SetValue(VARIANT* Error, VARIANT ID, VARIANT Index, VARIANT Value) = 0;
    virtual HRESULT get_RotateX(VARIANT* pVal) = 0;
    virtual HRESULT put_RotateX(VARIANT newVal) = 0;
    virtual HRESULT get_RotateY(VARIANT* pVal) = 0;
    virtual HRESULT put_RotateY(VARIANT newVal) = 0;
    virtual HRESULT get_LightX(VARIANT* pVal) = 0;
    virtual HRESULT put_LightX(VARIANT newVal) = 0;
    virtual HRESULT get_LightY(VARIANT* pVal) = 0;
    virtual HRESULT put_LightY(VARIANT newVal) = 0;
    virtual HRESULT get_RowMode(VARIANT* pVal) = 0;
    virtual HRESULT put_RowMode(VARIANT newVal) = 0;
    virtual HRESULT get_ColorOfMask(VARIANT* pVal) = 0;
    virtual HRESULT put_ColorOfMask(VARIANT newVal) = 0;
    virtual HRESULT get_ColorOfBase(VARIANT* pVal) = 0;
    virtual HRESULT put_ColorOfBase(VARIANT newVal) = 0;
    virtual HRESULT get_ColorOfLabel(VARIANT* pVal) = 0;
    virtual HRESULT put_ColorOfLabel(VARIANT newVal) = 0;
    virtual HRESULT get_ColorOfLegend(VARIANT* pVal) = 0;
    virtual HRESULT put_ColorOfLegend(VARIANT newVal) = 0;
    virtual HRESULT AutoColumn() = 0;
    virtual HRESULT AutoRow() = 0;
    virtual HRESULT WallpaperOff() = 0;
    virtual HRESULT WallpaperOn(VARIANT* Error, VARIANT Mode, VARIANT Name, VARIANT Format) = 0;
    virtual HRESULT BackdropSolid(VARIANT Color) = 0;
    virtual HRESULT BackdropFade(VARIANT ColorFrom, VARIANT ColorTo) = 0;
    virtual HRESULT ClippingOff() = 0;
    virtual HRESULT ClippingOn(VARIANT IndexMin, VARIANT IndexMax) = 0;
    virtual HRESULT get_LegendX(VARIANT* pVal) = 0;
    virtual HRESULT put_LegendX(VARIANT newVal) = 0;
    virtual HRESULT get_LegendY(VARIANT* pVal) = 0;
    virtual HRESULT put_LegendY(VARIANT newVal) = 0;
    virtual HRESULT get_TitleX(VARIANT* pVal) = 0;
    virtual HRESULT put_TitleX(VARIANT newVal) = 0;
    virtual HRESULT get_TitleY(VARIANT* pVal) = 0;
    virtual HRESULT put_TitleY(VARIANT newVal) = 0;
    virtual HRESULT SetTitle(VARIANT Mode, VARIANT Text, VARIANT Size, VARIANT ColorOfText,
                             VARIANT ColorOfBack) = 0;
};

} // namespace output
