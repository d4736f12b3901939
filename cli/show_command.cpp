#include "cli/commands.h"
#include "cli/console.h"
#include "cli/manual_page.h"
#include "cli/printable.h"
#include "cli/profile_show.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace tqr::cli {

int run_show(const ShowOptions& o, std::ostream& out, std::ostream&)
{
    const ProfileDocument doc = read_profile_file(o.file);
    if (o.json)
        out << printable_lines(show_profile_json(doc, o.show_passwords).dump(2)) << "\n";
    else
        out << show_profile(doc, o.show_passwords);
    return 0;
}

CLI::App* add_show_command(CLI::App& app, int& exit_code)
{
    auto o = std::make_shared<ShowOptions>();
    auto* sub = app.add_subcommand("show", "Print every setting the way the dialog names it");
    sub->add_option("FILE", o->file, "PROFILE.BIN or store file (- for standard input)")->required();
    sub->add_flag("--json", o->json, "Print the same as JSON");
    sub->add_flag("--show-passwords", o->show_passwords, "Show passwords instead of masking them");
    set_exit_codes(*sub, "shown", "the file cannot be read or is no settings file");
    sub->callback([o, &exit_code] { exit_code = run_show(*o, standard_output(), standard_error()); });
    return sub;
}

} // namespace tqr::cli
