#include "cli/commands.h"
#include "cli/console.h"
#include "cli/manual_page.h"
#include "cli/printable.h"
#include "cli/profile_json.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace tqr::cli {

namespace {

// Masked as show masks them: a password that differs is named, not shown.
bool secret(const std::string& key)
{
    const std::string name = key.substr(key.rfind('.') + 1);
    return name.find("password") != std::string::npos && name != "password_on";
}

} // namespace

int run_diff(const DiffOptions& o, std::ostream& out, std::ostream&)
{
    const auto a = flatten(to_json(read_profile_file(o.a)));
    const auto b = flatten(to_json(read_profile_file(o.b)));
    // Settings only: what one kind of file does not hold (the header, the
    // custom rows) is not a difference.
    int differences = 0;
    for (const auto& [key, value_a] : a) {
        const auto it = b.find(key);
        if (key == "file" || it == b.end() || it->second == value_a)
            continue;
        if (secret(key) && !o.show_passwords)
            out << key << ": *** -> *** (--show-passwords shows them)\n";
        else
            out << printable(key + ": " + value_a + " -> " + it->second) << "\n";
        ++differences;
    }
    return differences == 0 ? 0 : 1;
}

CLI::App* add_diff_command(CLI::App& app, int& exit_code)
{
    auto o = std::make_shared<DiffOptions>();
    auto* sub = app.add_subcommand("diff", "List the settings that differ between two files; exit 1 if any");
    sub->add_option("A", o->a, "First file")->required();
    sub->add_option("B", o->b, "Second file")->required();
    sub->add_flag("--show-passwords", o->show_passwords, "Show differing passwords instead of masking them");
    set_exit_codes(*sub, "the settings are the same", "they differ, or a file cannot be read");
    sub->callback([o, &exit_code] { exit_code = run_diff(*o, standard_output(), standard_error()); });
    return sub;
}

} // namespace tqr::cli
