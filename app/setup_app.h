#pragma once

#include "framework/win_app.h"

namespace tqr {

// Start-up: load the settings, run the main dialog, end when it closes.
class SetupApp : public fw::CWinApp {
  public:
    bool init_instance() override;
};

} // namespace tqr
