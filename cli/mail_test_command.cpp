#include "cli/mail_test_command.h"

#include "cli/console.h"
#include "cli/manual_page.h"
#include "cli/printable.h"
#include "cli/profile_input.h"
#include "mail/mail_check.h"
#include "mail/mail_record.h"
#include "settings/file_exception.h"

#include <CLI/CLI.hpp>

#include <cctype>
#include <iostream>
#include <memory>
#include <vector>

namespace tqr::cli {

namespace {

std::string sentence(std::string text)
{
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text + ".";
}

} // namespace

int run_mail_test(const MailTestOptions& options, std::ostream& out, std::ostream& err)
{
    ProfileRecord record{};
    try {
        record = read_file_or_description(options.file).record;
    } catch (const ProfileError& e) {
        err << "tqrprofile: " << printable(e.what()) << "\n";
        return 1;
    }
    const GsmBlock& g = record.gsm;
    const mail::MailAccount account = mail::account_of(g.email.server, g.email.account);
    mail::CheckOptions check;
    check.ca_file = options.ca_file;
    const std::vector<std::string> recipients = mail::recipients_of(g);
    // The login below already sends the password; a test e-mail that is
    // bound to be refused must not cost that.
    if (options.send) {
        if (const auto refused = mail::test_mail_refusal(account, recipients)) {
            err << "tqrprofile: " << printable(refused->message) << "\n";
            return 1;
        }
    }

    const mail::CheckOutcome login = mail::check_login(account, check);
    if (!login.ok) {
        err << "tqrprofile: " << printable(login.message) << "\n";
        return 1;
    }
    out << printable(sentence(login.message)) << "\n";
    if (!options.send)
        return 0;
    const mail::CheckOutcome sent = mail::send_test_mail(account, recipients, mail::note_of(g), check);
    if (!sent.ok) {
        err << "tqrprofile: " << printable(sent.message) << "\n";
        return 1;
    }
    out << printable(sentence(sent.message)) << "\n";
    return 0;
}

CLI::App* add_mail_test_command(CLI::App& app, int& exit_code)
{
    auto options = std::make_shared<MailTestOptions>();
    auto* sub = app.add_subcommand(
        "mailtest", "Log in with the file's mail account (whatever its send settings); exit 1 with the reason if "
                    "that fails");
    sub->add_option("FILE", options->file, "PROFILE.BIN, store file or JSON description")->required();
    sub->add_flag("--send", options->send, "Also mail a test e-mail from the sender address to the recipients");
    sub->add_option("--ca-file", options->ca_file,
                    "Trust the certificates in FILE (a private CA) instead of the "
                    "system's");
    set_exit_codes(*sub, "the login (and with --send the test e-mail) worked",
                   "it did not, with the reason; or the file cannot be read");
    sub->callback([options, &exit_code] { exit_code = run_mail_test(*options, standard_output(), standard_error()); });
    return sub;
}

} // namespace tqr::cli
