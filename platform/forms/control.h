// The base of every control: name and array index, place and size in twips, visibility,
// enabling, tag, colours, tab order and the focus and key events that every control shares.
#pragma once

#include "platform/forms/color.h"
#include "platform/forms/control_kind.h"
#include "platform/forms/event.h"

#include <string>

namespace forms {

class Application;
class Form;

class Control {
public:
    // Adds the control to `form`, placed directly on the form. `name` is the name the program
    // gives it ("txtInput"); array elements share the name and differ by index.
    Control(Form& form, std::string name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    // The element's index in its control array, -1 for a control that is not in an array.
    int Index() const { return index_; }
    // "txtInput(3)" for an array element, the bare name otherwise: used in messages.
    std::string DisplayName() const;
    Form& Parent() const { return form_; }
    // Which kind of control this is; Visit (control_visitor.h) dispatches on it.
    virtual ControlKind Kind() const = 0;

    // The frame, picture box, resizer or tab control that holds this control (nullptr: the form
    // itself), and for a tab control the page number.
    Control* Container() const { return container_; }
    int ContainerPage() const { return containerPage_; }
    void SetContainer(Control& container, int page = -1);

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int twips);
    void SetTop(int twips);
    void SetWidth(int twips);
    void SetHeight(int twips);
    void Move(int left, int top, int width, int height);

    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    const std::string& Tag() const;
    void SetTag(std::string tag);
    const std::string& ToolTipText() const;
    void SetToolTipText(std::string text);
    Color BackColor() const;
    void SetBackColor(Color color);
    Color ForeColor() const;
    void SetForeColor(Color color);
    bool FontBold() const;
    void SetFontBold(bool bold);
    int TabIndex() const;
    void SetTabIndex(int tabIndex);
    bool TabStop() const;
    void SetTabStop(bool tabStop);

    // Moves the focus here from code. Raises error 5 when the control cannot take the focus
    // (hidden, disabled, on a hidden form, or a kind that never takes it).
    void SetFocus();

    // Whether controls of this kind take the focus at all (labels, frames and lines do not).
    virtual bool TakesFocus() const { return false; }
    // Whether the Tab key stops here when the control is usable: a focusable control with its
    // tab stop set (an option button only when it is the chosen one of its group).
    virtual bool IsTabStop() const;
    // Visible on screen: the control, every container up to the form and the form itself.
    bool IsShowing() const;
    // Showing and enabled, the control and every container: what a user can reach.
    bool IsUsable() const;
    // Whether this container shows `child` (a tab control shows the current page only).
    virtual bool ShowsChild(const Control& child) const;

    Event<> GotFocus;
    Event<> LostFocus;
    Event<int&, int> KeyDown; // key code, shift state
    Event<int&> KeyPress;     // character code; the handler may change it or set it to 0
    Event<int&, int> KeyUp;   // key code, shift state

    // A key typed while this control has the focus: KeyDown, KeyPress, then the control's own
    // reaction to the character unless the handler discarded it, then KeyUp.
    void TypeKey(int keyAscii);
    // A key that types no character (an arrow, Home, End, Delete) pressed while this control has
    // the focus: KeyDown, then the control's own reaction unless the handler set the key code
    // to 0, then KeyUp.
    void PressKey(int keyCode, int shift);

protected:
    Application& App() const;
    // Loads the form when the program touches it before it was loaded.
    void Touch() const;
    // Tells the skin that a property changed.
    void Changed();
    // Raises `event` unless the program has ended.
    template <class... Args, class... Actual>
    void Raise(const Event<Args...>& event, Actual&&... args) const;
    bool Running() const;

    // What the control does with a character the KeyPress handler let through.
    virtual void DefaultKeyAction(int keyAscii);
    // What the control does with a key that types no character.
    virtual void DefaultKeyDownAction(int keyCode, int shift);

    // Design values are kept so that a form loaded again starts from them.
    virtual void SaveDesign();
    virtual void RestoreDesign();

private:
    friend class Form;
    template <class T>
    friend class ControlArray;

    struct CommonProperties {
        int left = 0;
        int top = 0;
        int width = 1215;
        int height = 375;
        bool visible = true;
        bool enabled = true;
        std::string tag;
        std::string toolTipText;
        Color backColor = Color::kWindowBackground;
        Color foreColor = Color::kWindowText;
        bool fontBold = false;
        int tabIndex = 0;
        bool tabStop = true;
    };

    Form& form_;
    std::string name_;
    int index_ = -1;
    Control* container_ = nullptr;
    int containerPage_ = -1;
    template <class Value>
    const Value& GetCommon(Value CommonProperties::*property) const;
    template <class Value>
    void SetCommon(Value CommonProperties::*property, Value value);

    CommonProperties common_;
    CommonProperties commonDesign_;
};

// A control whose own properties live in one struct, saved at design time and restored when
// the form is loaded again.
template <class OwnProperties>
class ControlWith : public Control {
public:
    using Control::Control;

protected:
    // A property read or written by the program: touching loads the form; a write that changes
    // the value tells the skin.
    template <class Value>
    const Value& Get(Value OwnProperties::*property) const {
        Touch();
        return p_.*property;
    }
    template <class Value>
    void Set(Value OwnProperties::*property, Value value) {
        Touch();
        if (!(p_.*property == value)) {
            p_.*property = std::move(value);
            Changed();
        }
    }

    OwnProperties p_;

private:
    void SaveDesign() override {
        Control::SaveDesign();
        design_ = p_;
    }
    void RestoreDesign() override {
        Control::RestoreDesign();
        p_ = design_;
    }
    OwnProperties design_;
};

template <class... Args, class... Actual>
void Control::Raise(const Event<Args...>& event, Actual&&... args) const {
    if (Running()) {
        event.Invoke(std::forward<Actual>(args)...);
    }
}

} // namespace forms
