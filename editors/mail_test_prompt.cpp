#include "editors/mail_test_prompt.h"

#include "editors/mail_check_dialog.h"
#include "framework/translation.h"
#include "settings/translatable.h"

#include <optional>

namespace tqr {

namespace {

std::string joined(const std::vector<std::string>& items)
{
    std::string out;
    for (const auto& item : items)
        out += (out.empty() ? "" : ", ") + item;
    return out;
}

// The outcome in the user's language; the server's reply it quotes stays
// as the server wrote it.
std::string told(const mail::CheckOutcome& outcome)
{
    return fw::translated_utf8(outcome.phrase);
}

std::string sentence(const mail::CheckOutcome& outcome)
{
    QString text = QString::fromStdString(fw::translated_utf8(outcome.phrase));
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return (text + u'.').toStdString();
}

// Runs `job` behind the busy window; nothing when the user cancelled.
std::optional<mail::CheckOutcome> run_busy(fw::CDialog& owner, MailCheckDialog::Job job, std::string status)
{
    MailCheckDialog busy(std::move(job), std::move(status));
    if (busy.do_modal(owner.window()) != fw::IDOK)
        return std::nullopt;
    return busy.outcome();
}

} // namespace

void test_mail_account(fw::CDialog& owner, const mail::MailAccount& account, const std::vector<std::string>& recipients,
                       const mail::TestNote& note, const mail::CheckOptions& options)
{
    const auto login = run_busy(
        owner,
        [account, options](const std::atomic<bool>& cancel) {
            mail::CheckOptions o = options;
            o.cancel = &cancel;
            return mail::check_login(account, o);
        },
        fw::translated_ansi(TQR_TR_NOOP("TQRSetup", "Logging in to %1..."), {mail::server_name(account)}));
    if (!login)
        return;
    if (!login->ok) {
        owner.message_box(TQR_TR_NOOP("TQRSetup", "The mail account does not work: %1."), {told(*login)},
                          fw::MB_ICONEXCLAMATION | fw::MB_OK);
        return;
    }
    if (recipients.empty()) {
        owner.message_box(TQR_TR_NOOP("TQRSetup", "The mail account works: %1."), {told(*login)}, fw::MB_OK);
        return;
    }
    if (owner.message_box(TQR_TR_NOOP("TQRSetup", "The mail account works: %1.\r\n\r\nSend a test e-mail to %2?"),
                          {told(*login), joined(recipients)}, fw::MB_ICONQUESTION | fw::MB_YESNO) != fw::IDYES)
        return;

    const auto sent = run_busy(
        owner,
        [account, recipients, note, options](const std::atomic<bool>& cancel) {
            mail::CheckOptions o = options;
            o.cancel = &cancel;
            return mail::send_test_mail(account, recipients, note, o);
        },
        fw::translated_ansi(TQR_TR_NOOP("TQRSetup", "Sending the test e-mail to %1..."), {joined(recipients)}));
    if (!sent)
        return;
    if (sent->ok)
        owner.message_box(sentence(*sent), fw::MB_OK);
    else
        owner.message_box(TQR_TR_NOOP("TQRSetup", "The test e-mail was not sent: %1."), {told(*sent)},
                          fw::MB_ICONEXCLAMATION | fw::MB_OK);
}

} // namespace tqr
