#include "platform/automation/registry.h"
#include "platform/runtime/runtime_error.h"
#include "platform/system/atomic_file.h"

#include <algorithm>
#include <fstream>
#include <sstream>

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

Registry Registry::Load(const std::filesystem::path& file) {
    Registry registry;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    Values* current = nullptr;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']' && line.size() > 2) {
            const std::string key = line.substr(1, line.size() - 2);
            current = StorableKey(key) ? &registry.keys_[key] : nullptr;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current == nullptr || equals == std::string::npos || !Storable(line)) {
            continue;
        }
        std::string name = line.substr(0, equals);
        if (name == "@") {
            name.clear();
        }
        (*current)[name] = line.substr(equals + 1);
    }
    return registry;
}

bool Registry::Save(const std::filesystem::path& file) const {
    std::ostringstream text;
    text << "; Class registry of in-process servers, written when a server registers.\n";
    for (const auto& [key, values] : keys_) {
        text << '[' << key << "]\n";
        for (const auto& [name, value] : values) {
            text << (name.empty() ? "@" : name) << '=' << value << '\n';
        }
    }

    std::error_code error;
    if (file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path(), error);
    }
    try {
        sys::ReplaceFileAtomically(file, text.str());
    } catch (const runtime::RuntimeError&) {
        return false;
    }
    return true;
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
    if (!StorableKey(key) || !Storable(name) || name.find('=') != std::string_view::npos ||
        name == "@" || !Storable(value)) {
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
