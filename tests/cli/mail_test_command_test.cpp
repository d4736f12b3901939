#include "cli/mail_test_command.h"
#include "cli/profile_json.h"
#include "settings/factory_defaults.h"
#include "tests/support/loopback_smtp.h"
#include "tests/support/record_fixtures.h"
#include "tests/support/temp_env.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

using namespace tqr;
using namespace tqr::cli;
using tqr::test::LoopbackSmtp;
using tqr::test::SmtpMode;
using tqr::test::TempEnv;
using tqr::test::write_file;
namespace fs = std::filesystem;

namespace {

constexpr const char* kLogin = "tester";
constexpr const char* kPassword = "Pa55-w0rd!";

// The factory settings with the loopback server's account and two
// recipients. Sending is switched off: the check tries the account anyway.
ProfileRecord loopback_record(const std::string& port, SecureType secure, const char* password)
{
    ProfileRecord saved = current_profile;
    apply_factory_defaults();
    ProfileRecord r = current_profile;
    current_profile = saved;
    r.gsm.send_schedule = pack_send_schedule({2, 0, 0, 0});
    EmailBlock& e = r.gsm.email;
    std::memset(&e, 0, sizeof e);
    write_text(e.server.server, "127.0.0.1");
    write_text(e.server.port, port);
    e.server.secure_type = secure;
    write_text(e.account.account, kLogin);
    write_text(e.account.password, password);
    write_text(e.account.email, "camera@example.org");
    write_text(e.account.user_name, "camera");
    std::memset(r.gsm.emails, 0, sizeof r.gsm.emails);
    write_text(r.gsm.emails[0], "hunter@example.org");
    write_text(r.gsm.emails[1], "ranger@example.net");
    return r;
}

enum class Kind { json, profile_bin, store_file };

void write_settings(const fs::path& path, Kind kind, const ProfileRecord& r)
{
    switch (kind) {
    case Kind::json: write_file(path, to_json(ProfileDocument{FileKind::profile_bin, r, {}}).dump(2)); break;
    case Kind::profile_bin: write_file(path, test::scrambled(r, 20, 880)); break;
    case Kind::store_file: write_file(path, test::scrambled(r, 0, 880) + std::string(792, '\0')); break;
    }
}

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome mailtest(const MailTestOptions& options)
{
    std::ostringstream out, err;
    const int status = run_mail_test(options, out, err);
    return {status, out.str(), err.str()};
}

struct Case {
    const char* name;
    Kind kind;
    SmtpMode server;
    SecureType secure;
    const char* password;
    bool send;
    int status;
    const char* out; // "{port}" stands for the server's port
    const char* err;
    std::size_t delivered;
    const char* first_recipient = nullptr; // instead of hunter@example.org
};

const Case kCases[] = {
    {"JsonLogin", Kind::json, SmtpMode::starttls, 0x42, kPassword, false, 0,
     "The server 127.0.0.1:{port} accepted the login of tester (STARTTLS).\n", "", 0},
    {"ProfileBinLogin", Kind::profile_bin, SmtpMode::tls, 0x41, kPassword, false, 0,
     "The server 127.0.0.1:{port} accepted the login of tester (SSL/TLS).\n", "", 0},
    {"StoreFileLogin", Kind::store_file, SmtpMode::plain, 0x40, kPassword, false, 0,
     "The server 127.0.0.1:{port} accepted the login of tester (no encryption); the password travelled "
     "unencrypted.\n",
     "", 0},
    {"WrongPassword", Kind::json, SmtpMode::plain, 0x40, "wrong-password", true, 1, "",
     "tqrprofile: the server refused the login: 535 5.7.8 Authentication credentials invalid; the password "
     "travelled unencrypted\n",
     0},
    {"SendDeliversOneMessage", Kind::store_file, SmtpMode::starttls, 0x42, kPassword, true, 0,
     "The server 127.0.0.1:{port} accepted the login of tester (STARTTLS).\n"
     "The test e-mail from camera@example.org to hunter@example.org, ranger@example.net was sent.\n",
     "", 1},
    {"NoStartTls", Kind::profile_bin, SmtpMode::no_starttls, 0x42, kPassword, true, 1, "",
     "tqrprofile: the server 127.0.0.1:{port} does not offer STARTTLS, so the password was not sent\n", 0},
    {"ALineBreakInARecipientIsRefusedBeforeTheLogin", Kind::store_file, SmtpMode::plain, 0x40, kPassword, true, 1, "",
     "tqrprofile: recipient 1 holds a control character, \"<\" or \">\"\n", 0, "hunter@example.org\r\nRSET"},
};

std::string with_port(std::string text, const std::string& port)
{
    for (auto at = text.find("{port}"); at != std::string::npos; at = text.find("{port}"))
        text.replace(at, 6, port);
    return text;
}

// Names the case in test lists instead of dumping its bytes.
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

class MailTestCommand : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(MailTestCommand, ExitCodeAndWords)
{
    const Case& c = GetParam();
    TempEnv env;
    LoopbackSmtp server(c.server, kLogin, kPassword);
    const fs::path file = env.work() / "settings";
    ProfileRecord record = loopback_record(server.port(), c.secure, c.password);
    if (c.first_recipient != nullptr)
        write_text(record.gsm.emails[0], c.first_recipient);
    write_settings(file, c.kind, record);

    const Outcome r = mailtest({file.string(), c.send, test::test_certificate().cert.string()});

    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.out, with_port(c.out, server.port()));
    EXPECT_EQ(r.err, with_port(c.err, server.port()));
    EXPECT_EQ((r.out + r.err).find(c.password), std::string::npos);
    if (c.first_recipient != nullptr) {
        EXPECT_EQ(server.received(), "") << "nothing reached the server";
    }
    const auto messages = server.messages();
    ASSERT_EQ(messages.size(), c.delivered);
    for (const auto& m : messages) {
        EXPECT_EQ(m.sender, "camera@example.org");
        EXPECT_EQ(m.recipients, (std::vector<std::string>{"hunter@example.org", "ranger@example.net"}));
    }
}

INSTANTIATE_TEST_SUITE_P(Loopback, MailTestCommand, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MailTestCommandLine, TheProgramExitsOneWithTheReasonAndNeverPrintsThePassword)
{
    TempEnv env;
    LoopbackSmtp server(SmtpMode::tls, kLogin, kPassword);
    const fs::path file = env.work() / "cam.json";
    write_settings(file, Kind::json, loopback_record(server.port(), 0x41, kPassword));

    const auto run = [](const std::string& args) {
        FILE* pipe = ::popen(("timeout 10 " + std::string(TQRPROFILE) + " " + args + " 2>&1").c_str(), "r");
        std::string out;
        char buf[4096];
        while (const std::size_t n = std::fread(buf, 1, sizeof buf, pipe))
            out.append(buf, n);
        const int status = ::pclose(pipe);
        return std::pair{WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
    };
    const auto untrusted = run("mailtest " + file.string());
    EXPECT_EQ(untrusted.first, 1);
    EXPECT_EQ(untrusted.second, "tqrprofile: the certificate of 127.0.0.1 is not trusted\n");

    const auto trusted =
        run("mailtest " + file.string() + " --send --ca-file " + test::test_certificate().cert.string());
    EXPECT_EQ(trusted.first, 0) << trusted.second;
    EXPECT_EQ(trusted.second.find(kPassword), std::string::npos);
    EXPECT_EQ(server.messages().size(), 1u);

    const fs::path fifo = env.work() / "ca.pem";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    const auto blocked = run("mailtest " + file.string() + " --ca-file " + fifo.string());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(blocked.second,
              "tqrprofile: " + fifo.string() +
                  ": is not a regular file (a FIFO, a device or a socket), not a CA certificate file\n");

    const auto missing = run("mailtest " + (env.work() / "nothing.bin").string());
    EXPECT_EQ(missing.first, 1);
    EXPECT_EQ(missing.second, "tqrprofile: " + (env.work() / "nothing.bin").string() + ": no such file\n");
}

// Whatever the server does with the login, the password shows in no output:
// neither as typed nor as the AUTH line carries it.
TEST(MailTestCommandLine, ThePasswordAppearsInNoOutputInAnyForm)
{
    for (const SmtpMode mode : {SmtpMode::hangup, SmtpMode::plain, SmtpMode::starttls, SmtpMode::quoting}) {
        TempEnv env;
        LoopbackSmtp server(mode, kLogin, kPassword);
        const fs::path file = env.work() / "cam.json";
        write_settings(file, Kind::json,
                       loopback_record(server.port(), mode == SmtpMode::starttls ? 0x42 : 0x40, kPassword));
        const Outcome r = mailtest({file.string(), true, test::test_certificate().cert.string()});
        EXPECT_EQ(r.status, mode == SmtpMode::hangup || mode == SmtpMode::quoting ? 1 : 0) << r.err;
        // The line after "AUTH PLAIN" carries the password in base64.
        const std::string received = server.received();
        const auto auth = received.find("AUTH PLAIN\r\n");
        ASSERT_NE(auth, std::string::npos) << "the password was at stake";
        const std::string line = received.substr(auth + 12, received.find("\r\n", auth + 12) - auth - 12);
        for (const std::string& form : {std::string(kPassword), line})
            EXPECT_EQ((r.out + r.err).find(form), std::string::npos) << form << " in " << r.out << r.err;
    }
}
