#include "mail/mail_record.h"

namespace tqr::mail {

Security security_of(SecureType type)
{
    switch (secure_index(type)) {
    case 0: return Security::none;
    case 1: return Security::ssl_tls;
    case 2: return Security::starttls;
    default: return Security::unknown;
    }
}

MailAccount account_of(const EmailServer& server, const EmailAccount& account)
{
    MailAccount a;
    a.server = read_text(server.server);
    a.port = read_text(server.port);
    a.security = security_of(server.secure_type);
    a.login = read_text(account.account);
    a.password = read_text(account.password);
    a.sender = read_text(account.email);
    return a;
}

std::vector<std::string> recipients_of(const GsmBlock& block)
{
    std::vector<std::string> out;
    for (const auto& slot : block.emails)
        if (slot[0] != 0)
            out.push_back(read_text(slot));
    return out;
}

TestNote note_of(const GsmBlock& block)
{
    return {read_text(block.operator_entry.name), std::to_string(static_cast<unsigned>(block.max_size))};
}

} // namespace tqr::mail
