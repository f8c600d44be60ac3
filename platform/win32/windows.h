// The Windows API subset of this platform, whole.
#pragma once

#include "platform/win32/libloaderapi.h"
#include "platform/win32/winbase.h"
#include "platform/win32/windef.h"
#include "platform/win32/wingdi.h"
#include "platform/win32/winuser.h"
