#include "platform/win32/qt/src/virtual_keys.h"

#include "platform/win32/winuser.h"

#include <Qt>

namespace win32::qt {

int VirtualKeyOf(int qtKey) {
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        // Letters and digits have the codes of their capitals and digits in both.
        return qtKey;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        return VK_F1 + (qtKey - Qt::Key_F1);
    }
    struct Pair {
        int qt;
        int vk;
    };
    static constexpr Pair kKeys[] = {
        {Qt::Key_Backspace, VK_BACK},  {Qt::Key_Tab, VK_TAB},      {Qt::Key_Backtab, VK_TAB},
        {Qt::Key_Return, VK_RETURN},   {Qt::Key_Enter, VK_RETURN}, {Qt::Key_Shift, VK_SHIFT},
        {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},     {Qt::Key_Escape, VK_ESCAPE},
        {Qt::Key_Space, VK_SPACE},     {Qt::Key_PageUp, VK_PRIOR}, {Qt::Key_PageDown, VK_NEXT},
        {Qt::Key_End, VK_END},         {Qt::Key_Home, VK_HOME},    {Qt::Key_Left, VK_LEFT},
        {Qt::Key_Up, VK_UP},           {Qt::Key_Right, VK_RIGHT},  {Qt::Key_Down, VK_DOWN},
        {Qt::Key_Delete, VK_DELETE},
    };
    for (const Pair& pair : kKeys) {
        if (pair.qt == qtKey) {
            return pair.vk;
        }
    }
    return 0;
}

} // namespace win32::qt
