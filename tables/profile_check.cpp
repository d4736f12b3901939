#include "tables/profile_check.h"

#include "settings/record_schema.h"
#include "settings/value_rules.h"
#include "tables/operator_table.h"

#include <algorithm>
#include <cstring>

namespace tqr {

namespace {

using schema::Id;

// What the GSM page's OK refuses, in its order: the exchange's length
// check, then the page's own checks.
void dialog_refusals(const GsmBlock& g, std::vector<Finding>& out)
{
    const auto add = [&](rules::Refusal m) {
        if (m)
            out.push_back({m->key, std::string(m->message), m->detail.english()});
    };
    const std::string rename = read_text(g.rename_text);
    const std::size_t rename_limit = schema::field(Id::rename_text).max_chars;
    if (rename.size() > rename_limit)
        out.push_back(
            {schema::field(Id::rename_text).key,
             "Please enter no more than " + std::to_string(rename_limit) + " characters.",
             rules::too_many_characters_detail("Rename text", rules::quoted(rename), rename.size(), rename_limit, false)
                 .english()});
    const SendSchedule s = unpack_send_schedule(g.send_schedule);
    add(rules::check_instant_max(static_cast<int>(s.instant_max)));
    add(rules::check_daily_time(static_cast<int>(s.daily_hour), static_cast<int>(s.daily_minute)));
    // The recipients as the page shows them and stores them again, with
    // Send To as the page loads it: GPRS checks "Email" whatever was stored.
    GsmBlock stored = g;
    const int send_to = g.send_via == 1 ? 1 : g.send_to;
    add(rules::store_recipients(stored, rules::phones_text(g), rules::emails_text(g), send_to, g.sms_switch));
    add(rules::check_rename(rename));
    add(rules::check_max_size(g.max_size));
}

// The dialog writes these itself on OK, whatever the file held.
bool written_by_ok(Id id)
{
    return id == Id::band || id == Id::cmd_log || id == Id::qmm_dbg;
}

// Values that no control of the dialog can produce.
void impossible_values(const ProfileRecord& r, std::vector<Finding>& out)
{
    for (const schema::Field& f : schema::fields()) {
        if (f.kind == schema::Kind::reserved || f.id == Id::model_index || f.id == Id::email_reserved)
            continue;
        // Checked against the tables below, or by the dialog's own rules.
        if (f.id == Id::country_index || f.id == Id::operator_index || f.id == Id::instant_max ||
            f.id == Id::daily_hour || f.id == Id::daily_minute || f.id == Id::max_size)
            continue;
        if (f.kind == schema::Kind::text) {
            const auto field = schema::text(r, f);
            if (std::memchr(field.data(), 0, field.size()) == nullptr)
                out.push_back({f.key, "the text has no terminator within its " + std::to_string(f.width) + " bytes"});
            continue;
        }
        const unsigned v = schema::number(r, f);
        if (schema::allowed(f, v))
            continue;
        if (f.choices != nullptr)
            out.push_back({f.key, "expected " + schema::accepted_values(f) + ", not " + std::to_string(v)});
        else
            out.push_back({f.key,
                           std::to_string(v) + " - Please enter an integer between " + std::to_string(f.min) + " and " +
                               std::to_string(f.max) + ".",
                           rules::out_of_range_detail(f.label, v, f.min, f.max).english()});
    }
    const std::string password = read_text(r.camera.password_text);
    if (password.size() > schema::field(Id::password_text).max_chars)
        out.push_back(
            {schema::field(Id::password_text).key,
             "Please enter no more than " + std::to_string(schema::max_chars(Id::password_text)) + " characters.",
             rules::too_many_characters_detail("Password", "", password.size(), schema::max_chars(Id::password_text),
                                               true)
                 .english()});
    else if (password.find_first_not_of("0123456789") != std::string::npos)
        out.push_back({schema::field(Id::password_text).key, "the camera's password takes digits only"});
    // GPRS carries e-mail only: the page checks "Email" and greys the rest.
    if (r.gsm.send_via == 1 && r.gsm.send_to != 1)
        out.push_back({schema::field(Id::send_to).key, "with GPRS the pictures go to Email only (1)"});
    // What "Email Set" refuses, though the page's OK does not check the
    // e-mail block: a port no server listens on, and a sender that would
    // break the camera's mail dialogue. An empty port is an account not
    // set up at all.
    const std::string port = read_text(r.gsm.email.server.port);
    if (!port.empty())
        if (const auto m = rules::check_smtp_port(port))
            out.push_back({m->key, std::string(m->message), m->detail.english()});
    const std::string sender = read_text(r.gsm.email.account.email);
    if (rules::has_control_character(sender) || sender.find_first_of("<>") != std::string::npos)
        if (const auto m = rules::check_sender(sender))
            out.push_back({m->key, std::string(m->message), m->detail.english()});

    const OperatorSelect sel = unpack_operator_select(r.gsm.operator_select);
    if (!valid_country(sel.country_index))
        out.push_back({schema::field(Id::country_index).key, std::to_string(sel.country_index) +
                                                                 " is not in the country list (0 to " +
                                                                 std::to_string(kCountryCount - 1) + ")"});
    else if (!valid_operator(sel.country_index, sel.operator_index))
        out.push_back({schema::field(Id::operator_index).key, std::to_string(sel.operator_index) +
                                                                  " is not an operator of " +
                                                                  std::string(country_name(sel.country_index))});
}

// The camera takes every text as it stands: a control character in an APN,
// an account or a server name never works. The recipients and the sender
// have the dialog's own refusals above.
void control_characters(const ProfileDocument& doc, std::vector<Finding>& out)
{
    const auto check = [&](const std::string& key, const char* field, std::size_t width) {
        const std::string text(field, strnlen(field, width));
        if (rules::has_control_character(text))
            out.push_back({key, "the text holds a control character, which the camera cannot use"});
    };
    // A built-in operator's row is put in by OK, whatever the file holds.
    const bool own_operator = unpack_operator_select(doc.record.gsm.operator_select).country_index == kCustomerCountry;
    for (const schema::Field& f : schema::fields()) {
        if (f.kind != schema::Kind::text || f.id == Id::email_address || (f.id >= Id::phone_0 && f.id <= Id::email_3))
            continue;
        if (!own_operator && f.key.starts_with("gsm.operator."))
            continue;
        const auto field = schema::text(doc.record, f);
        check(f.key, reinterpret_cast<const char*>(field.data()), field.size());
    }
    if (doc.custom)
        for (std::size_t i = 0; i < doc.custom->size(); ++i)
            for (const auto& t : schema::operator_texts())
                check("custom_operators[" + std::to_string(i) + "]." + t.name,
                      reinterpret_cast<const char*>(&(*doc.custom)[i]) + t.offset, t.width);
}

// For a built-in country the dialog's OK puts the table's row into the
// record; a different block would not survive it.
bool operator_block_differs(const GsmBlock& g)
{
    const OperatorSelect sel = unpack_operator_select(g.operator_select);
    if (sel.country_index == kCustomerCountry || !valid_operator(sel.country_index, sel.operator_index))
        return false;
    return std::memcmp(&g.operator_entry, &operator_row(sel.country_index, sel.operator_index),
                       sizeof(OperatorEntry)) != 0;
}

} // namespace

std::vector<Finding> find_faults(const ProfileDocument& doc)
{
    std::vector<Finding> out;
    dialog_refusals(doc.record.gsm, out);
    impossible_values(doc.record, out);
    control_characters(doc, out);
    if (operator_block_differs(doc.record.gsm)) {
        const OperatorSelect sel = unpack_operator_select(doc.record.gsm.operator_select);
        out.push_back({"gsm.operator", "differs from the row of " + std::string(country_name(sel.country_index)) +
                                           " / " + read_text(operator_row(sel.country_index, sel.operator_index).name) +
                                           ", which the dialog's OK puts in its place"});
    }
    if (doc.custom)
        for (std::size_t i = 0; i < doc.custom->size(); ++i)
            for (const auto& t : schema::operator_texts()) {
                const char* field = reinterpret_cast<const char*>(&(*doc.custom)[i]) + t.offset;
                if (std::memchr(field, 0, t.width) == nullptr)
                    out.push_back({"custom_operators[" + std::to_string(i) + "]." + t.name,
                                   "the text has no terminator within its " + std::to_string(t.width) + " bytes"});
            }
    return out;
}

namespace {
// Not refused by write: the dialog's OK replaces the operator block and
// writes the hidden settings itself.
bool put_right_by_ok(const Finding& f)
{
    const schema::Field* field = schema::find(f.key);
    return f.key == "gsm.operator" || (field != nullptr && written_by_ok(field->id));
}
} // namespace

std::vector<Finding> check_findings(const ProfileDocument& doc)
{
    std::vector<Finding> faults = find_faults(doc);
    // What write would refuse first, so that the first line is its refusal.
    std::stable_partition(faults.begin(), faults.end(), [](const Finding& f) { return !put_right_by_ok(f); });
    return faults;
}

std::vector<std::string> check_profile(const ProfileDocument& doc)
{
    std::vector<std::string> lines;
    for (const auto& f : check_findings(doc))
        lines.push_back(f.key + ": " + f.message);
    return lines;
}

std::vector<Finding> values_no_control_produces(const ProfileRecord& record)
{
    std::vector<Finding> out;
    impossible_values(record, out);
    std::erase_if(out, [](const Finding& f) {
        const schema::Field* field = schema::find(f.key);
        return field != nullptr && written_by_ok(field->id);
    });
    return out;
}

std::optional<Finding> prepare_for_writing(ProfileRecord& record)
{
    ProfileDocument doc;
    doc.record = record;
    std::vector<Finding> faults = find_faults(doc);
    std::erase_if(faults, put_right_by_ok);
    if (!faults.empty())
        return faults.front();

    GsmBlock& g = record.gsm;
    const OperatorSelect sel = unpack_operator_select(g.operator_select);
    if (sel.country_index != kCustomerCountry)
        g.operator_entry = operator_row(sel.country_index, sel.operator_index);
    rules::store_recipients(g, rules::phones_text(g), rules::emails_text(g), g.send_to, g.sms_switch);
    for (const Id id : {Id::band, Id::cmd_log, Id::qmm_dbg})
        schema::set_number(record, schema::field(id), schema::factory_number(id));
    return std::nullopt;
}

} // namespace tqr
