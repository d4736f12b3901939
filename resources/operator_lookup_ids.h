#pragma once

// Control ids of the operator look-up.

namespace tqr::operator_lookup_ids {

inline constexpr int kCountry = 1091;
inline constexpr int kOperator = 1092;
inline constexpr int kDataApn = 1093;
inline constexpr int kMmsApn = 1094;

inline constexpr int kAll[] = {kCountry, kOperator, kDataApn, kMmsApn};

} // namespace tqr::operator_lookup_ids
