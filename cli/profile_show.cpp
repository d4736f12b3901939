#include "cli/profile_show.h"

#include "settings/ansi_text.h"
#include "tables/operator_table.h"
#include "tables/provider_table.h"

#include <sstream>
#include <vector>

namespace tqr::cli {

namespace {

std::string pick(const std::vector<std::string>& names, unsigned value)
{
    return value < names.size() ? names[value] : "(" + std::to_string(value) + ", not in the list)";
}

std::string seconds_or_minutes(unsigned i, bool lapse)
{
    if (lapse && i == 0)
        return "Off";
    if (i < 12)
        return std::to_string(5 * i) + " sec";
    if (i < (lapse ? 71u : 72u))
        return std::to_string(i - 11) + " min";
    if (lapse && i < 79)
        return std::to_string(i - 70) + " hour";
    return "(" + std::to_string(i) + ", not in the list)";
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
    const GsmBlock& g = doc.record.gsm;
    const SendSchedule s = unpack_send_schedule(g.send_schedule);
    add("File", doc.kind == FileKind::store_file ? "store file" : "PROFILE.BIN");
    std::string mode = pick({"Instant", "DailyReport", "Off"}, s.send_mode);
    if (s.send_mode == 0)
        mode += ", at most " + std::to_string(s.instant_max) + " sends";
    else if (s.send_mode == 1)
        mode += " at " + two(s.daily_hour) + ":" + two(s.daily_minute);
    add("Send Mode", mode);
    add("Send Via", pick({"MMS", "GPRS"}, g.send_via));
    add("Send To", pick({"Phone", "Email", "Both"}, g.send_to));
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
    add("Secure Type",
        pick({"NO", "SSL/TLS", "STARTTLS"}, static_cast<unsigned>(secure_index(g.email.server.secure_type))));
    add("Sender Email", read_text(g.email.account.email));
    add("Account", read_text(g.email.account.account));
    add("Email Password", secret(read_text(g.email.account.password), show_passwords));
    std::string phones, emails;
    for (int i = 0; i < 4; ++i) {
        if (g.phones[i][0] != 0)
            phones += read_text(g.phones[i]) + ";";
        if (g.emails[i][0] != 0)
            emails += read_text(g.emails[i]) + ";";
    }
    add("Phone Recipients", phones);
    add("Email Recipients", emails);
    add("Rename", pick({"Off", "On"}, g.rename_on) + (g.rename_on == 1 ? " " + read_text(g.rename_text) : ""));
    add("SMS Switch", pick({"Off", "On"}, g.sms_switch));
    add("Max Size", std::to_string(g.max_size) + " KB");

    const CameraBlock& c = doc.record.camera;
    add("Camera Mode", pick({"Photo", "Video"}, c.camera_mode));
    add("Photo Size", pick({"3 MP", "5 MP", "6 MP", "8 MP"}, c.photo_size));
    add("Photo Burst", pick({"1 Photo", "2 Photos", "3 Photos"}, c.photo_burst));
    add("Video Size", pick({"QVGA", "VGA"}, c.video_size));
    add("Video Length", c.video_length < 56 ? std::to_string(c.video_length + 5) + " sec"
                                            : "(" + std::to_string(c.video_length) + ", not in the list)");
    add("Sensitivity", pick({"Off", "Low", "Normal", "High"}, c.sensitivity));
    add("Interval", seconds_or_minutes(c.interval, false));
    add("Time Lapse", seconds_or_minutes(c.time_lapse, true));
    add("Start-Stop", pick({"Off", "On"}, c.start_stop_on) + " " + two(c.start_hour) + ":" + two(c.start_minute) +
                          " --- " + two(c.stop_hour) + ":" + two(c.stop_minute));
    add("Time Stamp", pick({"Off", "On"}, c.time_stamp_on));
    add("Flash Range", pick({"6m/20ft", "12m/40ft"}, c.flash_range));
    add("Camera Password",
        pick({"Off", "On"}, c.password_on) + " " + secret(read_text(c.password_text), show_passwords));
    return out;
}

} // namespace

std::string show_profile(const ProfileDocument& doc, bool show_passwords)
{
    std::ostringstream out;
    for (const auto& [name, value] : settings(doc, show_passwords))
        out << name << ": " << value << "\n";
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
