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

template <class Value>
const Value& Control::GetCommon(Value CommonProperties::*property) const {
    Touch();
    return common_.*property;
}

template <class Value>
void Control::SetCommon(Value CommonProperties::*property, Value value) {
    Touch();
    if (!(common_.*property == value)) {
        common_.*property = std::move(value);
        Changed();
    }
}

int Control::Left() const {
    return GetCommon(&CommonProperties::left);
}

void Control::SetLeft(int value) {
    SetCommon(&CommonProperties::left, value);
}

int Control::Top() const {
    return GetCommon(&CommonProperties::top);
}

void Control::SetTop(int value) {
    SetCommon(&CommonProperties::top, value);
}

int Control::Width() const {
    return GetCommon(&CommonProperties::width);
}

void Control::SetWidth(int value) {
    SetCommon(&CommonProperties::width, value);
}

int Control::Height() const {
    return GetCommon(&CommonProperties::height);
}

void Control::SetHeight(int value) {
    SetCommon(&CommonProperties::height, value);
}

bool Control::Visible() const {
    return GetCommon(&CommonProperties::visible);
}

void Control::SetVisible(bool value) {
    SetCommon(&CommonProperties::visible, value);
}

bool Control::Enabled() const {
    return GetCommon(&CommonProperties::enabled);
}

void Control::SetEnabled(bool value) {
    SetCommon(&CommonProperties::enabled, value);
}

Color Control::BackColor() const {
    return GetCommon(&CommonProperties::backColor);
}

void Control::SetBackColor(Color value) {
    SetCommon(&CommonProperties::backColor, value);
}

Color Control::ForeColor() const {
    return GetCommon(&CommonProperties::foreColor);
}

void Control::SetForeColor(Color value) {
    SetCommon(&CommonProperties::foreColor, value);
}

bool Control::FontBold() const {
    return GetCommon(&CommonProperties::fontBold);
}

void Control::SetFontBold(bool value) {
    SetCommon(&CommonProperties::fontBold, value);
}

int Control::TabIndex() const {
    return GetCommon(&CommonProperties::tabIndex);
}

void Control::SetTabIndex(int value) {
    SetCommon(&CommonProperties::tabIndex, value);
}

bool Control::TabStop() const {
    return GetCommon(&CommonProperties::tabStop);
}

void Control::SetTabStop(bool value) {
    SetCommon(&CommonProperties::tabStop, value);
}

const std::string& Control::Tag() const {
    return GetCommon(&CommonProperties::tag);
}

void Control::SetTag(std::string tag) {
    SetCommon(&CommonProperties::tag, std::move(tag));
}

const std::string& Control::ToolTipText() const {
    return GetCommon(&CommonProperties::toolTipText);
}

void Control::SetToolTipText(std::string text) {
    SetCommon(&CommonProperties::toolTipText, std::move(text));
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

void Control::PressKey(int keyCode, int shift) {
    int code = keyCode;
    Raise(KeyDown, code, shift);
    if (code != 0 && Running()) {
        DefaultKeyDownAction(code, shift);
    }
    code = keyCode;
    Raise(KeyUp, code, shift);
}

void Control::DefaultKeyAction(int) {}

void Control::DefaultKeyDownAction(int, int) {}

void Control::SaveDesign() {
    commonDesign_ = common_;
}

void Control::RestoreDesign() {
    common_ = commonDesign_;
}

} // namespace forms
