#include "program/ui/web_links.h"

#include "platform/system/external_programs.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace ui {

bool OpenWebAddress(std::string_view address) {
    std::string scheme(address.substr(0, address.find(':')));
    std::transform(scheme.begin(), scheme.end(), scheme.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const bool web = (scheme == "http" || scheme == "https") &&
                     address.substr(scheme.size()).starts_with("://") &&
                     address.size() > scheme.size() + 3;
    return web && sys::OpenUrlInBrowser(std::string(address));
}

} // namespace ui
