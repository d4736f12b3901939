#pragma once

// Settings files are read with a bound, so that a device, a huge file or a
// folder given by mistake is refused at once. "-" is standard input.

#include <cstddef>
#include <string>

namespace tqr {

// The most any settings file holds (a store file).
inline constexpr std::size_t kSettingsFileLimit = 1672;

// The bytes of `path` (standard input for "-"), never more than `limit`:
// a larger input, a folder or a missing file throws ProfileError naming
// `what` the file should have been.
std::string read_bounded(const std::string& path, std::size_t limit, const char* what);

} // namespace tqr
