#pragma once

#include "framework/cdialog.h"
#include "framework/folder_browser.h"
#include "framework/ui_services.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tqr::test {

// Plays the user at every blocking prompt, from a script given in order:
// message boxes are checked and answered, modal dialogs are acted on once
// they are initialised, the folder browser returns a given answer. A prompt
// the script does not expect, or an expected one that never came, fails
// the test. Installed for the object's lifetime.
class ScriptedUi final : public fw::UiServices {
  public:
    ScriptedUi();
    ~ScriptedUi() override;

    // Expects a box with exactly `text` and `style` (icon and buttons).
    ScriptedUi& expect_box(std::string text, unsigned style = fw::MB_OK, int answer = fw::IDOK);
    // Expects the message of a save into `folder`, with the line that follows
    // it when the record saved lacks what its way of sending needs.
    ScriptedUi& expect_saved(const std::string& folder);
    // Expects the modal dialog of `form_id`; `act` plays the user in it and
    // must end it (press OK or Cancel).
    ScriptedUi& expect_dialog(int form_id, std::function<void(fw::CDialog&)> act);
    // Expects the folder browser; it answers `folder` (nothing: cancelled).
    ScriptedUi& expect_browse(std::optional<std::string> folder);
    // Expects the folder browser and opens the real one; `act` plays the
    // user in it and must end it.
    ScriptedUi& expect_real_browser(std::function<void(fw::FolderBrowserDialog&)> act);

    // Fails the test for every expectation still waiting.
    void verify();
    bool done() const { return script_.empty(); }

    // Every box shown, in order.
    std::vector<fw::MessageBoxRequest> boxes;
    // Where the folder browser was asked to start, each time.
    std::vector<std::string> browse_starts;

    int message_box(const fw::MessageBoxRequest& request) override;
    int run_modal(fw::CDialog& dialog) override;
    std::optional<std::string> browse_for_folder(QWidget* owner, const std::string& title,
                                                 const std::string& start) override;

  private:
    struct Box {
        std::string text;
        unsigned style;
        int answer;
        bool saved = false; // the save's gap line, if any, is read off the record when the box comes
    };
    struct Dialog {
        int form_id;
        std::function<void(fw::CDialog&)> act;
    };
    struct Browse {
        std::optional<std::string> folder;
        std::function<void(fw::FolderBrowserDialog&)> act; // the real browser, when set
    };
    using Step = std::variant<Box, Dialog, Browse>;
    static std::string describe(const Step& step);

    std::deque<Step> script_;
    fw::ScopedUi scope_;
};

// Counts the boxes without a script, answering each with `answer`.
class QuietUi final : public fw::UiServices {
  public:
    explicit QuietUi(int answer = fw::IDOK) : answer_(answer), scope_(*this) {}
    std::vector<fw::MessageBoxRequest> boxes;
    int message_box(const fw::MessageBoxRequest& request) override
    {
        boxes.push_back(request);
        return answer_;
    }
    int run_modal(fw::CDialog& dialog) override
    {
        dialog.end_dialog(fw::IDCANCEL);
        return fw::IDCANCEL;
    }
    std::optional<std::string> browse_for_folder(QWidget*, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }

  private:
    int answer_;
    fw::ScopedUi scope_;
};

} // namespace tqr::test
