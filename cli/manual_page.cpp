#include "cli/manual_page.h"

#include "cli/console.h"
#include "cli/field_manual.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <sstream>

namespace tqr::cli {

namespace {

constexpr const char* kExitHeading = "Exit status:";

// "-o, --output TEXT" or "FILE".
std::string option_name(const CLI::Option& o)
{
    if (o.get_positional() && o.get_name(false, true).find('-') != 0)
        return o.get_name(true, false);
    std::string names;
    for (const auto& s : o.get_snames())
        names += (names.empty() ? "-" : ", -") + s;
    for (const auto& l : o.get_lnames())
        names += (names.empty() ? "--" : ", --") + l;
    if (o.get_type_size() > 0 && !o.get_type_name().empty())
        names += " " + o.get_type_name();
    return names;
}

} // namespace

void set_exit_codes(CLI::App& command, const std::string& done, const std::string& failed)
{
    command.footer(std::string(kExitHeading) + "\n  0  " + done + "\n  1  " + failed + "\n  2  wrong usage");
}

std::string manual_page(const CLI::App& app, const std::string& version)
{
    std::ostringstream m;
    m << ".TH TQRPROFILE \"1\" \"\" \"tqrprofile " << version << "\" \"User Commands\"\n"
      << ".SH NAME\ntqrprofile \\- read, check, compare and prepare TQR camera settings files\n"
      << ".SH SYNOPSIS\n.B tqrprofile\n\\fICOMMAND\\fR [\\fIOPTIONS\\fR] \\fIFILE\\fR...\n"
      << ".SH DESCRIPTION\n"
      << roff(app.get_description()) << "\n.PP\n"
      << "Text output shows control characters as escapes (\\ex1B), so a crafted file cannot "
         "steer the terminal. \\- stands for standard input (with \\fBexport \\-o\\fR, standard output). "
         "Files are read with a size limit and never block.\n"
      << ".SH OPTIONS\n.TP\n.B \\-\\-version\nPrint the version and exit.\n.TP\n.B \\-h, \\-\\-help\n"
      << "Print the help and exit; \\fICOMMAND\\fR \\fB\\-\\-help\\fR tells the command's options and exit codes.\n"
      << ".SH COMMANDS\n";
    for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; })) {
        m << ".SS \"" << sub->get_name();
        for (const CLI::Option* o : sub->get_options())
            if (o->get_positional() && o->get_lnames().empty() && o->get_snames().empty())
                m << " " << o->get_name(true, false);
        m << "\"\n" << roff(sub->get_description()) << "\n";
        for (const CLI::Option* o : sub->get_options()) {
            if (o->get_group().empty() || o->get_name() == "--help")
                continue;
            m << ".TP\n.B " << roff(option_name(*o)) << "\n" << roff(o->get_description()) << "\n";
        }
        const std::string footer = sub->get_footer();
        const auto at = footer.find(kExitHeading);
        if (at != std::string::npos) {
            m << ".PP\nExit status:\n.RS\n";
            std::istringstream lines(footer.substr(at + std::string(kExitHeading).size()));
            for (std::string line; std::getline(lines, line);) {
                const auto code = line.find_first_not_of(' ');
                if (code == std::string::npos)
                    continue;
                m << ".TP 4\n.B " << line[code] << "\n"
                  << roff(line.substr(line.find_first_not_of(' ', code + 1))) << "\n";
            }
            m << ".RE\n";
        }
    }
    m << json_fields_manual();
    m << ".SH FILES\n.TP\n.I ~/.config/TQRSetup/TQRSetup.DAT\nThe dialog's store file (under $XDG_CONFIG_HOME).\n"
      << ".SH SEE ALSO\n.BR TQRSetup (1)\n";
    return m.str();
}

CLI::Option* add_manual_flag(CLI::App& app, const std::string& version)
{
    auto* flag = app.add_flag_callback(
        "--manual",
        [&app, version] {
            standard_output() << manual_page(app, version);
            throw CLI::Success();
        },
        "Print the manual page (roff)");
    flag->group("");
    flag->trigger_on_parse();
    return flag;
}

} // namespace tqr::cli
