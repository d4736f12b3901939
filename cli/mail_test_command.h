#pragma once

// tqrprofile mailtest: tries the mail account of a settings file.

#include <ostream>
#include <string>

namespace CLI {
class App;
}

namespace tqr::cli {

struct MailTestOptions {
    std::string file;
    bool send = false;
    std::string ca_file;
};

// Logs in with the file's mail account and, with `send`, mails the test
// e-mail to the file's recipients. 0 when all of it worked; otherwise 1,
// with the reason on `err`.
int run_mail_test(const MailTestOptions& options, std::ostream& out, std::ostream& err);

// Adds the command to `app`; when it is chosen, its callback runs the test
// and leaves the exit code in `exit_code`.
CLI::App* add_mail_test_command(CLI::App& app, int& exit_code);

} // namespace tqr::cli
