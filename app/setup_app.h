#pragma once

#include "framework/win_app.h"

#include <string>
#include <utility>

namespace tqr {

// Start-up: load the settings, run the main dialog, end when it closes.
class SetupApp : public fw::CWinApp {
  public:
    bool init_instance() override;
    // The language asked for on the command line; the desktop's when empty.
    void set_language(std::string language) { language_ = std::move(language); }

  private:
    std::string language_;
};

} // namespace tqr
