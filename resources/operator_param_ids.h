#pragma once

// Control ids of the operator parameters dialog.

namespace tqr::operator_param_ids {

inline constexpr int kUrl = 1035;
inline constexpr int kPort = 1036;
inline constexpr int kMmsApn = 1038;
inline constexpr int kMmsAccount = 1039;
inline constexpr int kMmsPassword = 1040;
inline constexpr int kGprsApn = 1041;
inline constexpr int kGprsAccount = 1042;
inline constexpr int kGprsPassword = 1043;
inline constexpr int kGateway = 1044;
// Fills the controls from the provider database.
inline constexpr int kLookUp = 1090;

inline constexpr int kAll[] = {kUrl,     kPort,        kMmsApn,       kMmsAccount, kMmsPassword,
                               kGprsApn, kGprsAccount, kGprsPassword, kGateway,    kLookUp};

} // namespace tqr::operator_param_ids
