// The tab control of the main window: numbered tabs with captions and per-tab visible and
// enabled flags, a current tab whose page shows, and the tab-change event. Each tab has a page
// that holds controls (SetContainer(tabs, page)); only the current tab's page shows.
//
// A user's choice of a tab (a click, an access key) first takes the focus to the tab control,
// so that the field being left hears its LostFocus before the page changes; the Tab key passes
// it by. While it has the focus, the arrow keys choose the tab before or after the current
// one, Home and End the first and the last, skipping hidden and disabled tabs.
#pragma once

#include "platform/forms/control.h"

#include <string>
#include <vector>

namespace forms {

struct TabControlProperties {
    struct Tab {
        std::string caption;
        bool visible = true;
        bool enabled = true;
    };
    std::vector<Tab> tabs;
    int currentTab = 0;
    int refreshCount = 0;
};

class TabControl final : public ControlWith<TabControlProperties> {
public:
    TabControl(Form& form, std::string name, int tabCount);

    ControlKind Kind() const override { return ControlKind::TabControl; }

    int TabCount() const;
    // Error 380 for a tab number outside 0..TabCount - 1.
    const std::string& TabCaption(int tab) const;
    void SetTabCaption(int tab, std::string caption);
    bool TabVisible(int tab) const;
    void SetTabVisible(int tab, bool visible);
    bool TabEnabled(int tab) const;
    void SetTabEnabled(int tab, bool enabled);

    int CurrentTab() const;
    // Brings the tab's page forward, so that a control on it can take the focus at once, and
    // raises TabChange when the current tab changes, as a user's choice does. Code may choose a
    // hidden or disabled tab; the user cannot.
    void SetCurrentTab(int tab);

    // Repaints the control; the count tells tests and the skin that it was asked for.
    void Refresh();
    int RefreshCount() const;

    bool ShowsChild(const Control& child) const override;
    bool TakesFocus() const override { return true; }

    Event<> TabChange;

private:
    void DefaultKeyDownAction(int keyCode, int shift) override;
    // Whether a user can choose the tab: it shows and is enabled.
    bool Choosable(int tab) const;
    TabControlProperties::Tab& At(int tab);
    const TabControlProperties::Tab& At(int tab) const;
};

} // namespace forms
