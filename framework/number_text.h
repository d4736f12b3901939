#pragma once

// Reading numbers typed into edits, exactly as the classic dialog framework
// does it, so that the same texts are accepted and refused.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tqr::fw {

// Only this many characters of an edit's text are looked at.
inline constexpr std::size_t kNumberTextLimit = 31;

// Blanks or tabs around, an optional sign, decimal digits. A value of zero
// must begin with the digit 0; values beyond 32 bits saturate. Nothing when
// the text is not such a number.
std::optional<std::int32_t> parse_int_text(std::string_view text);
// The same without a leading minus sign.
std::optional<std::uint32_t> parse_uint_text(std::string_view text);

// Fills "%1" and "%2" of a message.
std::string format_message(std::string_view text, std::string_view arg1, std::string_view arg2 = {});

} // namespace tqr::fw
