#pragma once

// Every blocking prompt of the tool (message boxes, modal dialogs, the
// folder browser) goes through one interface. The desktop implementation
// shows real windows; tests install a scripted one for their scope.

#include <memory>
#include <optional>
#include <string>

class QMessageBox;
class QWidget;

namespace tqr::fw {

class CDialog;

struct MessageBoxRequest {
    QWidget* owner = nullptr;
    std::string caption;
    std::string text; // UTF-8
    unsigned style = 0;
    // A second, smaller paragraph that says what to fix; UTF-8, may be empty.
    std::string detail = {};
    // The label of a button beside OK, in the user's language; empty for none.
    std::string extra_button = {};
};

// The box the desktop shows for `request`, not yet shown.
std::unique_ptr<QMessageBox> new_message_box(const MessageBoxRequest& request);

class UiServices {
  public:
    virtual ~UiServices() = default;
    // Shows a message box; returns IDOK, IDYES, IDNO or IDEXTRA.
    virtual int message_box(const MessageBoxRequest& request) = 0;
    // Runs an initialised modal dialog until it ends; returns its result.
    virtual int run_modal(CDialog& dialog) = 0;
    // Lets the user pick a folder, starting at `start` where that is one;
    // nothing when cancelled.
    virtual std::optional<std::string> browse_for_folder(QWidget* owner, const std::string& title,
                                                         const std::string& start) = 0;
};

// The services in force: the innermost ScopedUi, or the desktop's.
UiServices& current_ui();

// Puts `services` in force for this object's lifetime.
class ScopedUi {
  public:
    explicit ScopedUi(UiServices& services);
    ~ScopedUi();
    ScopedUi(const ScopedUi&) = delete;
    ScopedUi& operator=(const ScopedUi&) = delete;

  private:
    UiServices* previous_;
};

} // namespace tqr::fw
