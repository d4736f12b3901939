#pragma once

#include "framework/cdialog.h"
#include "mail/mail_check.h"

#include <string>
#include <vector>

namespace tqr {

// What the "Test..." button of "Email Set" does: tries the login behind a
// busy window, tells the outcome in a message box and, when the login
// worked and there are recipients, offers to mail them the test e-mail.
// Changes nothing in the settings.
void test_mail_account(fw::CDialog& owner, const mail::MailAccount& account, const std::vector<std::string>& recipients,
                       const mail::TestNote& note, const mail::CheckOptions& options);

} // namespace tqr
