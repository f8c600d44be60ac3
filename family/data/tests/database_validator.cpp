#include "family/data/tests/database_validator.h"

#include "platform/bytes/byte_reader.h"
#include "platform/testing/file_contents.h"

#include <set>
#include <sstream>
#include <vector>

namespace dorrick_test {

namespace {

constexpr std::size_t kHeaderSize = 16;
constexpr std::uint16_t kKnownFlags = 3;
constexpr std::uint16_t kDeletedFlag = 1;
constexpr std::uint16_t kLockedFlag = 2;

struct Record {
    std::string name;
    std::uint16_t flags;
    std::uint32_t parent, firstChild, next, previous, dataOffset;
    std::uint16_t dataLength;
};

class Walk {
public:
    explicit Walk(const std::string& bytes) : bytes_(bytes) {}

    bool Chain(std::uint32_t first, std::uint32_t parent, const std::string& parentPath) {
        std::uint32_t previous = 0;
        std::string previousName;
        for (std::uint32_t offset = first; offset != 0;) {
            Record record;
            if (!Read(offset, record)) {
                return false;
            }
            if (!seen_.insert(offset).second) {
                return Fail(offset, "is reached twice (a loop)");
            }
            if (record.parent != parent || record.previous != previous) {
                return Fail(offset, "has a parent or previous link that does not match");
            }
            if (previous != 0 && !(previousName < record.name)) {
                return Fail(offset, "breaks the ascending order of its chain");
            }
            const std::string path = parentPath + record.name + ".";
            entries_[path] = {DataOf(record), (record.flags & kLockedFlag) != 0};
            if (!Chain(record.firstChild, offset, path)) {
                return false;
            }
            previous = offset;
            previousName = record.name;
            offset = record.next;
        }
        return true;
    }

    const std::string& Problem() const { return problem_; }
    const std::map<std::string, EntryContents>& Entries() const { return entries_; }

private:
    bool Read(std::uint32_t offset, Record& record) {
        if (offset < kHeaderSize || offset >= bytes_.size()) {
            return Fail(offset, "lies outside the file's records");
        }
        const std::string_view file = bytes_;
        bytes::ByteReader reader(file.substr(offset));
        const auto magic = reader.Bytes(4);
        if (reader.Failed() || std::string(magic.begin(), magic.end()) != "HuxE") {
            return Fail(offset, "has no record magic");
        }
        const std::size_t end = bytes_.find('\0', offset + 4);
        if (end == std::string::npos) {
            return Fail(offset, "has no NUL after its name");
        }
        record.name = bytes_.substr(offset + 4, end - offset - 4);
        if (record.name.empty() || record.name.size() > 256 ||
            record.name.find('.') != std::string::npos) {
            return Fail(offset, "has an invalid name");
        }
        reader.Skip(record.name.size() + 1);
        record.flags = reader.U16LE();
        record.parent = reader.U32LE();
        record.firstChild = reader.U32LE();
        record.next = reader.U32LE();
        record.previous = reader.U32LE();
        record.dataOffset = reader.U32LE();
        record.dataLength = reader.U16LE();
        if (reader.Failed()) {
            return Fail(offset, "is cut short by the end of the file");
        }
        if ((record.flags & ~kKnownFlags) != 0 || (record.flags & kDeletedFlag) != 0) {
            return Fail(offset, "has unknown flags or a deleted mark in a live chain");
        }
        const std::uint64_t dataEnd = std::uint64_t{record.dataOffset} + record.dataLength;
        if ((record.dataOffset != 0 && record.dataOffset < kHeaderSize) ||
            (record.dataLength != 0 && record.dataOffset == 0) || dataEnd > bytes_.size()) {
            return Fail(offset, "has a data area outside the file");
        }
        return true;
    }

    std::string DataOf(const Record& record) const {
        return record.dataLength == 0 ? std::string()
                                      : bytes_.substr(record.dataOffset, record.dataLength);
    }

    bool Fail(std::uint32_t offset, const std::string& what) {
        std::ostringstream out;
        out << "the record at " << offset << " " << what;
        problem_ = out.str();
        return false;
    }

    const std::string& bytes_;
    std::set<std::uint32_t> seen_;
    std::map<std::string, EntryContents> entries_;
    std::string problem_;
};

} // namespace

::testing::AssertionResult IsValidDatabase(const std::filesystem::path& file) {
    const std::string bytes = testkit::ReadFileBytes(file);
    bytes::ByteReader header(bytes);
    const auto magic = header.Bytes(4);
    const std::uint16_t reserved1 = header.U16LE();
    const std::uint16_t reserved2 = header.U16LE();
    const std::uint32_t first = header.U32LE();
    const auto garbage = static_cast<std::int32_t>(header.U32LE());
    if (header.Failed() || std::string(magic.begin(), magic.end()) != "HuxD" || reserved1 != 0 ||
        reserved2 != 0) {
        return ::testing::AssertionFailure() << file << " has no database header";
    }
    // The count may pass the file size: a grown write counts the whole entry, not only its
    // abandoned data.
    if (garbage < 0) {
        return ::testing::AssertionFailure() << file << " counts " << garbage << " bytes garbage";
    }
    Walk walk(bytes);
    if (!walk.Chain(first, 0, ".")) {
        return ::testing::AssertionFailure() << file << ": " << walk.Problem();
    }
    return ::testing::AssertionSuccess();
}

std::map<std::string, EntryContents> ReadEntries(const std::filesystem::path& file) {
    const std::string bytes = testkit::ReadFileBytes(file);
    EXPECT_TRUE(IsValidDatabase(file));
    Walk walk(bytes);
    bytes::ByteReader header(bytes);
    header.Skip(8);
    walk.Chain(header.U32LE(), 0, ".");
    return walk.Entries();
}

} // namespace dorrick_test
