#pragma once

// tqrprofile's manual page, made from the parser's own commands, options and
// exit codes and from the record's schema, so that it tells what the
// program does and cannot fall behind it.

#include <string>

namespace CLI {
class App;
class Option;
} // namespace CLI

namespace tqr::cli {

// Puts the exit codes under a command's --help: 0 `done`, 1 `failed`, 2
// wrong usage.
void set_exit_codes(CLI::App& command, const std::string& done, const std::string& failed);

// The manual page in roff.
std::string manual_page(const CLI::App& app, const std::string& version);

// A hidden --manual flag on `app` that prints manual_page and exits 0.
CLI::Option* add_manual_flag(CLI::App& app, const std::string& version);

} // namespace tqr::cli
