#include "program/ui/support/src/field_kind.h"

#include "program/illustration/formatting.h"

#include "platform/runtime/number_format.h"
#include "platform/runtime/number_parse.h"

namespace ui {

namespace {

constexpr int kBackspace = 8;

bool IsDigit(int keyAscii) {
    return keyAscii >= '0' && keyAscii <= '9';
}

} // namespace

FieldKind KindOfTag(std::string_view tag) {
    const std::string_view kindText = tag.substr(0, tag.find('-'));
    const double kind = runtime::Val(kindText);
    if (kind >= 1 && kind <= 9 && kind == static_cast<int>(kind)) {
        return static_cast<FieldKind>(static_cast<int>(kind));
    }
    return FieldKind::None;
}

bool AcceptsKey(FieldKind kind, std::string_view text, int keyAscii) {
    switch (kind) {
    case FieldKind::Years:
    case FieldKind::WholeNumber:
    case FieldKind::Dollars:
        return keyAscii == kBackspace || IsDigit(keyAscii);
    case FieldKind::Percent:
    case FieldKind::Decimal:
    case FieldKind::DecimalAlso:
    case FieldKind::DollarsCents:
        // The whole text counts: a selected "." about to be typed over is still there.
        return keyAscii == kBackspace || IsDigit(keyAscii) ||
               (keyAscii == '.' && text.find('.') == std::string_view::npos);
    case FieldKind::Date:
    case FieldKind::Text:
    case FieldKind::None:
        return true;
    }
    return true;
}

std::string EditForm(FieldKind kind, std::string_view text) {
    switch (kind) {
    case FieldKind::Percent: {
        if (text.ends_with('%')) {
            text.remove_suffix(1);
        }
        return runtime::Format(runtime::Val(text), "#0.00");
    }
    case FieldKind::Dollars:
        // Whole dollars while edited: "$1,234.56" becomes 1235, an empty text stays empty.
        return runtime::Format(text, "#########0");
    default:
        return std::string(text);
    }
}

std::string DisplayForm(FieldKind kind, std::string_view text) {
    switch (kind) {
    case FieldKind::Percent:
        return runtime::Format(text, "#0.00") + "%";
    case FieldKind::Decimal:
    case FieldKind::DecimalAlso:
        return runtime::Format(text, "###,##0.#######");
    case FieldKind::Dollars:
    case FieldKind::DollarsCents: {
        std::string cleaned(text);
        return illustration::FormatDollars(illustration::CleanNumber(cleaned));
    }
    default:
        return std::string(text);
    }
}

std::string RateAsShown(std::string_view text) {
    return DisplayForm(FieldKind::Percent, EditForm(FieldKind::Percent, text));
}

} // namespace ui
