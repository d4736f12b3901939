#pragma once

// What every command reads: files read with a bound (see read_bounded).
// "-" is standard input.

#include "settings/bounded_read.h"

#include <cstddef>
#include <string>

namespace tqr::cli {

// A folder that exists and is a folder; throws ProfileError otherwise.
void require_folder(const std::string& path);

} // namespace tqr::cli
