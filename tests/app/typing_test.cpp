// The main dialog driven by the keyboard and the mouse, as users drive it:
// Tab and Enter, the recipient boxes, characters the record can and cannot
// hold, folder names of every kind.

#include "app/setup_app.h"
#include "app/setup_dialog.h"
#include "resources/email_set_ids.h"
#include "resources/gsm_ids.h"
#include "resources/main_ids.h"
#include "resources/operator_param_ids.h"
#include "resources/resource_ids.h"
#include "settings/profile_record.h"
#include "tests/support/keyboard.h"
#include "tests/support/record_fixtures.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_env.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace tqr;
using namespace tqr::fw;
using namespace tqr::gsm_ids;
using tqr::test::read_file;
using tqr::test::ScriptedUi;
using tqr::test::tab_to;
using tqr::test::TempEnv;
using tqr::test::type;
namespace fs = std::filesystem;

namespace {

using main_ids::kBrowse;
using main_ids::kPath;
constexpr int kCustomerCountry = 24;

struct TypingTest : ::testing::Test {
    tqr::test::FreshSettings fresh;
    TempEnv env;
    ScriptedUi ui;

    // Starts the real application with its main dialog on screen and
    // active; `act` plays the user.
    void run(const std::function<void(SetupDialog&)>& act)
    {
        ui.expect_dialog(res::kMainForm, [act](CDialog& d) {
            tqr::test::show_active(d.window());
            act(dynamic_cast<SetupDialog&>(d));
            if (!d.has_ended())
                d.click(IDCANCEL);
        });
        SetupApp app;
        EXPECT_FALSE(app.init_instance());
    }

    static CDialog& gsm(SetupDialog& d) { return d.page_host().gsm_page(); }

    // Clicks into a control and types there, as the user does.
    static void type_into(CDialog& page, int id, const QString& text)
    {
        QWidget* w = page.control(id);
        QTest::mouseClick(w, Qt::LeftButton);
        QTest::keyClick(w, Qt::Key_End, Qt::ControlModifier);
        type(w, text);
    }

    void expect_saved(const fs::path& folder) { ui.expect_saved(folder.string()); }
    bool nothing_written() const { return !fs::exists(env.work() / "PROFILE.BIN") && !fs::exists(env.store_file()); }
};

// Tabs to the push button `id` of `d` and presses Enter on it.
void enter_on_button(CDialog& d, int id)
{
    ASSERT_TRUE(tab_to(d.control(id))) << "button " << id << " never gets the focus";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

// Cancels a sub-dialog the way the main dialog is cancelled: Tab, Enter.
void cancel_by_keys(CDialog& sub)
{
    tqr::test::show_active(sub.window());
    enter_on_button(sub, IDCANCEL);
    EXPECT_EQ(sub.result(), IDCANCEL);
}

} // namespace

TEST_F(TypingTest, EnterPressesTheButtonThatHasTheFocus)
{
    struct Case {
        const char* button;
        std::function<void(TypingTest&, SetupDialog&)> press;
    };
    const Case cases[] = {
        {"Cancel ends and writes nothing",
         [](TypingTest&, SetupDialog& d) {
             enter_on_button(d, IDCANCEL);
             EXPECT_TRUE(d.has_ended());
             EXPECT_EQ(d.result(), IDCANCEL);
         }},
        {"... opens the folder browser",
         [](TypingTest& t, SetupDialog& d) {
             t.ui.expect_browse(std::nullopt);
             enter_on_button(d, kBrowse);
         }},
        {"Default asks its question",
         [](TypingTest& t, SetupDialog& d) {
             t.ui.expect_box("You'll restore the default setting,\r\nAre you sure?", MB_ICONQUESTION | MB_YESNO, IDNO);
             enter_on_button(gsm(d), kDefault);
         }},
        {"Email Set opens its dialog, whose Cancel takes Enter too",
         [](TypingTest& t, SetupDialog& d) {
             t.ui.expect_dialog(res::kEmailSetForm, cancel_by_keys);
             enter_on_button(gsm(d), kEmailSet);
         }},
        {"Custom opens its dialog, whose Cancel takes Enter too",
         [](TypingTest& t, SetupDialog& d) {
             gsm(d).choose(kCountry, kCustomerCountry);
             t.ui.expect_dialog(res::kOperatorParamForm, cancel_by_keys);
             enter_on_button(gsm(d), kCustom);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        run([&](SetupDialog& d) {
            c.press(*this, d);
            ui.verify();
        });
        EXPECT_TRUE(nothing_written()) << "Enter ran OK";
    }
}

TEST_F(TypingTest, EnterInAnEditOrAListAndAfterLeavingAButtonIsOk)
{
    struct Case {
        const char* where;
        std::function<QWidget*(SetupDialog&)> focus;
    };
    const Case cases[] = {
        {"the phone box", [](SetupDialog& d) { return gsm(d).control(kPhones); }},
        {"the e-mail box", [](SetupDialog& d) { return gsm(d).control(kEmails); }},
        {"a single-line edit", [](SetupDialog& d) { return gsm(d).control(kMaxSize); }},
        {"a list", [](SetupDialog& d) { return gsm(d).control(kCountry); }},
        {"the path, after Cancel had the focus",
         [](SetupDialog& d) {
             EXPECT_TRUE(tab_to(d.control(IDCANCEL)));
             return d.control(kPath);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        run([&](SetupDialog& d) {
            type_into(gsm(d), kPhones, "0170123");
            QWidget* w = c.focus(d);
            ASSERT_TRUE(tab_to(w));
            expect_saved(env.work());
            QTest::keyClick(w, Qt::Key_Return);
            ui.verify();
        });
        EXPECT_EQ(read_text(current_profile.gsm.phones[0]), "0170123") << "no line break went into the number";
        EXPECT_EQ(read_file(env.work() / "PROFILE.BIN").size(), 860u);
        fs::remove(env.work() / "PROFILE.BIN");
        fs::remove(env.store_file());
    }
}

TEST_F(TypingTest, CtrlEnterBreaksTheLineInARecipientBox)
{
    run([&](SetupDialog& d) {
        type_into(gsm(d), kPhones, "0170");
        QTest::keyClick(gsm(d).control(kPhones), Qt::Key_Return, Qt::ControlModifier);
        type(gsm(d).control(kPhones), "123");
        EXPECT_EQ(gsm(d).text(kPhones), "0170\r\n123");
        EXPECT_FALSE(d.has_ended());
    });
    EXPECT_TRUE(nothing_written());
}

// An empty daily hour makes MMS's reading fail; the phones typed after
// that edit must not be overwritten by the page's stale members.
TEST_F(TypingTest, AFailedReadKeepsWhatTheUserTyped)
{
    run([&](SetupDialog& d) {
        CDialog& page = gsm(d);
        QTest::mouseClick(page.control(kDailyReport), Qt::LeftButton, {}, QPoint(4, 4));
        auto* hour = qobject_cast<QLineEdit*>(page.control(kDailyHour));
        QTest::mouseClick(hour, Qt::LeftButton);
        hour->selectAll();
        QTest::keyClick(hour, Qt::Key_Backspace);
        type_into(page, kPhones, "0170111;0170222");
        ui.expect_box("Please enter an integer.", MB_ICONEXCLAMATION | MB_OK);
        QTest::mouseClick(page.control(kMms), Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_EQ(page.text(kPhones), "0170111;0170222");
        type(hour, "7");
        expect_saved(env.work());
        QTest::keyClick(hour, Qt::Key_Return);
    });
    EXPECT_EQ(read_text(current_profile.gsm.phones[0]), "0170111");
    EXPECT_EQ(read_text(current_profile.gsm.phones[1]), "0170222");
    EXPECT_EQ(unpack_send_schedule(current_profile.gsm.send_schedule).daily_hour, 7u);
}

// Western characters go into the record as their code page 1252 bytes;
// characters it has no byte for cannot be typed or pasted, in each dialog.
TEST_F(TypingTest, RecordTextsTakeWesternCharactersAndRefuseOthers)
{
    run([&](SetupDialog& d) {
        CDialog& page = gsm(d);
        // "ł" and "日" are refused at typing, and dropped from a paste.
        type_into(page, kEmails, QString::fromUtf8("jé€ł日@x.eu;"));
        tqr::test::paste(page.control(kEmails), QString::fromUtf8("łü日@y.eu"));
        EXPECT_EQ(page.text(kEmails), "cam@birchwatch.eu;j\xE9\x80@x.eu;\xFC@y.eu");

        gsm(d).choose(kCountry, kCustomerCountry);
        ui.expect_dialog(res::kOperatorParamForm, [](CDialog& op) {
            tqr::test::show_active(op.window());
            auto* apn = qobject_cast<QLineEdit*>(op.control(operator_param_ids::kMmsApn));
            QTest::mouseClick(apn, Qt::LeftButton);
            apn->selectAll();
            type(apn, QString::fromUtf8("net-é€ł"));
            tqr::test::paste(apn, QString::fromUtf8("ł日ö"));
            EXPECT_EQ(apn->text(), QString::fromUtf8("net-é€ö"));
            QTest::mouseClick(qobject_cast<QPushButton*>(op.control(IDOK)), Qt::LeftButton);
        });
        QTest::mouseClick(qobject_cast<QPushButton*>(page.control(kCustom)), Qt::LeftButton);
        EXPECT_EQ(read_text(current_profile.gsm.operator_entry.mms_apn), "net-\xE9\x80\xF6");

        QTest::mouseClick(page.control(kGprs), Qt::LeftButton, {}, QPoint(4, 4));
        ui.expect_dialog(res::kEmailSetForm, [](CDialog& mail) {
            using namespace email_set_ids;
            tqr::test::show_active(mail.window());
            mail.choose(kProvider, 2);
            auto* password = qobject_cast<QLineEdit*>(mail.control(kPassword));
            QTest::mouseClick(password, Qt::LeftButton);
            password->selectAll();
            type(password, QString::fromUtf8("hasło1€"));
            auto* email = qobject_cast<QLineEdit*>(mail.control(kEmail));
            QTest::mouseClick(email, Qt::LeftButton);
            email->selectAll();
            type(email, QString::fromUtf8("łukasz@example.eu"));
            QTest::mouseClick(qobject_cast<QPushButton*>(mail.control(IDOK)), Qt::LeftButton);
        });
        QTest::mouseClick(qobject_cast<QPushButton*>(page.control(kEmailSet)), Qt::LeftButton);
        EXPECT_EQ(read_text(current_profile.gsm.email.account.password), "haso1\x80");
        EXPECT_EQ(read_text(current_profile.gsm.email.account.email), "ukasz@example.eu");
    });
}

TEST_F(TypingTest, FolderNamesAreTheUsersOwn)
{
    struct Case {
        const char* what;
        std::string folder; // below the working folder
        bool typed;         // typed into the path edit, else the start folder
    };
    std::string cyrillic;
    for (int i = 0; i < 70; ++i)
        cyrillic += "Д";
    const Case cases[] = {
        {"70 Cyrillic letters are within the 128-character limit", cyrillic, true},
        {"a name with an umlaut shows unchanged", "jörg", true},
        {"markup in a name is just characters", "<b>x&amp;", true},
        {"a start folder whose name is not UTF-8", "card-\xFF\xFE", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path folder = env.work() / c.folder;
        fs::create_directory(folder);
        if (!c.typed)
            fs::current_path(folder);
        run([&](SetupDialog& d) {
            if (c.typed) {
                auto* path = qobject_cast<QLineEdit*>(d.control(kPath));
                QTest::mouseClick(path, Qt::LeftButton);
                path->selectAll();
                type(path, QString::fromStdString(folder.string()));
            }
            type_into(gsm(d), kPhones, "0170123");
            expect_saved(folder);
            QTest::mouseClick(qobject_cast<QPushButton*>(d.control(IDOK)), Qt::LeftButton);
        });
        EXPECT_EQ(read_file(folder / "PROFILE.BIN").size(), 860u);
        fs::current_path(env.work());
    }
}

TEST_F(TypingTest, TabEntersARadioGroupAtItsCheckedButtonAndArrowsCheckWithinIt)
{
    run([](SetupDialog& d) { // factory defaults: GPRS, "Email" checked, "Phone" and "Both" greyed
        CDialog& page = gsm(d);
        const auto radio = [&](int id) { return page.control(id); };
        EXPECT_TRUE(tab_to(radio(kToEmail))) << "the checked Email is reachable by Tab under GPRS";
        EXPECT_FALSE(tab_to(radio(kDailyReport))) << "only the checked send mode takes Tab";
        ASSERT_TRUE(tab_to(radio(kGprs)));
        QTest::keyClick(radio(kGprs), Qt::Key_Left);
        EXPECT_EQ(page.check_state(kMms), 1) << "an arrow checks the button it moves to, as a click does";
        EXPECT_TRUE(page.is_enabled(kToPhone)) << "and the click's handler ran";
        ASSERT_TRUE(tab_to(radio(kToEmail)));
        QTest::keyClick(radio(kToEmail), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        EXPECT_EQ(page.check_state(kToPhone), 1) << "Down wraps round from the last button to the first";
        EXPECT_EQ(QApplication::focusWidget(), radio(kToPhone));
    });
}
