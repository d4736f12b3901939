#pragma once

// The one way out of tqrprofile: everything it prints, to standard output
// or standard error, text or JSON, its own words or CLI11's, passes through
// here. Control characters (C0 but tab and line feed, DEL, C1), the marks
// that reorder text and bytes that are not UTF-8 are written as escapes
// (see printable), so nothing read from a file, a database or a server can
// drive the terminal; the escapes are JSON's own, so JSON stays JSON. A
// write that fails (a full disk, a closed pipe) is remembered and turns the
// exit code into 1.

#include <ostream>

namespace tqr::cli {

// Puts the escaping writers behind std::cout and std::cerr; once, first
// thing in main.
void install_console();
// Writes what is still pending and puts the original buffers back. Returns
// `exit_code`, or 1 with a message on standard error when anything could
// not be written to standard output.
int finish_console(int exit_code);

// The streams the commands print to.
std::ostream& standard_output();
std::ostream& standard_error();

} // namespace tqr::cli
