#pragma once

#include "settings/profile_record.h"

#include <string_view>

namespace tqr {

inline constexpr int kCountryCount = 25;
inline constexpr int kOperatorRowCount = 71;
inline constexpr int kEuropeCountry = 7;
inline constexpr int kCustomerCountry = 24;

// One country: its name, its first row in the operator table and how many
// consecutive rows belong to it.
struct CountryEntry {
    char name[16];
    int first_operator;
    std::uint16_t operator_count;
};

// The 25 countries in list order; a country's position is its index.
extern const CountryEntry CountryTable[kCountryCount];

// The 71 operator rows, countries' rows consecutive. Row 0 of "Europe" is
// the factory-default operator and the last three rows are the writable
// CustomOperators.
class OperatorTable {
  public:
    static const OperatorEntry& row(int index);
};

// The operator row of (country, operator). Both indices must be valid.
const OperatorEntry& operator_row(int country_index, int operator_index);

// True when `country_index` names a country and `operator_index` one of its
// operators.
bool valid_country(int country_index);
bool valid_operator(int country_index, int operator_index);

std::string_view country_name(int country_index);

} // namespace tqr
