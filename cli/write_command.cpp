#include "cli/command_io.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/manual_page.h"
#include "cli/printable.h"
#include "cli/profile_input.h"
#include "cli/profile_json.h"
#include "removable/card_eject.h"
#include "settings/file_exception.h"
#include "settings/settings_files.h"
#include "tables/profile_check.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

namespace tqr::cli {

namespace {

// Ejects the card that holds `folder` through UDisks2, as the desktop's
// eject does; only a card: never a file system on the machine's own disks.
int eject_card(const std::string& folder, std::ostream& out, std::ostream& err)
{
    const removable::Lookup found = removable::volume_holding(folder);
    if (!found.volume) {
        err << "tqrprofile: " << printable(found.why_not.english()) << "\n";
        return 1;
    }
    if (!found.volume->removable) {
        err << "tqrprofile: " << printable(found.volume->mount_point)
            << " is not a removable medium, so it stays mounted\n";
        return 1;
    }
    const removable::EjectOutcome outcome = removable::eject(*found.volume);
    if (!outcome.ok()) {
        err << "tqrprofile: " << printable(outcome.message.english()) << "\n";
        return 1;
    }
    out << printable(outcome.message.english()) << "\n";
    return 0;
}

} // namespace

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
    try {
        save_profile_bin(o.folder, doc.record);
    } catch (const CFileException& e) {
        // A card that did not keep the file included: nothing is saved.
        err << "tqrprofile: " << printable(e.error_text()) << "\n";
        return 1;
    }
    out << "PROFILE.BIN has been saved in " << printable(o.folder) << "\n";
    return o.eject ? eject_card(o.folder, out, err) : 0;
}

CLI::App* add_write_command(CLI::App& app, int& exit_code)
{
    auto o = std::make_shared<WriteOptions>();
    auto* sub = app.add_subcommand("write", "Check a JSON description like the dialog's OK and write PROFILE.BIN");
    sub->add_option("JSON", o->json, "JSON description (- for standard input)")->required();
    sub->add_option("FOLDER", o->folder, "Folder to write PROFILE.BIN into (the SD card)")->required();
    sub->add_flag("--eject", o->eject,
                  "Then eject the card through the disk service UDisks2 (unmount it, and power its drive off where "
                  "the drive allows)");
    set_exit_codes(*sub, "PROFILE.BIN written and read back as written (and with --eject the card ejected)",
                   "refused (nothing written), a file cannot be read or written, or the card did not keep "
                   "PROFILE.BIN (the previous one stays); or, PROFILE.BIN written, the card cannot be ejected, "
                   "with the reason");
    sub->callback([o, &exit_code] { exit_code = run_write(*o, standard_output(), standard_error()); });
    return sub;
}

} // namespace tqr::cli
