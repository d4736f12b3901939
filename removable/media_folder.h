#pragma once

#include <string>

namespace tqr::removable {

// Whether `mount_point` lies where desktops mount cards: /media/<user>/...
// (UDisks2) or /run/media/<user>/..., any user, root's included. The folder
// browser lists such mounts as cards, and tqrprofile ejects only those or
// cards on removable drives.
bool in_media_folder(const std::string& mount_point);

// `p` with links and "." and ".." resolved as far as it exists, else only
// normalised.
std::string canonical_or_same(const std::string& p);

// Whether `folder` is `root` or lies below it, name by name.
bool inside(const std::string& folder, const std::string& root);

} // namespace tqr::removable
