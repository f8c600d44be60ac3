#include "program/illustration/illustration_fields.h"

#include "platform/runtime/runtime_error.h"

#include <optional>

namespace illustration {

namespace {

constexpr int kReport = 32000; // every report element's width

// Report elements start holding their own tag; hidden inputs hold a note of what they are.
constexpr FieldDefinition kFields[] = {
    {0, "8-PartFirst", 30, true, ""},
    {1, "8-PartMiddle", 30, true, ""},
    {2, "8-PartLast", 50, true, ""},
    {3, "7-PartDOB", 18, true, ""},
    {4, "7-SpouseDOB", 18, true, ""},
    {5, "8-PlanName0", 50, true, ""},
    {6, "7-PlanRetDate", 18, true, ""},
    {7, "7-DD0", 18, true, ""},
    {8, "3-Year0", 4, true, ""},
    {9, "6-AcctValue0", 11, true, ""},
    {10, "8-BeneFirst", 30, true, ""},
    {11, "8-BeneMiddle", 30, true, ""},
    {12, "8-BeneLast", 50, true, ""},
    {13, "7-BeneDOB", 18, true, ""},
    {14, "8-PlanName1", 50, true, ""},
    {15, "7-DD1", 18, true, ""},
    {16, "3-Year1", 4, true, ""},
    {17, "6-AcctValue1", 11, true, ""},
    {18, "3-DatabaseIndex", 6, false, "Record"},
    {19, "6-IllustrationDate", 10, false, "19 - Illustration Date - Invisible"},
    {20, "6-RMD_Amt", 11, false, "20 - RMD Amount - Invisible"},
    {21, "8-EqualFirst", 12, true, ""},
    {22, "8-EqualMiddle", 12, true, ""},
    {23, "8-EqualLast", 18, true, ""},
    {24, "7-EqualDOB", 18, true, ""},
    {25, "8-EqualPlanName", 25, true, ""},
    {26, "7-EqualDate", 18, true, ""},
    {27, "6-EqualAcctValue1", 11, true, ""},
    {28, "7-EqualSpouseDOB1", 18, true, ""},
    {29, "6-EqualAcctValue2", 11, true, ""},
    {30, "7-EqualSpouseDOB2", 18, false, ""},
    {31, "1-EqualROR", 6, true, ""},
    {32, "8-StretchPFirst", 12, true, ""},
    {33, "8-StretchPMiddle", 12, true, ""},
    {34, "8-StretchPLast", 18, true, ""},
    {35, "7-StretchPDOB", 18, true, ""},
    {36, "2-StretchPLEO", 2, true, ""},
    {37, "8-StretchSFirst", 12, true, ""},
    {38, "8-StretchSMiddle", 12, true, ""},
    {39, "8-StretchSLast", 18, true, ""},
    {40, "7-StretchSDOB", 18, true, ""},
    {41, "2-StretchSLEO", 2, true, ""},
    {42, "8-StretchBFirst", 12, true, ""},
    {43, "8-StretchBMiddle", 12, true, ""},
    {44, "8-StretchBLast", 18, true, ""},
    {45, "7-StretchBDOB", 18, true, ""},
    {46, "8-StretchPlanName", 25, true, ""},
    {47, "6-StretchAcctValue", 11, true, ""},
    {48, "6-StretchAcctCont", 11, true, ""},
    {49, "2-StretchContYrs", 2, true, ""},
    {50, "1-StretchROR", 6, true, ""},
    {51, "7-OriginalDOB", 18, true, ""},
    {52, "", 100, false, "52 - Last Field - Invisible, No Tag"},
    {101, "R-Plan70", kReport, false, "R-Plan70"},
    {102, "R-RBD", kReport, false, "R-RBD"},
    {103, "R-RMD", kReport, false, "R-RMD"},
    {104, "R-YYYY", kReport, false, "R-YYYY"},
    {105, "R-YYY1", kReport, false, "R-YYY1"},
    {106, "R-PlanType", kReport, false, "R-PlanType"},
    {107, "R-PHDOB", kReport, false, "R-PHDOB"},
    {108, "R-BeneName", kReport, false, "R-BeneName"},
    // Two more elements carry the tag of 106; a search never reaches them.
    {109, "R-PlanType", kReport, false, "R-PlanType"},
    {110, "R-PlanName", kReport, false, "R-PlanName"},
    {111, "R-PlanType", kReport, false, "R-PlanType"},
    {112, "R-SpouseName", kReport, false, "R-SpouseName"},
    {113, "R-SpouseDOB", kReport, false, "R-SpouseDOB"},
    {114, "R-PlanValue", kReport, false, "R-PlanValue"},
    {115, "R-IRSTable", kReport, false, "R-IRSTable"},
    {116, "R-IRSPen", kReport, false, "R-IRSPen"},
    {117, "R-Aname", kReport, false, "R-Aname"},
    {118, "R-PHName", kReport, false, "R-PHName"},
    {119, "R-XTable", kReport, false, "R-XTable"},
    {120, "R-AA", kReport, false, "R-AA"},
    {121, "R-DD", kReport, false, "R-DD"},
    {122, "R-BAgeDD", kReport, false, "R-BAgeDD"},
    {123, "R-Dec31YYYY", kReport, false, "R-Dec31YYYY"},
    {124, "R-NoteYear1", kReport, false, "R-NoteYear1"},
    {125, "R-Payment1", kReport, false, "R-Payment1"},
    {126, "R-Payment2", kReport, false, "R-Payment2"},
    {127, "R-Payment3", kReport, false, "R-Payment3"},
    {128, "R-Payment4", kReport, false, "R-Payment4"},
    {129, "R-Age", kReport, false, "R-Age"},
    {130, "R-STable", kReport, false, "R-STable"},
    {131, "R-JTable", kReport, false, "R-JTable"},
    {132, "R-AT", kReport, false, "R-AT"},
    {133, "R-BT", kReport, false, "R-BT"},
    {134, "R-PValue", kReport, false, "R-PValue"},
    {135, "R-BeneDOB", kReport, false, "R-BeneDOB"},
    {136, "R-CalcDate", kReport, false, "R-CalcDate"},
    {137, "R-PHX", kReport, false, "R-PHX"},
    {138, "R-SHX", kReport, false, "R-SHX"},
    {139, "R-BHX", kReport, false, "R-BHX"},
    {140, "R-Payment5", kReport, false, "R-Payment5"},
    {141, "R-Payment6", kReport, false, "R-Payment6"},
    {142, "R-Payment7", kReport, false, "R-Payment7"},
    {143, "R-Factor1", kReport, false, "R-Factor1"},
    {144, "R-Factor2", kReport, false, "R-Factor2"},
    {145, "R-Factor3", kReport, false, "R-Factor3"},
    {146, "R-NameAgent", kReport, false, "R-NameAgent"},
    {147, "R-1", kReport, false, "R-1"},
    {148, "R-2", kReport, false, "R-2"},
    {149, "R-3", kReport, false, "R-3"},
    {150, "R-4", kReport, false, "R-4"},
    {151, "R-5", kReport, false, "R-5"},
    {152, "R-6", kReport, false, "R-6"},
    {153, "R-7", kReport, false, "R-7"},
    {154, "R-RetDate", kReport, false, "R-RetDate"},
    {155, "R-OriginalDOB", kReport, false, "R-OriginalDOB"},
    {156, "R-DSpecial", kReport, false, "R-DSpecial"},
    // The one tag without a kind character.
    {157, "Age of Beneficiary on RBD", kReport, false, "Age of Beneficiary on RBD"},
    {158, "", kReport, false, "Last Field Blank"},
};

static_assert(std::size(kFields) == 111);

const FieldDefinition& Definition(int index) {
    if (!IllustrationFields::Exists(index)) {
        throw runtime::RuntimeError(runtime::ErrorNumber::SubscriptOutOfRange,
                                    "txtInput(" + std::to_string(index) + ")");
    }
    return kFields[index <= kInputEndMarker ? index : index - kFirstReportField + 53];
}

// The search of one run: from `start` on, element by element, until an element with an empty
// tag ends the run (that element is never compared).
std::optional<int> Search(const IllustrationFields& fields, int start, std::string_view tag) {
    for (int index = start; !fields.Tag(index).empty(); ++index) {
        if (fields.Tag(index) == tag) {
            return index;
        }
    }
    return std::nullopt;
}

} // namespace

std::span<const FieldDefinition> FieldDefinitions() {
    return kFields;
}

IllustrationFields::IllustrationFields() {
    for (std::size_t slot = 0; slot < std::size(kFields); ++slot) {
        texts_[slot] = kFields[slot].initialText;
    }
}

bool IllustrationFields::Exists(int index) {
    return (index >= 0 && index <= kInputEndMarker) ||
           (index >= kFirstReportField && index <= kReportEndMarker);
}

int IllustrationFields::Slot(int index) {
    return static_cast<int>(&Definition(index) - kFields);
}

std::string_view IllustrationFields::Tag(int index) const {
    return Definition(index).tag;
}

int IllustrationFields::MaxLength(int index) const {
    return Definition(index).maxLength;
}

bool IllustrationFields::Visible(int index) const {
    return Definition(index).visible;
}

const std::string& IllustrationFields::Text(int index) const {
    return texts_[Slot(index)];
}

void IllustrationFields::SetText(int index, std::string text) {
    std::string& current = texts_[Slot(index)];
    if (current == text) {
        return;
    }
    current = std::move(text);
    if (observer_) {
        observer_(index);
    }
}

std::string GetField(const IllustrationFields& fields, std::string_view tag) {
    const int start = tag.starts_with("R-") ? kFirstReportField : 0;
    const auto found = Search(fields, start, tag);
    return found ? fields.Text(*found) : "??";
}

void SetField(IllustrationFields& fields, std::string_view value, std::string_view tag,
              const ShowFieldMessage& showMessage) {
    int start = 0;
    if (tag == "Age of Beneficiary on RBD") {
        start = kReportEndMarker - 1;
    } else if (tag.starts_with("R")) {
        start = kFirstReportField;
    }
    const auto found = Search(fields, start, tag);
    if (!found) {
        showMessage("Invalid Tag in SetField Function for \"" + std::string(tag) + "\".");
        return;
    }
    fields.SetText(*found, std::string(value));
}

std::int16_t SetIndex(const IllustrationFields& fields, std::string_view tag,
                      const ShowFieldMessage& showMessage) {
    const auto found = Search(fields, tag.starts_with("R") ? kFirstReportField : 0, tag);
    if (!found) {
        showMessage("Invalid Tag in SetIndex Function for " + std::string(tag) + ".");
        return 0;
    }
    return static_cast<std::int16_t>(*found);
}

} // namespace illustration
