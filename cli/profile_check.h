#pragma once

#include "cli/profile_document.h"

#include <optional>
#include <string>
#include <vector>

namespace tqr::cli {

// Every value the dialog would refuse or cannot show, one line each, with
// the dialog's own message where it has one.
std::vector<std::string> check_profile(const ProfileDocument& doc);

// The dialog's OK, applied to a description about to be written: the
// same checks in the same order, the recipients cleaned of blanks as the
// dialog stores them. Returns the first refusal's message.
std::optional<std::string> validate_for_writing(ProfileRecord& record);

} // namespace tqr::cli
