#include "program/ui/src/main_form_design.h"

#include "program/ui/main_form.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>

namespace ui {

namespace {

using K = forms::ControlKind;

// Twips. The window opens at its stored placement; these are its design values.
constexpr int kDesignWidth = 8370;
constexpr int kDesignHeight = 9000;

// clang-format off
constexpr forms::ControlRow kControls[] = {
    // name                         kind               container      tab  position                 caption
    {"ElasticOne1",                 K::Resizer,        "",            -1, {0, 0, 8220, 8250},       ""},
    {"Line1",                       K::Line,           "",            -1, {60, 15, 8100, 0},        ""},
    {"Line2",                       K::Line,           "",            -1, {60, 30, 8100, 0},        ""},
    {"lblUseJoint",                 K::Label,          "",            -1, {},                       "Use Joint Life Expectancy Table for RMD calculation if spouse is more than ten (10) years younger and the spouse is the sole beneficiary of the account?"},
    {"lblPlanType0",                K::Label,          "",            -1, {},                       "Plan Type"},
    {"lblPlanType1",                K::Label,          "",            -1, {},                       "Plan Type"},
    {"lblState",                    K::Label,          "",            -1, {},                       "State to Use for Income Tax Comparison Page"},
    {"cmboState",                   K::ComboBox,       "",            -1, {},                       ""},
    {"cmdToday",                    K::CommandButton,  "",            -1, {},                       "&Today"},
    {"VSPrinter1",                  K::PrintDocumentView, "TabOne1",   4, {120, 480, 7800, 7500},   ""},
    {"picGraph",                    K::PictureBox,     "TabOne1",      5, {120, 480, 5400, 5400},   ""},
    {"hScrollGraph",                K::HScrollBar,     "TabOne1",      5, {120, 5940, 5400, 255},   ""},
    {"chkBackground",               K::CheckBox,       "TabOne1",      5, {5640, 2400, 2200, 285},  "Background"},
    {"chkTopView",                  K::CheckBox,       "TabOne1",      5, {5640, 2760, 2200, 285},  "Top View"},
    {"chkGrayScale",                K::CheckBox,       "TabOne1",      5, {5640, 3120, 2200, 285},  "Gray Scale"},
    {"Timer1",                      K::Timer,          "",            -1, {},                       ""},
    {"mnuFile",                     K::Menu,           "",            -1, {},                       "&File"},
    {"mnuFileNew",                  K::Menu,           "mnuFile",     -1, {},                       "New &RMD Illustration"},
    {"mnuFileNewRBD",               K::Menu,           "mnuFile",     -1, {},                       "New R&MBD Illustration"},
    {"mnuFileNewEqual",             K::Menu,           "mnuFile",     -1, {},                       "New S&EPP Illustration"},
    {"mnuFileNewStretch",           K::Menu,           "mnuFile",     -1, {},                       "New S&tretch Illustration"},
    {"mnuFileSep1",                 K::Menu,           "mnuFile",     -1, {},                       "-"},
    {"mnuFileLoad",                 K::Menu,           "mnuFile",     -1, {},                       "&Load Illustration..."},
    {"mnuFileSave",                 K::Menu,           "mnuFile",     -1, {},                       "&Save Illustration"},
    {"mnuFileSep2",                 K::Menu,           "mnuFile",     -1, {},                       "-"},
    {"mnuFilePrint",                K::Menu,           "mnuFile",     -1, {},                       "&Print Report"},
    {"mnuFileExportPDF",            K::Menu,           "mnuFile",     -1, {},                       "Save Report as P&DF File"},
    {"mnuFileSep3",                 K::Menu,           "mnuFile",     -1, {},                       "-"},
    {"mnuFileExit",                 K::Menu,           "mnuFile",     -1, {},                       "E&xit"},
    {"mnuReport",                   K::Menu,           "",            -1, {},                       "&Report"},
    {"mnuReportCover",              K::Menu,           "mnuReport",   -1, {},                       "&Cover Page"},
    {"mnuReportWrenhall",           K::Menu,           "mnuReport",   -1, {},                       "&Summary"},
    {"mnuReportGraph",              K::Menu,           "mnuReport",   -1, {},                       "&Graph"},
    {"mnuReportLedger",             K::Menu,           "mnuReport",   -1, {},                       "&Ledger"},
    {"mnuReportTaxes",              K::Menu,           "mnuReport",   -1, {},                       "&Taxes"},
    {"mnuOptions",                  K::Menu,           "",            -1, {},                       "&Options"},
    {"mnuOptionsAdvisor",           K::Menu,           "mnuOptions",  -1, {},                       "&Representative Information..."},
    {"mnuOptionsCompact",           K::Menu,           "mnuOptions",  -1, {},                       "&Compact Illustration File"},
    {"mnuOptionsSep1",              K::Menu,           "mnuOptions",  -1, {},                       "-"},
    {"mnuOptionsBackup",            K::Menu,           "mnuOptions",  -1, {},                       "&Backup to Floppy"},
    {"mnuOptionsRestore",           K::Menu,           "mnuOptions",  -1, {},                       "R&estore from Floppy"},
    {"mnuOptionsInternetBackup",    K::Menu,           "mnuOptions",  -1, {},                       "Backup to the &Internet"},
    {"mnuOptionsInternetRestore",   K::Menu,           "mnuOptions",  -1, {},                       "Restore from the I&nternet"},
    {"mnuDebugMode",                K::Menu,           "",            -1, {},                       "&Details"},
    {"mnuHelp",                     K::Menu,           "",            -1, {},                       "&Help"},
    {"mnuHelpContents",             K::Menu,           "mnuHelp",     -1, {},                       "&Contents"},
    {"mnuHelpQuickStart",           K::Menu,           "mnuHelp",     -1, {},                       "&Quick Start"},
    {"mnuHelpFAQ",                  K::Menu,           "mnuHelp",     -1, {},                       "&FAQ"},
    {"mnuHelpSupport",              K::Menu,           "mnuHelp",     -1, {},                       "&Support on the Web"},
    {"mnuHelpUpdate",               K::Menu,           "mnuHelp",     -1, {},                       "Check for &Update"},
    {"mnuHelpSep1",                 K::Menu,           "mnuHelp",     -1, {},                       "-"},
    {"mnuHelpAbout",                K::Menu,           "mnuHelp",     -1, {},                       "&About..."},
};
// clang-format on

// What a frame holds, one row each, top to bottom: a field of txtInput by its index, or one
// of the window's other inputs.
enum Item : int {
    kUseJoint = -1,
    kPlanType0 = -2,
    kPlanType1 = -3,
    kSurvivingSpouse = -4,
    kRmdOnce = -5,
    kSkipSpouse = -6,
    kState = -7,
    kRoth = -8,
    kPaymentOptions = -9,
};

struct FrameDesign {
    int index; // Frame1(index)
    int tab;   // the page (ElasticOne2 element) it sits on
    int left;
    int width;
    const char* caption;
    std::initializer_list<int> items;
};

constexpr int kFrameLeft = 120;
constexpr int kWideFrame = 7500;
constexpr int kNarrowFrame = 3720;
constexpr int kSecondColumn = kFrameLeft + kNarrowFrame + 120;

// Frames 3, 6, 10 and 15 end the input tabs; the hint lines sit under them.
const FrameDesign kFrames[] = {
    {0, 0, kFrameLeft, kWideFrame, "Personal", {0, 1, 2, 3}},
    {1, 0, kFrameLeft, kWideFrame, "Spouse Beneficiary", {kUseJoint, 4}},
    {2, 0, kFrameLeft, kWideFrame, "Plan Information", {kPlanType0, 5, 6, 7}},
    {3, 0, kFrameLeft, kWideFrame, "RMD Calculation", {8, 9}},
    {4, 1, kFrameLeft, kWideFrame, "Personal", {10, 11, 12, 13, kSurvivingSpouse}},
    {5, 1, kFrameLeft, kWideFrame, "Plan Information", {kPlanType1, 14, 15, 51}},
    {6, 1, kFrameLeft, kWideFrame, "RMD Calculation", {16, 17}},
    {7, 3, kFrameLeft, kNarrowFrame, "Planholder", {32, 33, 34, 35, 36}},
    {8, 3, kFrameLeft, kNarrowFrame, "Spouse Beneficiary", {37, 38, 39, 40, 41, kSkipSpouse}},
    {9, 3, kSecondColumn, kNarrowFrame, "Non-Spouse Beneficiary", {42, 43, 44, 45, kState}},
    {10, 3, kSecondColumn, kNarrowFrame, "Plan Information", {46, kRoth, 47, 48, 49, 50}},
    {11, 2, kFrameLeft, kWideFrame, "Personal", {21, 22, 23, 24, 28}},
    {12, 2, kFrameLeft, kWideFrame, "Plan Information", {25, 26, kRmdOnce}},
    {13, 2, kFrameLeft, kWideFrame, "Required Minimum Distribution Method", {27}},
    {14, 2, kFrameLeft, kWideFrame, "Fixed Amortization / Annuitization Method", {29, 31}},
    {15, 2, kFrameLeft, kWideFrame, "Payment", {kPaymentOptions}},
};

constexpr int kRowHeight = 285; // the payment choices' pitch
constexpr int kControlHeight = 270;
constexpr int kRowGap = 15;
constexpr int kFrameTopMargin = 240;
constexpr int kFrameGap = 30;
constexpr int kPageTop = 390;
constexpr int kPaymentOptionRows = 7;
constexpr int kRmdMethodOptions = 3;
constexpr int kButtonWidth = 1500; // beside a wide frame's field; 900 in a narrow one
// A caption's line at the window's 8-point face: about 95 twips a character on average and
// 195 twips a line; a caption wider than its label wraps onto more lines.
constexpr int kCaptionCharacterWidth = 95;
constexpr int kCaptionLineHeight = 195;

int CaptionHeight(const std::string& caption, int width) {
    const int charactersPerLine = std::max(1, width / kCaptionCharacterWidth);
    const int characters = static_cast<int>(caption.size());
    const int lines = std::max(1, (characters + charactersPerLine - 1) / charactersPerLine);
    return lines == 1 ? kControlHeight : lines * kCaptionLineHeight + 30;
}

} // namespace

std::span<const forms::ControlRow> MainWindowControlRows() {
    return kControls;
}

void frmMain::DesignWindow() {
    Move(0, 0, kDesignWidth, kDesignHeight);
    TabOne1.SetContainer(ElasticOne1);
    TabOne1.Move(60, 120, 8100, 8030);
    for (int page = 0; page < 5; ++page) {
        forms::Resizer& container = ElasticOne2.Add(page);
        container.SetContainer(TabOne1, page);
        container.Move(60, kPageTop, 7860, 8030 - kPageTop);
    }
    // Frames stack down their column of their page.
    std::array<std::array<int, 2>, 5> nextTop{};
    for (const FrameDesign& design : kFrames) {
        forms::Frame& frame = Frame1.Add(design.index);
        frame.SetContainer(ElasticOne2(design.tab));
        frame.SetCaption(design.caption);
        const bool wide = design.width == kWideFrame;
        const int labelWidth = wide ? 4200 : 1800;
        const int boxLeft = 120 + labelWidth + 60;
        const int boxWidth = design.width - boxLeft - 120;
        int top = kFrameTopMargin;
        // A row is as tall as its caption's lines; its control sits on the row's first line.
        const auto place = [&](forms::Control& control, int left, int width, int height) {
            control.SetContainer(frame);
            control.Move(left, top, width, height);
        };
        const auto placeCaption = [&](forms::Label& label, int width) {
            const int height = CaptionHeight(label.Caption(), width);
            place(label, 120, width, height);
            return height;
        };
        for (const int item : design.items) {
            int rowHeight = kControlHeight;
            switch (item) {
            case kUseJoint: {
                // The question spans the frame; Yes and No stand under it.
                top +=
                    placeCaption(designed_.Named<forms::Label>("lblUseJoint"), design.width - 240) +
                    kRowGap;
                place(optUseJoint(0), boxLeft, 900, kControlHeight);
                place(optUseJoint(1), boxLeft + 960, 900, kControlHeight);
                break;
            }
            case kPlanType0:
            case kPlanType1: {
                const int list = item == kPlanType0 ? 0 : 1;
                placeCaption(
                    designed_.Named<forms::Label>(list == 0 ? "lblPlanType0" : "lblPlanType1"),
                    labelWidth);
                place(cmboPlanType(list), boxLeft, boxWidth, kControlHeight);
                break;
            }
            case kSurvivingSpouse:
                place(chkSurvivingSpouse, 120, design.width - 240, kControlHeight);
                break;
            case kRmdOnce:
                place(chkRMDOnce, 120, design.width - 240, kControlHeight);
                break;
            case kSkipSpouse:
                place(chkSkipSpouse, 120, design.width - 240, kControlHeight);
                break;
            case kState:
                rowHeight = placeCaption(designed_.Named<forms::Label>("lblState"), labelWidth);
                place(cmboState, boxLeft, boxWidth, kControlHeight);
                break;
            case kRoth:
                chkRoth.SetCaption("Roth IRA Plan");
                place(chkRoth, 120, design.width - 240, kControlHeight);
                break;
            case kPaymentOptions: {
                // Two columns: the RMD method's three choices, then the four fixed methods.
                constexpr int kColumnRows = 4;
                constexpr int kColumnWidth = 3600;
                rowHeight = kFrameTopMargin + kColumnRows * kRowHeight;
                place(fraEqualPmt, 120, design.width - 240, rowHeight);
                for (int option = 0; option < kPaymentOptionRows; ++option) {
                    const int column = option < kRmdMethodOptions ? 0 : 1;
                    const int row = column == 0 ? option : option - kRmdMethodOptions;
                    const int left = 120 + column * kColumnWidth;
                    const int optionTop = kFrameTopMargin - 30 + row * kRowHeight;
                    optEqualPmt(option).Move(left, optionTop, 2500, kControlHeight);
                    lblEqualPmt(option).Move(left + 2520, optionTop, 1000, kControlHeight);
                }
                break;
            }
            default: {
                if (lblInput.Exists(item)) {
                    rowHeight = placeCaption(lblInput(item), labelWidth);
                }
                // Fields with a button beside them leave it room.
                forms::CommandButton* beside = nullptr;
                if (item == 26) {
                    beside = &cmdToday;
                } else if (item == 31) {
                    beside = &cmdIRS;
                } else if (item == 36 || item == 41) {
                    beside = &cmdCalc(item == 36 ? 0 : 1);
                }
                const int buttonWidth = beside == nullptr ? 0 : wide ? kButtonWidth : 900;
                place(txtInput(item), boxLeft, boxWidth - buttonWidth, kControlHeight);
                if (beside != nullptr) {
                    place(*beside, boxLeft + boxWidth - buttonWidth + 60, buttonWidth - 60,
                          kControlHeight);
                }
                break;
            }
            }
            top += std::max(rowHeight, kControlHeight) + kRowGap;
        }
        const int column = design.left == kFrameLeft ? 0 : 1;
        int& pageTop =
            nextTop[static_cast<std::size_t>(design.tab)][static_cast<std::size_t>(column)];
        pageTop = std::max(pageTop, 30);
        frame.Move(design.left, pageTop, design.width, top + 45);
        pageTop += frame.Height() + kFrameGap;
    }
    // The hidden elements keep to the pages their tabs name.
    for (const illustration::FieldDefinition& field : illustration::FieldDefinitions()) {
        forms::TextBox& box = txtInput(field.index);
        if (box.Container() == nullptr) {
            box.SetContainer(ElasticOne2(field.index >= illustration::kFirstReportField ? 4 : 1));
        }
    }
    lblInput(30).SetContainer(ElasticOne2(2));
    txtInput(30).SetContainer(ElasticOne2(2));
    // The hint lines sit under the last frame of their tab; the graph page has its own.
    constexpr std::array<int, 4> kHintTabs = {0, 1, 3, 2};
    for (int hint = 0; hint < 4; ++hint) {
        Label3(hint).SetContainer(ElasticOne2(kHintTabs[static_cast<std::size_t>(hint)]));
        Label3(hint).Move(kFrameLeft, 0, kWideFrame, 2 * kControlHeight);
    }
    PlaceHintLines();
    forms::Label& graphHint = Label3.Add(4);
    graphHint.SetContainer(TabOne1, 5);
    graphHint.Move(5640, 480, 2200, 1800);
    graphHint.SetCaption("Choose the years to show:");
    lstGraph.SetContainer(TabOne1, 5);
    lstGraph.Move(5640, 1080, 2200, 1200);
    Timer1.SetInterval(1);
}

} // namespace ui
