#pragma once

// What every fuzz target shares: one application object on the offscreen
// platform, a private folder for the store file and the card, and a UI
// that answers every prompt without showing it.

#include "framework/cdialog.h"
#include "framework/ui_services.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tqr::fuzz {

class SilentUi final : public fw::UiServices {
  public:
    int message_box(const fw::MessageBoxRequest& request) override
    {
        return (request.style & fw::kButtonMask) == fw::MB_YESNO ? fw::IDYES : fw::IDOK;
    }
    int run_modal(fw::CDialog& dialog) override
    {
        dialog.end_dialog(fw::IDCANCEL);
        return fw::IDCANCEL;
    }
    std::optional<std::string> browse_for_folder(QWidget*, const std::string&, const std::string&) override { return std::nullopt; }
};

// Starts the application object once and installs the silent UI; returns
// the private folder (with "config" as XDG_CONFIG_HOME and "card").
const std::filesystem::path& fuzz_environment();

void reset_settings();

} // namespace tqr::fuzz
