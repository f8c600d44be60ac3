// DoTable: table blocks.
//
//   $#table NAME  head  $#entry FIRST,EVERY  row  $#endentry  tail  $#endtable
//
// A block named NAME is read into its three parts and replaced by the head, one copy of the row
// per entry with its cells filled in, and the tail. What the block held of the rich text's
// structure stays in the output as a dropped stretch keeps it (structure_keeper.h), and the table
// is inserted after the last brace the block closed of a group opened before it. Blocks of other
// names are copied as they are.
#include "output/template/structure_keeper.h"
#include "output/template/template_document.h"
#include "output/template/template_scan.h"

#include "platform/automation/variant_text.h"

namespace output {

namespace {

// One part of a block, collected group by group: a group goes into the part only once its
// closing brace arrives, and a "}" closing no group of the part empties it.
class Part {
public:
    void Add(char byte) {
        if (depth_ > 0) {
            group_ += byte;
            if (byte == '{') {
                ++depth_;
            } else if (byte == '}' && --depth_ == 0) {
                text_ += group_;
                group_.clear();
            }
        } else if (byte == '{') {
            depth_ = 1;
            group_ = "{";
        } else if (byte == '}') {
            text_.clear();
        } else {
            text_ += byte;
        }
    }

    // Ends the part; a group still open is dropped.
    void Close() {
        depth_ = 0;
        group_.clear();
    }

    const std::string& Text() const { return text_; }

private:
    std::string text_;
    std::string group_;
    int depth_ = 0;
};

// The cells of one entry: its number counted from 1, then its pieces cut at "~" ("a~~b" gives
// "a", "" and "b"; a trailing "~" adds no empty cell).
std::vector<std::string_view> CellsOf(std::string_view entry, const std::string& number) {
    std::vector<std::string_view> cells{number};
    while (!entry.empty()) {
        const std::size_t tilde = entry.find('~');
        cells.push_back(entry.substr(0, tilde));
        if (tilde == std::string_view::npos) {
            break;
        }
        entry.remove_prefix(tilde + 1);
    }
    return cells;
}

// The row with every "~" and the digits after it replaced by the cell they number (no digits
// number cell 0); a cell that does not exist gives nothing.
std::string FilledRow(std::string_view row, const std::vector<std::string_view>& cells) {
    std::string filled;
    for (std::size_t position = 0; position < row.size();) {
        if (row[position] != '~') {
            filled += row[position++];
            continue;
        }
        std::size_t end = ++position;
        while (end < row.size() && row[end] >= '0' && row[end] <= '9') {
            ++end;
        }
        const std::int32_t index = automation::ReadInteger(row.substr(position, end - position));
        if (static_cast<std::size_t>(index) < cells.size()) {
            filled += cells[static_cast<std::size_t>(index)];
        }
        position = end;
    }
    return filled;
}

} // namespace

TemplateError TemplateDocument::DoTable(std::string_view name) {
    if (!document_) {
        return TemplateError::NoData;
    }
    const std::string_view document = *document_;
    const std::string& startMarker = MarkerText(Marker::TableStart);
    const std::string& stopMarker = MarkerText(Marker::TableStop);
    const std::string& entryStart = MarkerText(Marker::EntryStart);
    const std::string& entryStop = MarkerText(Marker::EntryStop);

    std::string output;
    output.reserve(document.size());
    for (std::size_t position = 0; position < document.size();) {
        if (!MarkerAt(document, position, startMarker)) {
            output += document[position++];
            continue;
        }
        std::size_t afterName = position + startMarker.size();
        if (ReadName(document, afterName) != name) {
            output += document[position++];
            continue;
        }

        // Read the block into its parts while its structure goes to the output.
        position = afterName;
        Part parts[3];
        enum { kHead, kRow, kTail } current = kHead;
        std::int32_t first = 0;
        std::int32_t every = 0;
        std::size_t insertion = output.size();
        StructureKeeper keeper(output);
        const auto keep = [&](std::string_view bytes) {
            for (const char byte : bytes) {
                if (keeper.Feed(byte)) {
                    insertion = output.size();
                }
            }
        };
        while (position < document.size()) {
            if (MarkerAt(document, position, stopMarker)) {
                position += stopMarker.size();
                break;
            }
            const std::size_t start = position;
            if (current == kHead && MarkerAt(document, position, entryStart)) {
                position += entryStart.size();
                const std::string_view parameter = ReadName(document, position);
                first = automation::ReadInteger(parameter);
                const std::size_t comma = parameter.find(',');
                every = comma == std::string_view::npos
                            ? 0
                            : automation::ReadInteger(parameter.substr(comma + 1));
                parts[current].Close();
                current = kRow;
            } else if (current == kRow && MarkerAt(document, position, entryStop)) {
                position += entryStop.size();
                parts[current].Close();
                current = kTail;
            } else {
                parts[current].Add(document[position++]);
            }
            keep(document.substr(start, position - start));
        }
        keeper.Finish();

        if (entries_.empty()) {
            continue;
        }
        const std::string& headText = parts[kHead].Text();
        const std::string& tailText = parts[kTail].Text();
        std::string table = headText;
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            const std::string number = std::to_string(i + 1);
            const auto index = static_cast<std::int64_t>(i);
            const bool pageBreak =
                first > 0 &&
                (index == first || (index > first && every > 0 && (index - first) % every == 0));
            if (pageBreak) {
                table += tailText;
                table += "{\\page }";
                table += headText;
            }
            table += FilledRow(parts[kRow].Text(), CellsOf(entries_[i], number));
        }
        table += tailText;
        output.insert(insertion, table);
    }
    document_ = std::move(output);
    return TemplateError::OK;
}

} // namespace output
