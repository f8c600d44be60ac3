// The line: a straight line between two points of its container, in twips.
#pragma once

#include "platform/forms/control.h"

#include <string>

namespace forms {

struct LineProperties {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int borderWidth = 1;
};

class Line final : public ControlWith<LineProperties> {
public:
    Line(Form& form, std::string name);

    ControlKind Kind() const override { return ControlKind::Line; }

    int X1() const;
    int Y1() const;
    int X2() const;
    int Y2() const;
    void SetX1(int twips);
    void SetY1(int twips);
    void SetX2(int twips);
    void SetY2(int twips);
    // The line's colour is its ForeColor (the runtime's BorderColor).
    Color BorderColor() const { return ForeColor(); }
    void SetBorderColor(Color color) { SetForeColor(color); }
};

} // namespace forms
