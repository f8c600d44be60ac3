// The input rules by field kind: which keys a field accepts, the edit form a field shows while it
// has the focus and the display form it shows after it loses it. A field's kind is the digit
// before the hyphen of its tag ("7-PartDOB" is a date); report tags ("R-RMD") and the untagged
// element have kind 0 and are never filtered or reformatted.
#pragma once

#include <string>
#include <string_view>

namespace ui {

enum class FieldKind : int {
    None = 0,        // report fields, the untagged element and any tag without a digit kind
    Percent = 1,     // a rate, shown as "4.50%"
    Years = 2,       // a whole number of years
    WholeNumber = 3, // a calendar year or record number
    Decimal = 4,     // decimal numbers; no field has kinds 4 and 5, the rules still serve them
    DecimalAlso = 5, // the same rules as 4
    Dollars = 6,     // money in whole dollars, shown as "$1,234"
    Date = 7,
    Text = 8,
    DollarsCents = 9, // money with cents; no field has it, the rules still serve it
};

// The kind of a field from its tag: the leading number before "-", read by the leading-number
// rule; anything that is not one of the kinds above reads as None.
FieldKind KindOfTag(std::string_view tag);

// Whether a typed character (key code; 8 is backspace) may reach a field of `kind` whose text is
// `text`: digits and backspace for whole numbers and money, also one "." for rates and decimals,
// everything for dates, text and None.
bool AcceptsKey(FieldKind kind, std::string_view text, int keyAscii);

// The text a field shows while it has the focus: a rate without its "%" as "#0.00", a
// whole-dollar amount as its rounded number; other kinds unchanged.
std::string EditForm(FieldKind kind, std::string_view text);

// The text a field shows after it loses the focus: a rate as "#0.00" with "%", decimals as
// "###,##0.#######", money through CleanNumber and FormatDollars; other kinds unchanged.
std::string DisplayForm(FieldKind kind, std::string_view text);

// A rate field's text as the field shows it once it is left, whether it has been left yet or
// not (a menu command takes no focus from the field): "4.25" and "4.25%" both read "4.25%".
std::string RateAsShown(std::string_view text);

} // namespace ui
