#include "tables/provider_table.h"

#include "settings/factory_defaults.h"

namespace tqr {

const char ProviderNames[kProviderCount][32] = {"birchwatch", "freenet", "gmail", "gmx",
                                                "hotmail",    "web",     "yahoo", "Other"};

namespace {
constexpr EmailProvider provider(std::string_view server, std::string_view port, int secure_index)
{
    return make_email_row({server, port, static_cast<SecureType>(kSecureBase + secure_index), "", "", "", ""});
}
} // namespace

constinit const EmailProvider ProviderTable[kProviderCount] = {
    kDefaultEmailRow,
    provider("mx.freenet.de", "587", 2),
    provider("smtp.gmail.com", "465", 1),
    provider("mail.gmx.net", "465", 1),
    provider("smtp-mail.outlook.com", "25", 2),
    provider("smtp.web.de", "587", 2),
    provider("smtp.mail.yahoo.com", "465", 1),
    provider("", "", 0),
};

int find_provider_by_server(std::string_view server)
{
    for (int i = 0; i < kProviderCount; ++i) {
        const std::string row = read_text(ProviderTable[i].server.server);
        if (server.substr(0, row.size()) == row)
            return i;
    }
    return kProviderCount - 1;
}

int find_provider_by_server(const EmailServer& server)
{
    return find_provider_by_server(read_text(server.server));
}

} // namespace tqr
