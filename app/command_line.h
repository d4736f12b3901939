#pragma once

#include "settings/translatable.h"

#include <string>

namespace tqr {

// What the tool was asked to do on its command line. Read before any window
// system is needed, so that --help, --version and a mistyped option answer
// over ssh and in scripts.
struct CommandLine {
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    // --lang's value; empty for the desktop's language.
    std::string language;
    // Why the command line was refused, for "TQRSetup: ..." on stderr.
    Phrase refusal;
};

CommandLine parse_command_line(int argc, const char* const* argv);

// --help's text, also printed after a refusal.
extern const char* const kUsage;

} // namespace tqr
