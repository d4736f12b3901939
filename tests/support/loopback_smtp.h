#pragma once

// Mail servers on 127.0.0.1 for the tests of the mail check: a real SMTP
// server (aiosmtpd, started with the system's Python), a listener that
// accepts and never answers, and a port where nothing listens.

#include <filesystem>
#include <string>
#include <vector>

namespace tqr::test {

// A throwaway self-signed certificate for 127.0.0.1, made by openssl in a
// temporary folder once per test program.
struct TestCertificate {
    std::filesystem::path cert;
    std::filesystem::path key;
};
const TestCertificate& test_certificate();

enum class SmtpMode {
    plain,        // no TLS at all
    tls,          // TLS from the first byte
    starttls,     // offers STARTTLS
    no_starttls,  // plain, and does not offer STARTTLS
    hangup,       // plain, and hangs up as soon as a login is tried
    quoting,      // plain, and refuses every login quoting its AUTH PLAIN line
    quoting_login // the same with AUTH LOGIN only: quotes the password's line
};

struct DeliveredMessage {
    std::string sender;
    std::vector<std::string> recipients;
    std::string content;
};

class LoopbackSmtp {
  public:
    LoopbackSmtp(SmtpMode mode, std::string login, std::string password);
    ~LoopbackSmtp();
    LoopbackSmtp(const LoopbackSmtp&) = delete;
    LoopbackSmtp& operator=(const LoopbackSmtp&) = delete;

    std::string port() const { return std::to_string(port_); }
    // Everything the server received, after TLS, in order.
    std::string received() const;
    // The results of the login attempts it saw.
    std::vector<bool> logins() const;
    std::vector<DeliveredMessage> messages() const;

  private:
    std::filesystem::path dir_;
    std::filesystem::path log_;
    int pid_ = -1;
    int stdin_fd_ = -1;
    int port_ = 0;
};

// Accepts connections (the kernel completes them) and never says a word.
class SilentListener {
  public:
    SilentListener();
    ~SilentListener();
    SilentListener(const SilentListener&) = delete;
    SilentListener& operator=(const SilentListener&) = delete;
    std::string port() const { return std::to_string(port_); }

  private:
    int fd_ = -1;
    int port_ = 0;
};

// A port that refuses connections: bound, so nobody else takes it, but not
// listening.
class ClosedPort {
  public:
    ClosedPort();
    ~ClosedPort();
    ClosedPort(const ClosedPort&) = delete;
    ClosedPort& operator=(const ClosedPort&) = delete;
    std::string port() const { return std::to_string(port_); }

  private:
    int fd_ = -1;
    int port_ = 0;
};

} // namespace tqr::test
