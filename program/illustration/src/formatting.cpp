#include "program/illustration/formatting.h"

#include "platform/runtime/date_format.h"
#include "platform/runtime/date_parse.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/number_parse.h"

#include <algorithm>

namespace illustration {

std::string CleanNumber(std::string& text) {
    std::erase_if(text, [](char c) { return c == ' ' || c == '$' || c == '%' || c == ','; });
    return text;
}

double CleanedNumber(std::string text) {
    return runtime::Val(CleanNumber(text));
}

std::string FormatAmount(std::string_view numberText) {
    const bool cents = numberText.find('.') != std::string_view::npos;
    return runtime::Format(runtime::Val(numberText), cents ? "##,###,##0.00" : "##,###,##0");
}

std::string FormatDollars(std::string_view numberText) {
    return "$" + FormatAmount(numberText);
}

std::string FormatDateText(std::string_view dateText, std::string_view pattern) {
    const auto date = runtime::ParseDate(dateText);
    return date ? runtime::FormatDate(*date, pattern) : std::string(dateText);
}

std::string FormatLongDate(std::string_view dateText) {
    return FormatDateText(dateText, "mmmm d, yyyy");
}

} // namespace illustration
