#pragma once

#include "app/setup_app.h"
#include "framework/ui_services.h"

// The tool's own start-up, with `Ui` answering every prompt of it.
template <typename Ui> class BenchApp : public tqr::SetupApp {
  public:
    bool init_instance() override
    {
        Ui ui;
        tqr::fw::ScopedUi scope(ui);
        return SetupApp::init_instance();
    }
};
