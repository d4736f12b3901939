#pragma once

#include "framework/cdialog.h"
#include "mail/mail_check.h"
#include "settings/profile_record.h"

#include <optional>
#include <string>
#include <vector>

namespace tqr {

// "Email Set": the SMTP account the camera mails with, chosen from the
// provider list or typed in for "Other", written into the two parts of an
// e-mail block on OK.
class EmailSetDialog : public fw::CDialog {
  public:
    EmailSetDialog();

    // The parts the next opening edits; not owned.
    void set_blocks(EmailServer* server, EmailAccount* account)
    {
        server_block_ = server;
        account_block_ = account;
    }
    // The provider selected when OK was last pressed (-1 for none).
    int current_provider() const { return current_provider_; }

    // Where "Test..." may send its test e-mail, and what that mail tells.
    void set_test_mail(std::vector<std::string> recipients, mail::TestNote note)
    {
        test_recipients_ = std::move(recipients);
        test_note_ = std::move(note);
    }
    // Time limit and trusted certificates of the check.
    void set_check_options(mail::CheckOptions options) { check_options_ = std::move(options); }

  protected:
    bool on_init() override;
    void on_ok() override;

  private:
    void on_provider_changed();
    void on_email_changed();
    void on_show_password();
    void apply_account_rule(int provider);
    void apply_server_rule(int provider);
    void put_account_texts(const std::string& email, const std::string& account, const std::string& password);
    void clear_show_password();
    void apply_test_rule();
    void on_test();
    // The account as the dialog's entries describe it now.
    std::optional<mail::MailAccount> entered_account() const;

    int last_loaded_provider_ = 0;
    int current_provider_ = 0;
    int password_shown_ = 1;
    SecureType secure_type_ = kSecureBase;
    std::string account_;
    std::string email_;
    std::string password_;
    std::string server_;
    std::string port_;
    EmailServer* server_block_ = nullptr;
    EmailAccount* account_block_ = nullptr;
    std::vector<std::string> test_recipients_;
    mail::TestNote test_note_;
    mail::CheckOptions check_options_;
};

} // namespace tqr
