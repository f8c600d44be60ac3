// The button family in one include: command button, check box and option button.
#pragma once

#include "platform/forms/check_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/option_button.h"
