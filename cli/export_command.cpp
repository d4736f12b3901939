#include "cli/command_io.h"
#include "cli/commands.h"
#include "cli/profile_json.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace tqr::cli {

int run_export(const ExportOptions& o, std::ostream& out, std::ostream&)
{
    const std::string text = to_json(read_profile_file(o.file)).dump(2) + "\n";
    if (o.output == "-")
        out << text;
    else
        write_private(o.output, text);
    return 0;
}

CLI::App* add_export_command(CLI::App& app, int& exit_code)
{
    auto o = std::make_shared<ExportOptions>();
    auto* sub = app.add_subcommand("export", "Describe all settings as JSON");
    sub->add_option("FILE", o->file, "PROFILE.BIN or store file (- for standard input)")->required();
    sub->add_option("-o,--output", o->output,
                    "JSON file to write, created readable by you only (default -: standard output)");
    sub->callback([o, &exit_code] { exit_code = run_export(*o, std::cout, std::cerr); });
    return sub;
}

} // namespace tqr::cli
