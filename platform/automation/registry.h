// The class registry: the part of the Windows registry's class root that in-process servers
// write when they register and that creating an object by class id or ProgID reads.
//
// Keys are paths below the class root written with backslashes ("CLSID\{...}\InprocServer32"),
// compared without regard to case as the registry compares them. Each key holds named text
// values; the name "" is the key's default value.
//
// The store is one text file, read whole and replaced whole:
//   ; comment
//   [CLSID\{8F12DD4E-08FB-11D6-9EFA-00105AE53874}\InprocServer32]
//   @=/usr/lib/tallowmere/liboutput.so
//   ThreadingModel=Apartment
// "@" names the default value. Lines that are not a key, a value or a comment are ignored, and so
// are values before the first key. Keys, names and values never hold control characters; a name
// never holds "=" and never begins with "[" or ";", which would make its line a key or a comment.
//
// Servers of several programs share the file, so a change is made under an advisory lock on a
// lock file beside it (the store's name followed by ".lock"), and a store that exists but cannot
// be read is never saved over: that would lose every other server's registration.
#pragma once

#include "platform/automation/export.h"

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace automation {

class TALLOWMERE_AUTOMATION_EXPORT Registry {
public:
    // Reads the store at `file`. A file that does not exist (nor its folder) is an empty
    // registry; nothing when the file exists but cannot be read whole (no permission, a folder in
    // its place, a read error).
    static std::optional<Registry> Load(const std::filesystem::path& file);

    // The registry that `text`, the store's content, describes.
    static Registry Parse(std::string_view text);

    // The store's content: what Save writes and Parse reads back.
    std::string Text() const;

    // Writes the store to `file` through a temporary file in the same folder, creating the
    // folder when needed. False when it cannot be written; the old file then stays as it was.
    bool Save(const std::filesystem::path& file) const;

    // Loads the store at `file`, lets `change` modify it and saves it, all under the lock on the
    // store. False, and the file as it was, when the lock cannot be taken, the store cannot be
    // read, `change` answers false or the save fails.
    static bool Update(const std::filesystem::path& file,
                       const std::function<bool(Registry&)>& change);

    // The value `name` of `key`; nothing when the key or the value does not exist.
    std::optional<std::string> Value(std::string_view key, std::string_view name = "") const;

    // True when `key` or any key below it exists.
    bool HasKey(std::string_view key) const;

    // Creates `key` when it does not exist.
    bool CreateKey(std::string_view key);

    // Sets value `name` of `key`, creating the key. False, and nothing changed, when the key,
    // name or value holds a byte the store cannot keep.
    bool SetValue(std::string_view key, std::string_view name, std::string_view value);

    // Removes `key` with its values and every key below it.
    void DeleteKey(std::string_view key);

    bool operator==(const Registry& other) const = default;

private:
    struct CaseInsensitiveLess {
        using is_transparent = void;
        bool operator()(std::string_view left, std::string_view right) const;
    };
    using Values = std::map<std::string, std::string, CaseInsensitiveLess>;

    std::map<std::string, Values, CaseInsensitiveLess> keys_;
};

// Where the class registry of this user is kept: the file named by TALLOWMERE_REGISTRY when that
// is set (tests point it at a temporary file), else "registry.ini" in the user's configuration
// folder for the system.
TALLOWMERE_AUTOMATION_EXPORT std::filesystem::path RegistryFile();

// The class registry of this user as it stands, for looking classes up. A store that cannot be
// read registers no class.
TALLOWMERE_AUTOMATION_EXPORT Registry CurrentRegistry();

} // namespace automation
