// tqrprofile: read, check, compare and prepare camera settings files.
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/mail_test_command.h"
#include "cli/manual_page.h"
#include "cli/operators_command.h"
#include "settings/file_exception.h"
#include "settings/profile_document.h"

#include <CLI/CLI.hpp>

using namespace tqr;
using namespace tqr::cli;

namespace {

int run(int argc, char** argv)
{
    CLI::App app{"Reads, checks, compares and prepares TQR camera settings files "
                 "(PROFILE.BIN or the TQRSetup.DAT store file)."};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("tqrprofile ") + TQR_VERSION);

    int exit_code = kUsageError;
    add_show_command(app, exit_code);
    add_check_command(app, exit_code);
    add_export_command(app, exit_code);
    add_write_command(app, exit_code);
    add_diff_command(app, exit_code);
    add_mail_test_command(app, exit_code);
    add_operators_command(app, exit_code);
    add_manual_flag(app, TQR_VERSION);

    // The commands run inside parse; whatever they meet ends here as a
    // message and an exit code, never as an abort.
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, standard_output(), standard_error());
        return code == 0 ? 0 : kUsageError;
    } catch (const ProfileError& e) {
        standard_error() << "tqrprofile: " << e.what() << "\n";
        return 1;
    } catch (const CFileException& e) {
        standard_error() << "tqrprofile: " << e.error_text() << "\n";
        return 1;
    } catch (const std::exception& e) {
        standard_error() << "tqrprofile: " << e.what() << "\n";
        return 1;
    }
    return exit_code;
}

} // namespace

int main(int argc, char** argv)
{
    install_console();
    return finish_console(run(argc, argv));
}
