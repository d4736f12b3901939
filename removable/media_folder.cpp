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

std::string canonical_or_same(const std::string& p)
{
    std::error_code ec;
    const std::filesystem::path c = std::filesystem::weakly_canonical(std::filesystem::path(p), ec);
    return ec ? std::filesystem::path(p).lexically_normal().string() : c.string();
}

bool inside(const std::string& folder, const std::string& root)
{
    const std::filesystem::path f = std::filesystem::path(folder).lexically_normal();
    const std::filesystem::path r = std::filesystem::path(root).lexically_normal();
    auto fi = f.begin();
    for (auto ri = r.begin(); ri != r.end(); ++ri, ++fi) {
        if (ri->empty())
            continue; // the empty name after a trailing separator
        if (fi == f.end() || *fi != *ri)
            return false;
    }
    return true;
}

} // namespace tqr::removable
