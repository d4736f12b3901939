#include "tests/support/scripted_ui.h"

#include "settings/value_rules.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace tqr::test {

ScriptedUi::ScriptedUi() : scope_(*this)
{
}

ScriptedUi::~ScriptedUi()
{
    verify();
}

ScriptedUi& ScriptedUi::expect_box(std::string text, unsigned style, int answer)
{
    script_.push_back(Box{std::move(text), style, answer});
    return *this;
}

ScriptedUi& ScriptedUi::expect_saved(const std::string& folder)
{
    script_.push_back(Box{"PROFILE.BIN has been saved in " + folder, fw::MB_OK, fw::IDOK, true});
    return *this;
}

ScriptedUi& ScriptedUi::expect_dialog(int form_id, std::function<void(fw::CDialog&)> act)
{
    script_.push_back(Dialog{form_id, std::move(act)});
    return *this;
}

ScriptedUi& ScriptedUi::expect_browse(std::optional<std::string> folder)
{
    script_.push_back(Browse{std::move(folder), nullptr});
    return *this;
}

ScriptedUi& ScriptedUi::expect_real_browser(std::function<void(fw::FolderBrowserDialog&)> act)
{
    script_.push_back(Browse{std::nullopt, std::move(act)});
    return *this;
}

std::string ScriptedUi::describe(const Step& step)
{
    if (const auto* b = std::get_if<Box>(&step))
        return "message box \"" + b->text + "\" (style " + std::to_string(b->style) + ")";
    if (const auto* d = std::get_if<Dialog>(&step))
        return "modal dialog " + std::to_string(d->form_id);
    return "folder browser";
}

void ScriptedUi::verify()
{
    while (!script_.empty()) {
        ADD_FAILURE() << "expected " << describe(script_.front()) << ", which never came";
        script_.pop_front();
    }
}

int ScriptedUi::message_box(const fw::MessageBoxRequest& request)
{
    boxes.push_back(request);
    if (script_.empty() || !std::holds_alternative<Box>(script_.front())) {
        ADD_FAILURE() << "unexpected message box \"" << request.text << "\""
                      << (script_.empty() ? std::string() : "; expected " + describe(script_.front()));
        return (request.style & fw::kButtonMask) == fw::MB_YESNO ? fw::IDNO : fw::IDOK;
    }
    Box box = std::get<Box>(script_.front());
    script_.pop_front();
    if (const auto gap = box.saved ? rules::sending_gap(current_profile.gsm) : std::nullopt)
        box.text += "\r\n" + std::string(*gap);
    EXPECT_EQ(request.text, box.text);
    EXPECT_EQ(request.style, box.style) << "for \"" << request.text << "\"";
    EXPECT_EQ(request.caption, fw::app_name());
    // Without UDisks2 managing the folder's card, a box offers OK alone.
    EXPECT_EQ(request.extra_button, "") << "for \"" << request.text << "\"";
    return box.answer;
}

int ScriptedUi::run_modal(fw::CDialog& dialog)
{
    if (script_.empty() || !std::holds_alternative<Dialog>(script_.front())) {
        ADD_FAILURE() << "unexpected modal dialog " << dialog.form_id()
                      << (script_.empty() ? std::string() : "; expected " + describe(script_.front()));
        dialog.end_dialog(fw::IDCANCEL);
        return fw::IDCANCEL;
    }
    const Dialog step = std::get<Dialog>(script_.front());
    script_.pop_front();
    EXPECT_EQ(dialog.form_id(), step.form_id);
    step.act(dialog);
    if (!dialog.has_ended()) {
        ADD_FAILURE() << "modal dialog " << dialog.form_id() << " is still open after the script acted on it";
        dialog.end_dialog(fw::IDCANCEL);
    }
    return dialog.result();
}

std::optional<std::string> ScriptedUi::browse_for_folder(QWidget* owner, const std::string& title,
                                                         const std::string& start)
{
    browse_starts.push_back(start);
    if (script_.empty() || !std::holds_alternative<Browse>(script_.front())) {
        ADD_FAILURE() << "unexpected folder browser \"" << title << "\"";
        return std::nullopt;
    }
    const Browse step = std::get<Browse>(script_.front());
    script_.pop_front();
    EXPECT_EQ(title, "Please Select the Path");
    if (!step.act)
        return step.folder;
    bool acted = false;
    QTimer::singleShot(0, [&] {
        auto* browser = dynamic_cast<fw::FolderBrowserDialog*>(QApplication::activeModalWidget());
        acted = browser != nullptr;
        if (browser == nullptr)
            return;
        step.act(*browser);
        if (browser->isVisible()) {
            ADD_FAILURE() << "the folder browser is still open after the script acted in it";
            browser->reject();
        }
    });
    const auto folder = fw::run_folder_browser(owner, title, start);
    EXPECT_TRUE(acted) << "the folder browser was not the active modal window";
    return folder;
}

} // namespace tqr::test
