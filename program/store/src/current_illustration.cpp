#include "program/store/current_illustration.h"

#include "platform/runtime/conversions.h"
#include "platform/runtime/number_parse.h"
#include "platform/runtime/runtime_error.h"

#include <cmath>

namespace store {

namespace {

// Beyond the last number a record file can hold; any number above it is past every record.
constexpr double kPastEveryRecord = 2147483648.0;

} // namespace

std::int64_t RecordNumber(const illustration::IllustrationFields& fields) {
    double number = 0;
    try {
        number = runtime::Round(runtime::Val(fields.Text(kDatabaseIndexField)));
    } catch (const runtime::RuntimeError&) {
        return 0; // a number beyond any range names no record
    }
    if (!(number >= 1)) {
        return 0;
    }
    return static_cast<std::int64_t>(std::min(number, kPastEveryRecord));
}

void MakeIllustrationNew(CurrentIllustration& current) {
    current.fields.SetText(kDatabaseIndexField, "0");
    current.saved = false;
}

} // namespace store
