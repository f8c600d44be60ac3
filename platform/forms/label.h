// Static controls: the label, the frame that groups controls, the line, and the resizer
// container, which the program only moves and sizes.
#pragma once

#include <string>

#include "platform/forms/control.h"
#include "platform/forms/text_box.h"

namespace forms {

struct CaptionProperties {
    std::string caption;
    Alignment alignment = Alignment::Left;
};

class Label : public ControlWith<CaptionProperties> {
public:
    Label(Form& form, std::string name);

    const std::string& Caption() const;
    void SetCaption(std::string caption);
    forms::Alignment GetAlignment() const;
    void SetAlignment(forms::Alignment alignment);
    // What a user's click does: raises Click (labels and frames take no focus).
    void Press();

    Event<> Click;
};

// A frame holds controls (SetContainer) and gives option buttons their group.
class Frame : public Label {
public:
    Frame(Form& form, std::string name);
};

struct LineProperties {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int borderWidth = 1;
};

class Line : public ControlWith<LineProperties> {
public:
    Line(Form& form, std::string name);

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

// The resizer container: a borderless container moved and sized with its window.
class Resizer : public Control {
public:
    Resizer(Form& form, std::string name);
};

} // namespace forms
