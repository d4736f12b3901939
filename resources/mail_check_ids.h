#pragma once

// Control ids of the mail check's busy window.

namespace tqr::mail_check_ids {

inline constexpr int kStatus = 1078;
inline constexpr int kBusy = 1079;

inline constexpr int kAll[] = {kStatus, kBusy};

} // namespace tqr::mail_check_ids
