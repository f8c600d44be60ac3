// The list box: typing a letter selects the next item that starts with it.
#pragma once

#include "platform/forms/controls/list_control.h"

#include <string>

namespace forms {

class ListBox final : public ListControl {
public:
    ListBox(Form& form, std::string name);

    ControlKind Kind() const override { return ControlKind::ListBox; }

    // The selected item, empty when none is.
    std::string Text() const;

private:
    void DefaultKeyAction(int keyAscii) override;
};

} // namespace forms
