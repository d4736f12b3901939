#pragma once

#include "cli/profile_json.h"
#include "settings/profile_document.h"

#include <string>

namespace tqr::cli {

// Every setting as the dialog names it, one per line.
std::string show_profile(const ProfileDocument& doc, bool show_passwords);
// The same as JSON.
Json show_profile_json(const ProfileDocument& doc, bool show_passwords);

} // namespace tqr::cli
