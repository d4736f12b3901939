#include "removable/media_folder.h"

#include <filesystem>
#include <vector>

namespace tqr::removable {

bool in_media_folder(const std::string& mount_point)
{
    std::vector<std::string> parts;
    for (const auto& part : std::filesystem::path(mount_point).relative_path())
        if (!part.empty())
            parts.push_back(part.string());
    if (parts.size() >= 3 && parts[0] == "media")
        return true;
    return parts.size() >= 4 && parts[0] == "run" && parts[1] == "media";
}

} // namespace tqr::removable
