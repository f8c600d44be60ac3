#include "platform/forms/control.h"

#include "platform/forms/application.h"
#include "platform/forms/errors.h"
#include "platform/forms/form.h"

namespace forms {

namespace {

// The key code (virtual key) and shift state of a typed character, as KeyDown reports them: a
// letter gives its capital, punctuation its key on a US keyboard.
int KeyCodeOf(int keyAscii) {
    if (keyAscii >= 'a' && keyAscii <= 'z') {
        return keyAscii - 'a' + 'A';
    }
    switch (keyAscii) {
    case '.':
        return 190;
    case ',':
        return 188;
    case '-':
        return 189;
    case '/':
        return 191;
    default:
        return keyAscii;
    }
}

int ShiftOf(int keyAscii) {
    return (keyAscii >= 'A' && keyAscii <= 'Z') ? 1 : 0;
}

} // namespace

Control::Control(Form& form, std::string name) : form_(form), name_(std::move(name)) {
    common_.tabIndex = static_cast<int>(form.Controls().size());
    form.AddControl(*this);
}

Control::~Control() {
    form_.RemoveControl(*this);
}

std::string Control::DisplayName() const {
    return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void Control::SetContainer(Control& container, int page) {
    container_ = &container;
    containerPage_ = page;
    Changed();
}

Application& Control::App() const {
    return form_.App();
}

void Control::Touch() const {
    form_.Touch();
}

bool Control::Running() const {
    return !App().Ended();
}

void Control::Changed() {
    App().NotifyChanged(*this);
}

#define FORMS_COMMON_PROPERTY(Type, Getter, Setter, field)                                         \
    Type Control::Getter() const {                                                                 \
        Touch();                                                                                   \
        return common_.field;                                                                      \
    }                                                                                              \
    void Control::Setter(Type value) {                                                             \
        Touch();                                                                                   \
        if (common_.field != value) {                                                              \
            common_.field = value;                                                                 \
            Changed();                                                                             \
        }                                                                                          \
    }

FORMS_COMMON_PROPERTY(int, Left, SetLeft, left)
FORMS_COMMON_PROPERTY(int, Top, SetTop, top)
FORMS_COMMON_PROPERTY(int, Width, SetWidth, width)
FORMS_COMMON_PROPERTY(int, Height, SetHeight, height)
FORMS_COMMON_PROPERTY(bool, Visible, SetVisible, visible)
FORMS_COMMON_PROPERTY(bool, Enabled, SetEnabled, enabled)
FORMS_COMMON_PROPERTY(Color, BackColor, SetBackColor, backColor)
FORMS_COMMON_PROPERTY(Color, ForeColor, SetForeColor, foreColor)
FORMS_COMMON_PROPERTY(bool, FontBold, SetFontBold, fontBold)
FORMS_COMMON_PROPERTY(int, TabIndex, SetTabIndex, tabIndex)
FORMS_COMMON_PROPERTY(bool, TabStop, SetTabStop, tabStop)

#undef FORMS_COMMON_PROPERTY

const std::string& Control::Tag() const {
    Touch();
    return common_.tag;
}

void Control::SetTag(std::string tag) {
    Touch();
    common_.tag = std::move(tag);
}

const std::string& Control::ToolTipText() const {
    Touch();
    return common_.toolTipText;
}

void Control::SetToolTipText(std::string text) {
    Touch();
    if (common_.toolTipText != text) {
        common_.toolTipText = std::move(text);
        Changed();
    }
}

void Control::Move(int left, int top, int width, int height) {
    Touch();
    common_.left = left;
    common_.top = top;
    common_.width = width;
    common_.height = height;
    Changed();
}

void Control::SetFocus() {
    Touch();
    if (!TakesFocus() || !IsUsable()) {
        RaiseInvalidProcedureCall("SetFocus on " + DisplayName());
    }
    Application& app = App();
    form_.activeControl_ = this;
    if (app.ActiveForm() != &form_) {
        app.Focus().ActivateForm(&form_, app.GetHost());
    } else {
        app.Focus().MoveFocus(this, app.GetHost());
    }
}

bool Control::IsShowing() const {
    if (!form_.IsShowing() || !common_.visible) {
        return false;
    }
    return container_ == nullptr || (container_->IsShowing() && container_->ShowsChild(*this));
}

bool Control::IsUsable() const {
    if (!IsShowing() || !common_.enabled) {
        return false;
    }
    for (const Control* c = container_; c != nullptr; c = c->container_) {
        if (!c->common_.enabled) {
            return false;
        }
    }
    return true;
}

bool Control::IsTabStop() const {
    return TakesFocus() && common_.tabStop;
}

bool Control::ShowsChild(const Control&) const {
    return true;
}

void Control::TypeKey(int keyAscii) {
    int keyCode = KeyCodeOf(keyAscii);
    const int shift = ShiftOf(keyAscii);
    Raise(KeyDown, keyCode, shift);
    int key = keyAscii;
    Raise(KeyPress, key);
    if (key != 0 && Running()) {
        DefaultKeyAction(key);
    }
    Raise(KeyUp, keyCode, shift);
}

void Control::DefaultKeyAction(int) {}

void Control::SaveDesign() {
    commonDesign_ = common_;
}

void Control::RestoreDesign() {
    common_ = commonDesign_;
}

} // namespace forms
