#include "app/command_line.h"
#include "app/setup_app.h"
#include "framework/translation.h"

#include <cstdio>

namespace {
tqr::SetupApp the_app;
} // namespace

int main(int argc, char** argv)
{
    using tqr::CommandLine;
    const CommandLine line = tqr::parse_command_line(argc, argv);
    switch (line.action) {
    case CommandLine::Action::Help: std::fputs(tqr::kUsage, stdout); return 0;
    case CommandLine::Action::Version: std::printf("TQRSetup %s\n", TQR_VERSION); return 0;
    case CommandLine::Action::Refuse:
        std::fprintf(stderr, "TQRSetup: %s\n\n%s", tqr::fw::console_text(line.language, line.refusal).c_str(),
                     tqr::kUsage);
        return 2;
    case CommandLine::Action::Run: break;
    }
    if (!line.language.empty() && !tqr::fw::has_translation(line.language)) {
        const tqr::Phrase note(TQR_TR_NOOP("TQRSetup", "there is no translation for \"%1\"; the dialog speaks English"),
                               {line.language});
        std::fprintf(stderr, "TQRSetup: %s\n", tqr::fw::console_text({}, note).c_str());
    }
    the_app.set_language(line.language);
    return the_app.run(argc, argv);
}
