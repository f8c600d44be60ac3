// The list family in one include: list box and combo box.
#pragma once

#include "platform/forms/combo_box.h"
#include "platform/forms/list_box.h"
