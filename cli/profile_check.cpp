#include "cli/profile_check.h"

#include "settings/value_rules.h"
#include "tables/operator_table.h"

#include <cstring>
#include <span>

namespace tqr::cli {

namespace {

bool terminated(std::span<const char> field)
{
    return std::memchr(field.data(), 0, field.size()) != nullptr;
}

class Findings {
  public:
    void add(std::string line) { lines_.push_back(std::move(line)); }
    void choice(const std::string& name, unsigned value, unsigned count)
    {
        if (value >= count)
            add(name + ": " + std::to_string(value) + " is not one of its " + std::to_string(count) + " choices");
    }
    void range(const std::string& name, unsigned value, unsigned min, unsigned max)
    {
        if (value < min || value > max)
            add(name + ": " + std::to_string(value) + " - Please enter an integer between " + std::to_string(min) +
                " and " + std::to_string(max) + ".");
    }
    void text(const std::string& name, std::span<const char> field)
    {
        if (!terminated(field))
            add(name + ": the text has no terminator within its " + std::to_string(field.size()) + " bytes");
    }
    void refusal(const std::string& name, const rules::Refusal& r)
    {
        if (r)
            add(name + ": " + std::string(*r));
    }
    std::vector<std::string> take() { return std::move(lines_); }

  private:
    std::vector<std::string> lines_;
};

void check_operator(Findings& f, const std::string& name, const OperatorEntry& e)
{
    f.text(name + ".name", e.name);
    f.text(name + ".mms_url", e.mms_url);
    f.text(name + ".mms_gateway", e.mms_gateway);
    f.text(name + ".mms_port", e.mms_port);
    f.text(name + ".mms_apn", e.mms_apn);
    f.text(name + ".mms_account", e.mms_account);
    f.text(name + ".mms_password", e.mms_password);
    f.text(name + ".gprs_apn", e.gprs_apn);
    f.text(name + ".gprs_account", e.gprs_account);
    f.text(name + ".gprs_password", e.gprs_password);
}

} // namespace

std::vector<std::string> check_profile(const ProfileDocument& doc)
{
    Findings f;
    const CameraBlock& c = doc.record.camera;
    f.choice("camera.camera_mode", c.camera_mode, 2);
    f.choice("camera.photo_size", c.photo_size, 4);
    f.choice("camera.photo_burst", c.photo_burst, 3);
    f.choice("camera.video_size", c.video_size, 2);
    f.choice("camera.video_length", c.video_length, 56);
    f.choice("camera.sensitivity", c.sensitivity, 4);
    f.choice("camera.interval", c.interval, 72);
    f.choice("camera.start_stop_on", c.start_stop_on, 2);
    f.range("camera.start_hour", c.start_hour, 0, 23);
    f.range("camera.start_minute", c.start_minute, 0, 59);
    f.range("camera.stop_hour", c.stop_hour, 0, 23);
    f.range("camera.stop_minute", c.stop_minute, 0, 59);
    f.choice("camera.time_lapse", c.time_lapse, 79);
    f.choice("camera.time_stamp_on", c.time_stamp_on, 2);
    f.choice("camera.flash_range", c.flash_range, 2);
    f.choice("camera.password_on", c.password_on, 2);
    if (read_text(c.password_text).size() > 4)
        f.add("camera.password_text: Please enter no more than 4 characters.");

    const GsmBlock& g = doc.record.gsm;
    const SendSchedule s = unpack_send_schedule(g.send_schedule);
    f.choice("gsm.send_mode", s.send_mode, 3);
    f.refusal("gsm.instant_max", rules::check_instant_max(static_cast<int>(s.instant_max)));
    f.refusal("gsm.daily_time",
              rules::check_daily_time(static_cast<int>(s.daily_hour), static_cast<int>(s.daily_minute)));
    f.choice("gsm.send_via", g.send_via, 2);
    f.choice("gsm.send_to", g.send_to, 3);
    const OperatorSelect sel = unpack_operator_select(g.operator_select);
    if (!valid_country(sel.country_index))
        f.add("gsm.country_index: " + std::to_string(sel.country_index) + " is not in the country list (0 to 24)");
    else if (!valid_operator(sel.country_index, sel.operator_index))
        f.add("gsm.operator_index: " + std::to_string(sel.operator_index) + " is not an operator of " +
              std::string(country_name(sel.country_index)));
    f.refusal("gsm.max_size", rules::check_max_size(g.max_size));
    f.choice("gsm.rename_on", g.rename_on, 2);
    f.choice("gsm.sms_switch", g.sms_switch, 2);
    f.choice("gsm.band", g.band, 6);
    f.choice("gsm.cmd_log", g.cmd_log, 2);
    f.choice("gsm.qmm_dbg", g.qmm_dbg, 2);
    f.text("gsm.rename_text", g.rename_text);
    const std::string rename = read_text(g.rename_text);
    if (rename.size() > 8)
        f.add("gsm.rename_text: Please enter no more than 8 characters.");
    f.refusal("gsm.rename_text", rules::check_rename(rename));
    check_operator(f, "gsm.operator", g.operator_entry);
    f.text("gsm.email.server", g.email.server.server);
    f.text("gsm.email.port", g.email.server.port);
    if (secure_index(g.email.server.secure_type) > 2)
        f.add("gsm.email.secure_type: " + std::to_string(g.email.server.secure_type) +
              " is not one of NO, SSL/TLS, STARTTLS");
    f.text("gsm.email.account", g.email.account.account);
    f.text("gsm.email.password", g.email.account.password);
    f.text("gsm.email.email", g.email.account.email);
    f.text("gsm.email.user_name", g.email.account.user_name);

    bool any_phone = false;
    bool any_email = false;
    for (int i = 0; i < 4; ++i) {
        const std::string slot = "[" + std::to_string(i) + "]";
        f.text("gsm.phones" + slot, g.phones[i]);
        const std::string phone = read_text(g.phones[i]);
        f.refusal("gsm.phones" + slot, rules::check_phone_piece(phone));
        any_phone |= rules::piece_is_stored(phone);
        f.text("gsm.emails" + slot, g.emails[i]);
        const std::string email = read_text(g.emails[i]);
        f.refusal("gsm.emails" + slot, rules::check_email_piece(email));
        any_email |= rules::piece_is_stored(email);
    }
    if (!any_phone && rules::phone_required(g.send_to, g.sms_switch))
        f.add(std::string("gsm.phones: ") + rules::kPhoneMissing);
    if (!any_email && rules::email_required(g.send_to))
        f.add(std::string("gsm.emails: ") + rules::kEmailMissing);

    if (doc.custom)
        for (std::size_t i = 0; i < doc.custom->size(); ++i)
            check_operator(f, "custom_operators[" + std::to_string(i) + "]", (*doc.custom)[i]);
    return f.take();
}

std::optional<std::string> validate_for_writing(ProfileRecord& record)
{
    GsmBlock& g = record.gsm;
    const SendSchedule s = unpack_send_schedule(g.send_schedule);
    if (const auto m = rules::check_instant_max(static_cast<int>(s.instant_max)))
        return std::string(*m);
    if (const auto m = rules::check_daily_time(static_cast<int>(s.daily_hour), static_cast<int>(s.daily_minute)))
        return std::string(*m);
    // The dialog only ever writes rows its lists show.
    const OperatorSelect sel = unpack_operator_select(g.operator_select);
    if (!valid_operator(sel.country_index, sel.operator_index))
        return "country " + std::to_string(sel.country_index) + ", operator " + std::to_string(sel.operator_index) +
               " is not in the operator table";
    // Each slot is one piece of the dialog's recipient texts.
    rules::Pieces phones, emails;
    for (std::size_t j = 0; j < phones.size(); ++j) {
        if (!terminated(g.phones[j]) || !terminated(g.emails[j]))
            return "recipient " + std::to_string(j + 1) + " has no terminator";
        phones[j] = read_text(g.phones[j]);
        emails[j] = read_text(g.emails[j]);
    }
    if (const auto m = rules::store_recipients(g, phones, emails, g.send_to, g.sms_switch))
        return std::string(*m);
    const std::string rename = read_text(g.rename_text);
    if (rename.size() > 8)
        return std::string("Please enter no more than 8 characters.");
    if (const auto m = rules::check_rename(rename))
        return std::string(*m);
    if (const auto m = rules::check_max_size(g.max_size))
        return std::string(*m);
    return std::nullopt;
}

} // namespace tqr::cli
