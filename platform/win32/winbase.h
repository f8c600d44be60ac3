// Movable memory blocks, the currency of clipboard text: allocated, locked for a pointer,
// unlocked and freed by handle.
#pragma once

#include "platform/win32/windef.h"

#include <cstddef>

#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)

using HGLOBAL = HANDLE;
using SIZE_T = std::size_t;

// A block of at least one byte; its bytes are zero whatever the flags. Null when out of memory.
WIN32API HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
// The block's bytes (null for an unknown handle); each lock wants an unlock.
WIN32API LPVOID GlobalLock(HGLOBAL memory);
// Answers whether the block is still locked.
WIN32API BOOL GlobalUnlock(HGLOBAL memory);
// Null when freed, the handle again when it is unknown.
WIN32API HGLOBAL GlobalFree(HGLOBAL memory);
WIN32API SIZE_T GlobalSize(HGLOBAL memory);
