#include "platform/testing/accessible_windows.h"

#include <atspi/atspi.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace testkit {

namespace {

// The bus hands out references that the caller drops.
struct Unref {
    void operator()(void* object) const { g_object_unref(object); }
};
template <typename T>
using Ref = std::unique_ptr<T, Unref>;

// Everything right of and below the screen's origin; a window's own extents bound the rest.
constexpr ScreenRect kScreen = {0, 0, 1 << 20, 1 << 20};

std::string TakeText(gchar* text) {
    std::string result = text != nullptr ? text : "";
    g_free(text);
    return result;
}

// Reads `node` and, when it shows, the showing nodes below it. Controls that do not show
// (another tab's page, a closed menu) are left out with everything below them. `around` is what
// the controls around it leave visible.
bool Read(AtspiAccessible* node, const ScreenRect& around, Accessible& into) {
    Ref<AtspiStateSet> states(atspi_accessible_get_state_set(node));
    if (!states || !atspi_state_set_contains(states.get(), ATSPI_STATE_SHOWING)) {
        return false;
    }
    into.checked = atspi_state_set_contains(states.get(), ATSPI_STATE_CHECKED);
    into.focused = atspi_state_set_contains(states.get(), ATSPI_STATE_FOCUSED);
    into.selected = atspi_state_set_contains(states.get(), ATSPI_STATE_SELECTED);
    into.enabled = atspi_state_set_contains(states.get(), ATSPI_STATE_ENABLED);
    into.role = TakeText(atspi_accessible_get_role_name(node, nullptr));
    into.name = TakeText(atspi_accessible_get_name(node, nullptr));
    if (Ref<AtspiComponent> component{atspi_accessible_get_component_iface(node)}) {
        if (AtspiRect* rect =
                atspi_component_get_extents(component.get(), ATSPI_COORD_TYPE_SCREEN, nullptr)) {
            into.extents = {rect->x, rect->y, rect->width, rect->height};
            g_free(rect);
        }
    }
    // An open menu is a window of its own that reaches out of the menu bar.
    const bool ownWindow = into.role == "popup menu" || into.role == "menu";
    into.visible = into.extents.Within(ownWindow ? kScreen : around);
    if (into.role == "text") {
        if (Ref<AtspiText> text{atspi_accessible_get_text_iface(node)}) {
            const gint count = atspi_text_get_character_count(text.get(), nullptr);
            into.text = TakeText(atspi_text_get_text(text.get(), 0, count, nullptr));
        }
    }
    if (into.role == "scroll bar") {
        if (Ref<AtspiValue> value{atspi_accessible_get_value_iface(node)}) {
            into.value = atspi_value_get_current_value(value.get(), nullptr);
        }
    }
    const gint count = atspi_accessible_get_child_count(node, nullptr);
    for (gint i = 0; i < count; ++i) {
        Ref<AtspiAccessible> child(atspi_accessible_get_child_at_index(node, i, nullptr));
        Accessible read;
        if (child && Read(child.get(), into.visible, read)) {
            into.children.push_back(std::move(read));
        }
    }
    return true;
}

void Collect(const Accessible& node, const std::function<bool(const Accessible&)>& wanted,
             std::vector<const Accessible*>& found) {
    if (wanted(node)) {
        found.push_back(&node);
    }
    for (const Accessible& child : node.children) {
        Collect(child, wanted, found);
    }
}

} // namespace

ScreenRect ScreenRect::Within(const ScreenRect& other) const {
    const int left = std::max(x, other.x);
    const int top = std::max(y, other.y);
    const int right = std::min(x + width, other.x + other.width);
    const int bottom = std::min(y + height, other.y + other.height);
    if (right <= left || bottom <= top) {
        return {};
    }
    return {left, top, right - left, bottom - top};
}

std::string Accessible::Caption() const {
    std::string caption;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '&' && i + 1 < name.size()) {
            ++i; // the marked letter, or the second "&" of "&&"
        }
        caption += name[i];
    }
    return caption;
}

std::vector<const Accessible*>
Accessible::FindAll(const std::function<bool(const Accessible&)>& wanted) const {
    std::vector<const Accessible*> found;
    Collect(*this, wanted, found);
    return found;
}

const Accessible* Accessible::Find(const std::string& role, const std::string& name) const {
    const std::vector<const Accessible*> found = FindAll(
        [&](const Accessible& node) { return node.role == role && node.Caption() == name; });
    return found.empty() ? nullptr : found.front();
}

std::string Accessible::Describe(int depth) const {
    std::string line = std::string(static_cast<std::size_t>(2 * depth), ' ') + role + " \"" + name +
                       "\" at " + std::to_string(extents.x) + "," + std::to_string(extents.y) +
                       " " + std::to_string(extents.width) + "x" + std::to_string(extents.height);
    if (visible.Empty()) {
        line += " hidden";
    } else if (visible.width != extents.width || visible.height != extents.height) {
        line += " (" + std::to_string(visible.width) + "x" + std::to_string(visible.height) +
                " of it visible)";
    }
    if (!text.empty()) {
        line += " text \"" + text + "\"";
    }
    if (role == "scroll bar") {
        line += " value " + std::to_string(value);
    }
    for (const auto& [state, label] : {std::pair{checked, " checked"},
                                       {focused, " focused"},
                                       {selected, " selected"},
                                       {!enabled, " disabled"}}) {
        if (state) {
            line += label;
        }
    }
    line += "\n";
    for (const Accessible& child : children) {
        line += child.Describe(depth + 1);
    }
    return line;
}

AccessibilityBus::AccessibilityBus() {
    atspi_init();
    // Asking the desktop for its programs starts the accessibility bus and its registry, which
    // a program looks for once, when it starts.
    Ref<AtspiAccessible> desktop(atspi_get_desktop(0));
    GError* error = nullptr;
    atspi_accessible_get_child_count(desktop.get(), &error);
    if (error != nullptr) {
        const std::string message = error->message;
        g_error_free(error);
        atspi_exit();
        throw std::runtime_error("no accessibility bus: " + message);
    }
}

AccessibilityBus::~AccessibilityBus() {
    atspi_exit();
}

std::vector<Accessible> AccessibilityBus::WindowsOf(pid_t program) const {
    std::vector<Accessible> windows;
    Ref<AtspiAccessible> desktop(atspi_get_desktop(0));
    const gint programs = atspi_accessible_get_child_count(desktop.get(), nullptr);
    for (gint i = 0; i < programs; ++i) {
        Ref<AtspiAccessible> application(
            atspi_accessible_get_child_at_index(desktop.get(), i, nullptr));
        if (!application || atspi_accessible_get_process_id(application.get(), nullptr) !=
                                static_cast<guint>(program)) {
            continue;
        }
        // Read afresh every time: what the bus kept from the last read may be out of date.
        atspi_accessible_set_cache_mask(application.get(), ATSPI_CACHE_NONE);
        const gint count = atspi_accessible_get_child_count(application.get(), nullptr);
        for (gint w = 0; w < count; ++w) {
            Ref<AtspiAccessible> window(
                atspi_accessible_get_child_at_index(application.get(), w, nullptr));
            Accessible read;
            if (window && Read(window.get(), kScreen, read)) {
                windows.push_back(std::move(read));
            }
        }
    }
    return windows;
}

} // namespace testkit
