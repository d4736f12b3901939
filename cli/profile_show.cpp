#include "cli/profile_show.h"

#include "cli/printable.h"
#include "settings/ansi_text.h"
#include "settings/record_schema.h"
#include "settings/value_rules.h"
#include "tables/operator_table.h"
#include "tables/provider_table.h"

#include <sstream>
#include <vector>

namespace tqr::cli {

namespace {

using schema::Id;

// The list text the form shows for a stored choice.
std::string pick(Id id, unsigned value)
{
    return schema::choice_text(schema::field(id), value).value_or("(" + std::to_string(value) + ", not in the list)");
}

std::string two(unsigned v)
{
    return (v < 10 ? "0" : "") + std::to_string(v);
}

std::string secret(const std::string& text, bool show)
{
    if (show || text.empty())
        return text;
    return std::string(text.size(), '*');
}

// Ordered pairs of setting name and its shown value.
std::vector<std::pair<std::string, std::string>> settings(const ProfileDocument& doc, bool show_passwords)
{
    std::vector<std::pair<std::string, std::string>> out;
    const auto add = [&](std::string name, const std::string& value) {
        out.emplace_back(std::move(name), ansi::to_utf8(value));
    };
    // A setting shown by its form's list text, under the schema's name.
    const auto choice = [&](Id id, unsigned value) { add(schema::field(id).label, pick(id, value)); };
    const GsmBlock& g = doc.record.gsm;
    const SendSchedule s = unpack_send_schedule(g.send_schedule);
    add("File", doc.kind == FileKind::store_file ? "store file" : "PROFILE.BIN");
    if (doc.ignored_bytes != 0)
        add("Ignored",
            std::to_string(doc.ignored_bytes) + " bytes past the store file's 1672, as the dialog ignores them");
    std::string mode = pick(Id::send_mode, s.send_mode);
    if (s.send_mode == 0)
        mode += ", at most " + std::to_string(s.instant_max) + " sends";
    else if (s.send_mode == 1)
        mode += " at " + two(s.daily_hour) + ":" + two(s.daily_minute);
    add("Send Mode", mode);
    choice(Id::send_via, g.send_via);
    choice(Id::send_to, g.send_to);
    const OperatorSelect sel = unpack_operator_select(g.operator_select);
    add("Country", valid_country(sel.country_index) ? std::string(country_name(sel.country_index))
                                                    : "(" + std::to_string(sel.country_index) + ", not in the list)");
    add("Operator", valid_operator(sel.country_index, sel.operator_index)
                        ? read_text(operator_row(sel.country_index, sel.operator_index).name)
                        : "(" + std::to_string(sel.operator_index) + ", not in the list)");
    const OperatorEntry& e = g.operator_entry;
    add("Operator in use", read_text(e.name));
    add("MMS URL", read_text(e.mms_url));
    add("MMS Gateway", read_text(e.mms_gateway));
    add("MMS Port", read_text(e.mms_port));
    add("MMS APN", read_text(e.mms_apn));
    add("MMS Account", read_text(e.mms_account));
    add("MMS Password", secret(read_text(e.mms_password), show_passwords));
    add("GPRS APN", read_text(e.gprs_apn));
    add("GPRS Account", read_text(e.gprs_account));
    add("GPRS Password", secret(read_text(e.gprs_password), show_passwords));
    add("Email Provider", ProviderNames[find_provider_by_server(g.email.server)]);
    add("SMTP Server", read_text(g.email.server.server));
    add("SMTP Port", read_text(g.email.server.port));
    // The camera reads the low four bits only.
    choice(Id::email_secure_type, kSecureBase + secure_index(g.email.server.secure_type));
    add("Sender Email", read_text(g.email.account.email));
    add("Account", read_text(g.email.account.account));
    add("Email Password", secret(read_text(g.email.account.password), show_passwords));
    add("Phone Recipients", rules::phones_text(g));
    add("Email Recipients", rules::emails_text(g));
    add("Rename", pick(Id::rename_on, g.rename_on) + (g.rename_on == 1 ? " " + read_text(g.rename_text) : ""));
    choice(Id::sms_switch, g.sms_switch);
    add("Max Size", std::to_string(g.max_size) + " KB");

    const CameraBlock& c = doc.record.camera;
    choice(Id::camera_mode, c.camera_mode);
    choice(Id::photo_size, c.photo_size);
    choice(Id::photo_burst, c.photo_burst);
    choice(Id::video_size, c.video_size);
    choice(Id::video_length, c.video_length);
    choice(Id::sensitivity, c.sensitivity);
    choice(Id::interval, c.interval);
    choice(Id::time_lapse, c.time_lapse);
    add("Start-Stop", pick(Id::start_stop_on, c.start_stop_on) + " " + two(c.start_hour) + ":" + two(c.start_minute) +
                          " --- " + two(c.stop_hour) + ":" + two(c.stop_minute));
    choice(Id::time_stamp_on, c.time_stamp_on);
    choice(Id::flash_range, c.flash_range);
    add("Camera Password",
        pick(Id::password_on, c.password_on) + " " + secret(read_text(c.password_text), show_passwords));
    return out;
}

} // namespace

std::string show_profile(const ProfileDocument& doc, bool show_passwords)
{
    std::ostringstream out;
    for (const auto& [name, value] : settings(doc, show_passwords))
        out << name << ": " << printable(value) << "\n";
    return out.str();
}

Json show_profile_json(const ProfileDocument& doc, bool show_passwords)
{
    Json j = Json::object();
    for (const auto& [name, value] : settings(doc, show_passwords))
        j[name] = value;
    return j;
}

} // namespace tqr::cli
