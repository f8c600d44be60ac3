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
    dispidCanvas = 24,
    dispidTextRead = 25,
    dispidTextWrite = 26,
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
    // Lays the document out on the pages of the Canvas object in CanvasObj.
    virtual HRESULT Canvas(VARIANT* Error, VARIANT CanvasObj) = 0;
    // The document as text, for a caller that holds the template in memory: TextRead takes
    // Text (as its Windows-1252 text) as the whole document, as FileRead takes a file's bytes;
    // TextWrite gives the document back in Text, or 1001 and the empty text without one.
    virtual HRESULT TextRead(VARIANT* Error, VARIANT Text) = 0;
    virtual HRESULT TextWrite(VARIANT* Error, VARIANT* Text) = 0;
};

// Dispatch ids of ICanvas's own members. Kept in a scope of their own: other classes have
// members of the same names under other ids.
struct CanvasDispatchId {
    static constexpr DISPID kPageTotal = 5;
    static constexpr DISPID kPage = 6;
    static constexpr DISPID kPageX = 7;
    static constexpr DISPID kPageY = 8;
    static constexpr DISPID kCursorX = 9;
    static constexpr DISPID kCursorY = 10;
    static constexpr DISPID kDeviceList = 11;
    static constexpr DISPID kReset = 12;
    static constexpr DISPID kMarginTop = 13;
    static constexpr DISPID kMarginBottom = 14;
    static constexpr DISPID kMarginLeft = 15;
    static constexpr DISPID kMarginRight = 16;
    static constexpr DISPID kMarginIndent = 17;
    static constexpr DISPID kJustify = 18;
    static constexpr DISPID kFontName = 19;
    static constexpr DISPID kFontType = 20;
    static constexpr DISPID kFontSize = 21;
    static constexpr DISPID kFontBold = 22;
    static constexpr DISPID kFontUnder = 23;
    static constexpr DISPID kFontItalic = 24;
    static constexpr DISPID kColorOfText = 25;
    static constexpr DISPID kColorOfLine = 26;
    static constexpr DISPID kColorOfFill = 27;
    static constexpr DISPID kMeasure = 28;
    static constexpr DISPID kPutText = 29;
    static constexpr DISPID kPutLine = 30;
    static constexpr DISPID kPutPolygon = 31;
    static constexpr DISPID kPutImage = 32;
    static constexpr DISPID kNewParagraph = 33;
    static constexpr DISPID kNewPage = 34;
    static constexpr DISPID kExport = 35;
    static constexpr DISPID kDrawScale = 36;
    static constexpr DISPID kDraw = 37;
    static constexpr DISPID kPrinter = 38;
    static constexpr DISPID kPreview = 39;
    static constexpr DISPID kTransStart = 40;
    static constexpr DISPID kTransStop = 41;
};

// Page layout, printing and PDF export ("Output.Canvas"). Positions and sizes are twips, font
// sizes points, colours 0x00BBGGRR.
struct ICanvas : IOutputObject {
    virtual HRESULT get_PageTotal(VARIANT* pVal) = 0;
    virtual HRESULT get_Page(VARIANT* pVal) = 0;
    virtual HRESULT put_Page(VARIANT newVal) = 0;
    virtual HRESULT get_PageX(VARIANT* pVal) = 0;
    virtual HRESULT get_PageY(VARIANT* pVal) = 0;
    virtual HRESULT get_CursorX(VARIANT* pVal) = 0;
    virtual HRESULT put_CursorX(VARIANT newVal) = 0;
    virtual HRESULT get_CursorY(VARIANT* pVal) = 0;
    virtual HRESULT put_CursorY(VARIANT newVal) = 0;
    virtual HRESULT get_DeviceList(VARIANT* pVal) = 0;
    virtual HRESULT Reset(VARIANT* Error, VARIANT DevNum) = 0;
    virtual HRESULT get_MarginTop(VARIANT* pVal) = 0;
    virtual HRESULT put_MarginTop(VARIANT newVal) = 0;
    virtual HRESULT get_MarginBottom(VARIANT* pVal) = 0;
    virtual HRESULT put_MarginBottom(VARIANT newVal) = 0;
    virtual HRESULT get_MarginLeft(VARIANT* pVal) = 0;
    virtual HRESULT put_MarginLeft(VARIANT newVal) = 0;
    virtual HRESULT get_MarginRight(VARIANT* pVal) = 0;
    virtual HRESULT put_MarginRight(VARIANT newVal) = 0;
    virtual HRESULT get_MarginIndent(VARIANT* pVal) = 0;
    virtual HRESULT put_MarginIndent(VARIANT newVal) = 0;
    virtual HRESULT get_Justify(VARIANT* pVal) = 0;
    virtual HRESULT put_Justify(VARIANT newVal) = 0;
    virtual HRESULT get_FontName(VARIANT* pVal) = 0;
    virtual HRESULT put_FontName(VARIANT newVal) = 0;
    virtual HRESULT get_FontType(VARIANT* pVal) = 0;
    virtual HRESULT put_FontType(VARIANT newVal) = 0;
    virtual HRESULT get_FontSize(VARIANT* pVal) = 0;
    virtual HRESULT put_FontSize(VARIANT newVal) = 0;
    virtual HRESULT get_FontBold(VARIANT* pVal) = 0;
    virtual HRESULT put_FontBold(VARIANT newVal) = 0;
    virtual HRESULT get_FontUnder(VARIANT* pVal) = 0;
    virtual HRESULT put_FontUnder(VARIANT newVal) = 0;
    virtual HRESULT get_FontItalic(VARIANT* pVal) = 0;
    virtual HRESULT put_FontItalic(VARIANT newVal) = 0;
    virtual HRESULT get_ColorOfText(VARIANT* pVal) = 0;
    virtual HRESULT put_ColorOfText(VARIANT newVal) = 0;
    virtual HRESULT get_ColorOfLine(VARIANT* pVal) = 0;
    virtual HRESULT put_ColorOfLine(VARIANT newVal) = 0;
    virtual HRESULT get_ColorOfFill(VARIANT* pVal) = 0;
    virtual HRESULT put_ColorOfFill(VARIANT newVal) = 0;
    virtual HRESULT Measure(VARIANT Text, VARIANT* XSize, VARIANT* YSize) = 0;
    virtual HRESULT PutText(VARIANT Text) = 0;
    virtual HRESULT PutLine(VARIANT XFrom, VARIANT YFrom, VARIANT XTo, VARIANT YTo,
                            VARIANT Wide) = 0;
    virtual HRESULT PutPolygon(VARIANT* Error, VARIANT Points, VARIANT Wide, VARIANT DoLine,
                               VARIANT DoFill) = 0;
    virtual HRESULT PutImage(VARIANT* Error, VARIANT XPos, VARIANT YPos, VARIANT XSize,
                             VARIANT YSize, VARIANT Name, VARIANT Format) = 0;
    virtual HRESULT NewParagraph() = 0;
    virtual HRESULT NewPage() = 0;
    virtual HRESULT Export(VARIANT* Error, VARIANT Name, VARIANT Format) = 0;
    virtual HRESULT get_DrawScale(VARIANT* pVal) = 0;
    virtual HRESULT put_DrawScale(VARIANT newVal) = 0;
    // Name is [in, out]: a file name in, a bitmap handle out for Format 0.
    virtual HRESULT Draw(VARIANT* Error, VARIANT PageNum, VARIANT* Name, VARIANT Format) = 0;
    virtual HRESULT Printer(VARIANT* Error, VARIANT PageNum, VARIANT Name) = 0;
    virtual HRESULT Preview(VARIANT PreviewObj) = 0;
    virtual HRESULT TransStart() = 0;
    virtual HRESULT TransStop(VARIANT* Error, VARIANT Commit) = 0;
};

// The page preview window ("Output.Preview"); so far its common members only.
enum PreviewDispatchId : DISPID {
    dispidPreviewReset = 5,
    dispidPreviewAdd = 6,
    dispidPreviewGet = 7,
    dispidPreviewSet = 8,
    dispidPreviewInsert = 9,
    dispidPreviewDelete = 10,
    dispidPreviewCount = 11,
    dispidPreviewOpen = 12,
    dispidPreviewResize = 13,
    dispidPreviewClose = 14,
    dispidPreviewRefresh = 15,
    dispidPreviewSizeX = 16,
    dispidPreviewSizeY = 17,
    dispidPreviewDialog = 18,
};

// Page images shown in a scrolling window or a modal dialog ("Output.Preview").
struct IPreview : IOutputObject {
    virtual HRESULT Reset() = 0;
    virtual HRESULT Add(VARIANT* Error, VARIANT Name, VARIANT Format) = 0;
    virtual HRESULT Get(VARIANT* Error, VARIANT Index, VARIANT* Handle) = 0;
    virtual HRESULT Set(VARIANT* Error, VARIANT Index, VARIANT Name, VARIANT Format) = 0;
    virtual HRESULT Insert(VARIANT* Error, VARIANT Index, VARIANT Name, VARIANT Format) = 0;
    virtual HRESULT Delete(VARIANT* Error, VARIANT Index) = 0;
    virtual HRESULT get_Count(VARIANT* pVal) = 0;
    virtual HRESULT Open(VARIANT* Error, VARIANT Parent) = 0;
    virtual HRESULT Refresh(VARIANT* Error, VARIANT Index) = 0;
    virtual HRESULT Resize() = 0;
    virtual HRESULT get_SizeX(VARIANT* pVal) = 0;
    virtual HRESULT get_SizeY(VARIANT* pVal) = 0;
    virtual HRESULT Close() = 0;
    virtual HRESULT Dialog(VARIANT* Error, VARIANT Parent, VARIANT Caption, VARIANT* XPos,
                           VARIANT* YPos, VARIANT* XSize, VARIANT* YSize) = 0;
};

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
