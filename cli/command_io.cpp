#include "cli/command_io.h"

#include "settings/profile_document.h"

#include <filesystem>

namespace tqr::cli {

namespace fs = std::filesystem;

void require_folder(const std::string& path)
{
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (!fs::exists(st))
        throw ProfileError(path + ": no such folder");
    if (!fs::is_directory(st))
        throw ProfileError(path + ": is a file, not a folder (the SD card's folder comes second)");
}

} // namespace tqr::cli
