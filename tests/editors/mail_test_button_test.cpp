#include "editors/email_set_dialog.h"
#include "editors/gsm_page.h"
#include "resources/email_set_ids.h"
#include "resources/gsm_ids.h"
#include "resources/mail_check_ids.h"
#include "resources/resource_ids.h"
#include "settings/factory_defaults.h"
#include "tests/support/loopback_smtp.h"
#include "tests/support/record_fixtures.h"
#include "tests/support/scripted_ui.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>

using namespace tqr;
using namespace tqr::fw;
using namespace tqr::email_set_ids;
using tqr::test::LoopbackSmtp;
using tqr::test::ScriptedUi;
using tqr::test::SilentListener;
using tqr::test::SmtpMode;

namespace {

constexpr const char* kLogin = "tester";
constexpr const char* kSecret = "Pa55-w0rd!";
constexpr unsigned kWarning = MB_ICONEXCLAMATION | MB_OK;

void type_into(CDialog& d, int id, const QString& text)
{
    QWidget* w = d.control(id);
    if (auto* e = qobject_cast<QLineEdit*>(w))
        e->clear();
    else if (auto* pe = qobject_cast<QPlainTextEdit*>(w))
        pe->clear();
    QTest::keyClicks(w, text);
}

void click_with_mouse(CDialog& d, int id)
{
    d.window()->show();
    QTest::mouseClick(d.control(id), Qt::LeftButton);
}

// Plays the user waiting at the busy window until the check ends by itself.
void wait_until_ended(CDialog& busy)
{
    EXPECT_TRUE(busy.is_enabled(IDCANCEL));
    while (!busy.has_ended())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

// Types an "Other" account for the loopback server, as the user would.
void enter_loopback_account(CDialog& d, const std::string& port, int secure, const char* password)
{
    d.choose(kProvider, kProviderCount - 1);
    type_into(d, kServer, "127.0.0.1");
    type_into(d, kPort, QString::fromStdString(port));
    d.choose(kSecureType, secure);
    type_into(d, kEmail, "camera@example.org");
    type_into(d, kAccount, kLogin);
    type_into(d, kPassword, password);
}

struct MailTestButtonTest : ::testing::Test {
    EmailBlock block = kDefaultEmailRow;
    EmailSetDialog dlg;
    ScriptedUi ui;

    void open(std::function<void(CDialog&)> act)
    {
        dlg.set_blocks(&block.server, &block.account);
        ui.expect_dialog(res::kEmailSetForm, std::move(act));
        dlg.do_modal();
    }
    bool unchanged(const EmailBlock& before) const { return std::memcmp(&block, &before, sizeof block) == 0; }
    void no_password_shown() const
    {
        for (const auto& box : ui.boxes)
            EXPECT_EQ(box.text.find(kSecret), std::string::npos) << box.text;
    }
};

} // namespace

TEST_F(MailTestButtonTest, EnabledWhenAServerIsKnownAndAnAccountFilled)
{
    open([](CDialog& d) {
        struct Step {
            const char* what;
            std::function<void()> act;
            bool enabled;
        };
        const Step steps[] = {
            {"first provider: its row has server and account", [] {}, true},
            {"gmail with an empty account", [&] { d.choose(kProvider, 2); }, false},
            {"gmail once an address is typed (the account follows)", [&] { type_into(d, kEmail, "me@gmail.com"); },
             true},
            {"account emptied", [&] { type_into(d, kAccount, ""); }, false},
            {"account typed again", [&] { type_into(d, kAccount, "me"); }, true},
            {"Other: no server typed yet", [&] { d.choose(kProvider, kProviderCount - 1); }, false},
            {"Other with a typed server", [&] { type_into(d, kServer, "mail.example.org"); }, true},
            {"Other with the server emptied", [&] { type_into(d, kServer, ""); }, false},
        };
        for (const auto& s : steps) {
            s.act();
            EXPECT_EQ(d.is_enabled(kTest), s.enabled) << s.what;
        }
        d.click(IDCANCEL);
    });
}

TEST_F(MailTestButtonTest, ClickReportsTheOutcomeAndChangesNothing)
{
    struct Case {
        const char* name;
        SmtpMode server;
        int secure;
        const char* password;
        const char* box; // "{port}" stands for the server's port
        unsigned style;
    };
    const Case cases[] = {
        {"login accepted", SmtpMode::plain, 0, kSecret,
         "The mail account works: the server 127.0.0.1:{port} accepted the login of tester (no encryption); the "
         "password travelled unencrypted.",
         MB_OK},
        {"wrong password", SmtpMode::plain, 0, "wrong-password",
         "The mail account does not work: the server refused the login: 535 5.7.8 Authentication credentials "
         "invalid; the password travelled unencrypted.",
         kWarning},
        {"no STARTTLS", SmtpMode::no_starttls, 2, kSecret,
         "The mail account does not work: the server 127.0.0.1:{port} does not offer STARTTLS, so the password was "
         "not sent.",
         kWarning},
        {"untrusted certificate", SmtpMode::tls, 1, kSecret,
         "The mail account does not work: the certificate of 127.0.0.1 is not trusted.", kWarning},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackSmtp server(c.server, kLogin, kSecret);
        std::string expected = c.box;
        if (const auto at = expected.find("{port}"); at != std::string::npos)
            expected.replace(at, 6, server.port());
        const EmailBlock before = block;
        open([&](CDialog& d) {
            enter_loopback_account(d, server.port(), c.secure, c.password);
            ui.expect_dialog(res::kMailCheckForm, wait_until_ended);
            ui.expect_box(expected, c.style);
            click_with_mouse(d, kTest);
            EXPECT_FALSE(d.has_ended()) << "the dialog stays open after the test";
            d.click(IDCANCEL);
        });
        EXPECT_TRUE(unchanged(before));
        ui.verify();
    }
    no_password_shown();
}

TEST_F(MailTestButtonTest, CancelStopsAServerThatNeverAnswersWhileTheWindowResponds)
{
    SilentListener silent;
    const EmailBlock before = block;
    open([&](CDialog& d) {
        enter_loopback_account(d, silent.port(), 0, kSecret);
        ui.expect_dialog(res::kMailCheckForm, [&](CDialog& busy) {
            using namespace mail_check_ids;
            EXPECT_EQ(busy.text(kStatus), "Logging in to 127.0.0.1:" + silent.port() + "...");
            // The check runs while this very thread handles the click.
            click_with_mouse(busy, IDCANCEL);
            EXPECT_EQ(busy.text(kStatus), "Cancelling...");
            EXPECT_FALSE(busy.is_enabled(IDCANCEL));
            while (!busy.has_ended())
                QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
            EXPECT_EQ(busy.result(), IDCANCEL);
        });
        click_with_mouse(d, kTest);
        EXPECT_FALSE(d.has_ended());
        d.click(IDCANCEL);
    });
    EXPECT_TRUE(unchanged(before));
    EXPECT_TRUE(ui.boxes.empty()) << "a cancelled check ends without a box";
}

TEST_F(MailTestButtonTest, TheBoxOffersTheTestMailToTheRecipientsTypedOnTheGsmPage)
{
    tqr::test::FreshSettings fresh;
    apply_factory_defaults();
    GsmBlock& g = current_profile.gsm;
    write_text(g.phones[0], "0170123");
    const GsmBlock before = g;
    LoopbackSmtp server(SmtpMode::starttls, kLogin, kSecret);
    mail::CheckOptions options;
    options.ca_file = test::test_certificate().cert.string();

    QWidget holder;
    GsmPage page;
    page.set_block(&g);
    page.create(&holder);
    page.window()->show();
    type_into(page, gsm_ids::kEmails, "hunter@example.org; ranger@example.net;x;");

    ui.expect_dialog(res::kEmailSetForm, [&](CDialog& d) {
        static_cast<EmailSetDialog&>(d).set_check_options(options);
        enter_loopback_account(d, server.port(), 2, kSecret);
        ui.expect_dialog(res::kMailCheckForm, wait_until_ended);
        ui.expect_box("The mail account works: the server 127.0.0.1:" + server.port() +
                          " accepted the login of tester (STARTTLS).\r\n\r\nSend a test e-mail to hunter@example.org, "
                          "ranger@example.net?",
                      MB_ICONQUESTION | MB_YESNO, IDYES);
        ui.expect_dialog(res::kMailCheckForm, wait_until_ended);
        ui.expect_box("The test e-mail from camera@example.org to hunter@example.org, ranger@example.net was sent.",
                      MB_OK);
        click_with_mouse(d, kTest);
        d.click(IDCANCEL);
    });
    page.click(gsm_ids::kEmailSet);

    const auto messages = server.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].sender, "camera@example.org");
    EXPECT_EQ(messages[0].recipients, (std::vector<std::string>{"hunter@example.org", "ranger@example.net"}));
    EXPECT_NE(messages[0].content.find("Operator: Kavetta"), std::string::npos);
    EXPECT_NE(messages[0].content.find("Max Size: 40"), std::string::npos);
    EXPECT_EQ(std::memcmp(&g, &before, sizeof g), 0) << "the test changes nothing in the record";
    no_password_shown();
}
