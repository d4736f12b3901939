#pragma once

// Control ids of the e-mail settings dialog.

namespace tqr::email_set_ids {

inline constexpr int kServer = 1045;
inline constexpr int kPort = 1046;
inline constexpr int kAccount = 1047;
inline constexpr int kPassword = 1048;
inline constexpr int kEmail = 1049;
inline constexpr int kProvider = 1051;
inline constexpr int kServerLabel = 1067;
inline constexpr int kPortLabel = 1068;
inline constexpr int kSecureType = 1070;
inline constexpr int kSecureLabel = 1073;
inline constexpr int kShowPassword = 1075;
inline constexpr int kTest = 1077;

inline constexpr int kAll[] = {kServer,      kPort,      kAccount,    kPassword,    kEmail,        kProvider,
                               kServerLabel, kPortLabel, kSecureType, kSecureLabel, kShowPassword, kTest};

} // namespace tqr::email_set_ids
