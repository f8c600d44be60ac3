#include "platform/win32/src/controls/item_list.h"

#include <algorithm>
#include <cstring>

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

std::string ItemTextArgument(LPARAM text) {
    return std::string(text != 0 ? reinterpret_cast<LPCSTR>(text) : "");
}

namespace {

// Copies the item's text and its terminator into the buffer (when given); answers its length.
LRESULT CopyItemText(const ItemList& items, int index, LPARAM buffer) {
    if (!items.Has(index)) {
        return LB_ERR;
    }
    const std::string& text = items.Text(index);
    if (buffer != 0) {
        std::memcpy(reinterpret_cast<char*>(buffer), text.c_str(), text.size() + 1);
    }
    return static_cast<LRESULT>(text.size());
}

} // namespace

std::optional<LRESULT> AnswerItemQuery(ItemList& items, const ItemQueryMessages& queries,
                                       UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    if (message == queries.getCount) {
        return items.Count();
    }
    if (message == queries.getSelection) {
        return items.Selection();
    }
    if (message == queries.getText) {
        return CopyItemText(items, index, lParam);
    }
    if (message == queries.getTextLength) {
        return items.Has(index) ? static_cast<LRESULT>(items.Text(index).size()) : LB_ERR;
    }
    if (message == queries.getData) {
        return items.Has(index) ? items.Data(index) : LB_ERR;
    }
    if (message == queries.setData) {
        if (!items.Has(index)) {
            return LB_ERR;
        }
        items.SetData(index, lParam);
        return LB_OKAY;
    }
    if (message == queries.find || message == queries.findExact) {
        return items.Find(index, ItemTextArgument(lParam), message == queries.findExact);
    }
    return std::nullopt;
}

int ItemOfTypedCharacter(const ItemList& items, WPARAM character) {
    if (character <= VK_SPACE || character > 0xFF) {
        return -1;
    }
    const char typed[] = {static_cast<char>(character), '\0'};
    return items.Find(items.Selection(), typed, false);
}

std::optional<int> ItemOfKey(const ItemList& items, WPARAM key, const SelectionKeys& keys) {
    const int count = items.Count();
    const int current = items.Selection();
    const bool sideArrow = key == VK_LEFT || key == VK_RIGHT;
    const bool pageKey = key == VK_PRIOR || key == VK_NEXT;
    if (count == 0 || (sideArrow && !keys.sideArrows) || (pageKey && keys.page <= 0)) {
        return std::nullopt;
    }
    int target = current;
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        target = current - 1;
        break;
    case VK_RIGHT:
    case VK_DOWN:
        target = current + 1;
        break;
    case VK_PRIOR:
        target = current - keys.page;
        break;
    case VK_NEXT:
        target = current + keys.page;
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = count - 1;
        break;
    default:
        return std::nullopt;
    }
    return std::clamp(target, 0, count - 1);
}

} // namespace win32
