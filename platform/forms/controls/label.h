// The label: a caption that the program sets and the user can click.
#pragma once

#include "platform/forms/alignment.h"
#include "platform/forms/control.h"

#include <string>

namespace forms {

struct CaptionProperties {
    std::string caption;
    Alignment alignment = Alignment::Left;
};

class Label : public ControlWith<CaptionProperties> {
public:
    Label(Form& form, std::string name);

    ControlKind Kind() const override { return ControlKind::Label; }

    const std::string& Caption() const;
    void SetCaption(std::string caption);
    forms::Alignment GetAlignment() const;
    void SetAlignment(forms::Alignment alignment);
    // What a user's click does: raises Click (labels and frames take no focus).
    void Press();

    Event<> Click;
};

} // namespace forms
