#include "editors/email_set_dialog.h"

#include "editors/mail_test_prompt.h"
#include "mail/mail_record.h"
#include "resources/email_set_ids.h"
#include "resources/resource_ids.h"
#include "settings/record_schema.h"
#include "settings/value_rules.h"
#include "tables/provider_table.h"

#include <cstring>

namespace tqr {

namespace {
using namespace email_set_ids;
constexpr int kOther = kProviderCount - 1;

// An account whose address is shorter than this counts as not set up.
constexpr std::size_t kMinEmailLength = 4;
} // namespace

EmailSetDialog::EmailSetDialog() : CDialog(res::kEmailSetForm)
{
    on_selection_changed(kProvider, [this] { on_provider_changed(); });
    on_text_changed(kEmail, [this] { on_email_changed(); });
    on_clicked(kShowPassword, [this] { on_show_password(); });
    on_clicked(kTest, [this] { on_test(); });
    // The e-mail edit's handler re-applies the rule itself.
    on_text_changed(kAccount, [this] { apply_test_rule(); });
    on_text_changed(kServer, [this] { apply_test_rule(); });
}

bool EmailSetDialog::on_init()
{
    for (int i = 0; i < kProviderCount; ++i)
        add_item(kProvider, ProviderNames[i]);
    // The edits take no more than their fields hold.
    using schema::Id;
    using schema::max_chars;
    limit_text(kServer, max_chars(Id::email_server));
    limit_text(kPort, max_chars(Id::email_port));
    limit_text(kAccount, max_chars(Id::email_account));
    limit_text(kPassword, max_chars(Id::email_password));
    limit_text(kEmail, max_chars(Id::email_address));

    int provider = 0;
    email_ = account_block_ != nullptr ? read_text(account_block_->email) : std::string();
    if (email_.size() < kMinEmailLength || server_block_ == nullptr) {
        account_.clear();
        email_.clear();
        password_.clear();
        server_.clear();
        port_.clear();
        secure_type_ = kSecureBase;
    } else {
        account_ = read_text(account_block_->account);
        password_ = read_text(account_block_->password);
        server_ = read_text(server_block_->server);
        port_ = read_text(server_block_->port);
        secure_type_ = server_block_->secure_type;
        provider = find_provider_by_server(*server_block_);
    }
    last_loaded_provider_ = provider;
    set_selection(kProvider, provider);

    put_account_texts(email_, account_, password_);
    clear_show_password();
    apply_account_rule(provider);

    if (provider == kOther) {
        set_text(kServer, server_);
        set_text(kPort, port_);
        set_selection(kSecureType, secure_index(secure_type_));
    } else {
        set_text(kServer, "");
        set_text(kPort, "");
        set_selection(kSecureType, -1);
    }
    apply_server_rule(provider);
    apply_test_rule();
    return true;
}

void EmailSetDialog::put_account_texts(const std::string& email, const std::string& account,
                                       const std::string& password)
{
    // The e-mail text goes first: its change handler copies it into the
    // account, and the account text put afterwards is what stays.
    set_text(kEmail, email);
    set_text(kAccount, account);
    set_text(kPassword, password);
}

void EmailSetDialog::clear_show_password()
{
    set_check(kShowPassword, 0);
    // The box and the edit always agree: an unticked box means a masked
    // password.
    set_password_masked(kPassword, true);
}

void EmailSetDialog::apply_account_rule(int provider)
{
    const bool editable = provider != 0;
    for (int id : {kEmail, kAccount, kPassword, kShowPassword})
        enable(id, editable);
}

void EmailSetDialog::apply_server_rule(int provider)
{
    const bool editable = provider == kOther;
    for (int id : {kServer, kSecureType, kPort, kServerLabel, kSecureLabel, kPortLabel})
        enable(id, editable);
}

void EmailSetDialog::on_provider_changed()
{
    const int provider = selection(kProvider);
    current_provider_ = provider;
    if (provider < 0)
        return;
    // Typed texts survive a change between two providers other than the
    // first; the first provider's account is fixed and replaces them.
    if (provider == 0 || last_loaded_provider_ <= 0) {
        const EmailAccount& row = ProviderTable[provider].account;
        put_account_texts(read_text(row.email), read_text(row.account), read_text(row.password));
        last_loaded_provider_ = provider;
    }
    clear_show_password();
    apply_account_rule(provider);
    set_text(kServer, "");
    set_text(kPort, "");
    set_selection(kSecureType, -1);
    apply_server_rule(provider);
    apply_test_rule();
}

void EmailSetDialog::on_email_changed()
{
    const int provider = selection(kProvider);
    current_provider_ = provider;
    if (provider > 0)
        set_text(kAccount, text(kEmail));
    apply_test_rule();
}

// A server is known from the provider's row, or as typed for "Other".
void EmailSetDialog::apply_test_rule()
{
    const int provider = selection(kProvider);
    const bool server_known = provider >= 0 && (provider != kOther || !text(kServer).empty());
    enable(kTest, server_known && !text(kAccount).empty());
}

std::optional<mail::MailAccount> EmailSetDialog::entered_account() const
{
    const int provider = selection(kProvider);
    if (provider < 0)
        return std::nullopt;
    EmailServer server = ProviderTable[provider].server;
    if (provider == kOther) {
        const int secure = selection(kSecureType);
        std::memset(&server, 0, sizeof server);
        write_text(server.server, text(kServer));
        write_text(server.port, text(kPort));
        server.secure_type = static_cast<SecureType>(kSecureBase + (secure < 0 ? 0 : secure));
    }
    EmailAccount account{};
    write_text(account.account, text(kAccount));
    write_text(account.password, text(kPassword));
    write_text(account.email, text(kEmail));
    return mail::account_of(server, account);
}

void EmailSetDialog::on_test()
{
    // The entries as they stand, not the stored blocks: the user tries the
    // account before committing to it, and the record stays untouched.
    const auto account = entered_account();
    if (!account)
        return;
    if (selection(kProvider) == kOther && selection(kSecureType) < 0) {
        message_box(TQR_TR_NOOP("TQRSetup", "The mail account cannot be tried: choose its Secure Type first."),
                    fw::MB_ICONEXCLAMATION);
        return;
    }
    test_mail_account(*this, *account, test_recipients_, test_note_, check_options_);
}

void EmailSetDialog::on_show_password()
{
    password_shown_ = check_state(kShowPassword);
    const std::string password = text(kPassword);
    set_password_masked(kPassword, password_shown_ == 0);
    set_text(kPassword, password);
}

void EmailSetDialog::on_ok()
{
    const int provider = selection(kProvider);
    current_provider_ = provider;
    if (provider < 0 || server_block_ == nullptr || account_block_ == nullptr)
        return;
    int secure = -1;
    if (provider == kOther) {
        server_ = text(kServer);
        port_ = text(kPort);
        secure = selection(kSecureType);
        if (const auto m = rules::check_mail_server_filled(server_, port_, secure >= 0)) {
            message_box_with_detail(m->message, fw::MB_OK, m->detail);
            return;
        }
        if (const auto m = rules::check_smtp_port(port_)) {
            message_box_with_detail(m->message, fw::MB_OK, m->detail);
            return;
        }
    }
    email_ = text(kEmail);
    account_ = text(kAccount);
    password_ = text(kPassword);
    if (const auto m = rules::check_mail_account_filled(email_, account_, password_)) {
        message_box_with_detail(m->message, fw::MB_OK, m->detail);
        return;
    }
    if (const auto m = rules::check_sender(email_)) {
        message_box_with_detail(m->message, fw::MB_OK, m->detail);
        return;
    }

    std::memset(server_block_, 0, sizeof *server_block_);
    std::memset(account_block_, 0, sizeof *account_block_);
    if (provider == kOther) {
        write_text(server_block_->server, server_);
        write_text(server_block_->port, port_);
        server_block_->secure_type = static_cast<SecureType>(kSecureBase + secure);
    } else {
        *server_block_ = ProviderTable[provider].server;
    }
    write_text(account_block_->email, email_);
    write_text(account_block_->account, account_);
    write_text(account_block_->password, password_);
    write_text(account_block_->user_name, email_.substr(0, email_.find('@')));
    end_dialog(fw::IDOK);
}

} // namespace tqr
