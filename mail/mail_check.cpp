#include "mail/mail_check.h"

#include "mail/curl_library.h"
#include "settings/bounded_read.h"
#include "settings/profile_document.h"
#include "settings/value_rules.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <optional>

namespace tqr::mail {

namespace {

// Only reached once a check has loaded the library.
const CurlLibrary& curl()
{
    return *curl_library();
}

struct EasyDeleter {
    void operator()(CURL* c) const { curl().easy_cleanup(c); }
};
struct ListDeleter {
    void operator()(curl_slist* l) const { curl().slist_free_all(l); }
};
using Easy = std::unique_ptr<CURL, EasyDeleter>;
using List = std::unique_ptr<curl_slist, ListDeleter>;

// What the transfer saw of the server: its replies, never our commands
// (they carry the credentials).
struct Transcript {
    std::string last_reply;
    // The last 4xx or 5xx reply: closing the connection after a refusal
    // brings a "221" that must not hide it.
    std::string last_refusal;
    bool logged_in = false;
    // Whether the password left: an AUTH command went out.
    bool auth_sent = false;
    const std::atomic<bool>* cancel = nullptr;
};

int on_debug(CURL*, curl_infotype type, char* data, std::size_t size, void* user)
{
    auto& t = *static_cast<Transcript*>(user);
    if (type == CURLINFO_HEADER_OUT && size >= 4 && std::memcmp(data, "AUTH", 4) == 0)
        t.auth_sent = true;
    if (type != CURLINFO_HEADER_IN)
        return 0;
    std::string line(data, size);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    if (line.empty())
        return 0;
    // A login challenge ("334") says nothing about the outcome.
    if (line.rfind("334", 0) == 0)
        return 0;
    // "235" answers a successful AUTH in every mechanism.
    if (line.rfind("235", 0) == 0)
        t.logged_in = true;
    t.last_reply = line;
    if (line[0] == '4' || line[0] == '5')
        t.last_refusal = line;
    return 0;
}

int on_progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    const auto& t = *static_cast<Transcript*>(user);
    return t.cancel != nullptr && t.cancel->load() ? 1 : 0;
}

struct Upload {
    std::string text;
    std::size_t offset = 0;
};

std::size_t on_read(char* buffer, std::size_t size, std::size_t count, void* user)
{
    auto& u = *static_cast<Upload*>(user);
    const std::size_t n = std::min(size * count, u.text.size() - u.offset);
    std::memcpy(buffer, u.text.data() + u.offset, n);
    u.offset += n;
    return n;
}

// Host names and addresses only: anything else would change the URL.
bool plain_host(const std::string& host)
{
    if (host.empty())
        return false;
    return std::all_of(host.begin(), host.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return std::isalnum(u) || c == '.' || c == '-' || c == '_';
    });
}

bool valid_port(const std::string& port)
{
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(port.data(), port.data() + port.size(), value);
    return ec == std::errc() && end == port.data() + port.size() && value >= 1 && value <= 65535;
}

std::string seconds_text(std::chrono::milliseconds ms)
{
    char buffer[32];
    if (ms.count() % 1000 == 0)
        std::snprintf(buffer, sizeof buffer, "%lld s", static_cast<long long>(ms.count() / 1000));
    else
        std::snprintf(buffer, sizeof buffer, "%.1f s", static_cast<double>(ms.count()) / 1000.0);
    return buffer;
}

const char* security_name(Security s)
{
    switch (s) {
    case Security::none: return "no encryption";
    case Security::ssl_tls: return "SSL/TLS";
    case Security::starttls: return "STARTTLS";
    case Security::unknown: break;
    }
    return "";
}

std::string joined(const std::vector<std::string>& items)
{
    std::string out;
    for (const auto& item : items)
        out += (out.empty() ? "" : ", ") + item;
    return out;
}

std::string rfc_date(std::time_t now)
{
    std::tm tm{};
    gmtime_r(&now, &tm);
    char buffer[64];
    std::strftime(buffer, sizeof buffer, "%a, %d %b %Y %H:%M:%S +0000", &tm);
    return buffer;
}

// A text from the settings as one line of the message: a line break or
// another control character in it would start a line of its own (or end
// the data early, on servers that take a bare line feed as the end).
std::string one_line(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (rules::has_control_character(std::string_view(&c, 1)))
            c = '?';
    return out;
}

std::string test_message(const MailAccount& account, const std::vector<std::string>& recipients, const TestNote& note)
{
    const std::string date = rfc_date(std::time(nullptr));
    std::string m;
    m += "Date: " + date + "\r\n";
    m += "From: <" + account.sender + ">\r\n";
    m += "To: " + joined(recipients) + "\r\n";
    m += "Subject: TQR Setup test\r\n";
    m += "MIME-Version: 1.0\r\n";
    m += "Content-Type: text/plain; charset=ISO-8859-1\r\n";
    m += "\r\n";
    m += "This test e-mail was sent by TQR Setup with the mail account of your\r\n";
    m += "camera's settings. If it reached you, the camera can mail you its pictures.\r\n";
    m += "\r\n";
    m += "Date: " + date + "\r\n";
    m += "Operator: " + one_line(note.operator_name) + "\r\n";
    m += "Max Size: " + one_line(note.max_size) + "\r\n";
    return m;
}

CheckOutcome outcome(bool ok, bool cancelled, Phrase phrase, bool in_clear = false)
{
    if (in_clear)
        phrase.then.emplace_back(TQR_TR_NOOP("TQRSetup", "; the password travelled unencrypted"));
    return CheckOutcome{ok, cancelled, phrase.english(), std::move(phrase)};
}

// An address as a mailbox of the envelope: a control character would end
// the command and start another of the sender's choosing, and "<" or ">"
// would end the mailbox early.
bool plain_address(std::string_view address)
{
    return !rules::has_control_character(address) && address.find_first_of("<>") == std::string_view::npos;
}

// Everything about the account that goes wrong before the first byte is
// sent. The texts are not repeated in the messages: they may hold anything.
std::optional<Phrase> refusal_of(const MailAccount& account)
{
    if (account.server.empty())
        return Phrase{TQR_TR_NOOP("TQRSetup", "no SMTP server is set")};
    if (rules::has_control_character(account.server))
        return Phrase{TQR_TR_NOOP("TQRSetup", "the SMTP server name holds a control character")};
    if (!plain_host(account.server))
        return Phrase{TQR_TR_NOOP("TQRSetup", "\"%1\" is not a server name"), {account.server}};
    if (!valid_port(account.port))
        return Phrase{TQR_TR_NOOP("TQRSetup", "the port \"%1\" is not a number from 1 to 65535"), {account.port}};
    if (account.login.empty())
        return Phrase{TQR_TR_NOOP("TQRSetup", "no account is set")};
    if (rules::has_control_character(account.login))
        return Phrase{TQR_TR_NOOP("TQRSetup", "the account holds a control character")};
    if (account.security == Security::unknown)
        return Phrase{TQR_TR_NOOP("TQRSetup",
                                  "the secure type is none of NO, SSL/TLS and STARTTLS, so the password was not sent")};
    return std::nullopt;
}

// The envelope's addresses by the rules the dialog enters them by; the
// messages name the address by its place only, as it may hold anything.
std::optional<Phrase> envelope_refusal(const MailAccount& account, const std::vector<std::string>& recipients)
{
    if (rules::check_sender(account.sender)) {
        if (!plain_address(account.sender))
            return Phrase{TQR_TR_NOOP("TQRSetup", "the sender address holds a control character, \"<\" or \">\"")};
        return Phrase{TQR_TR_NOOP("TQRSetup", "the sender address holds no \"@\"")};
    }
    if (recipients.empty())
        return Phrase{TQR_TR_NOOP("TQRSetup", "there is no recipient for the test e-mail")};
    for (std::size_t i = 0; i < recipients.size(); ++i) {
        const std::string& r = recipients[i];
        const auto refusal = rules::check_email_piece(r);
        if (!refusal)
            continue;
        const std::string place = std::to_string(i + 1);
        if (!plain_address(r))
            return Phrase{TQR_TR_NOOP("TQRSetup", "recipient %1 holds a control character, \"<\" or \">\""), {place}};
        if (refusal->message == rules::kEmailTooLong)
            return Phrase{TQR_TR_NOOP("TQRSetup", "recipient %1 is too long"), {place}};
        return Phrase{TQR_TR_NOOP("TQRSetup", "recipient %1 holds no \"@\" after its first character"), {place}};
    }
    return std::nullopt;
}

constexpr std::string_view kBase64Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Without the "=" padding: a server that quotes a login line may have
// trimmed it, and the padding is matched separately.
std::string base64(std::string_view bytes)
{
    std::string out;
    std::uint32_t bits = 0;
    int held = 0;
    for (const char c : bytes) {
        bits = (bits << 8) | static_cast<unsigned char>(c);
        held += 8;
        while (held >= 6) {
            held -= 6;
            out += kBase64Alphabet[(bits >> held) & 0x3F];
        }
    }
    if (held > 0)
        out += kBase64Alphabet[(bits << (6 - held)) & 0x3F];
    return out;
}

bool is_base64_char(char c)
{
    return kBase64Alphabet.find(c) != std::string_view::npos;
}

// A stretch of a reply that gives the password away, and how far it
// reaches into the characters around it.
struct Secret {
    std::string text;
    // The character before it also carries bits of the password.
    bool shares_one_before = false;
    // The character after it also carries bits of the password.
    bool shares_one_after = false;
    // Base64 that may end in "=" padding.
    bool padded = false;
};

// Every form in which the password may come back from a server that quotes
// what it was sent. Beside the login lines as curl writes them (AUTH PLAIN
// with and without the authorisation identity, AUTH LOGIN's password), a
// server may trim a line or fold it into a longer base64 text of its own, so
// the password is also looked for as base64 on its own at each of the three
// byte positions it can take in a longer text: the characters that hold
// only its bits are the same wherever that text starts, and the one
// character on either side that shares bits with its neighbours goes too.
std::vector<Secret> secret_forms(const MailAccount& account)
{
    const std::string& pw = account.password;
    if (pw.empty())
        return {};
    std::vector<Secret> forms{{pw, false, false, false}};
    const std::string nul(1, '\0');
    for (const std::string& line : {nul + account.login + nul + pw, account.login + nul + account.login + nul + pw, pw})
        forms.push_back({base64(line), false, false, true});
    for (std::size_t align = 0; align < 3; ++align) {
        const std::string encoded = base64(std::string(align, '\0') + pw);
        const std::size_t first = (8 * align + 5) / 6;
        const std::size_t end = 8 * (align + pw.size()) / 6;
        // Shorter runs would also hit ordinary words of the reply and
        // hold hardly a character of the password.
        if (end < first + 3)
            continue;
        const bool shares_after = (align + pw.size()) % 3 != 0;
        forms.push_back({encoded.substr(first, end - first), align != 0, shares_after, shares_after});
    }
    return forms;
}

// The one place a server's reply becomes part of a message. A server that
// refuses a login may quote the line it was sent, and that line holds the
// password, so every form of it is replaced by "***" before the reply is
// quoted anywhere.
std::string quoted_reply(const std::string& said, const MailAccount& account)
{
    std::vector<bool> hidden(said.size(), false);
    for (const Secret& form : secret_forms(account)) {
        for (std::size_t at = said.find(form.text); at != std::string::npos; at = said.find(form.text, at + 1)) {
            std::size_t from = at;
            std::size_t to = at + form.text.size();
            if (form.shares_one_before && from > 0 && is_base64_char(said[from - 1]))
                --from;
            if (form.shares_one_after && to < said.size() && is_base64_char(said[to]))
                ++to;
            while (form.padded && to < said.size() && said[to] == '=')
                ++to;
            std::fill(hidden.begin() + static_cast<std::ptrdiff_t>(from),
                      hidden.begin() + static_cast<std::ptrdiff_t>(to), true);
        }
    }
    std::string out;
    for (std::size_t i = 0; i < said.size(); ++i) {
        if (!hidden[i])
            out += said[i];
        else if (i == 0 || !hidden[i - 1])
            out += "***";
    }
    return out;
}

Phrase failure_text(CURLcode code, const MailAccount& account, const Transcript& t, const CheckOptions& options,
                    bool sending)
{
    const std::string where = server_name(account);
    const std::string& said = t.last_refusal.empty() ? t.last_reply : t.last_refusal;
    // The server's own words are quoted as they came, untranslated, bar
    // the password.
    const std::string reply = said.empty() ? std::string() : ": " + quoted_reply(said, account);
    switch (code) {
    case CURLE_ABORTED_BY_CALLBACK: return Phrase{TQR_TR_NOOP("TQRSetup", "the check was cancelled"), {}};
    case CURLE_COULDNT_RESOLVE_HOST:
        return Phrase{TQR_TR_NOOP("TQRSetup", "the server name %1 cannot be found"), {account.server}};
    case CURLE_COULDNT_CONNECT:
        return Phrase{TQR_TR_NOOP("TQRSetup", "nothing answers at %1 (the connection was refused)"), {where}};
    case CURLE_OPERATION_TIMEDOUT:
        return Phrase{TQR_TR_NOOP("TQRSetup", "no answer from %1 within %2"), {where, seconds_text(options.timeout)}};
    case CURLE_USE_SSL_FAILED:
        return Phrase{TQR_TR_NOOP("TQRSetup", "the server %1 does not offer STARTTLS, so the password was not sent"),
                      {where}};
    case CURLE_PEER_FAILED_VERIFICATION:
        return Phrase{TQR_TR_NOOP("TQRSetup", "the certificate of %1 is not trusted"), {account.server}};
    case CURLE_SSL_CONNECT_ERROR:
        return Phrase{TQR_TR_NOOP("TQRSetup", "no secure connection to %1 could be set up (is the secure type right?)"),
                      {where}};
    case CURLE_LOGIN_DENIED: return Phrase{TQR_TR_NOOP("TQRSetup", "the server refused the login%1"), {reply}};
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
        // Refusals of the sender, a recipient or the message itself.
        if (sending && !t.last_refusal.empty())
            return Phrase{TQR_TR_NOOP("TQRSetup", "the server refused the test e-mail%1"), {reply}};
        if (code == CURLE_WEIRD_SERVER_REPLY)
            return Phrase{TQR_TR_NOOP("TQRSetup", "the server %1 gave an unexpected answer%2"), {where, reply}};
        return Phrase{TQR_TR_NOOP("TQRSetup", "the connection to %1 broke off%2"), {where, reply}};
    case CURLE_SSL_CACERT_BADFILE:
        if (options.ca_file.empty())
            return Phrase{TQR_TR_NOOP("TQRSetup", "the system's trusted certificates cannot be read"), {}};
        return Phrase{TQR_TR_NOOP("TQRSetup", "the CA file %1 cannot be read"), {options.ca_file}};
    default: return Phrase{TQR_TR_NOOP("TQRSetup", "the check failed: %1%2"), {curl().easy_strerror(code), reply}};
    }
}

CheckOutcome run(const MailAccount& account, const std::vector<std::string>* recipients, const TestNote& note,
                 const CheckOptions& options)
{
    if (auto refusal = refusal_of(account))
        return outcome(false, false, std::move(*refusal));
    if (recipients != nullptr)
        if (auto refusal = envelope_refusal(account, *recipients))
            return outcome(false, false, std::move(*refusal));
    // Read here rather than by curl: curl would wait on a FIFO for ever,
    // beyond the reach of the time limit.
    std::string ca_bytes;
    if (!options.ca_file.empty()) {
        try {
            ca_bytes = read_bounded(options.ca_file, kCaFileLimit, TQR_TR_NOOP("TQRSetup", "a CA certificate file"));
        } catch (const ProfileError& e) {
            // The reader's words name the file and what is wrong with it.
            return outcome(false, false, Phrase{"%1", {e.what()}});
        }
    }
    if (curl_library() == nullptr)
        return outcome(
            false, false,
            Phrase{TQR_TR_NOOP("TQRSetup", "the mail check needs libcurl (libcurl.so.4), which could not be loaded"),
                   {}});
    Easy easy(curl().easy_init());
    if (!easy)
        return outcome(false, false, Phrase{TQR_TR_NOOP("TQRSetup", "the check could not be started"), {}});
    CURL* c = easy.get();

    const bool implicit_tls = account.security == Security::ssl_tls;
    const std::string url = std::string(implicit_tls ? "smtps://" : "smtp://") + server_name(account);
    Transcript transcript;
    transcript.cancel = options.cancel;

    curl().easy_setopt(c, CURLOPT_URL, url.c_str());
    curl().easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl().easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl().easy_setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(options.timeout.count()));
    curl().easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(options.timeout.count()));
    // STARTTLS must succeed before the login; never fall back to plain.
    curl().easy_setopt(c, CURLOPT_USE_SSL,
                       account.security == Security::none ? static_cast<long>(CURLUSESSL_NONE)
                                                          : static_cast<long>(CURLUSESSL_ALL));
    curl().easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl().easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!options.ca_file.empty()) {
        curl_blob blob{ca_bytes.data(), ca_bytes.size(), CURL_BLOB_COPY};
        // A libcurl before 7.77 does not know the option; handing it the
        // file's name instead would bring back the wait on a FIFO.
        if (curl().easy_setopt(c, CURLOPT_CAINFO_BLOB, &blob) != CURLE_OK)
            return outcome(false, false,
                           Phrase{TQR_TR_NOOP("TQRSetup", "this libcurl is too old to use the CA file %1 (7.77 or "
                                                          "later is needed)"),
                                  {options.ca_file}});
    }
    curl().easy_setopt(c, CURLOPT_USERNAME, account.login.c_str());
    curl().easy_setopt(c, CURLOPT_PASSWORD, account.password.c_str());
    // Replies only reach the debug callback; it keeps them and drops the
    // lines we send.
    curl().easy_setopt(c, CURLOPT_DEBUGFUNCTION, on_debug);
    curl().easy_setopt(c, CURLOPT_DEBUGDATA, &transcript);
    curl().easy_setopt(c, CURLOPT_VERBOSE, 1L);
    curl().easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl().easy_setopt(c, CURLOPT_XFERINFOFUNCTION, on_progress);
    curl().easy_setopt(c, CURLOPT_XFERINFODATA, &transcript);

    List rcpt;
    Upload upload;
    const std::string from = "<" + account.sender + ">";
    if (recipients != nullptr) {
        curl_slist* list = nullptr;
        for (const auto& r : *recipients) {
            curl_slist* grown = curl().slist_append(list, ("<" + r + ">").c_str());
            if (grown == nullptr) {
                curl().slist_free_all(list);
                return outcome(false, false, Phrase{TQR_TR_NOOP("TQRSetup", "the check could not be started"), {}});
            }
            list = grown;
        }
        rcpt.reset(list);
        upload.text = test_message(account, *recipients, note);
        curl().easy_setopt(c, CURLOPT_MAIL_FROM, from.c_str());
        curl().easy_setopt(c, CURLOPT_MAIL_RCPT, rcpt.get());
        curl().easy_setopt(c, CURLOPT_READFUNCTION, on_read);
        curl().easy_setopt(c, CURLOPT_READDATA, &upload);
        curl().easy_setopt(c, CURLOPT_UPLOAD, 1L);
    } else {
        // Greeting, EHLO, STARTTLS and AUTH belong to connecting; stop there.
        curl().easy_setopt(c, CURLOPT_CONNECT_ONLY, 1L);
    }

    const CURLcode code = curl().easy_perform(c);
    // Whatever came of it, the user should know where the password went.
    const bool in_clear = account.security == Security::none && transcript.auth_sent;
    if (code != CURLE_OK) {
        return outcome(false, code == CURLE_ABORTED_BY_CALLBACK,
                       failure_text(code, account, transcript, options, recipients != nullptr), in_clear);
    }
    // A server that offers no login lets curl skip AUTH; the camera would
    // then be refused later, so a check without a login is no success.
    // "no encryption" is words, not a name, so it has sentences of its own.
    const bool plain = account.security == Security::none;
    if (!transcript.logged_in)
        return outcome(
            false, false,
            plain ? Phrase{TQR_TR_NOOP("TQRSetup",
                                       "the server %1 offered no login with no encryption; the account was not tried"),
                           {server_name(account)}}
                  : Phrase{TQR_TR_NOOP("TQRSetup", "the server %1 offered no login with %2; the account was not tried"),
                           {server_name(account), security_name(account.security)}});
    if (recipients != nullptr)
        return outcome(true, false,
                       Phrase{TQR_TR_NOOP("TQRSetup", "the test e-mail from %1 to %2 was sent"),
                              {account.sender, joined(*recipients)}},
                       in_clear);
    return outcome(true, false,
                   plain ? Phrase{TQR_TR_NOOP("TQRSetup", "the server %1 accepted the login of %2 (no encryption)"),
                                  {server_name(account), account.login}}
                         : Phrase{TQR_TR_NOOP("TQRSetup", "the server %1 accepted the login of %2 (%3)"),
                                  {server_name(account), account.login, security_name(account.security)}},
                   in_clear);
}

} // namespace

std::string server_name(const MailAccount& account)
{
    return account.server + ":" + account.port;
}

CheckOutcome check_login(const MailAccount& account, const CheckOptions& options)
{
    return run(account, nullptr, TestNote{}, options);
}

std::optional<CheckOutcome> test_mail_refusal(const MailAccount& account, const std::vector<std::string>& recipients)
{
    if (auto refusal = envelope_refusal(account, recipients))
        return outcome(false, false, std::move(*refusal));
    return std::nullopt;
}

CheckOutcome send_test_mail(const MailAccount& account, const std::vector<std::string>& recipients,
                            const TestNote& note, const CheckOptions& options)
{
    return run(account, &recipients, note, options);
}

} // namespace tqr::mail
