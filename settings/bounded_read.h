#pragma once

// Every file the programs read comes in here: opened without waiting,
// regular files only, never more than a limit that suits what the file
// should be. So a FIFO, a device, a folder or a huge file named by mistake
// (or by someone else) is refused at once with a message naming it.
// "-" is standard input.

#include <cstddef>
#include <cstdint>
#include <string>

namespace tqr {

// The most any settings file holds (a store file).
inline constexpr std::size_t kSettingsFileLimit = 1672;
// A JSON description is a few kilobytes; this leaves room for any layout.
inline constexpr std::size_t kJsonLimit = 1 << 20;
// The provider database is about 360 KB; anything far larger is not it.
inline constexpr std::size_t kProviderDatabaseLimit = 8u << 20;
// The system's whole trust store is about 200 KB.
inline constexpr std::size_t kCaFileLimit = 4u << 20;

// The bytes of `path` (standard input for "-"), never more than `limit`:
// a larger input, a folder, anything but a regular file or a missing file
// throws ProfileError naming `what` the file should have been.
std::string read_bounded(const std::string& path, std::size_t limit, const char* what);

// For files whose rules read a prefix of any length (a store file): the
// first `limit` bytes and the file's whole size. Standard input is bounded
// as above.
struct BoundedInput {
    std::string bytes;
    std::uintmax_t size = 0;
};
BoundedInput read_bounded_prefix(const std::string& path, std::size_t limit, const char* what);

} // namespace tqr
