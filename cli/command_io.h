#pragma once

// What every command reads and writes: files read with a bound, so that a
// device, a huge file or a folder given by mistake is refused at once, and
// outputs that hold passwords created readable by the user only. "-" is
// standard input or output.

#include <cstddef>
#include <string>

namespace tqr::cli {

// The most any settings file holds (a store file).
inline constexpr std::size_t kSettingsFileLimit = 1672;
// A JSON description is a few kilobytes; this leaves room for any layout.
inline constexpr std::size_t kJsonLimit = 1 << 20;

// The bytes of `path` (standard input for "-"), never more than `limit`:
// a larger input, a folder or a missing file throws ProfileError naming
// `what` the file should have been.
std::string read_bounded(const std::string& path, std::size_t limit, const char* what);

// Writes `text` to `path` (standard output for "-"); a new file is created
// with mode 0600, since descriptions carry the passwords.
void write_private(const std::string& path, const std::string& text);

// A folder that exists and is a folder; throws ProfileError otherwise.
void require_folder(const std::string& path);

} // namespace tqr::cli
