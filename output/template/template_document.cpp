#include "output/template/template_document.h"

#include "output/template/key_table.h"
#include "output/template/template_scan.h"

#include "platform/crc/crc16.h"
#include "platform/runtime/runtime_error.h"
#include "platform/system/atomic_file.h"
#include "platform/system/files.h"

#include <algorithm>

namespace output {

namespace {

constexpr std::array<const char*, 7> kDefaultMarkers = {
    "$#if", "$#else", "$#endif", "$#table", "$#endtable", "$#entry", "$#endentry",
};

// A name holding a NUL byte would be cut short there by the system and name another file.
bool IsFileName(const std::filesystem::path& name) {
    return name.native().find('\0') == std::string::npos;
}

} // namespace

TemplateDocument::TemplateDocument() {
    Reset();
}

void TemplateDocument::Reset() {
    std::copy(kDefaultMarkers.begin(), kDefaultMarkers.end(), markers_.begin());
    document_.reset();
    tokens_.clear();
    entries_.clear();
}

const std::string& TemplateDocument::MarkerText(Marker marker) const {
    return markers_[static_cast<std::size_t>(marker)];
}

void TemplateDocument::SetMarker(Marker marker, std::string text) {
    if (!text.empty()) {
        markers_[static_cast<std::size_t>(marker)] = std::move(text);
    }
}

TemplateError TemplateDocument::FileRead(const std::filesystem::path& name) {
    document_.reset();
    if (!IsFileName(name)) {
        return TemplateError::ReadFailure;
    }
    try {
        document_ = sys::ReadWholeFile(name);
    } catch (const runtime::RuntimeError&) {
        return TemplateError::ReadFailure;
    }
    return TemplateError::OK;
}

TemplateError TemplateDocument::FileWrite(const std::filesystem::path& name) const {
    if (!document_) {
        return TemplateError::NoData;
    }
    if (!IsFileName(name)) {
        return TemplateError::WriteFailure;
    }
    try {
        sys::WriteScratchFile(name, *document_);
    } catch (const runtime::RuntimeError&) {
        return TemplateError::WriteFailure;
    }
    return TemplateError::OK;
}

void TemplateDocument::SubToken(std::string key, std::string data) {
    tokens_.insert_or_assign(std::move(key), std::move(data));
}

TemplateError TemplateDocument::DoSub() {
    if (!document_) {
        return TemplateError::NoData;
    }
    if (tokens_.empty()) {
        return TemplateError::OK;
    }
    // One table of the keys finds the longest key at every byte; the rewrite then takes, from
    // the front, the longest key where one begins and goes on after it, never inside the data it
    // put in.
    const std::string_view document = *document_;
    const std::vector<const KeyTable::Token*> longest = KeyTable(tokens_).LongestKeysAt(document);
    std::string result;
    result.reserve(document.size());
    std::size_t copiedUpTo = 0;
    for (std::size_t position = 0; position < document.size();) {
        const KeyTable::Token* token = longest[position];
        if (token == nullptr) {
            ++position;
            continue;
        }
        result.append(document, copiedUpTo, position - copiedUpTo);
        result += token->second;
        position += token->first.size();
        copiedUpTo = position;
    }
    result.append(document, copiedUpTo);
    document_ = std::move(result);
    return TemplateError::OK;
}

void TemplateDocument::TableEntry(std::string_view entry) {
    for (;;) {
        const std::size_t bar = entry.find('|');
        entries_.emplace_back(entry.substr(0, bar));
        if (bar == std::string_view::npos) {
            return;
        }
        entry.remove_prefix(bar + 1);
    }
}

TemplateError TemplateDocument::KillInfo() {
    if (!document_) {
        return TemplateError::NoData;
    }
    constexpr std::string_view kInfo = "\\info";
    const std::string_view document = *document_;
    std::string result;
    result.reserve(document.size());
    for (std::size_t position = 0; position < document.size();) {
        const bool isInfo = MarkerAt(document, position, kInfo) &&
                            position + kInfo.size() < document.size() &&
                            std::string_view(" \\{}").find(document[position + kInfo.size()]) !=
                                std::string_view::npos;
        if (!isInfo) {
            result += document[position++];
            continue;
        }
        // Skip to the "}" that closes the group "\info" stands in, counting the groups it holds.
        // A group that never closes takes the rest of the document with it.
        int depth = 0;
        position += kInfo.size();
        for (; position < document.size(); ++position) {
            if (document[position] == '{') {
                ++depth;
            } else if (document[position] == '}' && depth-- == 0) {
                break;
            }
        }
    }
    document_ = std::move(result);
    return TemplateError::OK;
}

TemplateError TemplateDocument::GetCRC(std::int32_t& crc) const {
    crc = 0;
    if (!document_) {
        return TemplateError::NoData;
    }
    crc = crc::Crc16Of(*document_);
    return TemplateError::OK;
}

} // namespace output
