// The template's macros, applied to each word before it is laid out: conditions, page numbers,
// tables repeated row by row, pictures of the caller, position markers, and field words.
#include "family/print/src/convert/report_layout.h"

#include "family/print/src/convert/report_fields.h"
#include "family/print/src/convert/rtf_keywords.h"
#include "family/print/src/dialogs/converter_feedback.h"
#include "family/print/src/render/page_lines.h"

namespace pressel {
namespace {

constexpr std::string_view kCellMacro = "$#TE";

bool IsSpaces(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

} // namespace

int ReportLayout::PageIndex() const {
    return inGroup_ ? decoratingPage_ : target_.header.pageCount;
}

std::string ReportLayout::ReadArgument() {
    while (!pending_) {
        Content content;
        content.code = interpreter_.Interpret(kMacroBufferLength, state_, content.text);
        if (content.code != kRtfText) {
            // Whatever ended the search for an argument is still laid out.
            pending_ = std::move(content);
            return {};
        }
        if (!IsSpaces(content.text)) {
            return content.text;
        }
    }
    return {};
}

bool ReportLayout::ReadCondition() {
    const std::string name = ReadArgument();
    if (!inGroup_ && name == "$#FirstHeader") {
        return table_.firstPass;
    }
    if (!inGroup_ && name == "$#NextHeader") {
        return !table_.firstPass;
    }
    int found = FindField(target_.fields, name);
    bool value = found >= 0;
    while (!pending_) {
        const std::int64_t position = tokenizer_.Tell();
        char c = ' ';
        while (c == ' ' && tokenizer_.ReadChar(c)) {
        }
        if (c == '|') {
            found = FindField(target_.fields, ReadArgument());
            value = value || found >= 0;
            continue;
        }
        if (c == '=') {
            const std::string wanted = ReadArgument();
            const char* fieldValue =
                found >= 0 ? target_.fields[static_cast<std::size_t>(found)].value : nullptr;
            return fieldValue != nullptr && wanted == fieldValue;
        }
        tokenizer_.SeekTo(position);
        break;
    }
    return value;
}

void ReportLayout::EndTable() {
    table_ = TableState{};
}

void ReportLayout::AdvanceRow(bool withNote) {
    const PrintTable& table = target_.tables->tables[table_.index];
    ++table_.row;
    table_.firstPass = false;
    ++line_.rowsAdvanced;
    if (table_.rowStart == 0 || table_.row >= table.rows) {
        EndTable();
        return;
    }
    // The next row goes below this one while it and the note still leave room for the table's
    // tallest line; otherwise it waits for a new page, below the table's heading laid out again.
    const std::int32_t note = withNote ? table_.noteHeight : 0;
    if (table_.rowWaits || y_ + note + table_.tallestLine >= bottom_) {
        if (withNote && !table_.rowWaits) {
            // The note after the macro is laid out first; the row advances at "$#endtable".
            --table_.row;
            --line_.rowsAdvanced;
            table_.rowWaits = true;
            return;
        }
        table_.rowWaits = true;
        line_.endPageAfter = true;
        return;
    }
    tokenizer_.SeekTo(table_.rowStart);
}

void ReportLayout::ClosePageInTable() {
    if (!table_.rowWaits) {
        return;
    }
    // The table's heading is laid out again on the new page, then the waiting row.
    table_.rowWaits = false;
    table_.rowStart = 0;
    table_.firstPass = false;
    pending_.reset();
    tokenizer_.SeekTo(table_.start);
}

ReportLayout::MacroResult ReportLayout::TableMacro(const std::string& text) {
    if (text == "$#table") {
        const std::string number = ReadArgument();
        EndTable();
        const int count = target_.tables != nullptr ? target_.tables->count : 0;
        const std::optional<int> index = MacroIndex(number, count);
        if (index && target_.tables->tables != nullptr) {
            table_.on = true;
            table_.index = *index;
            table_.start = tokenizer_.Tell();
        }
        return MacroResult::kConsumed;
    }
    if (!table_.on) {
        return text == "$#endtable" ? MacroResult::kConsumed : MacroResult::kText;
    }
    if (text == "$#tableentry") {
        table_.rowStart = tokenizer_.Tell();
        return MacroResult::kConsumed;
    }
    if (text == "$#tablenote") {
        table_.noteHeight = MacroArgument(ReadArgument());
        AdvanceRow(true);
        return MacroResult::kConsumed;
    }
    if (text == "$#endtable") {
        AdvanceRow(false);
        return line_.endPageAfter ? MacroResult::kEndPage : MacroResult::kConsumed;
    }
    return MacroResult::kText;
}

void ReportLayout::SetMark(int marker) {
    const std::int32_t x =
        line_.begun ? line_.layoutX : state_.section.marginLeft + state_.paragraph.leftIndent;
    const auto slot = static_cast<std::size_t>(marker);
    marks_[slot] = MarkPosition{x, inGroup_ ? groupY_ : y_, target_.header.pageCount};
    markLines_[slot] = MarkLine{inGroup_, inGroup_ ? headerLine_ : bodyLine_};
}

void ReportLayout::ResolveMarks() {
    // A marker's line may have moved since: to the next page when it did not fit, or up into a
    // footer whose height was not known while its lines were laid out.
    const PrintFileHeader& header = target_.header;
    for (std::size_t marker = 0; marker < marks_.size(); ++marker) {
        const std::optional<MarkLine>& line = markLines_[marker];
        for (int page = 0; line && page < header.pageCount; ++page) {
            const PageLines lines = LinesOfPage(header, page);
            std::optional<int> top;
            if (line->inGroup) {
                top = LineTop(header, lines.header, line->index);
                if (!top) {
                    top = LineTop(header, lines.footer, line->index);
                }
            } else {
                top = LineTop(header, lines.body, line->index);
                if (top) {
                    marks_[marker].page = page;
                }
            }
            if (top) {
                marks_[marker].y = *top;
                break;
            }
        }
    }
}

void ReportLayout::SubstituteFieldWord(std::string& text) {
    const FieldSubstitution substitution = SubstituteField(target_.fields, text);
    if (substitution.metNamelessEntry) {
        ShowLibraryMessage(nullptr, kFileErrorCaption, kNamelessFieldText);
    }
    if (substitution.outcome == FieldOutcome::kMissingValue) {
        ShowLibraryMessage(nullptr, kFileErrorCaption, kFieldWithoutValueText,
                           substitution.name.c_str());
    }
}

ReportLayout::MacroResult ReportLayout::ApplyMacros(std::string& text) {
    if (text.empty() || text[0] != '$') {
        return MacroResult::kText;
    }
    if (text == "$#if" && conditions_.CanOpen()) {
        conditions_.Open(conditions_.Current() && ReadCondition());
        return MacroResult::kConsumed;
    }
    if (text == "$#endif" && conditions_.CanClose()) {
        if (conditions_.Close()) {
            state_.object = DrawingObject{};
        }
        return MacroResult::kConsumed;
    }
    if (!Visible()) {
        return MacroResult::kConsumed;
    }
    if (text == "$#Page") {
        text = std::to_string(numbering_.Page(PageIndex()));
        return MacroResult::kText;
    }
    if (text == "$#LastPage") {
        text = std::to_string(numbering_.LastPage(target_.header.pageCount));
        return MacroResult::kText;
    }
    if (text == "$#graph") {
        const std::string index = ReadArgument();
        const std::string width = ReadArgument();
        const std::string height = ReadArgument();
        macroPicture_ = GraphMacroPicture(target_.hostPictures, index, width, height);
        return macroPicture_ ? MacroResult::kPicture : MacroResult::kConsumed;
    }
    if (text.size() == 7 && text.starts_with("$#mark") && text[6] >= '0' &&
        text[6] < '0' + kMarkerCount) {
        SetMark(text[6] - '0');
        return MacroResult::kConsumed;
    }
    if (!inGroup_) {
        if (text == "$#LastPageAdd") {
            numbering_.SetLastPageAddend(MacroArgument(ReadArgument()));
            return MacroResult::kConsumed;
        }
        if (text == "$#ResetPage") {
            numbering_.Reset(target_.header.pageCount);
            return MacroResult::kConsumed;
        }
        if (const MacroResult result = TableMacro(text); result != MacroResult::kText) {
            return result;
        }
        if (table_.on && text.starts_with(kCellMacro)) {
            const std::optional<std::string> cell =
                TableCellText(target_.tables->tables[table_.index], table_.row, text);
            if (!cell) {
                return MacroResult::kConsumed;
            }
            text = *cell;
        }
    }
    SubstituteFieldWord(text);
    return MacroResult::kText;
}

} // namespace pressel
