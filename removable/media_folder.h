#pragma once

#include <string>

namespace tqr::removable {

// Whether `mount_point` lies where desktops mount cards: /media/<user>/...
// (UDisks2) or /run/media/<user>/..., any user, root's included. The folder
// browser lists such mounts as cards, and tqrprofile ejects only those or
// cards on removable drives.
bool in_media_folder(const std::string& mount_point);

} // namespace tqr::removable
