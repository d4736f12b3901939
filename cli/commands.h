#pragma once

// The commands of tqrprofile, one file each: an options struct, a run
// function that tests call in-process, and the wiring into the parser.
// Each run function returns the exit code: 0 done, 1 refused or failed
// (the reason on `err`), 2 wrong usage.

#include <ostream>
#include <string>

namespace CLI {
class App;
}

namespace tqr::cli {

inline constexpr int kUsageError = 2;

struct ShowOptions {
    std::string file;
    bool json = false;
    bool show_passwords = false;
};
int run_show(const ShowOptions& o, std::ostream& out, std::ostream& err);
CLI::App* add_show_command(CLI::App& app, int& exit_code);

struct CheckOptions {
    std::string file;
    bool json = false;
};
int run_check(const CheckOptions& o, std::ostream& out, std::ostream& err);
CLI::App* add_check_command(CLI::App& app, int& exit_code);

struct ExportOptions {
    std::string file;
    std::string output = "-";
};
int run_export(const ExportOptions& o, std::ostream& out, std::ostream& err);
CLI::App* add_export_command(CLI::App& app, int& exit_code);

struct WriteOptions {
    std::string json;
    std::string folder;
};
int run_write(const WriteOptions& o, std::ostream& out, std::ostream& err);
CLI::App* add_write_command(CLI::App& app, int& exit_code);

struct DiffOptions {
    std::string a, b;
    bool show_passwords = false;
};
int run_diff(const DiffOptions& o, std::ostream& out, std::ostream& err);
CLI::App* add_diff_command(CLI::App& app, int& exit_code);

} // namespace tqr::cli
