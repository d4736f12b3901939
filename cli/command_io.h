#pragma once

// What every command reads and writes: files read with a bound (see
// read_bounded), and outputs that hold passwords created readable by the
// user only. "-" is standard input or output.

#include "settings/bounded_read.h"

#include <cstddef>
#include <string>

namespace tqr::cli {

// A JSON description is a few kilobytes; this leaves room for any layout.
inline constexpr std::size_t kJsonLimit = 1 << 20;

// Writes `text` to `path` (standard output for "-"); a new file is created
// with mode 0600, since descriptions carry the passwords.
void write_private(const std::string& path, const std::string& text);

// A folder that exists and is a folder; throws ProfileError otherwise.
void require_folder(const std::string& path);

} // namespace tqr::cli
