// Damage inside a zip archive, as a disk or a copy makes it: one byte of a member's stored data
// changed, the archive's structure left whole, so that the member is found but fails its check.
#pragma once

#include <filesystem>
#include <string_view>

namespace testkit {

// Inverts the byte in the middle of the stored data of the member whose name (as stored) is
// `member`. Fails the running test, changing nothing, when the archive holds no such member or
// is not one this reads (an end record without a comment, 32-bit sizes).
void DamageZipMember(const std::filesystem::path& archive, std::string_view member);

} // namespace testkit
