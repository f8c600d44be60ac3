// The items of a list box or of a combo box's list: strings with a value each, in the order
// given or sorted without regard to case, and the one selected (-1: none); and what the two
// controls answer alike about their items: the queries, a typed first letter, the keys that move
// the selection.
#pragma once

#include "platform/win32/winuser.h"

#include <optional>
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

// The string argument of an item message; empty for none.
std::string ItemTextArgument(LPARAM text);

// The numbers under which a control class takes the item queries. The LB_ and CB_ messages of
// each pair mean the same and answer alike: LB_ERR and CB_ERR are both -1, LB_OKAY and CB_OKAY 0.
struct ItemQueryMessages {
    UINT getCount;
    UINT getSelection;
    UINT getText;
    UINT getTextLength;
    UINT getData;
    UINT setData;
    UINT find;
    UINT findExact;
};
inline constexpr ItemQueryMessages kListBoxQueries{.getCount = LB_GETCOUNT,
                                                   .getSelection = LB_GETCURSEL,
                                                   .getText = LB_GETTEXT,
                                                   .getTextLength = LB_GETTEXTLEN,
                                                   .getData = LB_GETITEMDATA,
                                                   .setData = LB_SETITEMDATA,
                                                   .find = LB_FINDSTRING,
                                                   .findExact = LB_FINDSTRINGEXACT};
inline constexpr ItemQueryMessages kComboBoxQueries{.getCount = CB_GETCOUNT,
                                                    .getSelection = CB_GETCURSEL,
                                                    .getText = CB_GETLBTEXT,
                                                    .getTextLength = CB_GETLBTEXTLEN,
                                                    .getData = CB_GETITEMDATA,
                                                    .setData = CB_SETITEMDATA,
                                                    .find = CB_FINDSTRING,
                                                    .findExact = CB_FINDSTRINGEXACT};

// Answers a query that reads the items or sets an item's value, which needs no redrawing;
// nothing for any other message.
std::optional<LRESULT> AnswerItemQuery(ItemList& items, const ItemQueryMessages& queries,
                                       UINT message, WPARAM wParam, LPARAM lParam);

// The item that a typed character (WM_CHAR) selects: the next after the selection, wrapping,
// whose text begins with it; -1 when none does or the character is a control character or space.
int ItemOfTypedCharacter(const ItemList& items, WPARAM character);

// How a control moves its selection by keys: Up, Down, Home and End always; Left and Right as Up
// and Down when `sideArrows`; Page Up and Page Down by `page` items when it is above 0.
struct SelectionKeys {
    bool sideArrows;
    int page;
};

// The item a key moves the selection to, kept inside the list; nothing for another key or an
// empty list.
std::optional<int> ItemOfKey(const ItemList& items, WPARAM key, const SelectionKeys& keys);

} // namespace win32
