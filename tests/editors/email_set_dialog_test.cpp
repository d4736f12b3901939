#include "editors/email_set_dialog.h"
#include "resources/email_set_ids.h"
#include "resources/resource_ids.h"
#include "settings/factory_defaults.h"
#include "tables/provider_table.h"
#include "tests/support/scripted_ui.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>

using namespace tqr;
using namespace tqr::fw;
using tqr::test::ScriptedUi;
using namespace tqr::email_set_ids;

namespace {

EmailBlock account_block(const char* server, const char* port, SecureType secure, const char* email)
{
    return make_email_row({server, port, secure, email, "pw12", email, "user"});
}

struct EmailDialogTest : ::testing::Test {
    EmailBlock block = kDefaultEmailRow;
    EmailSetDialog dlg;
    ScriptedUi ui;

    int open(std::function<void(CDialog&)> act)
    {
        dlg.set_blocks(&block.server, &block.account);
        ui.expect_dialog(res::kEmailSetForm, std::move(act));
        return dlg.do_modal();
    }
    bool unchanged(const EmailBlock& before) const { return std::memcmp(&block, &before, sizeof block) == 0; }
};

} // namespace

TEST_F(EmailDialogTest, EveryRefusalInCheckOrderKeepsTheDialogAndTheBlocks)
{
    const EmailBlock before = block;
    open([this](CDialog& d) {
        d.choose(kProvider, 7);
        const auto refuse = [&](const char* message) {
            ui.expect_box(message, MB_OK);
            d.click(IDOK);
            EXPECT_FALSE(d.has_ended()) << message;
        };
        d.set_text(kEmail, "");
        refuse("Server must not be null!");
        d.set_text(kServer, "mail.example.org");
        refuse("Port must not be null!");
        d.set_text(kPort, "2525");
        refuse("Secure Type must not be null!");
        d.set_selection(kSecureType, 0);
        refuse("Account or Email must not be null!");
        d.set_text(kEmail, "me.example.org");
        d.set_text(kPassword, "");
        refuse("Account or Email must not be null!");
        d.set_text(kPassword, "secret");
        refuse("Email is invalid!");
        EXPECT_EQ(d.text(kServer), "mail.example.org") << "entries stay after a refusal";
        d.click(IDCANCEL);
    });
    EXPECT_TRUE(unchanged(before));
}

TEST_F(EmailDialogTest, ProviderIsPreselectedByServerPrefixCaseSensitively)
{
    block = account_block("smtp.gmail.com.relay", "465", 0x41, "me@gmail.com");
    open([](CDialog& d) {
        EXPECT_EQ(d.selection(kProvider), 2);
        EXPECT_FALSE(d.is_enabled(kServer));
        EXPECT_FALSE(d.is_enabled(kServerLabel));
        EXPECT_EQ(d.text(kServer), "");
        EXPECT_EQ(d.selection(kSecureType), -1);
        EXPECT_EQ(d.text(kAccount), "me@gmail.com");
        d.click(IDOK);
    });
    EXPECT_EQ(read_text(block.server.server), "smtp.gmail.com") << "the provider's own server replaces the text";

    block = account_block("SMTP.gmail.com", "587", 0x42, "me@gmail.com");
    open([](CDialog& d) {
        EXPECT_EQ(d.selection(kProvider), 7);
        EXPECT_TRUE(d.is_enabled(kServer));
        EXPECT_EQ(d.text(kServer), "SMTP.gmail.com");
        EXPECT_EQ(d.text(kPort), "587");
        EXPECT_EQ(d.selection(kSecureType), 2);
        d.click(IDCANCEL);
    });
}

TEST_F(EmailDialogTest, AShortAddressOpensEmptyOnTheFirstProvider)
{
    block = account_block("mail.example.org", "25", 0x40, "a@b");
    open([this](CDialog& d) {
        EXPECT_EQ(d.selection(kProvider), 0);
        EXPECT_EQ(d.text(kEmail), "");
        EXPECT_FALSE(d.is_enabled(kEmail));
        EXPECT_FALSE(d.is_enabled(kShowPassword));
        ui.expect_box("Account or Email must not be null!");
        d.click(IDOK);
        d.choose(kProvider, 0);
        EXPECT_EQ(d.text(kEmail), "") << "the entry the list shows already changes nothing";
        d.choose(kProvider, 1);
        d.choose(kProvider, 0);
        EXPECT_EQ(d.text(kEmail), read_text(ProviderTable[0].account.email));
        d.click(IDOK);
    });
    EXPECT_EQ(std::memcmp(&block, &kDefaultEmailRow, sizeof block), 0);
    EXPECT_EQ(dlg.current_provider(), 0);
}

TEST_F(EmailDialogTest, TypedTextsSurviveOnlyBetweenProvidersOtherThanTheFirst)
{
    open([](CDialog& d) {
        d.choose(kProvider, 2);
        EXPECT_EQ(d.text(kEmail), "") << "leaving the first provider replaces its texts";
        EXPECT_TRUE(d.is_enabled(kEmail));
        d.set_text(kEmail, "me@gmx.net");
        d.set_text(kPassword, "pw");
        d.choose(kProvider, 3);
        EXPECT_EQ(d.text(kEmail), "me@gmx.net");
        EXPECT_EQ(d.text(kAccount), "me@gmx.net");
        EXPECT_EQ(d.text(kPassword), "pw");
        d.choose(kProvider, 0);
        EXPECT_EQ(d.text(kEmail), read_text(ProviderTable[0].account.email));
        EXPECT_FALSE(d.is_enabled(kPassword));
        d.choose(kProvider, 5);
        EXPECT_EQ(d.text(kEmail), "");
        d.click(IDCANCEL);
    });
}

TEST_F(EmailDialogTest, TheAccountFollowsTheAddressWhileTyping)
{
    open([](CDialog& d) {
        d.choose(kProvider, 1);
        auto* email = qobject_cast<QLineEdit*>(d.control(kEmail));
        QTest::keyClicks(email, "joe@freenet.de");
        EXPECT_EQ(d.text(kAccount), "joe@freenet.de");
        d.set_text(kAccount, "joe");
        d.set_text(kPassword, "pw");
        d.click(IDOK);
    });
    EXPECT_EQ(read_text(block.account.account), "joe");
    EXPECT_EQ(read_text(block.account.user_name), "joe");
    EXPECT_EQ(read_text(block.server.server), "mx.freenet.de");
    EXPECT_EQ(block.server.secure_type, 0x42);
    EXPECT_EQ(dlg.current_provider(), 1);
}

TEST_F(EmailDialogTest, ShowPasswordUnmasksAndMasks)
{
    block = account_block("smtp.web.de", "587", 0x42, "me@web.de");
    open([](CDialog& d) {
        EXPECT_TRUE(d.is_password_masked(kPassword));
        d.click(kShowPassword);
        EXPECT_FALSE(d.is_password_masked(kPassword));
        EXPECT_EQ(d.text(kPassword), "pw12");
        d.click(kShowPassword);
        EXPECT_TRUE(d.is_password_masked(kPassword));
        d.click(kShowPassword);
        d.choose(kProvider, 6);
        EXPECT_EQ(d.check_state(kShowPassword), 0);
        EXPECT_TRUE(d.is_password_masked(kPassword)) << "an unticked box always means a masked password";
        d.click(IDCANCEL);
    });
}

TEST_F(EmailDialogTest, OtherWritesTheTypedServerWithItsSecureByte)
{
    open([](CDialog& d) {
        d.choose(kProvider, 7);
        EXPECT_EQ(d.text(kServer), "");
        EXPECT_TRUE(d.is_enabled(kSecureType));
        d.set_text(kServer, "mail.example.org");
        d.set_text(kPort, "2525");
        d.set_selection(kSecureType, 2);
        d.set_text(kEmail, "@example.org");
        d.set_text(kAccount, "login");
        d.set_text(kPassword, "pw");
        d.click(IDOK);
    });
    EXPECT_EQ(read_text(block.server.server), "mail.example.org");
    EXPECT_EQ(read_text(block.server.port), "2525");
    EXPECT_EQ(block.server.secure_type, 0x42);
    EXPECT_EQ(block.server.reserved, 0);
    EXPECT_EQ(read_text(block.account.email), "@example.org");
    EXPECT_EQ(read_text(block.account.user_name), "");
    EXPECT_EQ(dlg.current_provider(), 7);
}

TEST_F(EmailDialogTest, LongTextsNeverExceedTheirFields)
{
    open([](CDialog& d) {
        d.choose(kProvider, 7);
        auto* server = qobject_cast<QLineEdit*>(d.control(kServer));
        QTest::keyClicks(server, QString(70, 's'));
        EXPECT_EQ(d.text(kServer).size(), 63u);
        d.set_text(kPort, "25");
        d.set_selection(kSecureType, 1);
        const std::string long_user(30, 'u');
        d.set_text(kEmail, long_user + "@x.org");
        d.set_text(kAccount, "a");
        d.set_text(kPassword, "p");
        d.click(IDOK);
    });
    EXPECT_EQ(read_text(block.account.user_name), std::string(23, 'u'));
    EXPECT_EQ(block.account.user_name[23], 0);
}

TEST_F(EmailDialogTest, CancelLeavesBothBlocks)
{
    const EmailBlock before = block;
    open([](CDialog& d) {
        d.choose(kProvider, 4);
        d.set_text(kEmail, "x@hotmail.com");
        d.set_text(kPassword, "pw");
        d.click(IDCANCEL);
    });
    EXPECT_TRUE(unchanged(before));
}
