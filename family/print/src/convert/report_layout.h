// The layout of one template into the pages and lines of a print file: lines filled word by word
// up to the right limit, tabs, alignment, pages broken where lines stop fitting or the template
// asks, kept paragraphs moved whole, headers and footers laid out for each page when its section
// ends, and the template's macros applied to every word on the way. The caller has read the
// font and colour tables and set the state's defaults; the layout starts at the body.
//
// A table breaks to a new page, below its heading laid out again, only between rows: a row that
// would leave no room for the table's tallest line waits for the next page. A row longer than
// the room left breaks like any paragraph, and its rest goes on without the heading. The
// template's own pictures join the header's picture table while it has room; the bitmaps listed
// there outlive the layout.
#pragma once

#include "family/print/pressel.h"
#include "family/print/src/convert/format_state.h"
#include "family/print/src/convert/layout_devices.h"
#include "family/print/src/convert/report_conditions.h"
#include "family/print/src/convert/report_macros.h"
#include "family/print/src/convert/report_markers.h"
#include "family/print/src/convert/rtf_interpreter.h"
#include "family/print/src/convert/rtf_tokenizer.h"
#include "family/print/src/printfile/print_file_buffer.h"
#include "family/print/src/printfile/print_file_layout.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pressel {

// The length of the text buffer the layout reads the template's words with: a word or a macro
// argument holds at most 99 characters.
inline constexpr std::size_t kMacroBufferLength = 100;

// Where the layout writes and what it lays out for.
struct LayoutTarget {
    PrintFileHeader& header;
    PrintFileBuffer& writer;
    LayoutDevices& devices;
    std::span<const PrintField> fields;
    const PrintTableList* tables = nullptr;
    int hostPictures = 0; // the caller's pictures, which "$#graph" places
    HWND dialog = nullptr;
};

class ReportLayout {
public:
    // `fontMap` and `colourMap` turn the template's font and colour numbers into the header's
    // table indexes.
    ReportLayout(RtfTokenizer& tokenizer, const LayoutTarget& target, const FormatState& defaults,
                 const std::array<std::uint8_t, 256>& fontMap,
                 const std::array<std::uint8_t, 256>& colourMap);

    // Lays the body out and decorates its pages, from the template's first content on; answers
    // 0, or the dialog's non-zero answer to a progress report. `fileSize` is the template's size,
    // the measure of progress.
    int Run(std::int64_t fileSize);

    // The template's markers as the pages show them: each at the top of the line it stands on
    // when that line was stored, else where the layout stood when it met the marker.
    const MarkPositions& Marks() const { return marks_; }

private:
    enum class LineEnd { kNone, kWrap, kLine, kParagraph, kPage, kSection, kDocument, kGroup };

    struct Content {
        int code = 0;
        std::string text;
        bool macrosApplied = false; // a word carried to the next line is not substituted again
    };

    struct LineState {
        LineRecord record;
        bool begun = false;
        bool hasContent = false;
        // A word, tab or picture stands on the line: a word that does not fit after it goes to
        // the next line. Before one, a word too wide for any line stands alone.
        bool mayBreak = false;
        bool heightTaken = false;
        std::int32_t layoutX = 0;
        std::int32_t printerX = 0;
        std::int32_t rightLimit = 0;
        std::int32_t printerAscent = 0;
        std::int32_t printerDescent = 0;
        // The run of spaces written last, taken back when the word after it does not fit.
        std::int64_t spaceRunOffset = -1;
        TextWidths spaceRunWidths;
        std::int32_t spaceRunCount = 0;
        std::int32_t countedSpaces = 0;
        // A centred or right tab waiting for the width of the text after it.
        bool tabPending = false;
        std::uint8_t tabKind = kTabLeft;
        std::int64_t tabOffset = 0;
        std::int32_t tabX = 0;
        std::int32_t rowsAdvanced = 0;
        bool endPageAfter = false;
    };

    // What the stream says now about the character format.
    struct WrittenFormat {
        std::uint8_t flags = 0;
        std::uint8_t font = 0;
        std::uint8_t textColour = 0;
        std::uint8_t backgroundColour = 0;
        std::int16_t height = 0;
    };

    // The slot of `groups_` of a header or footer word.
    static std::size_t GroupSlot(int code);

    struct RecordedGroup {
        std::int64_t offset = -1;
        CharacterFormat character;
    };

    struct TableState {
        bool on = false;
        int index = 0;
        int row = 0;
        bool firstPass = true;
        std::int64_t start = 0;
        std::int64_t rowStart = 0;
        std::int32_t noteHeight = 0;
        std::int32_t tallestLine = 0;
        bool rowWaits = false;
    };

    enum class MacroResult { kText, kConsumed, kPicture, kEndPage };

    // report_layout.cpp: the body's pages.
    void LayoutBody();
    void ClosePage(int nextFirstLine);
    void StartPageAt(int firstLine);
    void ReportLineProgress();

    // report_layout_lines.cpp: one line.
    LineEnd LayoutLine();
    Content NextContent();
    bool Visible() const;
    LineEnd PlaceContent(Content& content);
    void BeginLine();
    void ApplyFormat();
    void TakeFontHeights();
    LineEnd PlaceText(const std::string& text);
    void TakeBackSpaceRun();
    void PlaceTab();
    void SettleTab();
    void PlacePicture(int index, std::int16_t width, std::int16_t height);
    void PlaceTemplatePicture();
    void PlaceDrawing();
    void SkipHeaderOrFooter(int code);
    void FinishLine(LineEnd end);
    void PutCode(int code);
    void PutOperand(int code, std::span<const std::uint8_t> operand);
    void PutText(const std::string& text);

    // report_layout_headers.cpp: headers and footers of the pages a section laid out.
    void DecoratePages();
    void LayOutGroup(const RecordedGroup& group);

    // report_layout_macros.cpp: macros, conditions, tables, markers and fields.
    MacroResult ApplyMacros(std::string& text);
    std::string ReadArgument();
    bool ReadCondition();
    MacroResult TableMacro(const std::string& text);
    void AdvanceRow(bool withNote);
    void EndTable();
    void ClosePageInTable();
    void SetMark(int marker);
    void ResolveMarks();
    void SubstituteFieldWord(std::string& text);
    int PageIndex() const;

    RtfTokenizer& tokenizer_;
    RtfInterpreter interpreter_;
    LayoutTarget target_;
    FormatState state_;
    const std::array<std::uint8_t, 256>& fontMap_;
    const std::array<std::uint8_t, 256>& colourMap_;

    std::optional<Content> pending_;
    std::int64_t bodyStart_ = 0;
    std::int64_t fileSize_ = 0;
    int result_ = 0;
    bool stop_ = false;

    LineState line_;
    WrittenFormat written_;
    std::optional<CharacterFormat> fontMadeFor_;
    std::optional<MacroPicture> macroPicture_;

    // Pages.
    int bodyLine_ = 0;
    int headerLine_ = kFirstHeaderFooterLine;
    int pageFirstLine_ = 0;
    int undecoratedPage_ = 0;
    std::int32_t y_ = 0;
    std::int32_t bottom_ = 0;
    std::vector<std::int32_t> lineHeights_;
    int keepStart_ = 0;
    bool afterKeepNextParagraph_ = false;
    bool paragraphStart_ = true;
    bool noSpaceBefore_ = true;

    // Headers and footers: header, header of the first page, footer, footer of the first page.
    std::array<RecordedGroup, 4> groups_{};
    bool inGroup_ = false;
    int decoratingPage_ = 0;
    std::int32_t groupY_ = 0;

    ReportConditions conditions_;
    PageNumbering numbering_;
    TableState table_;

    // The line each marker was met on: a body line, or a header or footer line.
    struct MarkLine {
        bool inGroup = false;
        int index = 0;
    };
    MarkPositions marks_{};
    std::array<std::optional<MarkLine>, kMarkerCount> markLines_{};
};

} // namespace pressel
