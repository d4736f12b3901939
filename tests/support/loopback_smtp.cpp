#include "tests/support/loopback_smtp.h"

#include <nlohmann/json.hpp>

#include <arpa/inet.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tqr::test {

namespace fs = std::filesystem;

namespace {

fs::path make_temp_dir(const char* stem)
{
    std::string pattern = (fs::temp_directory_path() / (std::string(stem) + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary folder");
    return pattern;
}

int run(const std::vector<std::string>& argv)
{
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    // Quiet: its progress dots would only clutter the test output.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct CertificateFolder {
    TestCertificate files;
    fs::path dir;
    CertificateFolder()
    {
        dir = make_temp_dir("tqr-cert");
        files.cert = dir / "cert.pem";
        files.key = dir / "key.pem";
        const int rc = run({"openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                            "-nodes", "-keyout", files.key.string(), "-out", files.cert.string(), "-days", "2", "-subj",
                            "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"});
        if (rc != 0)
            throw std::runtime_error("openssl could not make the test certificate");
    }
    ~CertificateFolder()
    {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

std::vector<nlohmann::json> read_events(const fs::path& log)
{
    std::vector<nlohmann::json> out;
    std::ifstream in(log);
    std::string line;
    while (std::getline(in, line))
        if (!line.empty())
            out.push_back(nlohmann::json::parse(line));
    return out;
}

std::string latin1(const nlohmann::json& text)
{
    // The server writes Latin-1 bytes as the code points of JSON text.
    std::string out;
    const std::string utf8 = text.get<std::string>();
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (i + 1 < utf8.size()) {
            out += static_cast<char>(((c & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
            ++i;
        }
    }
    return out;
}

int bound_socket(int& port)
{
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
        throw std::runtime_error("cannot bind a loopback socket");
    socklen_t len = sizeof addr;
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    port = ntohs(addr.sin_port);
    return fd;
}

} // namespace

const TestCertificate& test_certificate()
{
    static const CertificateFolder folder;
    return folder.files;
}

LoopbackSmtp::LoopbackSmtp(SmtpMode mode, std::string login, std::string password)
{
    dir_ = make_temp_dir("tqr-smtp");
    log_ = dir_ / "events.jsonl";
    const char* mode_name = mode == SmtpMode::plain           ? "plain"
                            : mode == SmtpMode::tls           ? "tls"
                            : mode == SmtpMode::starttls      ? "starttls"
                            : mode == SmtpMode::hangup        ? "hangup"
                            : mode == SmtpMode::quoting       ? "quoting"
                            : mode == SmtpMode::quoting_login ? "quoting-login"
                                                              : "no-starttls";
    std::vector<std::string> argv{"/usr/bin/python3",
                                  TQR_SMTP_SERVER_SCRIPT,
                                  "--mode",
                                  mode_name,
                                  "--login",
                                  login,
                                  "--password",
                                  password,
                                  "--log",
                                  log_.string()};
    if (mode == SmtpMode::tls || mode == SmtpMode::starttls) {
        const TestCertificate& c = test_certificate();
        argv.insert(argv.end(), {"--cert", c.cert.string(), "--key", c.key.string()});
    }
    std::vector<char*> args;
    for (auto& a : argv)
        args.push_back(a.data());
    args.push_back(nullptr);

    int in_pipe[2];
    int out_pipe[2];
    if (pipe2(in_pipe, O_CLOEXEC) != 0 || pipe2(out_pipe, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make pipes for the mail server");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in_pipe[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out_pipe[1], 1);
    // Its complaints about what the tests send on purpose stay out of the
    // test output.
    const std::string err = (dir_ / "server.err").string();
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(in_pipe[0]);
    close(out_pipe[1]);
    stdin_fd_ = in_pipe[1];
    if (rc != 0) {
        close(out_pipe[0]);
        throw std::runtime_error("cannot start /usr/bin/python3 for the mail server");
    }
    pid_ = pid;
    FILE* out = fdopen(out_pipe[0], "r");
    char line[64] = {};
    const bool got = out != nullptr && std::fgets(line, sizeof line, out) != nullptr;
    if (out != nullptr)
        std::fclose(out);
    if (!got || std::sscanf(line, "PORT %d", &port_) != 1)
        throw std::runtime_error("the mail server did not start (is python3-aiosmtpd installed?)");
}

LoopbackSmtp::~LoopbackSmtp()
{
    // Closing its input ends the server; it quits on its own.
    if (stdin_fd_ >= 0)
        close(stdin_fd_);
    if (pid_ > 0) {
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    std::error_code ec;
    fs::remove_all(dir_, ec);
}

std::string LoopbackSmtp::received() const
{
    std::string out;
    for (const auto& e : read_events(log_))
        if (e.at("event") == "received")
            out += latin1(e.at("data"));
    return out;
}

std::vector<bool> LoopbackSmtp::logins() const
{
    std::vector<bool> out;
    for (const auto& e : read_events(log_))
        if (e.at("event") == "auth")
            out.push_back(e.at("ok").get<bool>());
    return out;
}

std::vector<DeliveredMessage> LoopbackSmtp::messages() const
{
    std::vector<DeliveredMessage> out;
    for (const auto& e : read_events(log_))
        if (e.at("event") == "message") {
            DeliveredMessage m;
            m.sender = latin1(e.at("sender"));
            for (const auto& r : e.at("recipients"))
                m.recipients.push_back(latin1(r));
            m.content = latin1(e.at("content"));
            out.push_back(m);
        }
    return out;
}

SilentListener::SilentListener()
{
    fd_ = bound_socket(port_);
    // Never accepted: the kernel completes the handshakes from the backlog
    // and the client waits for a greeting that does not come.
    listen(fd_, 8);
}

SilentListener::~SilentListener()
{
    close(fd_);
}

ClosedPort::ClosedPort()
{
    fd_ = bound_socket(port_);
}

ClosedPort::~ClosedPort()
{
    close(fd_);
}

} // namespace tqr::test
