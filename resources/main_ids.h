#pragma once

// Control ids of the main dialog.

namespace tqr::main_ids {

inline constexpr int kTabs = 1000;
inline constexpr int kBrowse = 1026;
inline constexpr int kPath = 1034;

inline constexpr int kAll[] = {kTabs, kBrowse, kPath};

} // namespace tqr::main_ids
