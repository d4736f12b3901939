#pragma once

// The mail check's view of the settings record.

#include "mail/mail_check.h"
#include "settings/profile_record.h"

#include <string>
#include <vector>

namespace tqr::mail {

// The account of an e-mail block: server part and account part.
MailAccount account_of(const EmailServer& server, const EmailAccount& account);
// The e-mail recipients stored in the transmission block, in slot order.
std::vector<std::string> recipients_of(const GsmBlock& block);
// The operator and largest picture size the test e-mail reports.
TestNote note_of(const GsmBlock& block);

Security security_of(SecureType type);

} // namespace tqr::mail
