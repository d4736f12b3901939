#pragma once

#include "providers/provider_database.h"
#include "settings/translatable.h"

#include <array>
#include <string>
#include <vector>

namespace tqr::providers {

// What a look-up puts into the operator parameters: every field, so that
// nothing of an earlier look-up or of the user's typing survives beside the
// new operator's values. A field the look-up cannot fill goes out empty
// (URL "", gateway 0.0.0.0, port 0, as an unused custom entry has them),
// and a note says why. Texts are UTF-8.
struct OperatorFill {
    std::string url;
    std::array<int, 4> gateway{};
    unsigned port = 0;
    std::string mms_apn;
    std::string mms_account;
    std::string mms_password;
    std::string gprs_apn;
    std::string gprs_account;
    std::string gprs_password;
    std::vector<Phrase> notes;
};

// The widths of the operator entry's fields, less their terminators.
inline constexpr std::size_t kUrlLimit = 63;
inline constexpr std::size_t kApnLimit = 31;
inline constexpr std::size_t kAccountLimit = 23;
inline constexpr std::size_t kPasswordLimit = 15;
// The dialog takes ports up to this; the look-up fills 1 and above only.
inline constexpr unsigned kPortLimit = 10000;

// `data` and `mms` are the chosen access points of `op`, or null for
// "none" (the operator has none of that kind).
OperatorFill plan_fill(const Operator& op, const AccessPoint* data, const AccessPoint* mms);

} // namespace tqr::providers
