#include "program/store/illustration_record.h"

#include "program/illustration/formatting.h"
#include "program/store/src/messages.h"

#include "platform/runtime/number_format.h"
#include "platform/runtime/number_parse.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/text.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace store {

namespace {

using illustration::IllustrationType;

constexpr std::size_t kAreaStart = 2; // 0-based offset of position 3
constexpr std::size_t kAreaEnd = 900; // the field area ends at position 900
constexpr std::size_t kPlanTypeWidth = 20;
constexpr std::size_t kGraphListWidth = 22;
constexpr std::size_t kStateWidth = 2;
constexpr std::size_t kTypeOffset = 1;
constexpr std::size_t kPlanTypeOffsets[] = {900, 920};
constexpr std::size_t kUseJointOffset = 940;
constexpr std::size_t kFirstCheckOffset = 941; // five boxes, 942-946
constexpr std::size_t kGraphListOffset = 946;
constexpr std::size_t kScrollOffset = 968;
constexpr std::size_t kEqualPaymentOffset = 970;
constexpr std::size_t kRmdOnceOffset = 971;
constexpr std::size_t kSurvivingSpouseOffset = 972;
constexpr std::size_t kStateOffset = 973;
constexpr int kBlankScrollPosition = 99;

constexpr std::string_view kOriginalBirthDate = "7-OriginalDOB";
constexpr std::string_view kIllustrationDate = "6-IllustrationDate";
constexpr std::string_view kAllYears = "All Years";

// The input run's elements, 0 to 51, in index order.
std::span<const illustration::FieldDefinition> InputFields() {
    return illustration::FieldDefinitions().first(illustration::kInputEndMarker);
}

bool IsPercent(std::string_view tag) {
    return tag.starts_with('1');
}

// Kind 6 is money, except the illustration date, which holds a date despite its kind.
bool IsMoney(std::string_view tag) {
    return tag.starts_with('6') && tag != kIllustrationDate;
}

bool StoresOriginalBirthDateInFront(IllustrationType type, std::string_view tag) {
    return type == IllustrationType::BeneficiaryRmd && tag == kOriginalBirthDate;
}

// `text` left-aligned in `width` blanks, cut to it.
std::string Slot(std::string_view text, std::size_t width) {
    std::string slot(width, ' ');
    slot.replace(0, std::min(text.size(), width), text.substr(0, width));
    return slot;
}

char Flag(bool on) {
    return on ? '1' : '0';
}

char TypeDigit(IllustrationType type) {
    const int value = static_cast<int>(type);
    if (value < 0 || value > 3) {
        throw std::invalid_argument("a record needs an illustration type");
    }
    return static_cast<char>('0' + value);
}

// Positions 10 to 99 as their two digits; below 10 a blank and the digit, which read back as
// the same number (0 then reads as 99, like blanks).
std::string ScrollText(int position) {
    const int stored = std::clamp(position, 0, 99);
    std::string text = std::to_string(stored);
    return text.size() == 1 ? " " + text : text;
}

std::string FieldArea(IllustrationType type, const illustration::IllustrationFields& fields) {
    std::string area;
    for (const auto& field : InputFields()) {
        const auto width = static_cast<std::size_t>(field.maxLength);
        std::string text = fields.Text(field.index);
        if (IsMoney(field.tag) && text.size() > width) {
            illustration::CleanNumber(text);
        }
        const std::string slot = Slot(text, width);
        if (StoresOriginalBirthDateInFront(type, field.tag)) {
            area.replace(0, width, slot);
        } else {
            area += slot;
        }
    }
    area.resize(kAreaEnd - kAreaStart, ' ');
    return area;
}

std::string Trimmed(std::string_view record, std::size_t offset, std::size_t width) {
    return runtime::Trim(record.substr(offset, width));
}

bool Checked(std::string_view record, std::size_t offset) {
    return record[offset] == '1';
}

std::string PercentText(std::string text) {
    const std::string plain = illustration::CleanNumber(text);
    try {
        return runtime::Format(std::string_view{plain}, "#0.00") + "%";
    } catch (const runtime::RuntimeError&) {
        return plain + "%";
    }
}

// The stored plan type as the list names it now.
std::string CurrentPlanTypeName(std::string text) {
    if (text == "Rollover IRA") {
        return "IRA";
    }
    if (text == "SEP") {
        return "SEP-IRA";
    }
    return text;
}

// The two scroll characters as a number; 0 and blanks stand for 99.
int ScrollPosition(std::string_view record) {
    const long stored = std::lround(runtime::Val(record.substr(kScrollOffset, 2)));
    return stored == 0 ? kBlankScrollPosition : static_cast<int>(stored);
}

int EqualPaymentOption(char digit) {
    return digit >= '0' && digit <= '9' ? digit - '0' : -1;
}

void LoadFields(std::string_view record, IllustrationType type,
                illustration::IllustrationFields& fields) {
    std::size_t offset = kAreaStart;
    for (const auto& field : InputFields()) {
        const auto width = static_cast<std::size_t>(field.maxLength);
        // A slot is read only as far as the area goes: what lies past position 900 belongs to
        // the plan type, not to the cut last slot.
        std::string text = StoresOriginalBirthDateInFront(type, field.tag)
                               ? Trimmed(record, kAreaStart, width)
                               : Trimmed(record, offset, std::min(width, kAreaEnd - offset));
        if (IsPercent(field.tag)) {
            text = PercentText(text);
        }
        fields.SetText(field.index, std::move(text));
        offset += width;
    }
}

RecordControls LoadControls(std::string_view record) {
    RecordControls controls;
    for (std::size_t list = 0; list < 2; ++list) {
        controls.planTypes[list] =
            CurrentPlanTypeName(Trimmed(record, kPlanTypeOffsets[list], kPlanTypeWidth));
    }
    controls.useJoint = Checked(record, kUseJointOffset);
    bool* const checks[] = {&controls.background, &controls.grayScale, &controls.roth,
                            &controls.skipSpouse, &controls.topView};
    for (std::size_t box = 0; box < std::size(checks); ++box) {
        *checks[box] = Checked(record, kFirstCheckOffset + box);
    }
    std::string graph = Trimmed(record, kGraphListOffset, kGraphListWidth);
    controls.graphList = graph.empty() ? std::string(kAllYears) : std::move(graph);
    controls.graphScroll = ScrollPosition(record);
    controls.equalPayment = EqualPaymentOption(record[kEqualPaymentOffset]);
    controls.rmdOnce = Checked(record, kRmdOnceOffset);
    controls.survivingSpouse = Checked(record, kSurvivingSpouseOffset);
    controls.state = Trimmed(record, kStateOffset, kStateWidth);
    return controls;
}

} // namespace

bool IsIllustrationRecord(std::string_view record) {
    return record.size() == kRecordLength && record[kTypeOffset] >= '0' &&
           record[kTypeOffset] <= '3';
}

bool IsIllustrationFile(std::string_view file) {
    if (file.size() < kRecordLength) {
        return false;
    }
    for (std::size_t offset = 0; offset + kRecordLength <= file.size(); offset += kRecordLength) {
        if (!IsIllustrationRecord(file.substr(offset, kRecordLength))) {
            return false;
        }
    }
    return true;
}

std::string EncodeRecord(IllustrationType type, const illustration::IllustrationFields& fields,
                         const RecordControls& controls) {
    std::string record{kLiveRecord, TypeDigit(type)};
    record += FieldArea(type, fields);
    for (const std::string& planType : controls.planTypes) {
        record += Slot(planType, kPlanTypeWidth);
    }
    record += Flag(controls.useJoint);
    for (const bool checked : {controls.background, controls.grayScale, controls.roth,
                               controls.skipSpouse, controls.topView}) {
        record += Flag(checked);
    }
    record += Slot(controls.graphList, kGraphListWidth);
    record += ScrollText(controls.graphScroll);
    record += controls.equalPayment >= 0 && controls.equalPayment <= 9
                  ? static_cast<char>('0' + controls.equalPayment)
                  : ' ';
    record += Flag(controls.rmdOnce);
    record += Flag(controls.survivingSpouse);
    record += Slot(controls.state, kStateWidth);
    record.resize(kRecordLength, ' ');
    return record;
}

std::optional<RecordControls> DecodeRecord(std::string_view record, CurrentIllustration& current,
                                           forms::MessageBoxService& messages) {
    if (!IsIllustrationRecord(record)) {
        ShowMessage(messages,
                    std::string("This saved illustration is damaged and cannot be loaded.") +
                        kNewLine + "Its illustration type is not known.",
                    forms::vbExclamation, "Error Reading Database");
        return std::nullopt;
    }
    const auto type = static_cast<IllustrationType>(record[kTypeOffset] - '0');
    LoadFields(record, type, current.fields);
    current.type = type;
    current.saved = true;
    return LoadControls(record);
}

std::optional<RecordSlot> DataFindPointers(std::string_view tag,
                                           forms::MessageBoxService& messages) {
    int position = static_cast<int>(kAreaStart) + 1;
    for (const auto& field : InputFields()) {
        if (field.tag == tag) {
            return RecordSlot{position, field.maxLength};
        }
        position += field.maxLength;
    }
    ShowMessage(messages, std::string(tag) + ": Invalid Tag in DataFindPointers", forms::vbOKOnly,
                "");
    return std::nullopt;
}

} // namespace store
