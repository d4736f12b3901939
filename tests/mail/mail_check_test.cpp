#include "mail/mail_check.h"
#include "mail/mail_record.h"
#include "settings/factory_defaults.h"
#include "tests/support/loopback_smtp.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

using namespace tqr;
using namespace tqr::mail;
using tqr::test::ClosedPort;
using tqr::test::LoopbackSmtp;
using tqr::test::SilentListener;
using tqr::test::SmtpMode;

namespace {

constexpr const char* kLogin = "tester";
constexpr const char* kPassword = "Pa55-w0rd!";

MailAccount loopback_account(const std::string& port, Security security, const std::string& password = kPassword)
{
    return {"127.0.0.1", port, security, kLogin, password, "camera@example.org"};
}

CheckOptions trusting_test_ca()
{
    CheckOptions o;
    o.ca_file = test::test_certificate().cert.string();
    return o;
}

// "{port}" in an expected message stands for the server's port.
std::string with_port(std::string text, const std::string& port)
{
    const auto at = text.find("{port}");
    if (at != std::string::npos)
        text.replace(at, 6, port);
    return text;
}

struct LoginCase {
    const char* name;
    SmtpMode server;
    Security security;
    const char* password;
    bool trust_test_ca;
    bool ok;
    const char* message;
    bool password_reaches_server;
};

const LoginCase kLoginCases[] = {
    {"PlainLogin", SmtpMode::plain, Security::none, kPassword, false, true,
     "the server 127.0.0.1:{port} accepted the login of tester (no encryption); the password travelled unencrypted",
     true},
    {"SslTlsLogin", SmtpMode::tls, Security::ssl_tls, kPassword, true, true,
     "the server 127.0.0.1:{port} accepted the login of tester (SSL/TLS)", true},
    {"StartTlsLogin", SmtpMode::starttls, Security::starttls, kPassword, true, true,
     "the server 127.0.0.1:{port} accepted the login of tester (STARTTLS)", true},
    {"WrongPasswordShowsTheServersReply", SmtpMode::starttls, Security::starttls, "not-the-password", true, false,
     "the server refused the login: 535 5.7.8 Authentication credentials invalid", true},
    {"NoStartTlsOfferedRefusesBeforeThePassword", SmtpMode::no_starttls, Security::starttls, kPassword, true, false,
     "the server 127.0.0.1:{port} does not offer STARTTLS, so the password was not sent", false},
    {"UntrustedCertificateOnSslTls", SmtpMode::tls, Security::ssl_tls, kPassword, false, false,
     "the certificate of 127.0.0.1 is not trusted", false},
    {"UntrustedCertificateOnStartTls", SmtpMode::starttls, Security::starttls, kPassword, false, false,
     "the certificate of 127.0.0.1 is not trusted", false},
    {"ARefusalQuotingThePlainLoginLineHidesThePassword", SmtpMode::quoting, Security::none, kPassword, false, false,
     "the server refused the login: 535 5.7.8 no *** / eAB0ZXN0ZXIA*** / eHkAdGVzdGVyA***; the password travelled "
     "unencrypted",
     true},
    {"ARefusalQuotingTheLoginPasswordLineHidesIt", SmtpMode::quoting_login, Security::none, kPassword, false, false,
     "the server refused the login: 535 5.7.8 no *** / e*** / eH***; the password travelled unencrypted", true},
    {"SslTlsAgainstAPlainServer", SmtpMode::plain, Security::ssl_tls, kPassword, true, false,
     "no secure connection to 127.0.0.1:{port} could be set up (is the secure type right?)", false},
};

// Names the case in test lists instead of dumping its bytes.
void PrintTo(const LoginCase& c, std::ostream* os)
{
    *os << c.name;
}

class LoginTest : public ::testing::TestWithParam<LoginCase> {};

} // namespace

TEST_P(LoginTest, OutcomeAsTheUserReadsIt)
{
    const LoginCase& c = GetParam();
    LoopbackSmtp server(c.server, kLogin, kPassword);
    const CheckOptions options = c.trust_test_ca ? trusting_test_ca() : CheckOptions{};

    const CheckOutcome out = check_login(loopback_account(server.port(), c.security, c.password), options);

    EXPECT_EQ(out.ok, c.ok);
    EXPECT_FALSE(out.cancelled);
    EXPECT_EQ(out.message, with_port(c.message, server.port()));
    EXPECT_EQ(out.message.find(c.password), std::string::npos);
    if (!c.password_reaches_server) {
        EXPECT_TRUE(server.logins().empty());
        EXPECT_EQ(server.received().find("AUTH"), std::string::npos) << server.received();
    } else {
        EXPECT_EQ(server.logins(), std::vector<bool>{c.ok});
    }
}

INSTANTIATE_TEST_SUITE_P(Loopback, LoginTest, ::testing::ValuesIn(kLoginCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MailCheckTest, NothingListeningOnThePort)
{
    ClosedPort closed;
    const CheckOutcome out = check_login(loopback_account(closed.port(), Security::none), {});
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.message, "nothing answers at 127.0.0.1:" + closed.port() + " (the connection was refused)");
}

TEST(MailCheckTest, AServerThatNeverAnswersEndsAtTheTimeLimit)
{
    SilentListener silent;
    CheckOptions options;
    options.timeout = std::chrono::milliseconds(300);
    const CheckOutcome out = check_login(loopback_account(silent.port(), Security::starttls), options);
    EXPECT_FALSE(out.ok);
    EXPECT_FALSE(out.cancelled);
    EXPECT_EQ(out.message, "no answer from 127.0.0.1:" + silent.port() + " within 0.3 s");
}

TEST(MailCheckTest, TheDefaultTimeLimitIsTwentySeconds)
{
    EXPECT_EQ(CheckOptions{}.timeout, std::chrono::seconds(20));
}

TEST(MailCheckTest, ACancelledCheckSaysSo)
{
    SilentListener silent;
    const std::atomic<bool> cancel{true};
    CheckOptions options;
    options.cancel = &cancel;
    const CheckOutcome out = check_login(loopback_account(silent.port(), Security::none), options);
    EXPECT_FALSE(out.ok);
    EXPECT_TRUE(out.cancelled);
    EXPECT_EQ(out.message, "the check was cancelled");
}

TEST(MailCheckTest, EntriesThatCannotWorkAreRefusedBeforeConnecting)
{
    struct Case {
        MailAccount account;
        const char* message;
    };
    const Case cases[] = {
        {{"", "25", Security::none, kLogin, kPassword, "a@b"}, "no SMTP server is set"},
        {{"smtp.example.org/x", "25", Security::none, kLogin, kPassword, "a@b"},
         "\"smtp.example.org/x\" is not a server name"},
        {{"smtp.example.org", "", Security::none, kLogin, kPassword, "a@b"},
         "the port \"\" is not a number from 1 to 65535"},
        {{"smtp.example.org", "99999", Security::none, kLogin, kPassword, "a@b"},
         "the port \"99999\" is not a number from 1 to 65535"},
        {{"smtp.example.org", "25", Security::none, "", kPassword, "a@b"}, "no account is set"},
    };
    for (const auto& c : cases) {
        const CheckOutcome out = check_login(c.account, {});
        EXPECT_FALSE(out.ok);
        EXPECT_EQ(out.message, c.message);
    }
}

TEST(MailCheckTest, TheTestMailGoesFromTheRecordsSenderToItsRecipients)
{
    LoopbackSmtp server(SmtpMode::starttls, kLogin, kPassword);
    GsmBlock g{};
    write_text(g.email.server.server, "127.0.0.1");
    write_text(g.email.server.port, server.port());
    g.email.server.secure_type = kSecureBase + 2;
    write_text(g.email.account.account, kLogin);
    write_text(g.email.account.password, kPassword);
    write_text(g.email.account.email, "camera@example.org");
    write_text(g.emails[0], "hunter@example.org");
    write_text(g.emails[2], "ranger@example.net");
    write_text(g.operator_entry.name, "Vodafone");
    g.max_size = 60;

    const auto recipients = recipients_of(g);
    const CheckOutcome out =
        send_test_mail(account_of(g.email.server, g.email.account), recipients, note_of(g), trusting_test_ca());

    ASSERT_TRUE(out.ok) << out.message;
    EXPECT_EQ(out.message,
              "the test e-mail from camera@example.org to hunter@example.org, ranger@example.net was sent");
    const auto messages = server.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].sender, "camera@example.org");
    EXPECT_EQ(messages[0].recipients, (std::vector<std::string>{"hunter@example.org", "ranger@example.net"}));
    EXPECT_NE(messages[0].content.find("Subject: TQR Setup test"), std::string::npos);
    EXPECT_NE(messages[0].content.find("Operator: Vodafone"), std::string::npos);
    EXPECT_NE(messages[0].content.find("Max Size: 60"), std::string::npos);
    EXPECT_NE(messages[0].content.find("\r\nDate: "), std::string::npos);
    EXPECT_EQ(messages[0].content.find(kPassword), std::string::npos);
}

TEST(MailCheckTest, ARefusedRecipientShowsTheServersReply)
{
    LoopbackSmtp server(SmtpMode::plain, kLogin, kPassword);
    const CheckOutcome out = send_test_mail(loopback_account(server.port(), Security::none), {"nobody@refused.test"},
                                            TestNote{"Vodafone", "60"}, {});
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.message,
              "the server refused the test e-mail: 550 5.1.1 <nobody@refused.test>: no such user here; the "
              "password travelled unencrypted");
    EXPECT_TRUE(server.messages().empty());
}

TEST(MailCheckTest, NoRecipientNoTestMail)
{
    const CheckOutcome out = send_test_mail(loopback_account("25", Security::none), {}, TestNote{"Vodafone", "60"}, {});
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.message, "there is no recipient for the test e-mail");
}

TEST(MailRecordTest, SecureTypeByteReadsByItsLowFourBits)
{
    EXPECT_EQ(security_of(0x40), Security::none);
    EXPECT_EQ(security_of(0x00), Security::none);
    EXPECT_EQ(security_of(0x41), Security::ssl_tls);
    EXPECT_EQ(security_of(0x42), Security::starttls);
}

// A crafted description cannot put commands of its own into the mail
// dialogue: every text that goes into a command is refused before the
// connection, an unknown secure type too, and no text of the message can
// start a line of its own.
TEST(MailCheckTest, ControlTextNeverReachesTheDialogue)
{
    LoopbackSmtp server(SmtpMode::plain, kLogin, kPassword);
    const std::string smuggled = "x@y.org>\r\nDATA\r\nforged\r\n.\r\nRCPT TO:<victim@z.org";
    const MailAccount good = loopback_account(server.port(), Security::none);
    MailAccount sender = good, login = good, host = good, secure = good;
    sender.sender = smuggled;
    login.login = "tester\r\nRSET";
    host.server = "127.0.0.1\n";
    secure.security = security_of(0x43);
    const std::pair<MailAccount, std::string> cases[] = {
        {good, "recipient 1 holds a control character, \"<\" or \">\""},
        {sender, "the sender address holds a control character, \"<\" or \">\""},
        {login, "the account holds a control character"},
        {host, "the SMTP server name holds a control character"},
        {secure, "the secure type is none of NO, SSL/TLS and STARTTLS, so the password was not sent"},
    };
    for (const auto& [account, message] : cases)
        for (const char* to : {smuggled.c_str(), "a<b@example.org"})
            EXPECT_EQ(send_test_mail(account, {to}, TestNote{"Op", "60"}, {}).message, message);
    EXPECT_EQ(server.received(), "") << "nothing reached the server";
    const TestNote note{"Op\r\n.\r\nMAIL FROM:<e@x.org>\r\nRCPT TO:<v@x.org>\r\nDATA\n", "60"};
    ASSERT_TRUE(send_test_mail(good, {"hunter@example.org"}, note, {}).ok);
    std::istringstream lines(server.received());
    int commands = 0;
    for (std::string line; std::getline(lines, line);)
        commands += line.rfind("MAIL FROM", 0) == 0 || line.rfind("RCPT TO", 0) == 0 || line == "DATA\r";
    EXPECT_EQ(commands, 3) << server.received();
    ASSERT_EQ(server.messages().size(), 1u);
    EXPECT_NE(server.messages()[0].content.find("Operator: Op??.??MAIL FROM:<e@x.org>??RCPT"), std::string::npos);
}
