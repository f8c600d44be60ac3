// Window classes, and the window's own data read and written by index: the procedure, styles,
// id, user data and extra bytes.
#include "platform/win32/src/controls/controls.h"
#include "platform/win32/src/window/window.h"

#include <algorithm>
#include <cstring>

using namespace win32;

namespace {

// Offsets into extra bytes are checked against the bytes the class gave the window.
template <typename Value>
bool ReadExtra(const std::vector<std::uint8_t>& bytes, int index, Value& value) {
    if (index < 0 || static_cast<std::size_t>(index) + sizeof(Value) > bytes.size()) {
        return false;
    }
    std::memcpy(&value, bytes.data() + index, sizeof(Value));
    return true;
}

template <typename Value>
bool WriteExtra(std::vector<std::uint8_t>& bytes, int index, Value value) {
    if (index < 0 || static_cast<std::size_t>(index) + sizeof(Value) > bytes.size()) {
        return false;
    }
    std::memcpy(bytes.data() + index, &value, sizeof(Value));
    return true;
}

// The window's field at a negative index; false for an index that names none.
bool ReadField(const Window& window, int index, LONG_PTR& value) {
    switch (index) {
    case GWLP_WNDPROC:
        value = reinterpret_cast<LONG_PTR>(window.procedure);
        return true;
    case GWLP_HINSTANCE:
        value = reinterpret_cast<LONG_PTR>(window.instance);
        return true;
    case GWLP_HWNDPARENT:
        value = static_cast<LONG_PTR>(window.IsChildStyle() ? window.parent : window.owner);
        return true;
    case GWLP_ID:
        value = window.id;
        return true;
    case GWL_STYLE:
        value = static_cast<LONG>(window.style);
        return true;
    case GWL_EXSTYLE:
        value = static_cast<LONG>(window.exStyle);
        return true;
    case GWLP_USERDATA:
        value = window.userData;
        return true;
    default:
        return false;
    }
}

bool WriteField(Window& window, int index, LONG_PTR value) {
    switch (index) {
    case GWLP_WNDPROC:
        window.procedure = reinterpret_cast<WNDPROC>(value);
        return true;
    case GWLP_HINSTANCE:
        window.instance = reinterpret_cast<HINSTANCE>(value);
        return true;
    case GWLP_ID:
        window.id = value;
        return true;
    case GWL_STYLE:
        window.style = static_cast<DWORD>(value);
        return true;
    case GWL_EXSTYLE:
        window.exStyle = static_cast<DWORD>(value);
        return true;
    case GWLP_USERDATA:
        window.userData = value;
        return true;
    default:
        return false;
    }
}

} // namespace

ATOM RegisterClassA(const WNDCLASSA* windowClass) {
    if (windowClass == nullptr || windowClass->lpszClassName == nullptr ||
        windowClass->lpfnWndProc == nullptr || windowClass->cbWndExtra < 0 ||
        windowClass->cbClsExtra < 0 || IS_INTRESOURCE(windowClass->lpszClassName)) {
        return 0;
    }
    RegisterControlClasses();
    auto& classes = RegisteredClasses();
    for (const auto& existing : classes) {
        if (!existing->system && existing->instance == windowClass->hInstance &&
            strcasecmp(existing->name.c_str(), windowClass->lpszClassName) == 0) {
            return 0;
        }
    }
    auto entry = std::make_shared<WindowClass>();
    entry->name = windowClass->lpszClassName;
    entry->style = windowClass->style;
    entry->procedure = windowClass->lpfnWndProc;
    entry->windowExtra = windowClass->cbWndExtra;
    entry->instance = windowClass->hInstance;
    entry->cursor = windowClass->hCursor;
    entry->background = windowClass->hbrBackground;
    entry->classExtra.assign(static_cast<std::size_t>(windowClass->cbClsExtra), 0);
    classes.push_back(entry);
    // Atoms of registered classes start at 0xC000.
    return static_cast<ATOM>(0xC000 + classes.size());
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE instance) {
    if (className == nullptr || IS_INTRESOURCE(className)) {
        return FALSE;
    }
    auto& classes = RegisteredClasses();
    auto found = std::find_if(classes.begin(), classes.end(), [&](const auto& entry) {
        return !entry->system && entry->instance == instance &&
               strcasecmp(entry->name.c_str(), className) == 0;
    });
    // A class that windows still use stays (each window keeps its class alive regardless).
    if (found == classes.end() || found->use_count() > 1) {
        return FALSE;
    }
    classes.erase(found);
    return TRUE;
}

BOOL GetClassInfoA(HINSTANCE instance, LPCSTR className, WNDCLASSA* windowClass) {
    if (className == nullptr || windowClass == nullptr || IS_INTRESOURCE(className)) {
        return FALSE;
    }
    RegisterControlClasses();
    std::shared_ptr<WindowClass> found = FindWindowClass(className, instance);
    if (!found) {
        return FALSE;
    }
    *windowClass =
        WNDCLASSA{found->style,       found->procedure,  static_cast<int>(found->classExtra.size()),
                  found->windowExtra, found->instance,   nullptr,
                  found->cursor,      found->background, nullptr,
                  className};
    return TRUE;
}

int GetClassNameA(HWND hwnd, LPSTR className, int size) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr || className == nullptr || size <= 0) {
        return 0;
    }
    const std::string& name = window->windowClass->name;
    int length = std::min<int>(size - 1, static_cast<int>(name.size()));
    std::memcpy(className, name.data(), static_cast<std::size_t>(length));
    className[length] = '\0';
    return length;
}

LONG_PTR GetClassLongPtrA(HWND hwnd, int index) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return 0;
    }
    const WindowClass& windowClass = *window->windowClass;
    switch (index) {
    case GCLP_HBRBACKGROUND:
        return reinterpret_cast<LONG_PTR>(windowClass.background);
    case GCLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(windowClass.procedure);
    case GCL_CBWNDEXTRA:
        return windowClass.windowExtra;
    case GCL_STYLE:
        return windowClass.style;
    default: {
        LONG_PTR value = 0;
        return ReadExtra(windowClass.classExtra, index, value) ? value : 0;
    }
    }
}

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return 0;
    }
    LONG_PTR value = 0;
    if (index < 0) {
        return ReadField(*window, index, value) ? value : 0;
    }
    return ReadExtra(window->extra, index, value) ? value : 0;
}

LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return 0;
    }
    LONG_PTR previous = 0;
    if (index < 0) {
        if (!ReadField(*window, index, previous) || !WriteField(*window, index, value)) {
            return 0;
        }
        return previous;
    }
    if (!ReadExtra(window->extra, index, previous)) {
        return 0;
    }
    WriteExtra(window->extra, index, value);
    return previous;
}

LONG GetWindowLongA(HWND hwnd, int index) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return 0;
    }
    if (index < 0) {
        return static_cast<LONG>(GetWindowLongPtrA(hwnd, index));
    }
    LONG value = 0;
    return ReadExtra(window->extra, index, value) ? value : 0;
}

LONG SetWindowLongA(HWND hwnd, int index, LONG value) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return 0;
    }
    if (index < 0) {
        return static_cast<LONG>(SetWindowLongPtrA(hwnd, index, value));
    }
    LONG previous = 0;
    if (!ReadExtra(window->extra, index, previous)) {
        return 0;
    }
    WriteExtra(window->extra, index, value);
    return previous;
}

LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam) {
    if (procedure == nullptr) {
        return 0;
    }
    return procedure(window, message, wParam, lParam);
}
