// A form of the windowing runtime: a top-level window with its controls, its life cycle
// (initialize, load, show, hide, unload) and its events.
//
// Event order, as the original runtime raises it (every rule has a test in form_test.cpp and
// focus_test.cpp):
// - First touch: a form that the program touches (any property or method of the form or of one
//   of its controls, or Show) before it was loaded is loaded then: Initialize (the first time
//   only), then Load, both before the first show.
// - Show: Load when not loaded; then, when it was hidden, the form becomes visible (placed by
//   its StartUpPosition the first time after a load, unless the program has placed it since)
//   and raises
//   Resize; then it becomes the active form: LostFocus of the control that had the focus,
//   Deactivate of the form that was active, Activate, GotFocus of the form's active control (the
//   first control in tab order the first time). Paint is queued and runs when events are let run.
//   Show of a form that already shows only makes it active; Show modal of a form that already
//   shows raises error 5.
// - Show modal: as Show, then a nested loop runs queued events and user input until the form is
//   hidden or unloaded or the program ends; Show returns then. The loop may be entered from any
//   event, Paint included. While a modal form shows, the user can reach only that form.
// - Hide and Unload of the active form make its owner (else the most recently active visible
//   form) active again, with the focus events above, and queue a Paint of the owner of a modal
//   form.
// - Unload: raises Unload with cancel 0; a handler that sets cancel to a non-zero value keeps
//   the form loaded and nothing else happens. Otherwise the form hides (its focused control gets
//   no LostFocus), its modal loop ends, and its controls return to their design values for the
//   next load.
// - Size changes of a loaded form, from code or by the user, and window-state changes raise
//   Resize; a change to the same value raises nothing.
// - Paint is queued when the form first shows, grows or shrinks, is restored from minimized, is
//   refreshed, or is uncovered by its modal form going away; requests that are already queued
//   merge into one. Paint does not re-enter itself: a paint asked for while the form's Paint
//   runs waits until it returns.
// - After Application::End no event is raised at all.
#pragma once

#include "platform/forms/color.h"
#include "platform/forms/event.h"
#include "platform/forms/picture.h"

#include <memory>
#include <string>
#include <vector>

namespace forms {

class Application;
class Control;

enum class ShowMode { Modeless = 0, Modal = 1 };

// Where a form shows the first time after it was loaded, when the program has not set its Left or
// Top since the load began (the runtime's StartUpPosition): Manual keeps Left and Top;
// CenterOwner centres it over its owner when the owner shows, else on the screen; CenterScreen
// centres it on the screen, and so does WindowsDefault, the window system's own choice here.
// A form that does not fit on the screen keeps its left or top edge on it.
enum class StartUpPosition { Manual = 0, CenterOwner = 1, CenterScreen = 2, WindowsDefault = 3 };
enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };
// The window's frame (the runtime's BorderStyle): Sizable can be resized, minimised and
// maximised by the user; FixedDialog keeps the size the program gives it and has only a close
// box, for windows that do not lay themselves out again.
enum class BorderStyle { Sizable = 2, FixedDialog = 3 };

// Mouse pointer values of the runtime.
inline constexpr int vbDefault = 0;
inline constexpr int vbHourglass = 11;

class Form {
public:
    // A form of `app`, not yet loaded. The derived class creates its controls in its
    // constructor; Application::Create then keeps their values as the design.
    Form(Application& app, std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Application& App() const { return app_; }
    const std::string& Name() const { return name_; }

    void Show(ShowMode mode = ShowMode::Modeless, Form* owner = nullptr);
    void Hide();
    // Asks for a repaint: Paint is queued.
    void Refresh();

    // State that reading does not count as touching the form.
    bool IsLoaded() const { return loaded_; }
    bool IsModal() const { return modal_; }
    bool IsShowing() const { return loaded_ && visible_; }
    Form* Owner() const { return owner_; }

    bool Visible() const;
    const std::string& Caption() const;
    void SetCaption(std::string caption);
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int twips);
    void SetTop(int twips);
    void SetWidth(int twips);
    void SetHeight(int twips);
    void Move(int left, int top, int width, int height);
    forms::StartUpPosition GetStartUpPosition() const;
    void SetStartUpPosition(forms::StartUpPosition position);
    // Left and Top are the outer corner of the window's frame; Width and Height include the
    // frame. The inside of the window, without border, caption and menu bar:
    int ScaleWidth() const;
    int ScaleHeight() const;
    WindowState GetWindowState() const;
    void SetWindowState(WindowState state);
    forms::BorderStyle GetBorderStyle() const;
    void SetBorderStyle(forms::BorderStyle style);
    int MousePointer() const;
    void SetMousePointer(int pointer);
    Color BackColor() const;
    void SetBackColor(Color color);
    const Picture& Icon() const;
    void SetIcon(Picture icon);
    // The control of this form that has or last had the focus.
    Control* ActiveControl() const;

    // Every control in creation order, and the ones the Tab key visits, in tab order.
    const std::vector<Control*>& Controls() const { return controls_; }
    std::vector<Control*> TabOrder() const;
    // Keeps a control that was made apart from the form's members (control_table.h) for the
    // form's lifetime. Made after the design ended, its present values become its design.
    void Own(std::unique_ptr<Control> control);

    Event<> Initialize;
    Event<> Load;
    Event<> Activate;
    Event<> Deactivate;
    Event<> Resize;
    Event<> Paint;
    Event<int&> Unload; // cancel

    // Loads the form if the program touches it before it was loaded.
    void Touch() const;

private:
    friend class Application;
    friend class Control;
    friend class FocusManager;
    friend void LoadForm(Form&);
    friend void UnloadForm(Form&);

    void AddControl(Control& control);
    void RemoveControl(Control& control);
    void EndDesign();
    void DoLoad();
    void DoUnload();
    void DoHide();
    void SetSize(int width, int height);
    void PlaceAtStartUp();
    void Changed();

    struct Properties {
        std::string caption;
        int left = 0;
        int top = 0;
        int width = 4800;
        int height = 3600;
        WindowState windowState = WindowState::Normal;
        forms::BorderStyle borderStyle = forms::BorderStyle::Sizable;
        int mousePointer = vbDefault;
        Color backColor = Color::kButtonFace;
        Picture icon;
        forms::StartUpPosition startUpPosition = forms::StartUpPosition::WindowsDefault;
    };

    Application& app_;
    std::string name_;
    std::vector<Control*> controls_;
    Properties p_;
    Properties design_;
    bool designed_ = false;
    bool initialized_ = false;
    bool loaded_ = false;
    bool visible_ = false;
    bool modal_ = false;
    // Since the load began: whether the program set Left or Top, and whether the form showed.
    bool placedSinceLoad_ = false;
    bool shownSinceLoad_ = false;
    bool painting_ = false;
    bool paintQueued_ = false;
    bool paintAgain_ = false;
    Form* owner_ = nullptr;
    Control* activeControl_ = nullptr;
    // After controls_: destroyed first, each taking itself off the list.
    std::vector<std::unique_ptr<Control>> owned_;
};

// The runtime's Load and Unload statements.
void LoadForm(Form& form);
void UnloadForm(Form& form);

} // namespace forms
