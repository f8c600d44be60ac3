#include "platform/forms/label.h"

namespace forms {

Label::Label(Form& form, std::string name) : ControlWith(form, std::move(name)) {
    SetBackColor(Color::ButtonFace);
    SetForeColor(Color::ButtonText);
}

const std::string& Label::Caption() const {
    Touch();
    return p_.caption;
}

void Label::SetCaption(std::string caption) {
    Touch();
    if (caption != p_.caption) {
        p_.caption = std::move(caption);
        Changed();
    }
}

Alignment Label::GetAlignment() const {
    Touch();
    return p_.alignment;
}

void Label::SetAlignment(forms::Alignment alignment) {
    Touch();
    p_.alignment = alignment;
    Changed();
}

void Label::Press() {
    Raise(Click);
}

Frame::Frame(Form& form, std::string name) : Label(form, std::move(name)) {}

Line::Line(Form& form, std::string name) : ControlWith(form, std::move(name)) {
    SetForeColor(Color::Black);
}

int Line::X1() const {
    Touch();
    return p_.x1;
}

int Line::Y1() const {
    Touch();
    return p_.y1;
}

int Line::X2() const {
    Touch();
    return p_.x2;
}

int Line::Y2() const {
    Touch();
    return p_.y2;
}

void Line::Set(int LineProperties::*coordinate, int twips) {
    Touch();
    p_.*coordinate = twips;
    Changed();
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
