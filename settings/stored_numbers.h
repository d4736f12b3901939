#pragma once

// Numbers that the record keeps as text: an operator's gateway address as
// dotted decimal, ports as decimal text.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tqr {

// The number at the start of `text`: leading white space and a sign are
// allowed, reading stops at the first character that is not a digit.
// Nothing when there is no digit. Values beyond 32 bits saturate.
std::optional<int> leading_int(std::string_view text);

using Octets = std::array<int, 4>;

// Up to four dot-separated decimal numbers (leading zeros are decimal, not
// octal), each reduced to its low eight bits. Numbers that are missing,
// because the text is empty, a host name or shorter, are 0.
Octets parse_gateway(std::string_view text);

// "a.b.c.d" without leading zeros.
std::string format_gateway(const Octets& octets);

} // namespace tqr
