// The list family in one include: list box and combo box.
#pragma once

#include "platform/forms/controls/combo_box.h"
#include "platform/forms/controls/list_box.h"
