#include "program/ui/support/src/window_placement.h"

#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/runtime/conversions.h"
#include "platform/runtime/number_parse.h"
#include "platform/runtime/runtime_error.h"
#include "platform/system/profile_file.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>

namespace ui {

namespace {

constexpr const char* kIniSection = "Program";
// The INI values are read into a buffer of this many characters.
constexpr std::size_t kIniBufferSize = 128;

struct PlacementKey {
    const char* key;
    const char* defaultValue;
};
constexpr PlacementKey kTop{"Top", "1"};
constexpr PlacementKey kLeft{"Left", "1"};
constexpr PlacementKey kWidth{"Width", "8370"};
constexpr PlacementKey kHeight{"Height", "8775"};
constexpr PlacementKey kWindowState{"WindowState", "0"};

bool HasContent(const std::filesystem::path& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return !error && size > 0;
}

// A stored value as the window can take it: a number beyond what the runtime reads ("1e999")
// reads as 0, as any unreadable value does, and one beyond the 32-bit range the window's
// places and sizes have is the nearest end of that range, which the clamps below then bring
// onto the screen.
int StoredWhole(const std::function<std::string(const PlacementKey&)>& read,
                const PlacementKey& key) {
    double value = 0;
    try {
        value = runtime::Val(read(key));
    } catch (const runtime::RuntimeError&) {
        value = 0;
    }
    return runtime::ToInt32(
        std::clamp(value, static_cast<double>(INT32_MIN), static_cast<double>(INT32_MAX)));
}

// A stored edge kept on the screen: beyond the screen's size it moves back by the window's
// size; below 1 it becomes 1.
int ClampEdge(int stored, int screenSize, int windowSize) {
    int edge = stored;
    if (edge > screenSize) {
        edge = screenSize - windowSize;
    }
    return edge < 1 ? 1 : edge;
}

} // namespace

void LoadWindowPlacement(forms::Form& window, const std::filesystem::path& iniPath,
                         const UserSettings& settings) {
    std::function<std::string(const PlacementKey&)> read;
    if (HasContent(iniPath)) {
        read = [&iniPath](const PlacementKey& key) {
            return sys::GetProfileString(iniPath, kIniSection, key.key, key.defaultValue,
                                         kIniBufferSize);
        };
    } else {
        read = [&settings](const PlacementKey& key) {
            return settings.Get(key.key, key.defaultValue);
        };
    }
    const forms::Screen& screen = window.App().GetScreen();
    const int startWidth = window.Width();
    const int startHeight = window.Height();
    window.SetTop(ClampEdge(StoredWhole(read, kTop), screen.height, startHeight));
    window.SetLeft(ClampEdge(StoredWhole(read, kLeft), screen.width, startWidth));
    window.SetWidth(StoredWhole(read, kWidth));
    if (window.Width() > screen.width) {
        window.SetLeft(1);
        window.SetWidth(screen.width - 100);
    }
    window.SetHeight(StoredWhole(read, kHeight));
    if (window.Height() > screen.height) {
        window.SetTop(1);
        window.SetHeight(screen.height - 200);
    }
    // A state the window does not know opens it normal.
    const int state = StoredWhole(read, kWindowState);
    const bool known = state >= static_cast<int>(forms::WindowState::Normal) &&
                       state <= static_cast<int>(forms::WindowState::Maximized);
    window.SetWindowState(known ? static_cast<forms::WindowState>(state)
                                : forms::WindowState::Normal);
}

void SaveWindowPlacement(forms::Form& window, MinimumSize minimum, UserSettings& settings) {
    const forms::Screen& screen = window.App().GetScreen();
    const auto edge = [](int value, int room) { return (room < value || value < 0) ? 1 : value; };
    const sys::ProfileEntry placement[] = {
        {kTop.key, std::to_string(edge(window.Top(), screen.height - window.Height()))},
        {kLeft.key, std::to_string(edge(window.Left(), screen.width - window.Width()))},
        {kWidth.key, std::to_string(std::max(window.Width(), minimum.width))},
        {kHeight.key, std::to_string(std::max(window.Height(), minimum.height))},
        {kWindowState.key, "0"},
    };
    settings.Save(placement, window.App());
}

} // namespace ui
