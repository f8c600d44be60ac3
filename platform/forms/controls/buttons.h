// The button family in one include: command button, check box and option button.
#pragma once

#include "platform/forms/controls/check_box.h"
#include "platform/forms/controls/command_button.h"
#include "platform/forms/controls/option_button.h"
