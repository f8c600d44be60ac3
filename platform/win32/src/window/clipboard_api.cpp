// The clipboard: one open session at a time, each format's data owned by the clipboard, and a
// listener told when a session that changed it closes.
#include "platform/win32/window_host.h"
#include "platform/win32/windows.h"

#include <cstring>
#include <map>
#include <utility>

namespace {

struct Clipboard {
    bool open = false;
    bool changed = false;
    HWND opener = nullptr;
    HWND owner = nullptr;
    std::map<UINT, HANDLE> data;
    std::function<void()> listener;
};

Clipboard& TheClipboard() {
    // Never destroyed, as the system's own state outlives the libraries that unload before it.
    static Clipboard& clipboard = *new Clipboard;
    return clipboard;
}

void Free(UINT format, HANDLE data) {
    if (format == CF_BITMAP) {
        DeleteObject(data);
    } else {
        GlobalFree(data);
    }
}

bool Acceptable(UINT format, HANDLE data) {
    if (format == CF_TEXT) {
        return GlobalSize(data) > 0;
    }
    return format == CF_BITMAP && GetObjectType(data) == OBJ_BITMAP;
}

} // namespace

BOOL OpenClipboard(HWND owner) {
    Clipboard& clipboard = TheClipboard();
    if (clipboard.open) {
        return FALSE;
    }
    clipboard.open = true;
    clipboard.changed = false;
    clipboard.opener = owner;
    return TRUE;
}

BOOL CloseClipboard() {
    Clipboard& clipboard = TheClipboard();
    if (!clipboard.open) {
        return FALSE;
    }
    clipboard.open = false;
    if (std::exchange(clipboard.changed, false) && clipboard.listener) {
        clipboard.listener();
    }
    return TRUE;
}

BOOL EmptyClipboard() {
    Clipboard& clipboard = TheClipboard();
    if (!clipboard.open) {
        return FALSE;
    }
    for (auto& [format, data] : clipboard.data) {
        Free(format, data);
    }
    clipboard.data.clear();
    clipboard.owner = clipboard.opener;
    clipboard.changed = true;
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
    Clipboard& clipboard = TheClipboard();
    if (!clipboard.open || !Acceptable(format, data)) {
        return nullptr;
    }
    auto [at, added] = clipboard.data.try_emplace(format, data);
    if (!added && at->second != data) {
        Free(format, std::exchange(at->second, data));
    }
    clipboard.changed = true;
    return data;
}

HANDLE GetClipboardData(UINT format) {
    Clipboard& clipboard = TheClipboard();
    auto found = clipboard.data.find(format);
    return clipboard.open && found != clipboard.data.end() ? found->second : nullptr;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    return TheClipboard().data.count(format) != 0 ? TRUE : FALSE;
}

int CountClipboardFormats() {
    return static_cast<int>(TheClipboard().data.size());
}

HWND GetClipboardOwner() {
    return TheClipboard().owner;
}

namespace win32 {

void SetClipboardListener(std::function<void()> changed) {
    TheClipboard().listener = std::move(changed);
}

std::optional<std::string> ClipboardText() {
    auto found = TheClipboard().data.find(CF_TEXT);
    if (found == TheClipboard().data.end()) {
        return std::nullopt;
    }
    HGLOBAL memory = found->second;
    const auto* bytes = static_cast<const char*>(GlobalLock(memory));
    std::string text(bytes, strnlen(bytes, GlobalSize(memory)));
    GlobalUnlock(memory);
    return text;
}

std::optional<WindowImage> ClipboardBitmap() {
    auto found = TheClipboard().data.find(CF_BITMAP);
    BITMAP bitmap{};
    if (found == TheClipboard().data.end() ||
        GetObjectA(found->second, sizeof bitmap, &bitmap) == 0) {
        return std::nullopt;
    }
    WindowImage image;
    image.width = bitmap.bmWidth;
    image.height = bitmap.bmHeight;
    image.pixels.resize(static_cast<std::size_t>(image.width) *
                        static_cast<std::size_t>(image.height));
    // GetDIBits may fill in colour masks or a table after the header, as in Windows.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = image.width;
    info.header.biHeight = -image.height;
    info.header.biPlanes = 1;
    info.header.biBitCount = 32;
    info.header.biCompression = BI_RGB;
    HDC dc = CreateCompatibleDC(nullptr);
    int rows =
        GetDIBits(dc, static_cast<HBITMAP>(found->second), 0, static_cast<UINT>(image.height),
                  image.pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteDC(dc);
    if (rows != image.height) {
        return std::nullopt;
    }
    for (std::uint32_t& pixel : image.pixels) {
        pixel &= 0x00FFFFFF;
    }
    return image;
}

} // namespace win32
