#include "cli/commands.h"
#include "cli/console.h"
#include "cli/manual_page.h"
#include "cli/printable.h"
#include "cli/profile_input.h"
#include "cli/profile_json.h"
#include "settings/value_rules.h"
#include "tables/profile_check.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace tqr::cli {

int run_check(const CheckOptions& o, std::ostream& out, std::ostream&)
{
    const ProfileDocument doc = read_file_or_description(o.file);
    const auto findings = check_findings(doc);
    // Not a finding: the card is written as it stands.
    std::string key;
    const auto gap = rules::sending_gap(doc.record.gsm, &key);
    if (o.json) {
        Json list = Json::array();
        for (const auto& f : findings)
            list.push_back({{"field", f.key}, {"message", f.message}, {"detail", f.detail}});
        Json warnings = Json::array();
        if (gap)
            warnings.push_back({{"field", key}, {"message", std::string(*gap)}});
        const Json report = {{"findings", list}, {"warnings", warnings}};
        out << printable_lines(report.dump(2, ' ', false, Json::error_handler_t::replace)) << "\n";
    } else {
        // The message as the dialog shows it, then, indented, what to fix.
        for (const auto& f : findings) {
            out << printable(f.key + ": " + f.message) << "\n";
            if (!f.detail.empty())
                out << "    " << printable(f.detail) << "\n";
        }
        if (gap)
            out << "warning: " << key << ": " << *gap << "\n";
    }
    return findings.empty() ? 0 : 1;
}

CLI::App* add_check_command(CLI::App& app, int& exit_code)
{
    auto o = std::make_shared<CheckOptions>();
    auto* sub = app.add_subcommand("check", "List everything the dialog would refuse or could not produce, the "
                                            "dialog's first message first; for a JSON description a dry run of write");
    sub->add_option("FILE", o->file, "PROFILE.BIN, store file or JSON description (- for standard input)")->required();
    sub->add_flag("--json", o->json, "Print the findings as JSON objects with field, message and detail");
    set_exit_codes(*sub, "nothing found", "something found, or the file cannot be read");
    sub->callback([o, &exit_code] { exit_code = run_check(*o, standard_output(), standard_error()); });
    return sub;
}

} // namespace tqr::cli
