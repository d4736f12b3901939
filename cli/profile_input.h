#pragma once

// What check and mailtest read: a settings file or a JSON description,
// told apart by their first byte, read once with the bound of a
// description and without blocking, so a device, a FIFO or a folder given
// by mistake is refused at once.

#include "settings/profile_document.h"

#include <string>

namespace tqr::cli {

ProfileDocument read_file_or_description(const std::string& path);
// A JSON description only, as write takes it.
ProfileDocument read_description(const std::string& path);

} // namespace tqr::cli
