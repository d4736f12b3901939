#pragma once

// Text that is safe to print on a terminal: a settings file or a
// description can hold any bytes, and an ESC, BEL or CR echoed as it is
// could clear the screen, retitle the window or hide a line.

#include <string>
#include <string_view>

namespace tqr::cli {

// `text` (UTF-8) with every control character (C0, DEL and C1), every
// bidirectional override or isolate and every byte that is not UTF-8
// written as an escape: "\x1B" for a byte, "\u0085" for a code point.
// Inside a JSON text the code point escapes are JSON's own, so JSON stays
// JSON.
std::string printable(std::string_view text);
// The same, line by line: the line feeds that end lines stay, and so do
// tabs, which separate columns.
std::string printable_lines(std::string_view text);

} // namespace tqr::cli
