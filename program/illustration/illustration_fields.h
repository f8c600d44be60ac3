// The illustration's fields: every datum of an illustration, typed by the user or computed for
// the report, is the text of one element of the main window's field array `txtInput`, named by
// its tag. This is the model behind that array; the window shows it and the calculations, the
// saved record and the reports read and write it.
//
// The elements are 0 to 52 (the input run, ended by element 52 with an empty tag) and 101 to 158
// (the report run, ended by element 158); 53 to 100 do not exist. A tag is a kind character, a
// hyphen and a name ("7-SpouseDOB", "R-RMD"); the widths of the input elements are the widths
// of the saved record.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace illustration {

struct FieldDefinition {
    int index;
    std::string_view tag;
    int maxLength;
    bool visible;
    std::string_view initialText;
};

// Every element in index order, with the tag, width, visibility and initial text it is created
// with.
std::span<const FieldDefinition> FieldDefinitions();

inline constexpr int kFirstReportField = 101;
inline constexpr int kInputEndMarker = 52;
inline constexpr int kReportEndMarker = 158;

class IllustrationFields {
public:
    // Every element with its initial text.
    IllustrationFields();

    // Whether the array has an element `index` (0 to 52 and 101 to 158).
    static bool Exists(int index);

    // The element's properties; a missing element is the runtime's subscript error.
    std::string_view Tag(int index) const;
    int MaxLength(int index) const;
    bool Visible(int index) const;
    const std::string& Text(int index) const;
    // Writes the text and tells the observer when it changed.
    void SetText(int index, std::string text);

    // Called with the element's index after its text changed; one observer (the window).
    void SetObserver(std::function<void(int index)> observer) { observer_ = std::move(observer); }

private:
    static int Slot(int index);

    std::array<std::string, 111> texts_;
    std::function<void(int index)> observer_;
};

// How field access reports a tag that no element bears: a message box with an OK button and no
// icon under the program's title, which the caller shows.
using ShowFieldMessage = std::function<void(const std::string& text)>;

// The text of the element with `tag`, or "??" when its run holds none. Tags beginning "R-" are
// searched in the report run, others in the input run; the lowest matching index wins and tags
// are compared exactly.
std::string GetField(const IllustrationFields& fields, std::string_view tag);

// Writes `value` into the element with `tag`: the report run for tags beginning "R", element
// 157 for "Age of Beneficiary on RBD", else the input run. An unknown tag writes nothing and
// shows "Invalid Tag in SetField Function for "<tag>".".
void SetField(IllustrationFields& fields, std::string_view value, std::string_view tag,
              const ShowFieldMessage& showMessage);

// The index of the element with `tag` (the report run for tags beginning "R"); 0 after the
// message "Invalid Tag in SetIndex Function for <tag>." when there is none.
std::int16_t SetIndex(const IllustrationFields& fields, std::string_view tag,
                      const ShowFieldMessage& showMessage);

} // namespace illustration
