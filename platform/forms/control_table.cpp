#include "platform/forms/control_table.h"

#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/forms/control_visitor.h"
#include "platform/forms/form.h"

namespace forms {

namespace {

// What the loader knows of a control named by a row or already on the form.
struct Known {
    ControlKind kind;
    int tabCount = 0;
};

std::vector<std::string> SplitTabCaptions(std::string_view captions) {
    std::vector<std::string> tabs;
    std::size_t start = 0;
    while (true) {
        const std::size_t bar = captions.find('|', start);
        tabs.emplace_back(captions.substr(start, bar - start));
        if (bar == std::string_view::npos) {
            return tabs;
        }
        start = bar + 1;
    }
}

bool HoldsControls(ControlKind kind) {
    return kind == ControlKind::Frame || kind == ControlKind::PictureBox ||
           kind == ControlKind::Resizer || kind == ControlKind::TabControl;
}

bool HasCaption(ControlKind kind) {
    return kind != ControlKind::Line && kind != ControlKind::Resizer &&
           kind != ControlKind::ListBox && kind != ControlKind::HScrollBar &&
           kind != ControlKind::PictureBox && kind != ControlKind::Grid &&
           kind != ControlKind::Timer && kind != ControlKind::PrintDocumentView;
}

[[noreturn]] void Reject(const ControlRow& row, const std::string& why) {
    throw std::invalid_argument("control table row \"" + std::string(row.name) + "\": " + why);
}

// Checks every row before any control is made, so that a bad table adds nothing.
void CheckRows(Form& form, std::span<const ControlRow> rows) {
    std::map<std::string, Known, std::less<>> known;
    for (Control* control : form.Controls()) {
        const int tabs = control->Kind() == ControlKind::TabControl
                             ? static_cast<TabControl*>(control)->TabCount()
                             : 0;
        known.emplace(control->Name(), Known{control->Kind(), tabs});
    }
    for (const ControlRow& row : rows) {
        if (row.name.empty() || known.contains(row.name)) {
            Reject(row, "the name is empty or taken");
        }
        if (!row.caption.empty() && !HasCaption(row.kind)) {
            Reject(row, "this kind of control has no caption");
        }
        if (row.kind == ControlKind::TabControl && row.caption.empty()) {
            Reject(row, "a tab control needs its tab captions");
        }
        if (!row.container.empty()) {
            const auto container = known.find(row.container);
            if (container == known.end()) {
                Reject(row, "no control \"" + std::string(row.container) + "\" comes before it");
            }
            const bool menuItem = row.kind == ControlKind::Menu;
            if (menuItem != (container->second.kind == ControlKind::Menu) ||
                (!menuItem && !HoldsControls(container->second.kind))) {
                Reject(row, "\"" + std::string(row.container) + "\" cannot hold it");
            }
            const bool tabbed = container->second.kind == ControlKind::TabControl;
            if (tabbed ? row.tab < 0 || row.tab >= container->second.tabCount : row.tab != -1) {
                Reject(row, "tab " + std::to_string(row.tab) + " is not a page of \"" +
                                std::string(row.container) + "\"");
            }
        } else if (row.tab != -1) {
            Reject(row, "a tab page without a tab control");
        }
        const int tabs = row.kind == ControlKind::TabControl
                             ? static_cast<int>(SplitTabCaptions(row.caption).size())
                             : 0;
        known.emplace(std::string(row.name), Known{row.kind, tabs});
    }
}

Control* FindControl(Form& form, std::string_view name) {
    for (Control* control : form.Controls()) {
        if (control->Name() == name) {
            return control;
        }
    }
    return nullptr;
}

template <class T>
std::unique_ptr<Control> WithCaption(Form& form, const ControlRow& row) {
    auto control = std::make_unique<T>(form, std::string(row.name));
    control->SetCaption(std::string(row.caption));
    return control;
}

std::unique_ptr<Control> CreateControl(Form& form, const ControlRow& row) {
    const std::string name(row.name);
    switch (row.kind) {
    case ControlKind::TextBox: {
        auto box = std::make_unique<TextBox>(form, name);
        box->SetText(std::string(row.caption));
        return box;
    }
    case ControlKind::Label:
        return WithCaption<Label>(form, row);
    case ControlKind::Frame:
        return WithCaption<Frame>(form, row);
    case ControlKind::Line: {
        auto line = std::make_unique<Line>(form, name);
        line->SetX1(row.position.left);
        line->SetY1(row.position.top);
        line->SetX2(row.position.left + row.position.width);
        line->SetY2(row.position.top + row.position.height);
        return line;
    }
    case ControlKind::Resizer:
        return std::make_unique<Resizer>(form, name);
    case ControlKind::CommandButton:
        return WithCaption<CommandButton>(form, row);
    case ControlKind::CheckBox:
        return WithCaption<CheckBox>(form, row);
    case ControlKind::OptionButton:
        return WithCaption<OptionButton>(form, row);
    case ControlKind::ListBox:
        return std::make_unique<ListBox>(form, name);
    case ControlKind::ComboBox: {
        auto combo = std::make_unique<ComboBox>(form, name);
        combo->SetText(std::string(row.caption));
        return combo;
    }
    case ControlKind::HScrollBar:
        return std::make_unique<HScrollBar>(form, name);
    case ControlKind::PictureBox:
        return std::make_unique<PictureBox>(form, name);
    case ControlKind::TabControl: {
        const std::vector<std::string> captions = SplitTabCaptions(row.caption);
        auto tabs = std::make_unique<TabControl>(form, name, static_cast<int>(captions.size()));
        for (std::size_t tab = 0; tab < captions.size(); ++tab) {
            tabs->SetTabCaption(static_cast<int>(tab), captions[tab]);
        }
        return tabs;
    }
    case ControlKind::Grid:
        return std::make_unique<Grid>(form, name);
    case ControlKind::Menu: {
        auto* parent = static_cast<Menu*>(FindControl(form, row.container));
        auto menu = std::make_unique<Menu>(form, name, parent);
        menu->SetCaption(std::string(row.caption));
        return menu;
    }
    case ControlKind::Timer:
        return std::make_unique<Timer>(form, name);
    case ControlKind::PrintDocumentView:
        return std::make_unique<PrintDocumentView>(form, name);
    }
    throw std::logic_error("control table: unknown control kind");
}

} // namespace

std::vector<Control*> LoadControls(Form& form, std::span<const ControlRow> rows) {
    CheckRows(form, rows);
    std::vector<Control*> created;
    for (const ControlRow& row : rows) {
        std::unique_ptr<Control> control = CreateControl(form, row);
        const bool placed = row.kind != ControlKind::Line && row.kind != ControlKind::Menu &&
                            row.kind != ControlKind::Timer;
        if (placed) {
            control->Move(row.position.left, row.position.top, row.position.width,
                          row.position.height);
        }
        if (!row.container.empty() && row.kind != ControlKind::Menu) {
            control->SetContainer(*FindControl(form, row.container), row.tab);
        }
        if (row.tabIndex >= 0) {
            control->SetTabIndex(row.tabIndex);
        }
        created.push_back(control.get());
        form.Own(std::move(control));
    }
    return created;
}

} // namespace forms
