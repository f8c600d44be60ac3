// The test's host module: a library of its own with the string table that a host of the family
// provides for the help messages.
#pragma once

#include "platform/win32/windef.h"

HINSTANCE HostModuleInstance();
