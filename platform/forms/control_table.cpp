#include "platform/forms/control_table.h"

#include "platform/forms/control_visitor.h"
#include "platform/forms/form.h"

#include <charconv>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>

namespace forms {

namespace {

// What the loader knows of a control named by a row or already on the form; `existing` is the
// form's own control, null for one a row makes.
struct Known {
    ControlKind kind;
    int tabCount = 0;
    const Control* existing = nullptr;
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

// The array and index of a row's name "txtInput(3)"; nullopt for a plain name. A name with a
// bracket that is not one array element is returned as index -1.
struct ElementName {
    std::string_view array;
    int index = -1;
};

std::optional<ElementName> ParseElementName(std::string_view name) {
    const std::size_t open = name.find('(');
    if (open == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view digits = name.substr(open + 1, name.size() - open - 2);
    int index = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    const bool wellFormed = open > 0 && name.back() == ')' && !digits.empty() &&
                            error == std::errc() && end == digits.data() + digits.size() &&
                            index >= 0;
    return ElementName{name.substr(0, open), wellFormed ? index : -1};
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

bool HasAlignment(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::Label;
}

// Lines, menus and timers have no place of their own on the form (a line has its two ends).
bool IsPlaced(ControlKind kind) {
    return kind != ControlKind::Line && kind != ControlKind::Menu && kind != ControlKind::Timer;
}

[[noreturn]] void Reject(const ControlRow& row, const std::string& why) {
    throw std::invalid_argument("control table row \"" + std::string(row.name) + "\": " + why);
}

int TabCount(const ControlRow& row) {
    return row.kind == ControlKind::TabControl
               ? static_cast<int>(SplitTabCaptions(row.caption).size())
               : 0;
}

// What a placing row cannot change of the control it names: its kind, a menu's parent menu
// (made with the menu), the number of a tab control's tabs (made with the tab control).
void CheckPlaced(const ControlRow& row, const Control& control) {
    if (control.Kind() != row.kind) {
        Reject(row, "the form's control of that name is of another kind");
    }
    if (row.kind == ControlKind::Menu) {
        const Menu* parent = static_cast<const Menu&>(control).ParentMenu();
        const std::string parentName = parent != nullptr ? parent->DisplayName() : "";
        if (parentName != row.container) {
            Reject(row, parentName.empty()
                            ? "the form's menu of that name is a top-level menu"
                            : "the form's menu of that name is an item of \"" + parentName + "\"");
        }
    }
    if (row.kind == ControlKind::TabControl && !row.caption.empty()) {
        const int tabs = static_cast<const TabControl&>(control).TabCount();
        if (TabCount(row) != tabs) {
            Reject(row,
                   "the form's tab control of that name has " + std::to_string(tabs) + " tabs");
        }
    }
}

// Checks every row before any control is made or moved, so that a bad table changes nothing.
void CheckRows(Form& form, std::span<const ControlRow> rows, ExistingNames existing) {
    std::map<std::string, Known, std::less<>> known;
    for (Control* control : form.Controls()) {
        const int tabs = control->Kind() == ControlKind::TabControl
                             ? static_cast<TabControl*>(control)->TabCount()
                             : 0;
        known.emplace(control->DisplayName(), Known{control->Kind(), tabs, control});
    }
    std::set<std::string_view> named;
    for (const ControlRow& row : rows) {
        if (row.name.empty() || !named.insert(row.name).second) {
            Reject(row, "the name is empty or named twice");
        }
        const auto found = known.find(row.name);
        const std::optional<ElementName> element = ParseElementName(row.name);
        if (found != known.end()) {
            if (existing == ExistingNames::Refused) {
                Reject(row, "the name is taken");
            }
            CheckPlaced(row, *found->second.existing);
        } else if (element) {
            Reject(row, element->index < 0 ? "the name is no array element"
                                           : "the form has no such array element");
        } else if (existing == ExistingNames::Required) {
            Reject(row, "the form has no control of that name");
        }
        if (!row.caption.empty() && !HasCaption(row.kind)) {
            Reject(row, "this kind of control has no caption");
        }
        if (row.alignment != Alignment::Left && !HasAlignment(row.kind)) {
            Reject(row, "this kind of control has no alignment");
        }
        if (!row.toolTip.empty() && !IsPlaced(row.kind)) {
            Reject(row, "this kind of control has no tool tip");
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
        known.emplace(std::string(row.name), Known{row.kind, TabCount(row)});
    }
}

Control* FindControl(Form& form, std::string_view displayName) {
    for (Control* control : form.Controls()) {
        if (control->DisplayName() == displayName) {
            return control;
        }
    }
    return nullptr;
}

// A new control of the row's kind, bare but for what its kind needs from birth: a tab control's
// number of tabs, a menu's parent.
std::unique_ptr<Control> CreateControl(Form& form, const ControlRow& row) {
    const std::string name(row.name);
    switch (row.kind) {
    case ControlKind::TextBox:
        return std::make_unique<TextBox>(form, name);
    case ControlKind::Label:
        return std::make_unique<Label>(form, name);
    case ControlKind::Frame:
        return std::make_unique<Frame>(form, name);
    case ControlKind::Line:
        return std::make_unique<Line>(form, name);
    case ControlKind::Resizer:
        return std::make_unique<Resizer>(form, name);
    case ControlKind::CommandButton:
        return std::make_unique<CommandButton>(form, name);
    case ControlKind::CheckBox:
        return std::make_unique<CheckBox>(form, name);
    case ControlKind::OptionButton:
        return std::make_unique<OptionButton>(form, name);
    case ControlKind::ListBox:
        return std::make_unique<ListBox>(form, name);
    case ControlKind::ComboBox:
        return std::make_unique<ComboBox>(form, name);
    case ControlKind::HScrollBar:
        return std::make_unique<HScrollBar>(form, name);
    case ControlKind::PictureBox:
        return std::make_unique<PictureBox>(form, name);
    case ControlKind::TabControl:
        return std::make_unique<TabControl>(form, name, TabCount(row));
    case ControlKind::Grid:
        return std::make_unique<Grid>(form, name);
    case ControlKind::Menu: {
        auto* parent = static_cast<Menu*>(FindControl(form, row.container));
        return std::make_unique<Menu>(form, name, parent);
    }
    case ControlKind::Timer:
        return std::make_unique<Timer>(form, name);
    case ControlKind::PrintDocumentView:
        return std::make_unique<PrintDocumentView>(form, name);
    }
    throw std::logic_error("control table: unknown control kind");
}

// The row's caption (a starting text for text and combo boxes) and alignment onto its control.
void ApplyText(Control& control, const ControlRow& row, bool created) {
    const std::string caption(row.caption);
    const bool keep = caption.empty() && !created;
    switch (row.kind) {
    case ControlKind::TextBox: {
        auto& box = static_cast<TextBox&>(control);
        if (!keep) {
            box.SetText(caption);
        }
        box.SetAlignment(row.alignment);
        return;
    }
    case ControlKind::ComboBox:
        if (!keep) {
            static_cast<ComboBox&>(control).SetText(caption);
        }
        return;
    case ControlKind::Label:
    case ControlKind::Frame: {
        auto& label = static_cast<Label&>(control);
        if (!keep) {
            label.SetCaption(caption);
        }
        label.SetAlignment(row.alignment);
        return;
    }
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
        if (!keep) {
            static_cast<Button&>(control).SetCaption(caption);
        }
        return;
    case ControlKind::Menu:
        if (!keep) {
            static_cast<Menu&>(control).SetCaption(caption);
        }
        return;
    case ControlKind::TabControl: {
        const std::vector<std::string> captions = SplitTabCaptions(row.caption);
        for (std::size_t tab = 0; tab < captions.size(); ++tab) {
            static_cast<TabControl&>(control).SetTabCaption(static_cast<int>(tab), captions[tab]);
        }
        return;
    }
    default:
        return; // no caption: CheckRows refused one
    }
}

} // namespace

std::vector<Control*> LoadControls(Form& form, std::span<const ControlRow> rows,
                                   ExistingNames existing) {
    CheckRows(form, rows, existing);
    const int firstTabIndex = static_cast<int>(form.Controls().size());
    std::vector<Control*> loaded;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ControlRow& row = rows[i];
        Control* control = FindControl(form, row.name);
        const bool created = control == nullptr;
        std::unique_ptr<Control> made;
        if (created) {
            made = CreateControl(form, row);
            control = made.get();
        }
        ApplyText(*control, row, created);
        if (IsPlaced(row.kind)) {
            control->Move(row.position.left, row.position.top, row.position.width,
                          row.position.height);
            control->SetToolTipText(std::string(row.toolTip));
        } else if (row.kind == ControlKind::Line) {
            auto& line = static_cast<Line&>(*control);
            line.SetX1(row.position.left);
            line.SetY1(row.position.top);
            line.SetX2(row.position.left + row.position.width);
            line.SetY2(row.position.top + row.position.height);
        }
        if (!row.container.empty() && row.kind != ControlKind::Menu) {
            control->SetContainer(*FindControl(form, row.container), row.tab);
        }
        control->SetTabIndex(row.tabIndex >= 0 ? row.tabIndex
                                               : firstTabIndex + static_cast<int>(i));
        loaded.push_back(control);
        // Owned once its values are set: a form whose design has ended keeps them as the design.
        if (made) {
            form.Own(std::move(made));
        }
    }
    return loaded;
}

std::vector<int> ElementIndices(std::span<const ControlRow> rows, std::string_view arrayName) {
    std::vector<int> indices;
    for (const ControlRow& row : rows) {
        const std::optional<ElementName> element = ParseElementName(row.name);
        if (element && element->array == arrayName && element->index >= 0) {
            indices.push_back(element->index);
        }
    }
    return indices;
}

} // namespace forms
