#include "platform/forms/controls/label.h"

namespace forms {

Label::Label(Form& form, std::string name) : ControlWith(form, std::move(name)) {
    SetBackColor(Color::kButtonFace);
    SetForeColor(Color::kButtonText);
}

const std::string& Label::Caption() const {
    return Get(&CaptionProperties::caption);
}

void Label::SetCaption(std::string caption) {
    Set(&CaptionProperties::caption, std::move(caption));
}

Alignment Label::GetAlignment() const {
    return Get(&CaptionProperties::alignment);
}

void Label::SetAlignment(forms::Alignment alignment) {
    Set(&CaptionProperties::alignment, alignment);
}

void Label::Press() {
    Raise(Click);
}

} // namespace forms
