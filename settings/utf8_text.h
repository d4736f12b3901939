#pragma once

// Text from outside (a database, a card's label, a description) read one
// code point at a time, and the characters that must not be shown as they
// are.

#include <cstddef>
#include <string_view>

namespace tqr::utf8 {

// The length (1 to 4) of the UTF-8 sequence at `i`, its code point in `cp`;
// 0 where the bytes there are not UTF-8: cut short, overlong, a surrogate,
// past U+10FFFF.
std::size_t decode(std::string_view text, std::size_t i, char32_t& cp);

// Control characters (C0, DEL, C1) and the marks that reorder text (ALM,
// LRM, RLM, the embeddings, overrides and isolates): shown as they are,
// they drive a terminal or let a name pose as another ("\u202Egnp.exe").
bool is_control_or_direction_mark(char32_t cp);

} // namespace tqr::utf8
