// What the list box and the combo box share: a list of items and a selected index.
//
// Programmatic changes raise events as the original runtime does: setting ListIndex to another
// index raises Click, as a user's choice does; a combo box whose text changes raises Change.
//
// The keys that move the selection, as the system's lists move it: Up (or Left) selects the item
// before the selected one, Down (or Right) the one after it, Home the first and End the last;
// with none selected, Up and Down select the first. The selection stops at either end.
#pragma once

#include "platform/forms/control.h"

#include <string>
#include <vector>

namespace forms {

struct ListProperties {
    std::vector<std::string> items;
    int listIndex = -1;
    std::string text; // combo box: the edit part
    int style = 0;    // combo box: 0 drop-down combo (editable), 2 drop-down list
};

class ListControl : public ControlWith<ListProperties> {
public:
    using ControlWith::ControlWith;

    int ListCount() const;
    // The item at `index`; error 381 style (invalid property value) past the end.
    const std::string& List(int index) const;
    // Adds an item at `index` (-1: at the end); error 5 past the end. The selected item stays
    // selected.
    void AddItem(std::string item, int index = -1);
    // Error 5 for an index that holds no item. Removing the selected item leaves none selected.
    void RemoveItem(int index);
    void Clear();
    int ListIndex() const;
    // -1 to ListCount - 1, else error 380; raises Click when the index changes.
    void SetListIndex(int index);
    bool TakesFocus() const override { return true; }

    Event<> Click;

protected:
    // The combo box keeps its text in step with the selection.
    virtual void SelectionChanged() {}
    // The first item after the selected one that starts with `key` (any case), wrapping round.
    int NextItemStartingWith(int key) const;
    // Whether Left, Right, Home and End belong to an edit line rather than to the list (a
    // drop-down combo's); Up and Down move the selection all the same.
    virtual bool KeepsLineKeys() const { return false; }

private:
    void DefaultKeyDownAction(int keyCode, int shift) override;
    // The item that the key selects (see above), -1 for a key that moves nothing.
    int ItemForKey(int keyCode) const;
};

} // namespace forms
