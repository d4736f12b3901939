#include "editors/gsm_page.h"

#include "framework/data_exchange.h"
#include "resources/gsm_ids.h"
#include "resources/resource_ids.h"
#include "settings/factory_defaults.h"
#include "settings/record_schema.h"
#include "settings/translatable.h"
#include "settings/value_rules.h"
#include "tables/operator_table.h"
#include "tables/provider_table.h"

#include <algorithm>

namespace tqr {

using namespace gsm_ids;

namespace {
constexpr const char* kEmailReminder = TQR_TR_NOOP("TQRSetup", "Please Check and Set the Email!");
constexpr const char* kDefaultQuestion =
    TQR_TR_NOOP("TQRSetup", "You'll restore the default setting,\r\nAre you sure?");
} // namespace

GsmPage::GsmPage() : CDialog(res::kGsmForm)
{
    for (int id : {kInstant, kDailyReport, kSendOff})
        on_clicked(id, [this] { on_send_mode(); });
    on_clicked(kMms, [this] { on_mms(); });
    on_clicked(kGprs, [this] { on_gprs(); });
    for (int id : {kToPhone, kToEmail, kToBoth})
        on_clicked(id, [this, id] { on_send_to(id); });
    on_selection_changed(kCountry, [this] { on_country(); });
    on_selection_changed(kOperator, [this] { on_operator(); });
    on_selection_changed(kRename, [this] { on_rename(); });
    on_selection_changed(kSmsSwitch, [this] { on_sms_switch(); });
    on_text_changed(kDailyMinute, [this] { on_minute_changed(); });
    on_clicked(kDefault, [this] { on_default(); });
    on_clicked(kCustom, [this] { on_custom(); });
    on_clicked(kEmailSet, [this] { on_email_set(); });
    set_number_range(kInstantMax, rules::kInstantMaxLimits);
    set_number_range(kDailyHour, rules::kHourLimits);
    set_number_range(kDailyMinute, rules::kMinuteLimits);
    set_number_range(kMaxSize, rules::kMaxSizeLimits);
}

void GsmPage::exchange_data(fw::CDataExchange& dx)
{
    fw::DDX_Radio(dx, kInstant, send_mode_);
    fw::DDX_Radio(dx, kMms, send_via_);
    fw::DDX_Radio(dx, kToPhone, send_to_);
    if (write_back_ != WriteBack::all) {
        if (write_back_ == WriteBack::radios_and_minute)
            fw::DDX_Text(dx, kDailyMinute, daily_minute_);
        return;
    }
    fw::DDX_Text(dx, kInstantMax, instant_max_);
    fw::DDX_Text(dx, kDailyHour, daily_hour_);
    fw::DDX_Text(dx, kDailyMinute, daily_minute_);
    fw::DDX_Text(dx, kEmails, email_text_);
    fw::DDX_Text(dx, kPhones, phone_text_);
    fw::DDX_Check(dx, kCmdLog, cmd_log_);
    fw::DDX_Check(dx, kQmmDbg, qmm_dbg_);
    fw::DDX_CBIndex(dx, kBand, band_);
    fw::DDX_CBIndex(dx, kRename, rename_on_);
    fw::DDX_Text(dx, kRenameText, rename_text_);
    fw::DDV_MaxChars(dx, rename_text_, 8);
    fw::DDX_Text(dx, kMaxSize, max_size_);
    fw::DDX_CBIndex(dx, kSmsSwitch, sms_switch_);
}

bool GsmPage::on_init()
{
    email_providers_ = &ProviderTable[0];
    load_from_record();
    return true;
}

void GsmPage::apply_schedule_rule()
{
    enable(kInstantMax, send_mode_ == 0);
    enable(kDailyHour, send_mode_ == 1);
    enable(kDailyMinute, send_mode_ == 1);
}

void GsmPage::apply_email_set_rule()
{
    enable(kEmailSet, send_via_ == 1);
}

void GsmPage::apply_custom_rule()
{
    enable(kCustom, country_index_ == kCustomerCountry);
}

void GsmPage::apply_rename_rule()
{
    enable(kRenameText, rename_on_ == 1);
    enable(kRenameHint, rename_on_ == 1);
}

void GsmPage::apply_phone_rule()
{
    enable(kPhones, rules::phone_required(send_to_, sms_switch_));
}

void GsmPage::apply_email_rule()
{
    enable(kEmails, rules::email_required(send_to_));
}

// GPRS carries e-mail only: "Email" is checked and the other two greyed
// until MMS is chosen again.
void GsmPage::force_email_recipients()
{
    send_to_ = 1;
    enable(kToPhone, false);
    enable(kToEmail, true);
    enable(kToBoth, false);
}

void GsmPage::fill_operator_list()
{
    reset_list(kOperator);
    const CountryEntry& c = CountryTable[country_index_];
    for (int i = 0; i < c.operator_count; ++i)
        add_item(kOperator, read_text(operator_row(country_index_, i).name));
}

void GsmPage::load_from_record()
{
    if (gsm_block_ == nullptr)
        return;
    const GsmBlock& g = *gsm_block_;

    const SendSchedule s = unpack_send_schedule(g.send_schedule);
    send_mode_ = static_cast<int>(s.send_mode);
    instant_max_ = static_cast<int>(s.instant_max);
    daily_hour_ = static_cast<int>(s.daily_hour);
    daily_minute_ = static_cast<int>(s.daily_minute);
    apply_schedule_rule();

    send_via_ = g.send_via;
    apply_email_set_rule();
    email_reminder_shown_ = send_via_;

    send_to_ = g.send_to;
    if (send_via_ == 1)
        force_email_recipients();

    // A store file can hold any indices; the lists can only show real rows.
    const OperatorSelect sel = unpack_operator_select(g.operator_select);
    country_index_ = sel.country_index;
    operator_index_ = sel.operator_index;
    if (!valid_country(country_index_)) {
        country_index_ = kEuropeCountry;
        operator_index_ = 0;
    } else if (!valid_operator(country_index_, operator_index_)) {
        operator_index_ = 0;
    }
    reset_list(kCountry);
    for (int i = 0; i < kCountryCount; ++i)
        add_item(kCountry, country_name(i));
    set_selection(kCountry, country_index_);
    fill_operator_list();
    set_selection(kOperator, operator_index_);
    apply_custom_rule();
    enable(kSmsLabel, true);
    enable(kSmsSwitch, true);

    rename_on_ = g.rename_on;
    sms_switch_ = g.sms_switch;
    rename_text_ = read_text(g.rename_text);
    apply_rename_rule();

    max_size_ = g.max_size;

    phone_text_ += rules::phones_text(g);
    email_text_ += rules::emails_text(g);
    apply_phone_rule();
    apply_email_rule();
    UpdateData(false);
}

void GsmPage::reload()
{
    // Loading appends the stored recipients to the texts it starts from,
    // and greys the Send To radios for GPRS only: a new window has them on.
    phone_text_.clear();
    email_text_.clear();
    for (int id : {kToPhone, kToEmail, kToBoth})
        enable(id, true);
    load_from_record();
}

void GsmPage::on_send_mode()
{
    UpdateData(true);
    apply_schedule_rule();
    apply_email_set_rule();
}

// A reading that fails has shown its message and stopped at the failing
// edit, so the members from there on are stale. The handlers still apply
// their rules, but then write back only the radios (and the minute handler
// its edit), so every other edit keeps what the user typed.
void GsmPage::write_back(bool read_ok, WriteBack after_failure)
{
    write_back_ = read_ok ? WriteBack::all : after_failure;
    UpdateData(false);
    write_back_ = WriteBack::all;
}

void GsmPage::on_minute_changed()
{
    const bool ok = UpdateData(true);
    if (daily_minute_ > 59)
        daily_minute_ = 59;
    write_back(ok, WriteBack::radios_and_minute);
}

void GsmPage::on_mms()
{
    const bool ok = UpdateData(true);
    apply_email_set_rule();
    email_reminder_shown_ = 0;
    for (int id : {kToPhone, kToEmail, kToBoth})
        enable(id, true);
    write_back(ok, WriteBack::radios);
}

void GsmPage::on_gprs()
{
    const bool ok = UpdateData(true);
    apply_email_set_rule();
    if (email_reminder_shown_ == 0)
        message_box(kEmailReminder, fw::MB_ICONEXCLAMATION | fw::MB_OK);
    email_reminder_shown_ = 1;
    force_email_recipients();
    apply_phone_rule();
    apply_email_rule();
    write_back(ok, WriteBack::radios);
}

void GsmPage::on_send_to(int button)
{
    UpdateData(true);
    if (button == kToPhone) {
        enable(kPhones, true);
        enable(kEmails, false);
    } else if (button == kToEmail) {
        enable(kPhones, sms_switch_ == 1);
        enable(kEmails, true);
    } else {
        enable(kPhones, true);
        enable(kEmails, true);
    }
}

void GsmPage::on_rename()
{
    rename_on_ = selection(kRename);
    apply_rename_rule();
}

void GsmPage::on_sms_switch()
{
    sms_switch_ = selection(kSmsSwitch);
    apply_phone_rule();
}

void GsmPage::on_country()
{
    const int country = selection(kCountry);
    if (!valid_country(country))
        return;
    country_index_ = country;
    fill_operator_list();
    operator_index_ = 0;
    set_selection(kOperator, 0);
    apply_custom_rule();
    // The Custom button edits the record's entry, so a custom row is put
    // there at once; built-in rows follow on OK.
    if (country_index_ == kCustomerCountry)
        gsm_block_->operator_entry = CustomOperators[0];
    follow_email_block();
}

void GsmPage::on_operator()
{
    const int op = selection(kOperator);
    if (!valid_operator(country_index_, op))
        return;
    operator_index_ = op;
    if (country_index_ == kCustomerCountry)
        gsm_block_->operator_entry = CustomOperators[operator_index_];
    follow_email_block();
}

void GsmPage::follow_email_block()
{
    // "Europe" mails through the camera maker's own service; elsewhere an
    // account the user set up stays, and an empty one gets a template.
    if (country_index_ == kEuropeCountry)
        gsm_block_->email = ProviderTable[0];
    else if (gsm_block_->email.account.email[0] == 0)
        gsm_block_->email = ProviderTable[1];
}

void GsmPage::on_default()
{
    if (message_box(kDefaultQuestion, fw::MB_ICONQUESTION | fw::MB_YESNO) == fw::IDNO)
        return;
    using schema::Id;
    const auto value = [](Id id) { return static_cast<int>(schema::factory_number(id)); };
    send_mode_ = value(Id::send_mode);
    instant_max_ = value(Id::instant_max);
    daily_hour_ = value(Id::daily_hour);
    daily_minute_ = value(Id::daily_minute);
    // The rules as the default send mode wants them, not as the members
    // stood before.
    apply_schedule_rule();

    send_via_ = value(Id::send_via);
    apply_email_set_rule();
    email_reminder_shown_ = 1;
    force_email_recipients();

    country_index_ = value(Id::country_index);
    operator_index_ = value(Id::operator_index);
    gsm_block_->operator_entry = operator_row(country_index_, operator_index_);
    gsm_block_->email = ProviderTable[0];
    set_selection(kCountry, country_index_);
    fill_operator_list();
    set_selection(kOperator, operator_index_);
    apply_custom_rule();

    phone_text_.clear();
    email_text_ = std::string(schema::factory_text(Id::email_0)) + ";";
    enable(kPhones, true);
    enable(kEmails, true);

    rename_on_ = value(Id::rename_on);
    sms_switch_ = value(Id::sms_switch);
    rename_text_ = schema::factory_text(Id::rename_text);
    apply_rename_rule();

    max_size_ = value(Id::max_size);
    UpdateData(false);
}

int GsmPage::validate_and_store()
{
    const auto refuse = [this](const rules::Refused& refusal) {
        message_box_with_detail(refusal.message, fw::MB_ICONHAND | fw::MB_OK, refusal.detail);
        return 1;
    };
    if (!UpdateData(true))
        return 1;
    if (const auto m = rules::check_instant_max(instant_max_))
        return refuse(*m);
    if (const auto m = rules::check_daily_time(daily_hour_, daily_minute_))
        return refuse(*m);

    GsmBlock& g = *gsm_block_;
    g.send_schedule =
        pack_send_schedule({static_cast<std::uint32_t>(send_mode_ & 255), static_cast<std::uint32_t>(instant_max_),
                            static_cast<std::uint32_t>(daily_hour_), static_cast<std::uint32_t>(daily_minute_)});
    g.send_via = static_cast<std::uint16_t>(send_via_);
    g.send_to = static_cast<std::uint16_t>(send_to_);
    g.operator_select = pack_operator_select(country_index_, operator_index_);

    if (valid_operator(country_index_, operator_index_)) {
        if (country_index_ == kCustomerCountry)
            CustomOperators[operator_index_] = g.operator_entry;
        else
            g.operator_entry = operator_row(country_index_, operator_index_);
    }

    if (const auto m = rules::store_recipients(g, phone_text_, email_text_, send_to_, sms_switch_))
        return refuse(*m);
    if (const auto m = rules::check_rename(rename_text_))
        return refuse(*m);

    g.rename_on = static_cast<std::uint16_t>(rename_on_);
    g.sms_switch = static_cast<std::uint16_t>(sms_switch_);
    write_text(g.rename_text, rename_text_);
    if (const auto m = rules::check_max_size(max_size_))
        return refuse(*m);
    g.max_size = static_cast<std::uint16_t>(max_size_);
    g.band = static_cast<std::uint16_t>(band_);
    g.cmd_log = static_cast<std::uint16_t>(cmd_log_);
    g.qmm_dbg = static_cast<std::uint16_t>(qmm_dbg_);
    return 0;
}

void GsmPage::on_custom()
{
    operator_dialog_.set_target(&gsm_block_->operator_entry);
    operator_dialog_.do_modal(window());
}

void GsmPage::on_email_set()
{
    email_dialog_.set_blocks(&gsm_block_->email.server, &gsm_block_->email.account);
    // The dialog's test e-mail goes to the recipients as typed here, before
    // OK has stored them; pieces the page would not store are left out.
    std::vector<std::string> recipients;
    for (const auto& piece : rules::split_recipients(text(kEmails))) {
        const std::string address = rules::remove_blanks(piece);
        if (!rules::check_email_piece(address) && rules::piece_is_stored(address))
            recipients.push_back(address);
    }
    email_dialog_.set_test_mail(std::move(recipients), {text(kOperator), text(kMaxSize)});
    if (email_dialog_.do_modal(window()) != fw::IDOK)
        return;
    if (country_index_ == kEuropeCountry && email_dialog_.current_provider() <= 0)
        return;
    const bool ok = UpdateData(true);
    if (!ok)
        email_text_ = text(kEmails); // as typed: the reading may have stopped before it
    if (std::count(email_text_.begin(), email_text_.end(), '@') >= 4)
        return;
    const std::string address = read_text(gsm_block_->email.account.email);
    if (email_text_.find(address) != std::string::npos)
        return;
    email_text_ = address + ";" + email_text_;
    if (ok)
        UpdateData(false);
    else
        set_text(kEmails, email_text_);
}

} // namespace tqr
