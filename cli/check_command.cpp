#include "cli/commands.h"
#include "settings/profile_check.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace tqr::cli {

int run_check(const CheckOptions& o, std::ostream& out, std::ostream&)
{
    const auto findings = check_profile(read_profile_file(o.file));
    for (const auto& line : findings)
        out << line << "\n";
    return findings.empty() ? 0 : 1;
}

CLI::App* add_check_command(CLI::App& app, int& exit_code)
{
    auto o = std::make_shared<CheckOptions>();
    auto* sub = app.add_subcommand("check", "List everything the dialog would refuse or could not produce; exit 1 "
                                            "if there is anything");
    sub->add_option("FILE", o->file, "PROFILE.BIN or store file (- for standard input)")->required();
    sub->callback([o, &exit_code] { exit_code = run_check(*o, std::cout, std::cerr); });
    return sub;
}

} // namespace tqr::cli
