#include "platform/automation/registry.h"

#include "platform/automation/src/store_lock.h"
#include "platform/runtime/runtime_error.h"
#include "platform/system/atomic_file.h"
#include "platform/system/files.h"

#include <algorithm>

namespace automation {

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool Storable(std::string_view text) {
    return std::none_of(text.begin(), text.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

bool StorableKey(std::string_view key) {
    return !key.empty() && Storable(key) && key.front() != '\\' && key.back() != '\\';
}

// A name's line must read back as a value of that name: no "=" inside it, and no "[" or ";"
// first, which would make the line a key or a comment.
bool StorableName(std::string_view name) {
    return Storable(name) && name.find('=') == std::string_view::npos && name != "@" &&
           (name.empty() || (name.front() != '[' && name.front() != ';'));
}

// True when `key` begins with `prefix`.
bool StartsWith(std::string_view key, std::string_view prefix) {
    if (key.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Lower(key[i]) != Lower(prefix[i])) {
            return false;
        }
    }
    return true;
}

// True when `key` is `parent` itself or lies below it.
bool IsAtOrBelow(std::string_view key, std::string_view parent) {
    return StartsWith(key, parent) && (key.size() == parent.size() || key[parent.size()] == '\\');
}

} // namespace

bool Registry::CaseInsensitiveLess::operator()(std::string_view left,
                                               std::string_view right) const {
    return std::lexicographical_compare(
        left.begin(), left.end(), right.begin(), right.end(), [](char a, char b) {
            return static_cast<unsigned char>(Lower(a)) < static_cast<unsigned char>(Lower(b));
        });
}

std::optional<Registry> Registry::Load(const std::filesystem::path& file) {
    try {
        return Parse(sys::ReadWholeFile(file));
    } catch (const runtime::RuntimeError& error) {
        if (error.Number() == static_cast<int>(runtime::ErrorNumber::FileNotFound)) {
            return Registry();
        }
        return std::nullopt;
    }
}

Registry Registry::Parse(std::string_view text) {
    Registry registry;
    Values* current = nullptr;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            const bool isKey = line.size() > 2 && line.back() == ']';
            const std::string_view key = isKey ? line.substr(1, line.size() - 2) : "";
            current = isKey && StorableKey(key) ? &registry.keys_[std::string(key)] : nullptr;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos || !Storable(line)) {
            continue;
        }
        std::string_view name = line.substr(0, equals);
        if (name == "@") {
            name = "";
        }
        (*current)[std::string(name)] = line.substr(equals + 1);
    }
    return registry;
}

std::string Registry::Text() const {
    std::string text = "; Class registry of in-process servers, written when a server registers.\n";
    for (const auto& [key, values] : keys_) {
        text += '[' + key + "]\n";
        for (const auto& [name, value] : values) {
            text += (name.empty() ? "@" : name) + '=' + value + '\n';
        }
    }
    return text;
}

bool Registry::Save(const std::filesystem::path& file) const {
    std::error_code error;
    if (file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path(), error);
    }
    try {
        sys::ReplaceFileAtomically(file, Text());
    } catch (const runtime::RuntimeError&) {
        return false;
    }
    return true;
}

bool Registry::Update(const std::filesystem::path& file,
                      const std::function<bool(Registry&)>& change) {
    const StoreLock lock(file);
    if (!lock.Held()) {
        return false;
    }
    std::optional<Registry> registry = Load(file);
    return registry && change(*registry) && registry->Save(file);
}

std::optional<std::string> Registry::Value(std::string_view key, std::string_view name) const {
    const auto found = keys_.find(key);
    if (found == keys_.end()) {
        return std::nullopt;
    }
    const auto value = found->second.find(name);
    if (value == found->second.end()) {
        return std::nullopt;
    }
    return value->second;
}

bool Registry::HasKey(std::string_view key) const {
    // Keys below `key` sort among the keys that begin with it, though not necessarily first.
    for (auto it = keys_.lower_bound(key); it != keys_.end() && StartsWith(it->first, key); ++it) {
        if (IsAtOrBelow(it->first, key)) {
            return true;
        }
    }
    return false;
}

bool Registry::CreateKey(std::string_view key) {
    if (!StorableKey(key)) {
        return false;
    }
    keys_.try_emplace(std::string(key));
    return true;
}

bool Registry::SetValue(std::string_view key, std::string_view name, std::string_view value) {
    if (!StorableKey(key) || !StorableName(name) || !Storable(value)) {
        return false;
    }
    keys_[std::string(key)][std::string(name)] = std::string(value);
    return true;
}

void Registry::DeleteKey(std::string_view key) {
    auto it = keys_.lower_bound(key);
    while (it != keys_.end() && StartsWith(it->first, key)) {
        it = IsAtOrBelow(it->first, key) ? keys_.erase(it) : std::next(it);
    }
}

} // namespace automation
