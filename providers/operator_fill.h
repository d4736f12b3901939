#pragma once

#include "providers/provider_database.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tqr::providers {

// What a look-up puts into the operator parameters: a field left empty here
// keeps whatever the user had, and every field left alone for a reason has
// a note saying why. Texts are UTF-8.
struct OperatorFill {
    std::optional<std::string> url;
    std::optional<std::array<int, 4>> gateway;
    std::optional<unsigned> port;
    std::optional<std::string> mms_apn;
    std::optional<std::string> mms_account;
    std::optional<std::string> mms_password;
    std::optional<std::string> gprs_apn;
    std::optional<std::string> gprs_account;
    std::optional<std::string> gprs_password;
    std::vector<std::string> notes;
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
