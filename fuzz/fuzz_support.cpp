#include "fuzz/fuzz_support.h"

#include "settings/factory_defaults.h"
#include "settings/profile_record.h"

#include <QApplication>

#include <cstdlib>
#include <vector>

namespace tqr::fuzz {

const std::filesystem::path& fuzz_environment()
{
    static const std::filesystem::path root = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "tqr_fuzz";
        static char* argv[] = {name, nullptr};
        static QApplication app(argc, argv);
        static SilentUi ui;
        static fw::ScopedUi scope(ui);
        std::string pattern = (std::filesystem::temp_directory_path() / "tqr-fuzz-XXXXXX").string();
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        const std::filesystem::path dir = ::mkdtemp(buf.data()) != nullptr ? buf.data() : "/tmp/tqr-fuzz";
        std::filesystem::create_directories(dir / "config" / "TQRSetup");
        std::filesystem::create_directories(dir / "card");
        ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
        return dir;
    }();
    return root;
}

void reset_settings()
{
    current_profile = initial_profile_image();
    for (int i = 0; i < kCustomOperatorCount; ++i)
        CustomOperators[i] = initial_custom_operator(i);
}

} // namespace tqr::fuzz
