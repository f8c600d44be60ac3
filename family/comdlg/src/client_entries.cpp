#include "family/comdlg/src/client_entries.h"

#include "family/data/dorrick.h"

#include "platform/bytes/byte_order.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace caddow {

namespace {

constexpr char kClientPrefix = 'C';
// The longest entry name an absolute path can address: the database takes a path when it and two
// more characters fit in its 257, and the path here is "." and the name.
constexpr std::size_t kLongestEntryName = kDataPathBufferSize - 3;

// The record's bytes:
//   offset  size  field
//   0       32    text
//   32      32    first name
//   64      32    last name
//   96      1     middle initial
//   97      2     suffix, little-endian signed
//   99      287   the host's
constexpr std::size_t kTextOffset = 0;
constexpr std::size_t kFirstNameOffset = 32;
constexpr std::size_t kLastNameOffset = 64;
constexpr std::size_t kInitialOffset = 96;
constexpr std::size_t kSuffixOffset = 97;
constexpr std::size_t kRestOffset = 99;
constexpr std::size_t kRecordSize = sizeof(ClientRecord);

std::string AbsolutePath(std::string_view name) {
    return "." + std::string(name);
}

template <std::size_t N>
void CopyField(char (&field)[N], const std::array<std::uint8_t, kRecordSize>& bytes,
               std::size_t offset) {
    std::memcpy(field, bytes.data() + offset, N);
}

// The number after the "C" as decimal digits without leading zeros ("" is 0).
std::string_view ClientNumber(std::string_view name) {
    const std::string_view afterPrefix = name.substr(1);
    const std::size_t digits = std::find_if(afterPrefix.begin(), afterPrefix.end(),
                                            [](char c) { return c < '0' || c > '9'; }) -
                               afterPrefix.begin();
    const std::string_view number = afterPrefix.substr(0, digits);
    return number.substr(std::min(number.find_first_not_of('0'), number.size()));
}

bool IsLargerNumber(std::string_view number, std::string_view than) {
    return number.size() != than.size() ? number.size() > than.size() : number > than;
}

std::string OneMore(std::string_view number) {
    std::string result(number);
    for (auto digit = result.rbegin(); digit != result.rend(); ++digit) {
        if (*digit != '9') {
            ++*digit;
            return result;
        }
        *digit = '0';
    }
    return "1" + result;
}

} // namespace

std::vector<std::string> TopLevelEntries(int database) {
    std::vector<std::string> names;
    char name[kDataNameBufferSize] = {};
    unsigned char result = _DataFindFirstEntry(database, ".", name);
    while (result == kDataSuccess) {
        if (!names.empty() && names.back().compare(name) >= 0) {
            break;
        }
        names.emplace_back(name);
        result = _DataFindNextEntry(database, name);
    }
    return names;
}

bool IsClientEntry(std::string_view name) {
    return !name.empty() && name.front() == kClientPrefix;
}

ClientRecord ReadClientRecord(int database, std::string_view name) {
    std::array<std::uint8_t, kRecordSize> bytes{};
    int reserved = 0;
    if (_DataRead(database, AbsolutePath(name).c_str(), bytes.data(), kRecordSize, &reserved) !=
        kDataSuccess) {
        bytes.fill(0);
    }
    ClientRecord record{};
    CopyField(record.text, bytes, kTextOffset);
    CopyField(record.firstName, bytes, kFirstNameOffset);
    CopyField(record.lastName, bytes, kLastNameOffset);
    record.middleInitial = static_cast<char>(bytes[kInitialOffset]);
    record.suffix = static_cast<std::int16_t>(bytes::LoadU16LE(bytes.data() + kSuffixOffset));
    CopyField(record.rest, bytes, kRestOffset);
    return record;
}

unsigned char DeleteClientEntry(int database, std::string_view name) {
    return _DataDeleteEntry(database, AbsolutePath(name).c_str());
}

std::optional<std::string> NextClientName(const std::vector<std::string>& entries) {
    bool anyClient = false;
    std::string_view largest;
    for (const std::string& name : entries) {
        if (!IsClientEntry(name)) {
            continue;
        }
        anyClient = true;
        const std::string_view number = ClientNumber(name);
        if (IsLargerNumber(number, largest)) {
            largest = number;
        }
    }
    if (!anyClient) {
        return kClientPrefix + std::string("0");
    }
    const std::string next = kClientPrefix + OneMore(largest.empty() ? "0" : largest);
    if (next.size() > kLongestEntryName) {
        return std::nullopt;
    }
    return next;
}

} // namespace caddow

int _ComCreateNewClient(int database, char* entryName) {
    if (entryName == nullptr) {
        return kDataSuccess;
    }
    const std::optional<std::string> next =
        caddow::NextClientName(caddow::TopLevelEntries(database));
    if (!next) {
        entryName[0] = '\0';
        return kDataPathTooLong;
    }
    std::memcpy(entryName, next->c_str(), next->size() + 1);
    return kDataSuccess;
}
