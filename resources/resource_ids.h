#pragma once

#include "settings/translatable.h"

// Numeric ids of forms, controls, strings and the icon.

namespace tqr::res {

inline constexpr int kAboutForm = 100;
inline constexpr int kMainForm = 102;
inline constexpr int kGsmForm = 103;
inline constexpr int kAppIcon = 128;
inline constexpr int kCameraForm = 129;
inline constexpr int kOperatorParamForm = 138;
inline constexpr int kEmailSetForm = 139;
// The busy window of the mail account check.
inline constexpr int kMailCheckForm = 140;
// The operator look-up in the mobile broadband provider database.
inline constexpr int kOperatorLookupForm = 150;

// Buttons 1 and 2 of every form are OK and Cancel.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

inline constexpr int kAboutMenuString = 101;
inline constexpr const char* kAboutMenuText = TQR_TR_NOOP("TQRSetup", "&About TQR Setup...");

} // namespace tqr::res
