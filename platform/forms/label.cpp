#include "platform/forms/label.h"

namespace forms {

Label::Label(Form& form, std::string name) : ControlWith(form, std::move(name)) {
    SetBackColor(Color::ButtonFace);
    SetForeColor(Color::ButtonText);
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

Frame::Frame(Form& form, std::string name) : Label(form, std::move(name)) {}

Line::Line(Form& form, std::string name) : ControlWith(form, std::move(name)) {
    SetForeColor(Color::Black);
}

int Line::X1() const {
    return Get(&LineProperties::x1);
}

int Line::Y1() const {
    return Get(&LineProperties::y1);
}

int Line::X2() const {
    return Get(&LineProperties::x2);
}

int Line::Y2() const {
    return Get(&LineProperties::y2);
}

void Line::SetX1(int twips) {
    Set(&LineProperties::x1, twips);
}

void Line::SetY1(int twips) {
    Set(&LineProperties::y1, twips);
}

void Line::SetX2(int twips) {
    Set(&LineProperties::x2, twips);
}

void Line::SetY2(int twips) {
    Set(&LineProperties::y2, twips);
}

Resizer::Resizer(Form& form, std::string name) : Control(form, std::move(name)) {
    SetBackColor(Color::ButtonFace);
}

} // namespace forms
