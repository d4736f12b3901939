#include "framework/win_app.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace tqr::fw {

namespace {

bool set(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Qt aborts without a display, with advice about reinstalling; the user
// is better served by one line that names what is missing. A platform
// chosen explicitly (offscreen, a Wayland compositor of its own) is left
// to Qt.
bool display_missing()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0' && std::strncmp(platform, "xcb", 3) != 0)
        return false;
    if (set("DISPLAY"))
        return false;
    return platform != nullptr && *platform != '\0' ? true : !set("WAYLAND_DISPLAY");
}

} // namespace

int CWinApp::run(int argc, char** argv)
{
    if (display_missing()) {
        const std::string name = argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "TQRSetup";
        // stdio, not iostreams: their static set-up alone would cost every
        // start a quarter of a megabyte.
        std::fprintf(stderr, "%s: no display to open a window on (DISPLAY and WAYLAND_DISPLAY are not set)\n",
                     name.c_str());
        return 1;
    }
    QApplication app(argc, argv);
    if (!init_instance())
        return 0;
    return QApplication::exec();
}

} // namespace tqr::fw
