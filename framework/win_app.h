#pragma once

namespace tqr::fw {

// The application object: starts the platform (offscreen or a real
// display, as Qt chooses) and runs the start-up routine.
class CWinApp {
  public:
    CWinApp() = default;
    virtual ~CWinApp() = default;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Starts the platform and calls init_instance; the process's exit code.
    int run(int argc, char** argv);

  protected:
    // The start-up routine. Returning false ends the application without a
    // message loop of its own; true enters one.
    virtual bool init_instance() = 0;
};

} // namespace tqr::fw
