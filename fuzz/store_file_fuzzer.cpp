// Store-file bytes of any length -> load_settings -> both pages created
// over the record -> the GSM page's validate-and-store -> save_profile.
#include "app/page_tab_ctrl.h"
#include "fuzz/fuzz_support.h"
#include "settings/settings_files.h"

#include <cstddef>
#include <cstdint>
#include <fstream>

using namespace tqr;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto& root = fuzz::fuzz_environment();
    fuzz::reset_settings();
    {
        std::ofstream out(root / "config" / "TQRSetup" / "TQRSetup.DAT", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    load_settings();
    current_profile.model_index = 6;

    fw::TabControlWidget tabs(nullptr);
    tabs.resize(400, 460);
    PageTabCtrl host;
    host.attach(&tabs);
    host.InsertItem(0, "GSM");
    host.create_pages(current_profile);
    if (host.validate_and_store() == 0)
        save_profile((root / "card").string());
    return 0;
}
