#include "platform/forms/controls/frame.h"

namespace forms {

Frame::Frame(Form& form, std::string name) : Label(form, std::move(name)) {}

} // namespace forms
