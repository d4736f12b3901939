#include "app/setup_app.h"

#include <cstdio>
#include <cstring>

namespace {
tqr::SetupApp the_app;

constexpr const char* kUsage = "Usage: TQRSetup [--help] [--version] [--lang LANGUAGE]\n"
                               "Prepares the transmission settings of a cellular trail camera and writes\n"
                               "PROFILE.BIN onto its SD card; the settings are also kept for the next start\n"
                               "in $XDG_CONFIG_HOME/TQRSetup/TQRSetup.DAT. Opens one dialog window.\n"
                               "\n"
                               "  --help     print this text and exit\n"
                               "  --version  print the version and exit\n"
                               "  --lang de  speak German (or fr, es, en) instead of the desktop's language\n"
                               "\n"
                               "tqrprofile, the command-line companion, reads and writes the same files.\n";
} // namespace

int main(int argc, char** argv)
{
    // Answered before any window system is needed, so they work over ssh
    // and in scripts.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("TQRSetup %s\n", TQR_VERSION);
            return 0;
        }
    }
    return the_app.run(argc, argv);
}
