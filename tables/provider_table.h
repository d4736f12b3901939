#pragma once

#include "settings/profile_record.h"

#include <string_view>

namespace tqr {

inline constexpr int kProviderCount = 8;

using EmailProvider = EmailBlock;

// Display names, parallel to ProviderTable; the last one, "Other", is
// recognised by its position.
extern const char ProviderNames[kProviderCount][32];
extern const EmailProvider ProviderTable[kProviderCount];

// Index of the first provider whose server text is a prefix of `server`,
// compared byte for byte and case-sensitively; "Other", whose server is
// empty, matches whatever no earlier row does. `server` is read only up to
// its NUL or the field's end.
int find_provider_by_server(const EmailServer& server);
int find_provider_by_server(std::string_view server);

} // namespace tqr
