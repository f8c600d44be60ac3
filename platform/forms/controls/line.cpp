#include "platform/forms/controls/line.h"

namespace forms {

Line::Line(Form& form, std::string name) : ControlWith(form, std::move(name)) {
    SetForeColor(Color::kBlack);
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

} // namespace forms
