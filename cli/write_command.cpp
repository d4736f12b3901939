#include "cli/command_io.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/manual_page.h"
#include "cli/printable.h"
#include "cli/profile_input.h"
#include "cli/profile_json.h"
#include "settings/settings_files.h"
#include "tables/profile_check.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace tqr::cli {

int run_write(const WriteOptions& o, std::ostream& out, std::ostream& err)
{
    if (o.folder.empty()) {
        err << "tqrprofile: write needs the folder of the SD card, not an empty name\n";
        return kUsageError;
    }
    ProfileDocument doc = read_description(o.json);
    require_folder(o.folder);
    if (const auto refusal = prepare_for_writing(doc.record)) {
        err << "refused: " << printable(refusal->key + ": " + refusal->message) << "\n";
        if (!refusal->detail.empty())
            err << "    " << printable(refusal->detail) << "\n";
        return 1;
    }
    save_profile_bin(o.folder, doc.record);
    out << "PROFILE.BIN has been saved in " << printable(o.folder) << "\n";
    return 0;
}

CLI::App* add_write_command(CLI::App& app, int& exit_code)
{
    auto o = std::make_shared<WriteOptions>();
    auto* sub = app.add_subcommand("write", "Check a JSON description like the dialog's OK and write PROFILE.BIN");
    sub->add_option("JSON", o->json, "JSON description (- for standard input)")->required();
    sub->add_option("FOLDER", o->folder, "Folder to write PROFILE.BIN into (the SD card)")->required();
    set_exit_codes(*sub, "PROFILE.BIN written", "refused (nothing written), or a file cannot be read or written");
    sub->callback([o, &exit_code] { exit_code = run_write(*o, standard_output(), standard_error()); });
    return sub;
}

} // namespace tqr::cli
