#include "platform/forms/form.h"

#include "platform/forms/application.h"
#include "platform/forms/control.h"
#include "platform/forms/controls/menu.h"
#include "platform/forms/errors.h"
#include "platform/forms/host.h"

#include <algorithm>
#include <stdexcept>

namespace forms {

namespace {

// The frame of a sizable window at 15 twips a pixel: 4-pixel borders, a 23-pixel caption and a
// 20-pixel menu bar.
constexpr int kBorder = 60;
constexpr int kCaptionBar = 345;
constexpr int kMenuBar = 300;

// Sets a flag for the life of a scope, also when an event handler throws.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

} // namespace

Form::Form(Application& app, std::string name) : app_(app), name_(std::move(name)) {
    p_.caption = name_;
}

Form::~Form() {
    app_.Focus().Forget(*this);
}

void Form::AddControl(Control& control) {
    controls_.push_back(&control);
}

void Form::RemoveControl(Control& control) {
    std::erase(controls_, &control);
    if (activeControl_ == &control) {
        activeControl_ = nullptr;
    }
    app_.Focus().Forget(control);
}

void Form::Own(std::unique_ptr<Control> control) {
    if (designed_) {
        control->SaveDesign();
    }
    owned_.push_back(std::move(control));
}

void Form::EndDesign() {
    design_ = p_;
    for (Control* control : controls_) {
        control->SaveDesign();
    }
    designed_ = true;
}

void Form::Touch() const {
    if (designed_ && !loaded_ && !app_.Ended()) {
        // Loading changes the form; the object itself is never const (forms are made by
        // Application::Create), only this view of it.
        const_cast<Form*>(this)->DoLoad();
    }
}

void Form::DoLoad() {
    if (loaded_ || app_.Ended()) {
        return;
    }
    loaded_ = true;
    placedSinceLoad_ = false;
    shownSinceLoad_ = false;
    Changed();
    if (!initialized_) {
        initialized_ = true;
        if (!app_.Ended()) {
            Initialize.Invoke();
        }
    }
    if (!app_.Ended() && loaded_) {
        Load.Invoke();
    }
}

void LoadForm(Form& form) {
    form.DoLoad();
}

void UnloadForm(Form& form) {
    form.DoUnload();
}

void Form::Show(ShowMode mode, Form* owner) {
    DoLoad();
    if (!loaded_ || app_.Ended()) {
        return;
    }
    if (mode == ShowMode::Modal) {
        if (visible_) {
            RaiseFormAlreadyDisplayed(name_);
        }
        modal_ = true;
        owner_ = owner;
    } else if (owner != nullptr) {
        owner_ = owner;
    }
    if (!visible_) {
        if (!shownSinceLoad_) {
            shownSinceLoad_ = true;
            PlaceAtStartUp();
        }
        visible_ = true;
        Changed();
        if (!app_.Ended()) {
            Resize.Invoke();
        }
        app_.RequestPaint(*this);
    }
    if (!IsShowing() || app_.Ended()) {
        return;
    }
    app_.Focus().ActivateForm(this, app_.GetHost());
    if (mode == ShowMode::Modal && IsShowing()) {
        app_.RunModalLoop(*this);
    }
}

void Form::Hide() {
    Touch();
    if (visible_) {
        DoHide();
    }
}

void Form::DoHide() {
    visible_ = false;
    const bool wasModal = modal_;
    modal_ = false;
    Changed();
    app_.Focus().FormHidden(*this, app_.GetHost());
    if (wasModal && owner_ != nullptr && owner_->IsShowing()) {
        app_.RequestPaint(*owner_);
    }
}

void Form::DoUnload() {
    if (!loaded_ || app_.Ended()) {
        return;
    }
    int cancel = 0;
    Unload.Invoke(cancel);
    if (cancel != 0 || !loaded_ || app_.Ended()) {
        return;
    }
    // A form being unloaded raises no LostFocus; the next form's activation follows.
    app_.Focus().DropFocus(*this);
    if (visible_) {
        DoHide();
    }
    loaded_ = false;
    owner_ = nullptr;
    activeControl_ = nullptr;
    app_.Focus().Forget(*this);
    p_ = design_;
    for (Control* control : controls_) {
        control->RestoreDesign();
    }
    Changed();
}

void Form::Refresh() {
    Touch();
    app_.RequestPaint(*this);
}

void Form::Changed() {
    app_.NotifyChanged(*this);
}

bool Form::Visible() const {
    Touch();
    return visible_;
}

const std::string& Form::Caption() const {
    Touch();
    return p_.caption;
}

void Form::SetCaption(std::string caption) {
    Touch();
    if (p_.caption != caption) {
        p_.caption = std::move(caption);
        Changed();
    }
}

int Form::Left() const {
    Touch();
    return p_.left;
}

int Form::Top() const {
    Touch();
    return p_.top;
}

int Form::Width() const {
    Touch();
    return p_.width;
}

int Form::Height() const {
    Touch();
    return p_.height;
}

void Form::SetLeft(int twips) {
    Move(twips, Top(), Width(), Height());
}

void Form::SetTop(int twips) {
    Move(Left(), twips, Width(), Height());
}

void Form::SetWidth(int twips) {
    Touch();
    SetSize(twips, p_.height);
}

void Form::SetHeight(int twips) {
    Touch();
    SetSize(p_.width, twips);
}

void Form::Move(int left, int top, int width, int height) {
    Touch();
    placedSinceLoad_ = true;
    const bool moved = left != p_.left || top != p_.top;
    p_.left = left;
    p_.top = top;
    if (moved) {
        Changed();
    }
    SetSize(width, height);
}

void Form::SetSize(int width, int height) {
    if (width == p_.width && height == p_.height) {
        return;
    }
    p_.width = width;
    p_.height = height;
    Changed();
    if (loaded_ && !app_.Ended()) {
        Resize.Invoke();
        app_.RequestPaint(*this);
    }
}

StartUpPosition Form::GetStartUpPosition() const {
    Touch();
    return p_.startUpPosition;
}

void Form::SetStartUpPosition(StartUpPosition position) {
    Touch();
    p_.startUpPosition = position;
}

void Form::PlaceAtStartUp() {
    if (placedSinceLoad_ || p_.startUpPosition == StartUpPosition::Manual) {
        return;
    }
    const Screen& screen = app_.GetScreen();
    int left = (screen.width - p_.width) / 2;
    int top = (screen.height - p_.height) / 2;
    if (p_.startUpPosition == StartUpPosition::CenterOwner && owner_ != nullptr &&
        owner_->IsShowing()) {
        left = owner_->p_.left + (owner_->p_.width - p_.width) / 2;
        top = owner_->p_.top + (owner_->p_.height - p_.height) / 2;
    }
    p_.left = std::max(0, std::min(left, screen.width - p_.width));
    p_.top = std::max(0, std::min(top, screen.height - p_.height));
}

int Form::ScaleWidth() const {
    return std::max(0, Width() - 2 * kBorder);
}

int Form::ScaleHeight() const {
    const bool menuBar = std::any_of(controls_.begin(), controls_.end(), [](const Control* c) {
        return c->Kind() == ControlKind::Menu && static_cast<const Menu*>(c)->IsTopLevel();
    });
    return std::max(0, Height() - kCaptionBar - 2 * kBorder - (menuBar ? kMenuBar : 0));
}

WindowState Form::GetWindowState() const {
    Touch();
    return p_.windowState;
}

void Form::SetWindowState(WindowState state) {
    Touch();
    if (state == p_.windowState) {
        return;
    }
    const bool restored = p_.windowState == WindowState::Minimized;
    p_.windowState = state;
    Changed();
    if (loaded_ && !app_.Ended()) {
        Resize.Invoke();
        if (restored) {
            app_.RequestPaint(*this);
        }
    }
}

forms::BorderStyle Form::GetBorderStyle() const {
    Touch();
    return p_.borderStyle;
}

void Form::SetBorderStyle(forms::BorderStyle style) {
    Touch();
    if (style != p_.borderStyle) {
        p_.borderStyle = style;
        Changed();
    }
}

int Form::MousePointer() const {
    Touch();
    return p_.mousePointer;
}

void Form::SetMousePointer(int pointer) {
    Touch();
    if (pointer != p_.mousePointer) {
        p_.mousePointer = pointer;
        Changed();
    }
}

Color Form::BackColor() const {
    Touch();
    return p_.backColor;
}

void Form::SetBackColor(Color color) {
    Touch();
    if (color != p_.backColor) {
        p_.backColor = color;
        Changed();
    }
}

const Picture& Form::Icon() const {
    Touch();
    return p_.icon;
}

void Form::SetIcon(Picture icon) {
    Touch();
    p_.icon = std::move(icon);
    Changed();
}

Control* Form::ActiveControl() const {
    Touch();
    return activeControl_;
}

std::vector<Control*> Form::TabOrder() const {
    std::vector<Control*> order;
    for (Control* control : controls_) {
        if (control->IsTabStop() && control->IsUsable()) {
            order.push_back(control);
        }
    }
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->common_.tabIndex < b->common_.tabIndex;
    });
    return order;
}

void Application::RequestPaint(Form& form) {
    if (form.paintQueued_ || ended_) {
        return;
    }
    form.paintQueued_ = true;
    Post([this, &form] {
        form.paintQueued_ = false;
        if (!form.IsShowing() || form.p_.windowState == WindowState::Minimized || ended_) {
            return;
        }
        if (form.painting_) {
            form.paintAgain_ = true;
            return;
        }
        {
            FlagScope painting(form.painting_);
            form.Paint.Invoke();
        }
        if (form.paintAgain_) {
            form.paintAgain_ = false;
            RequestPaint(form);
        }
    });
}

} // namespace forms
