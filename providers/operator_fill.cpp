#include "providers/operator_fill.h"

#include "settings/ansi_text.h"

#include <charconv>

namespace tqr::providers {

namespace {

// A text goes into its field only whole: a cut APN or password is worse
// than none, because the camera would fail without a word.
void put(std::optional<std::string>& field, const std::string& value, std::size_t limit, const char* field_name,
         std::vector<std::string>& notes)
{
    // Not echoed: the note would carry the very character it warns of.
    if (has_unusable_character(value)) {
        notes.push_back(std::string("The ") + field_name + " has a control character; the field is left as it was.");
        return;
    }
    std::optional<std::string> ansi = ansi::from_utf8(value);
    if (!ansi) {
        notes.push_back(std::string("The ") + field_name + " \"" + value +
                        "\" has characters the camera cannot store; the field is left as it was.");
        return;
    }
    if (ansi->size() > limit) {
        notes.push_back(std::string("The ") + field_name + " is longer than " + std::to_string(limit) +
                        " characters; the field is left as it was.");
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
        fill.notes.push_back("The database gives no MMS proxy; gateway and port are left as they were.");
        return;
    }
    if (has_unusable_character(proxy)) {
        fill.notes.push_back("The MMS proxy has a control character; gateway and port are left as they were.");
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
        fill.notes.push_back("The MMS proxy \"" + proxy +
                             "\" is a host name, which the gateway address cannot hold; gateway "
                             "and port are left as they were.");
        return;
    }
    if (colon == std::string_view::npos) {
        fill.notes.push_back("The MMS proxy \"" + proxy + "\" gives no port; gateway and port are left as they were.");
        return;
    }
    // No proxy listens on port 0, though the dialog would store it.
    auto port = whole_number(text.substr(colon + 1), static_cast<int>(kPortLimit));
    if (!port || *port == 0) {
        fill.notes.push_back("The port of the MMS proxy \"" + proxy + "\" is not between 1 and " +
                             std::to_string(kPortLimit) + "; gateway and port are left as they were.");
        return;
    }
    fill.gateway = address;
    fill.port = static_cast<unsigned>(*port);
}

} // namespace

OperatorFill plan_fill(const Operator& op, const AccessPoint* data, const AccessPoint* mms)
{
    OperatorFill fill;
    if (mms && !is_usable(*mms)) {
        fill.notes.push_back("The chosen MMS access point has a control character in its APN, account or password; "
                             "the MMS part is left as it was.");
    } else if (mms) {
        put(fill.url, mms->mmsc, kUrlLimit, "MMS URL", fill.notes);
        put_proxy(fill, mms->mms_proxy);
        put(fill.mms_apn, mms->apn, kApnLimit, "MMS APN", fill.notes);
        put(fill.mms_account, mms->username, kAccountLimit, "MMS account", fill.notes);
        put(fill.mms_password, mms->password, kPasswordLimit, "MMS password", fill.notes);
    } else {
        fill.notes.push_back(op.name + " has no MMS data in the database; only the GPRS part was filled.");
    }
    if (data && !is_usable(*data)) {
        fill.notes.push_back("The chosen data access point has a control character in its APN, account or password; "
                             "the GPRS part is left as it was.");
    } else if (data) {
        put(fill.gprs_apn, data->apn, kApnLimit, "GPRS APN", fill.notes);
        put(fill.gprs_account, data->username, kAccountLimit, "GPRS account", fill.notes);
        put(fill.gprs_password, data->password, kPasswordLimit, "GPRS password", fill.notes);
    } else {
        fill.notes.push_back(op.name + " has no data APN in the database; the GPRS part is left "
                                       "as it was.");
    }
    return fill;
}

} // namespace tqr::providers
