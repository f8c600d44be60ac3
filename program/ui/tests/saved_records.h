// Saved illustrations as the store writes them, for the tests that list and open them.
#pragma once

#include "program/illustration/illustration_fields.h"
#include "program/illustration/illustration_type.h"
#include "program/store/illustration_file.h"
#include "program/store/illustration_record.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace ui {

using RecordFields = std::vector<std::pair<std::string, std::string>>;

// A record of `type` with the fields given (by tag), the status and the window's choices.
inline std::string Record(illustration::IllustrationType type, const RecordFields& values,
                          const store::RecordControls& controls, char status = store::kLiveRecord) {
    illustration::IllustrationFields fields;
    for (int index = 0; index < illustration::kInputEndMarker; ++index) {
        fields.SetText(index, "");
    }
    for (const auto& [tag, text] : values) {
        illustration::SetField(fields, text, tag,
                               [](const std::string& message) { ADD_FAILURE() << message; });
    }
    std::string record = store::EncodeRecord(type, fields, controls);
    record[0] = status;
    return record;
}

// A record of `type` with the fields given (by tag), the status and the two plan types.
inline std::string Record(illustration::IllustrationType type, const RecordFields& values,
                          char status = store::kLiveRecord,
                          const std::array<std::string, 2>& planTypes = {"Traditional IRA",
                                                                         "Inherited IRA"}) {
    store::RecordControls controls;
    controls.planTypes = planTypes;
    return Record(type, values, controls, status);
}

// The illustration file of these records, in their order.
inline void WriteIllustrationFile(const std::vector<std::string>& records) {
    std::ofstream out(store::IllustrationFilePath(), std::ios::binary);
    for (const std::string& record : records) {
        out << record;
    }
}

} // namespace ui
