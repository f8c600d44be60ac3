// The items of a list box or of a combo box's list: strings with a value each, in the order
// given or sorted without regard to case, and the one selected (-1: none).
#pragma once

#include "platform/win32/winuser.h"

#include <string>
#include <string_view>
#include <vector>

namespace win32 {

class ItemList {
public:
    explicit ItemList(bool sorted) : sorted_(sorted) {}

    // At its sorted place (after equal texts), else at the end; answers the index.
    int Add(std::string text);
    // At the index (-1: the end), never sorted; answers the index, or -1 past the end.
    int Insert(int index, std::string text);
    // Answers the count left, or -1 for no such item. The selection follows its item.
    int Remove(int index);
    void Clear();

    int Count() const { return static_cast<int>(items_.size()); }
    bool Has(int index) const { return index >= 0 && index < Count(); }
    const std::string& Text(int index) const {
        return items_[static_cast<std::size_t>(index)].text;
    }
    LPARAM Data(int index) const { return items_[static_cast<std::size_t>(index)].data; }
    void SetData(int index, LPARAM data) { items_[static_cast<std::size_t>(index)].data = data; }

    int Selection() const { return selection_; }
    // -1 clears; answers false (and clears) for no such item.
    bool Select(int index);

    // The first item after `after` (-1: from the start), wrapping, whose text begins with the
    // prefix (or equals it, when exact), without regard to case; -1 when none does.
    int Find(int after, std::string_view text, bool exact) const;

private:
    struct Item {
        std::string text;
        LPARAM data = 0;
    };
    bool sorted_;
    std::vector<Item> items_;
    int selection_ = -1;
};

} // namespace win32
