// The illustration record: one saved illustration as 1000 single-byte characters, built from the
// main window's fields and controls and spread back over them.
//
//   positions  width  content
//   1          1      status: "1" live, "0" deleted
//   2          1      illustration type digit, "0" to "3"
//   3-900      898    the input fields 0 to 51, each in a slot as wide as its MaxLength
//   901-920    20     text of plan-type list 0
//   921-940    20     text of plan-type list 1
//   941        1      "1" when the joint life expectancy choice is Yes
//   942-946    5      background, grey scale, Roth, skip spouse, top view: "1" checked
//   947-968    22     text of the graph list
//   969-970    2      graph scroll position
//   971        1      digit of the selected equal-payment option, blank for none
//   972-973    2      RMD once, surviving spouse: "1" checked
//   974-975    2      state code
//   976-1000   25     blanks
//
// The field slots add up to 909 characters, 11 more than the area holds: the slots are laid
// end to end from position 3 and everything past position 900 is dropped, so the last slot,
// "7-OriginalDOB", keeps only its first 7 characters there. Files written that way exist, so
// the cut stays. A beneficiary RMD record, the one type that uses "7-OriginalDOB", does not put
// it in that slot: its whole 18-character slot goes over positions 3-20, the start of the
// "8-PartFirst" slot, and positions 894-900 stay blank.
#pragma once

#include "program/illustration/illustration_fields.h"
#include "program/illustration/illustration_type.h"
#include "program/store/current_illustration.h"

#include "platform/forms/message_box.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace store {

inline constexpr std::size_t kRecordLength = 1000;

inline constexpr char kLiveRecord = '1';
inline constexpr char kDeletedRecord = '0';

// The main window's choices that a record keeps besides the fields: what the window shows when
// a record is built, and what a loaded record asks the window to show.
struct RecordControls {
    std::array<std::string, 2> planTypes{}; // texts of cmboPlanType(0) and cmboPlanType(1)
    bool useJoint = false;                  // optUseJoint(0) selected
    bool background = false;                // chkBackground checked (greyed counts as not)
    bool grayScale = false;                 // chkGrayScale
    bool roth = false;                      // chkRoth
    bool skipSpouse = false;                // chkSkipSpouse
    bool topView = false;                   // chkTopView
    std::string graphList{};                // text of lstGraph
    int graphScroll = 99;                   // hScrollGraph's value
    int equalPayment = -1;                  // index of the selected optEqualPmt element, -1: none
    bool rmdOnce = false;                   // chkRMDOnce
    bool survivingSpouse = false;           // chkSurvivingSpouse
    std::string state{};                    // text of cmboState

    friend bool operator==(const RecordControls&, const RecordControls&) = default;
};

// Whether the reader takes `record` for one: 1000 characters with an illustration type digit
// "0" to "3" at position 2. The status and the fields are read as far as they make sense.
bool IsIllustrationRecord(std::string_view record);

// Whether `file` is an illustration file as the reader reads it: at least one whole record, and
// every whole record one it takes. Bytes past the last whole record (a write cut short) are not
// read and do not matter.
bool IsIllustrationFile(std::string_view file);

// The whole 1000-character record of the current fields and controls, status "1".
std::string EncodeRecord(illustration::IllustrationType type,
                         const illustration::IllustrationFields& fields,
                         const RecordControls& controls);

// Spreads a record over the current illustration: its type and its fields 0 to 51; the
// illustration is then saved. The answer is the record's choices as stored, for the window to
// apply against its controls: the plan types as the lists name them now ("Rollover IRA" is
// "IRA", "SEP" is "SEP-IRA"), the graph entry ("All Years" for blanks), the scroll position
// (99 for 0 or blanks, else the number the two characters hold, whatever the bar's range), the
// payment option's digit (-1 for a character that is no digit) and the state code. A record
// that is not 1000 characters long or whose type digit is not "0" to "3" is refused with a
// message and changes nothing.
std::optional<RecordControls> DecodeRecord(std::string_view record, CurrentIllustration& current,
                                           forms::MessageBoxService& messages);

// Where a tagged input field lies in the record: its 1-based position and its width, by the
// slots laid end to end (it knows nothing of the beneficiary placement of "7-OriginalDOB" or of
// the cut at 900). A tag no input field bears is a message naming it, "<tag>: Invalid Tag in
// DataFindPointers" (OK only, under the default title), and no slot.
struct RecordSlot {
    int position;
    int width;
};
std::optional<RecordSlot> DataFindPointers(std::string_view tag,
                                           forms::MessageBoxService& messages);

} // namespace store
