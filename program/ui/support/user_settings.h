// The program's per-user settings for one run: application = the program's file name, section =
// the user's short name (store::UserName: the last part of the home folder; "Init" without one).
//
// A setting that cannot be stored (the settings folder read-only, its disk full) never ends the
// program: it is kept for the rest of the run, which goes on with it, and is stored with the next
// change that can be. The first such failure of a run is reported once, with the folder and the
// reason: "Your settings could not be saved: ...".
#pragma once

#include "platform/system/profile_file.h"

#include <map>
#include <span>
#include <string>
#include <string_view>

namespace forms {
class Application;
}

namespace ui {

class UserSettings {
public:
    // The value this run keeps for `key` when it could not be stored, else the stored one, else
    // `defaultValue`.
    std::string Get(std::string_view key, std::string_view defaultValue = {}) const;

    // Stores the values, with every value kept from before, in one write. A failure keeps them
    // all for the run and is reported through `app`'s message box once a run.
    void Save(std::span<const sys::ProfileEntry> entries, forms::Application& app);
    void Save(std::string_view key, std::string_view value, forms::Application& app);

private:
    std::map<std::string, std::string, std::less<>> kept_;
    bool reported_ = false;
};

} // namespace ui
