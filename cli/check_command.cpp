#include "cli/commands.h"
#include "cli/console.h"
#include "cli/manual_page.h"
#include "cli/printable.h"
#include "cli/profile_input.h"
#include "settings/value_rules.h"
#include "tables/profile_check.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace tqr::cli {

int run_check(const CheckOptions& o, std::ostream& out, std::ostream&)
{
    const ProfileDocument doc = read_file_or_description(o.file);
    const auto findings = check_profile(doc);
    for (const auto& line : findings)
        out << printable(line) << "\n";
    // Not a finding: the card is written as it stands.
    std::string key;
    if (const auto gap = rules::sending_gap(doc.record.gsm, &key))
        out << "warning: " << key << ": " << *gap << "\n";
    return findings.empty() ? 0 : 1;
}

CLI::App* add_check_command(CLI::App& app, int& exit_code)
{
    auto o = std::make_shared<CheckOptions>();
    auto* sub = app.add_subcommand("check", "List everything the dialog would refuse or could not produce, the "
                                            "dialog's first message first; for a JSON description a dry run of write");
    sub->add_option("FILE", o->file, "PROFILE.BIN, store file or JSON description (- for standard input)")->required();
    set_exit_codes(*sub, "nothing found", "something found, or the file cannot be read");
    sub->callback([o, &exit_code] { exit_code = run_check(*o, standard_output(), standard_error()); });
    return sub;
}

} // namespace tqr::cli
