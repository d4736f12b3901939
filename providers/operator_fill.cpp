#include "providers/operator_fill.h"

#include "settings/ansi_text.h"

#include <charconv>

namespace tqr::providers {

namespace {

// A field's name as the note begins with it, followed by why the field is
// empty; the name is a text of its own so that each language words it once.
Phrase field_note(const char* field_name, const char* why, std::vector<std::string> args = {})
{
    Phrase note(field_name);
    note.then.emplace_back(why, std::move(args));
    return note;
}

// A text goes into its field only whole: a cut APN or password is worse
// than none, because the camera would fail without a word.
void put(std::string& field, const std::string& value, std::size_t limit, const char* field_name,
         std::vector<Phrase>& notes)
{
    // Not echoed: the note would carry the very character it warns of.
    if (has_unusable_character(value)) {
        notes.push_back(field_note(field_name, TQR_TR_NOOP("TQRSetup", ": the database's value has a control "
                                                                       "character; the field is left empty.")));
        return;
    }
    std::optional<std::string> ansi = ansi::from_utf8(value);
    if (!ansi) {
        notes.push_back(field_note(field_name,
                                   TQR_TR_NOOP("TQRSetup", ": the database's value \"%1\" has characters the "
                                                           "camera cannot store; the field is left empty."),
                                   {value}));
        return;
    }
    if (ansi->size() > limit) {
        notes.push_back(field_note(field_name,
                                   TQR_TR_NOOP("TQRSetup", ": the database's value is longer than %1 characters; the "
                                                           "field is left empty."),
                                   {std::to_string(limit)}));
        return;
    }
    field = value;
}

std::optional<int> whole_number(std::string_view text, int max)
{
    if (text.empty() || text.size() > 5)
        return std::nullopt;
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value > max)
        return std::nullopt;
    return value;
}

std::optional<std::array<int, 4>> dotted_address(std::string_view host)
{
    std::array<int, 4> octets{};
    for (int i = 0; i < 4; ++i) {
        auto dot = host.find('.');
        std::string_view part = i < 3 ? host.substr(0, dot) : host;
        if ((i < 3 && dot == std::string_view::npos) || part.size() > 3)
            return std::nullopt;
        auto value = whole_number(part, 255);
        if (!value)
            return std::nullopt;
        octets[static_cast<std::size_t>(i)] = *value;
        if (i < 3)
            host.remove_prefix(dot + 1);
    }
    return octets;
}

// Gateway and port go in together or not at all: a new gateway with the
// old port (or the reverse) is a proxy nobody configured.
void put_proxy(OperatorFill& fill, const std::string& proxy)
{
    if (proxy.empty()) {
        fill.notes.emplace_back(
            TQR_TR_NOOP("TQRSetup", "The database gives no MMS proxy; gateway and port are left empty."));
        return;
    }
    if (has_unusable_character(proxy)) {
        fill.notes.emplace_back(
            TQR_TR_NOOP("TQRSetup", "The MMS proxy has a control character; gateway and port are left empty."));
        return;
    }
    std::string_view text = proxy;
    // An "http://" written before the proxy is common in the database.
    if (text.starts_with("http://"))
        text.remove_prefix(7);
    if (auto slash = text.find('/'); slash != std::string_view::npos)
        text = text.substr(0, slash);
    auto colon = text.rfind(':');
    std::string_view host = text.substr(0, colon);
    auto address = dotted_address(host);
    if (!address) {
        fill.notes.emplace_back(TQR_TR_NOOP("TQRSetup", "The MMS proxy \"%1\" is a host name, which the gateway "
                                                        "address cannot hold; gateway and port are left empty."),
                                std::vector{proxy});
        return;
    }
    if (colon == std::string_view::npos) {
        fill.notes.emplace_back(
            TQR_TR_NOOP("TQRSetup", "The MMS proxy \"%1\" gives no port; gateway and port are left empty."),
            std::vector{proxy});
        return;
    }
    // No proxy listens on port 0, though the dialog would store it.
    auto port = whole_number(text.substr(colon + 1), static_cast<int>(kPortLimit));
    if (!port || *port == 0) {
        fill.notes.emplace_back(TQR_TR_NOOP("TQRSetup", "The port of the MMS proxy \"%1\" is not between 1 and %2; "
                                                        "gateway and port are left empty."),
                                std::vector{proxy, std::to_string(kPortLimit)});
        return;
    }
    fill.gateway = *address;
    fill.port = static_cast<unsigned>(*port);
}

} // namespace

OperatorFill plan_fill(const Operator& op, const AccessPoint* data, const AccessPoint* mms)
{
    // Starts all empty: whatever is not filled below stays so.
    OperatorFill fill;
    if (mms && !is_usable(*mms)) {
        fill.notes.emplace_back(TQR_TR_NOOP("TQRSetup", "The chosen MMS access point has a control character in its "
                                                        "APN, account or password; the MMS fields are left empty."));
    } else if (mms) {
        put(fill.url, mms->mmsc, kUrlLimit, TQR_TR_NOOP("TQRSetup", "MMS URL"), fill.notes);
        put_proxy(fill, mms->mms_proxy);
        put(fill.mms_apn, mms->apn, kApnLimit, TQR_TR_NOOP("TQRSetup", "MMS APN"), fill.notes);
        put(fill.mms_account, mms->username, kAccountLimit, TQR_TR_NOOP("TQRSetup", "MMS account"), fill.notes);
        put(fill.mms_password, mms->password, kPasswordLimit, TQR_TR_NOOP("TQRSetup", "MMS password"), fill.notes);
    } else {
        fill.notes.emplace_back(
            TQR_TR_NOOP("TQRSetup", "%1 has no MMS data in the database; the MMS fields are left empty."),
            std::vector{op.name});
    }
    if (data && !is_usable(*data)) {
        fill.notes.emplace_back(TQR_TR_NOOP("TQRSetup", "The chosen data access point has a control character in its "
                                                        "APN, account or password; the GPRS fields are left empty."));
    } else if (data) {
        put(fill.gprs_apn, data->apn, kApnLimit, TQR_TR_NOOP("TQRSetup", "GPRS APN"), fill.notes);
        put(fill.gprs_account, data->username, kAccountLimit, TQR_TR_NOOP("TQRSetup", "GPRS account"), fill.notes);
        put(fill.gprs_password, data->password, kPasswordLimit, TQR_TR_NOOP("TQRSetup", "GPRS password"), fill.notes);
    } else {
        fill.notes.emplace_back(
            TQR_TR_NOOP("TQRSetup", "%1 has no data APN in the database; the GPRS fields are left empty."),
            std::vector{op.name});
    }
    return fill;
}

} // namespace tqr::providers
