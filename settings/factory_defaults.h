#pragma once

#include "settings/profile_record.h"

#include <string_view>

namespace tqr {

// Builds an operator row at compile time; every field is zero-filled after
// its text and cut to its width minus one.
struct OperatorRowText {
    std::string_view name, mms_url, mms_gateway, mms_port, mms_apn, mms_account, mms_password, gprs_apn, gprs_account,
        gprs_password;
};

namespace detail {
template <std::size_t N> constexpr void put_text(char (&field)[N], std::string_view text)
{
    for (std::size_t i = 0; i < N; ++i)
        field[i] = i + 1 < N && i < text.size() ? text[i] : '\0';
}
} // namespace detail

constexpr OperatorEntry make_operator_row(const OperatorRowText& t)
{
    OperatorEntry e{};
    detail::put_text(e.name, t.name);
    detail::put_text(e.mms_url, t.mms_url);
    detail::put_text(e.mms_gateway, t.mms_gateway);
    detail::put_text(e.mms_port, t.mms_port);
    detail::put_text(e.mms_apn, t.mms_apn);
    detail::put_text(e.mms_account, t.mms_account);
    detail::put_text(e.mms_password, t.mms_password);
    detail::put_text(e.gprs_apn, t.gprs_apn);
    detail::put_text(e.gprs_account, t.gprs_account);
    detail::put_text(e.gprs_password, t.gprs_password);
    return e;
}

struct EmailRowText {
    std::string_view server, port;
    SecureType secure_type;
    std::string_view account, password, email, user_name;
};

constexpr EmailBlock make_email_row(const EmailRowText& t)
{
    EmailBlock b{};
    detail::put_text(b.server.server, t.server);
    detail::put_text(b.server.port, t.port);
    b.server.secure_type = t.secure_type;
    detail::put_text(b.account.account, t.account);
    detail::put_text(b.account.password, t.password);
    detail::put_text(b.account.email, t.email);
    detail::put_text(b.account.user_name, t.user_name);
    return b;
}

// The camera's own mail service: its domain, and the address that is both
// its default account and the default recipient.
inline constexpr std::string_view kServiceMailDomain = "birchwatch.eu";
inline constexpr std::string_view kDefaultRecipient = "cam@birchwatch.eu";

// The only operator of "Europe" and the operator of the factory defaults.
inline constexpr OperatorEntry kDefaultOperatorRow =
    make_operator_row({"Kavetta", "", "0.0.0.0", "0", "", "", "", "kavettanet.eu", "bwc", "bwc"});

// The first e-mail provider and the account of the factory defaults.
inline constexpr EmailBlock kDefaultEmailRow =
    make_email_row({kServiceMailDomain, "25", kSecureBase, kDefaultRecipient, "2468", kDefaultRecipient, "cam"});

inline constexpr int kCustomOperatorCount = 3;

// The three user-editable operator rows of the country "Customer". They
// start as "Customer1".."Customer3" with the all-zero gateway and port "0",
// and are carried in the store file.
extern OperatorEntry CustomOperators[kCustomOperatorCount];
OperatorEntry initial_custom_operator(int index);

// Puts the factory settings into current_profile. The reserved words, the
// custom rows and everything outside the record are left alone.
void apply_factory_defaults();

} // namespace tqr
