#include "platform/forms/controls/tab_control.h"

#include "platform/forms/errors.h"
#include "platform/forms/keys.h"

namespace forms {

TabControl::TabControl(Form& form, std::string name, int tabCount)
    : ControlWith(form, std::move(name)) {
    p_.tabs.resize(static_cast<std::size_t>(tabCount > 0 ? tabCount : 0));
    SetTabStop(false);
    SetBackColor(Color::kButtonFace);
}

TabControlProperties::Tab& TabControl::At(int tab) {
    if (tab < 0 || tab >= static_cast<int>(p_.tabs.size())) {
        RaiseInvalidPropertyValue(DisplayName() + " tab " + std::to_string(tab));
    }
    return p_.tabs[static_cast<std::size_t>(tab)];
}

const TabControlProperties::Tab& TabControl::At(int tab) const {
    return const_cast<TabControl*>(this)->At(tab);
}

int TabControl::TabCount() const {
    Touch();
    return static_cast<int>(p_.tabs.size());
}

const std::string& TabControl::TabCaption(int tab) const {
    Touch();
    return At(tab).caption;
}

void TabControl::SetTabCaption(int tab, std::string caption) {
    Touch();
    At(tab).caption = std::move(caption);
    Changed();
}

bool TabControl::TabVisible(int tab) const {
    Touch();
    return At(tab).visible;
}

void TabControl::SetTabVisible(int tab, bool visible) {
    Touch();
    At(tab).visible = visible;
    Changed();
}

bool TabControl::TabEnabled(int tab) const {
    Touch();
    return At(tab).enabled;
}

void TabControl::SetTabEnabled(int tab, bool enabled) {
    Touch();
    At(tab).enabled = enabled;
    Changed();
}

int TabControl::CurrentTab() const {
    Touch();
    return p_.currentTab;
}

void TabControl::SetCurrentTab(int tab) {
    Touch();
    At(tab);
    if (tab == p_.currentTab) {
        return;
    }
    p_.currentTab = tab;
    Changed();
    Raise(TabChange);
}

void TabControl::Refresh() {
    Touch();
    ++p_.refreshCount;
    Changed();
}

int TabControl::RefreshCount() const {
    Touch();
    return p_.refreshCount;
}

bool TabControl::Choosable(int tab) const {
    const TabControlProperties::Tab& at = p_.tabs[static_cast<std::size_t>(tab)];
    return at.visible && at.enabled;
}

void TabControl::DefaultKeyDownAction(int keyCode, int) {
    const auto count = static_cast<int>(p_.tabs.size());
    int from = p_.currentTab;
    int step = 0;
    if (keyCode == vbKeyLeft || keyCode == vbKeyUp) {
        step = -1;
    } else if (keyCode == vbKeyRight || keyCode == vbKeyDown) {
        step = 1;
    } else if (keyCode == vbKeyHome) {
        from = -1;
        step = 1;
    } else if (keyCode == vbKeyEnd) {
        from = count;
        step = -1;
    } else {
        return;
    }
    for (int tab = from + step; tab >= 0 && tab < count; tab += step) {
        if (Choosable(tab)) {
            SetCurrentTab(tab);
            return;
        }
    }
}

bool TabControl::ShowsChild(const Control& child) const {
    const int page = child.ContainerPage();
    return page < 0 || (page == p_.currentTab && page < static_cast<int>(p_.tabs.size()) &&
                        p_.tabs[static_cast<std::size_t>(page)].visible);
}

} // namespace forms
