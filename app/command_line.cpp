#include "app/command_line.h"

#include <array>
#include <string_view>

namespace tqr {

const char* const kUsage = "Usage: TQRSetup [--help] [--version] [--lang LANGUAGE]\n"
                           "Prepares the transmission settings of a cellular trail camera and writes\n"
                           "PROFILE.BIN onto its SD card; the settings are also kept for the next start\n"
                           "in $XDG_CONFIG_HOME/TQRSetup/TQRSetup.DAT. Opens one dialog window.\n"
                           "\n"
                           "  --help     print this text and exit\n"
                           "  --version  print the version and exit\n"
                           "  --lang de  speak German (or fr, es, it, nl, da, sv, nb, fi, en) instead\n"
                           "             of the desktop's language\n"
                           "\n"
                           "Without --lang the dialog speaks the desktop's language: the first of\n"
                           "LANGUAGE, LC_ALL, LC_MESSAGES and LANG that is set names it. Qt's own\n"
                           "options, such as -platform and -style, are taken as in every Qt program.\n"
                           "\n"
                           "tqrprofile, the command-line companion, reads and writes the same files.\n";

namespace {

// The options Qt itself takes from every program's command line, with one
// dash or two; the first group is followed by a value.
constexpr std::array<std::string_view, 15> kQtValueOptions = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "name",          "title",
    "style",           "stylesheet",         "qmljsdebugger"};
constexpr std::array<std::string_view, 5> kQtFlags = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

bool one_of(std::string_view name, const auto& names)
{
    for (std::string_view n : names)
        if (n == name)
            return true;
    return false;
}

CommandLine refused(Phrase why)
{
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.refusal = std::move(why);
    return line;
}

} // namespace

CommandLine parse_command_line(int argc, const char* const* argv)
{
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            line.action = CommandLine::Action::Help;
            return line;
        }
        if (arg == "--version") {
            line.action = CommandLine::Action::Version;
            return line;
        }
        if (arg == "--lang" || arg.starts_with("--lang=")) {
            const bool joined = arg.size() > 6;
            line.language = joined ? std::string(arg.substr(7)) : i + 1 < argc ? argv[++i] : "";
            if (line.language.empty() || (!joined && line.language.starts_with('-')))
                return refused(Phrase(TQR_TR_NOOP("TQRSetup", "\"--lang\" needs a language, such as de")));
            continue;
        }
        // Qt's own options: the application object takes them off later.
        std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
        const std::size_t equals = name.find('=');
        const bool has_value = equals != std::string_view::npos;
        name = name.substr(0, equals);
        if (arg.starts_with('-') && one_of(name, kQtValueOptions)) {
            if (!has_value && ++i >= argc)
                return refused(Phrase(TQR_TR_NOOP("TQRSetup", "\"%1\" needs a value"), {std::string(arg)}));
            continue;
        }
        if (arg.starts_with('-') && !has_value && one_of(name, kQtFlags))
            continue;
        if (arg.starts_with('-'))
            return refused(Phrase(TQR_TR_NOOP("TQRSetup", "unknown option \"%1\""), {std::string(arg)}));
        return refused(Phrase(TQR_TR_NOOP("TQRSetup", "unexpected argument \"%1\""), {std::string(arg)}));
    }
    return line;
}

} // namespace tqr
