#include "platform/win32/src/controls/item_list.h"

#include <algorithm>

namespace win32 {

namespace {

// Windows-1252 letters folded to lower case: ASCII, and the accented capitals 0xC0-0xDE but
// the multiplication sign.
unsigned char Fold(char c) {
    auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
        return static_cast<unsigned char>(byte + 0x20);
    }
    return byte;
}

bool LessWithoutCase(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Fold(x) < Fold(y); });
}

bool BeginsWithoutCase(std::string_view text, std::string_view prefix, bool exact) {
    if (text.size() < prefix.size() || (exact && text.size() != prefix.size())) {
        return false;
    }
    return std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char x, char y) { return Fold(x) == Fold(y); });
}

} // namespace

int ItemList::Add(std::string text) {
    auto at = items_.end();
    if (sorted_) {
        at = std::upper_bound(items_.begin(), items_.end(), text,
                              [](const std::string& value, const Item& item) {
                                  return LessWithoutCase(value, item.text);
                              });
    }
    return Insert(static_cast<int>(at - items_.begin()), std::move(text));
}

int ItemList::Insert(int index, std::string text) {
    if (index == -1) {
        index = Count();
    }
    if (index < 0 || index > Count()) {
        return -1;
    }
    items_.insert(items_.begin() + index, Item{std::move(text), 0});
    if (selection_ >= index) {
        ++selection_;
    }
    return index;
}

int ItemList::Remove(int index) {
    if (!Has(index)) {
        return -1;
    }
    items_.erase(items_.begin() + index);
    if (selection_ == index) {
        selection_ = -1;
    } else if (selection_ > index) {
        --selection_;
    }
    return Count();
}

void ItemList::Clear() {
    items_.clear();
    selection_ = -1;
}

bool ItemList::Select(int index) {
    selection_ = Has(index) ? index : -1;
    return Has(index) || index == -1;
}

int ItemList::Find(int after, std::string_view text, bool exact) const {
    int count = Count();
    int start = Has(after) ? after + 1 : 0;
    for (int step = 0; step < count; ++step) {
        int index = (start + step) % count;
        if (BeginsWithoutCase(Text(index), text, exact)) {
            return index;
        }
    }
    return -1;
}

} // namespace win32
