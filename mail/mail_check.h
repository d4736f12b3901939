#pragma once

// Tries an SMTP account the way the camera will use it: connect with the
// account's security, log in, and optionally send one short test e-mail.
// Plain C++ on libcurl, so the dialog and the command line share it.

#include "settings/translatable.h"

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tqr::mail {

// `unknown`: a secure type the camera does not know; the check refuses it
// rather than guess.
enum class Security { none, ssl_tls, starttls, unknown };

// One SMTP account as the camera's settings hold it; texts as typed.
struct MailAccount {
    std::string server;
    std::string port;
    Security security = Security::none;
    std::string login;
    std::string password;
    std::string sender;
};

// What the test e-mail tells about the settings; nothing secret.
struct TestNote {
    std::string operator_name;
    std::string max_size;
};

struct CheckOptions {
    // One attempt (a login, or a login with the sending) ends after this.
    std::chrono::milliseconds timeout{std::chrono::seconds(20)};
    // A private CA's certificates; empty: the system's trust store. Read
    // before anything connects, and refused if it is no regular file of a
    // sensible size.
    std::string ca_file;
    // Set from another thread to abort the attempt.
    const std::atomic<bool>* cancel = nullptr;
};

struct CheckOutcome {
    bool ok = false;
    bool cancelled = false;
    // In plain words, starting in lower case so that callers can put it
    // into a sentence. Never holds the password.
    std::string message;
    // The same as a source text and its parts, for the dialog to translate.
    Phrase phrase;
};

// Connects and logs in, then quits.
CheckOutcome check_login(const MailAccount& account, const CheckOptions& options);

// Connects, logs in and sends the test e-mail from the account's sender
// address to `recipients`.
CheckOutcome send_test_mail(const MailAccount& account, const std::vector<std::string>& recipients,
                            const TestNote& note, const CheckOptions& options);

// Why the test e-mail to `recipients` cannot go, known before anything
// connects: no recipient, or a sender or recipient address that the
// envelope cannot carry. send_test_mail() asks it too; a caller that logs
// in first asks it beforehand, so that no password is sent for a test
// e-mail that is refused anyway.
std::optional<CheckOutcome> test_mail_refusal(const MailAccount& account, const std::vector<std::string>& recipients);

// "host:port", as the messages name a server.
std::string server_name(const MailAccount& account);

} // namespace tqr::mail
