#include "cli/profile_json.h"

#include "settings/ansi_text.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <span>
#include <vector>

namespace tqr::cli {

namespace {

struct U16Field {
    const char* name;
    std::size_t offset; // within its block
};

#define TQR_FIELD(block, member)                                                                                       \
    U16Field                                                                                                           \
    {                                                                                                                  \
#member, offsetof(block, member)                                                                               \
    }
const U16Field kCameraNumbers[] = {
    TQR_FIELD(CameraBlock, camera_mode),  TQR_FIELD(CameraBlock, photo_size),    TQR_FIELD(CameraBlock, photo_burst),
    TQR_FIELD(CameraBlock, video_size),   TQR_FIELD(CameraBlock, video_length),  TQR_FIELD(CameraBlock, sensitivity),
    TQR_FIELD(CameraBlock, interval),     TQR_FIELD(CameraBlock, start_stop_on), TQR_FIELD(CameraBlock, start_hour),
    TQR_FIELD(CameraBlock, start_minute), TQR_FIELD(CameraBlock, stop_hour),     TQR_FIELD(CameraBlock, stop_minute),
    TQR_FIELD(CameraBlock, time_lapse),   TQR_FIELD(CameraBlock, time_stamp_on), TQR_FIELD(CameraBlock, flash_range),
    TQR_FIELD(CameraBlock, password_on),
};
const U16Field kGsmNumbers[] = {
    TQR_FIELD(GsmBlock, send_via),  TQR_FIELD(GsmBlock, send_to),    TQR_FIELD(GsmBlock, max_size),
    TQR_FIELD(GsmBlock, rename_on), TQR_FIELD(GsmBlock, sms_switch), TQR_FIELD(GsmBlock, gsm_reserved),
    TQR_FIELD(GsmBlock, band),      TQR_FIELD(GsmBlock, cmd_log),    TQR_FIELD(GsmBlock, qmm_dbg),
};
#undef TQR_FIELD

struct TextField {
    const char* name;
    std::size_t offset;
    std::size_t width;
};

#define TQR_TEXT(block, member)                                                                                        \
    TextField                                                                                                          \
    {                                                                                                                  \
#member, offsetof(block, member), sizeof(block::member)                                                        \
    }
const TextField kOperatorTexts[] = {
    TQR_TEXT(OperatorEntry, name),          TQR_TEXT(OperatorEntry, mms_url),  TQR_TEXT(OperatorEntry, mms_gateway),
    TQR_TEXT(OperatorEntry, mms_port),      TQR_TEXT(OperatorEntry, mms_apn),  TQR_TEXT(OperatorEntry, mms_account),
    TQR_TEXT(OperatorEntry, mms_password),  TQR_TEXT(OperatorEntry, gprs_apn), TQR_TEXT(OperatorEntry, gprs_account),
    TQR_TEXT(OperatorEntry, gprs_password),
};
const TextField kServerTexts[] = {TQR_TEXT(EmailServer, server), TQR_TEXT(EmailServer, port)};
const TextField kAccountTexts[] = {
    TQR_TEXT(EmailAccount, account),
    TQR_TEXT(EmailAccount, password),
    TQR_TEXT(EmailAccount, email),
    TQR_TEXT(EmailAccount, user_name),
};
#undef TQR_TEXT

std::uint16_t get_u16(const void* block, std::size_t offset)
{
    LeU16 v;
    std::memcpy(&v, static_cast<const char*>(block) + offset, 2);
    return v;
}

void set_u16(void* block, std::size_t offset, std::uint16_t value)
{
    LeU16 v;
    v = value;
    std::memcpy(static_cast<char*>(block) + offset, &v, 2);
}

} // namespace

namespace {

std::string utf8_to_ansi(const std::string& text, const std::string& key)
{
    if (auto bytes = ansi::from_utf8(text))
        return std::move(*bytes);
    throw ProfileError(key + ": holds a character the camera cannot store (only Western European text, "
                             "Windows code page 1252)");
}

const char kHex[] = "0123456789abcdef";

// A field is plain text when it is its text followed by zeros only.
Json text_to_json(std::span<const char> field)
{
    const std::string text = read_text(field);
    bool plain = text.size() < field.size();
    for (std::size_t i = text.size(); plain && i < field.size(); ++i)
        plain = field[i] == '\0';
    if (plain)
        return ansi::to_utf8(text);
    std::string hex;
    for (const char c : field) {
        hex += kHex[(static_cast<unsigned char>(c) >> 4) & 0xF];
        hex += kHex[static_cast<unsigned char>(c) & 0xF];
    }
    return Json{{"hex", hex}};
}

// Reads the keys of an object, refusing unknown ones and missing ones.
class ObjectReader {
  public:
    ObjectReader(const Json& object, std::string path) : object_(object), path_(std::move(path))
    {
        if (!object_.is_object())
            throw ProfileError(where() + ": expected an object");
    }
    ~ObjectReader() = default;

    const Json& at(const std::string& key)
    {
        used_.insert(key);
        const auto it = object_.find(key);
        if (it == object_.end())
            throw ProfileError(join(key) + ": missing");
        return *it;
    }
    bool has(const std::string& key) const { return object_.contains(key); }
    std::string join(const std::string& key) const { return path_.empty() ? key : path_ + "." + key; }

    unsigned long number(const std::string& key, unsigned long max)
    {
        const Json& v = at(key);
        if (!v.is_number_unsigned() && !(v.is_number_integer() && v.get<long long>() >= 0))
            throw ProfileError(join(key) + ": expected a whole number from 0 to " + std::to_string(max));
        const auto n = v.get<unsigned long long>();
        if (n > max)
            throw ProfileError(join(key) + ": " + std::to_string(n) + " is above " + std::to_string(max));
        return static_cast<unsigned long>(n);
    }

    void text(const std::string& key, std::span<char> field) { text_value(at(key), join(key), field); }

    // A text given as a string or as {"hex": ...}; `name` is its path.
    static void text_value(const Json& v, const std::string& name, std::span<char> field)
    {
        if (v.is_string()) {
            const std::string text = utf8_to_ansi(v.get<std::string>(), name);
            if (text.size() >= field.size())
                throw ProfileError(name + ": longer than " + std::to_string(field.size() - 1) + " characters");
            write_text(field, text);
            return;
        }
        ObjectReader raw(v, name);
        const Json& h = raw.at("hex");
        raw.finish();
        if (!h.is_string() || h.get<std::string>().size() != 2 * field.size())
            throw ProfileError(name + ".hex: expected " + std::to_string(2 * field.size()) + " hex digits");
        const std::string hex = h.get<std::string>();
        for (std::size_t i = 0; i < field.size(); ++i) {
            const auto digit = [&](char c) {
                const char* p = std::strchr(kHex, c >= 'A' && c <= 'F' ? c - 'A' + 'a' : c);
                if (c == '\0' || p == nullptr)
                    throw ProfileError(name + ".hex: not a hex digit");
                return static_cast<int>(p - kHex);
            };
            field[i] = static_cast<char>(digit(hex[2 * i]) * 16 + digit(hex[2 * i + 1]));
        }
    }

    // Every key of the object must have been read.
    void finish() const
    {
        for (auto it = object_.begin(); it != object_.end(); ++it)
            if (used_.count(it.key()) == 0)
                throw ProfileError(join(it.key()) + ": unknown key");
    }

  private:
    std::string where() const { return path_.empty() ? "the description" : path_; }

    const Json& object_;
    std::string path_;
    std::set<std::string> used_;
};

template <std::size_t N> Json texts_to_json(const void* block, const TextField (&fields)[N])
{
    Json j = Json::object();
    for (const auto& f : fields)
        j[f.name] = text_to_json(std::span<const char>(static_cast<const char*>(block) + f.offset, f.width));
    return j;
}

template <std::size_t N> void texts_from_json(ObjectReader& r, void* block, const TextField (&fields)[N])
{
    for (const auto& f : fields)
        r.text(f.name, std::span<char>(static_cast<char*>(block) + f.offset, f.width));
}

Json operator_to_json(const OperatorEntry& e)
{
    return texts_to_json(&e, kOperatorTexts);
}

OperatorEntry operator_from_json(const Json& j, const std::string& path)
{
    OperatorEntry e{};
    ObjectReader r(j, path);
    texts_from_json(r, &e, kOperatorTexts);
    r.finish();
    return e;
}

} // namespace

Json to_json(const ProfileDocument& doc)
{
    const ProfileRecord& r = doc.record;
    Json j;
    j["file"] = doc.kind == FileKind::store_file ? "store file" : "PROFILE.BIN";
    if (doc.kind == FileKind::store_file) {
        j["model_index"] = static_cast<unsigned>(r.model_index);
        j["header_reserved"] = static_cast<unsigned>(r.header_reserved);
    }
    Json camera = Json::object();
    for (const auto& f : kCameraNumbers)
        camera[f.name] = get_u16(&r.camera, f.offset);
    Json reserved = Json::array();
    for (const auto& w : r.camera.camera_reserved)
        reserved.push_back(static_cast<unsigned>(w));
    camera["camera_reserved"] = reserved;
    camera["password_text"] = text_to_json(r.camera.password_text);
    j["camera"] = camera;

    const GsmBlock& g = r.gsm;
    Json gsm = Json::object();
    const SendSchedule s = unpack_send_schedule(g.send_schedule);
    gsm["send_mode"] = s.send_mode;
    gsm["instant_max"] = s.instant_max;
    gsm["daily_hour"] = s.daily_hour;
    gsm["daily_minute"] = s.daily_minute;
    const OperatorSelect sel = unpack_operator_select(g.operator_select);
    gsm["country_index"] = sel.country_index;
    gsm["operator_index"] = sel.operator_index;
    for (const auto& f : kGsmNumbers)
        gsm[f.name] = get_u16(&g, f.offset);
    gsm["rename_text"] = text_to_json(g.rename_text);
    gsm["operator"] = operator_to_json(g.operator_entry);
    Json email = texts_to_json(&g.email.server, kServerTexts);
    email["secure_type"] = g.email.server.secure_type;
    email["reserved"] = g.email.server.reserved;
    email.update(texts_to_json(&g.email.account, kAccountTexts));
    gsm["email"] = email;
    Json phones = Json::array();
    for (const auto& slot : g.phones)
        phones.push_back(text_to_json(slot));
    gsm["phones"] = phones;
    Json emails = Json::array();
    for (const auto& slot : g.emails)
        emails.push_back(text_to_json(slot));
    gsm["emails"] = emails;
    j["gsm"] = gsm;

    if (doc.custom) {
        Json custom = Json::array();
        for (const auto& e : *doc.custom)
            custom.push_back(operator_to_json(e));
        j["custom_operators"] = custom;
    }
    return j;
}

ProfileDocument from_json(const Json& json)
{
    ProfileDocument doc;
    ProfileRecord& r = doc.record;
    std::memcpy(r.magic, kMagicText, kMagicSize);
    r.model_index = 6;
    ObjectReader top(json, "");
    const Json& file = top.at("file");
    if (file == "store file")
        doc.kind = FileKind::store_file;
    else if (file == "PROFILE.BIN")
        doc.kind = FileKind::profile_bin;
    else
        throw ProfileError("file: expected \"PROFILE.BIN\" or \"store file\"");
    if (doc.kind == FileKind::store_file) {
        r.model_index = static_cast<std::uint16_t>(top.number("model_index", 65535));
        r.header_reserved = static_cast<std::uint16_t>(top.number("header_reserved", 65535));
    }

    ObjectReader camera(top.at("camera"), "camera");
    for (const auto& f : kCameraNumbers)
        set_u16(&r.camera, f.offset, static_cast<std::uint16_t>(camera.number(f.name, 65535)));
    const Json& reserved = camera.at("camera_reserved");
    if (!reserved.is_array() || reserved.size() != 6)
        throw ProfileError("camera.camera_reserved: expected 6 whole numbers");
    for (std::size_t i = 0; i < 6; ++i) {
        if (!reserved[i].is_number_unsigned() || reserved[i].get<unsigned long long>() > 65535)
            throw ProfileError("camera.camera_reserved: expected 6 whole numbers from 0 to 65535");
        r.camera.camera_reserved[i] = static_cast<std::uint16_t>(reserved[i].get<unsigned>());
    }
    camera.text("password_text", r.camera.password_text);
    camera.finish();

    GsmBlock& g = r.gsm;
    ObjectReader gsm(top.at("gsm"), "gsm");
    SendSchedule s;
    s.send_mode = gsm.number("send_mode", 255);
    s.instant_max = gsm.number("instant_max", 255);
    s.daily_hour = gsm.number("daily_hour", 255);
    s.daily_minute = gsm.number("daily_minute", 255);
    g.send_schedule = pack_send_schedule(s);
    const auto country = static_cast<int>(gsm.number("country_index", 255));
    const auto op = static_cast<int>(gsm.number("operator_index", 255));
    g.operator_select = pack_operator_select(country, op);
    for (const auto& f : kGsmNumbers)
        set_u16(&g, f.offset, static_cast<std::uint16_t>(gsm.number(f.name, 65535)));
    gsm.text("rename_text", g.rename_text);
    g.operator_entry = operator_from_json(gsm.at("operator"), "gsm.operator");
    ObjectReader email(gsm.at("email"), "gsm.email");
    texts_from_json(email, &g.email.server, kServerTexts);
    g.email.server.secure_type = static_cast<SecureType>(email.number("secure_type", 255));
    g.email.server.reserved = static_cast<std::uint8_t>(email.number("reserved", 255));
    texts_from_json(email, &g.email.account, kAccountTexts);
    email.finish();
    const auto slots = [&](const char* key, auto& fields) {
        const Json& list = gsm.at(key);
        if (!list.is_array() || list.size() != 4)
            throw ProfileError(std::string("gsm.") + key + ": expected a list of 4 texts");
        for (std::size_t i = 0; i < 4; ++i)
            ObjectReader::text_value(list[i], std::string("gsm.") + key + "[" + std::to_string(i) + "]", fields[i]);
    };
    slots("phones", g.phones);
    slots("emails", g.emails);
    gsm.finish();

    if (doc.kind == FileKind::store_file) {
        std::array<OperatorEntry, kCustomOperatorCount> custom{};
        const Json& list = top.at("custom_operators");
        if (!list.is_array() || list.size() != kCustomOperatorCount)
            throw ProfileError("custom_operators: expected a list of 3 operators");
        for (std::size_t i = 0; i < custom.size(); ++i)
            custom[i] = operator_from_json(list[i], "custom_operators[" + std::to_string(i) + "]");
        doc.custom = custom;
    }
    top.finish();
    return doc;
}

namespace {

// The record's own shape is five levels deep; a description far deeper is
// no description, and building it would exhaust the stack.
constexpr int kMaxJsonDepth = 16;

std::size_t line_of(const std::string& text, std::size_t byte)
{
    return 1 +
           static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(byte), '\n'));
}

// Counted on the text itself, before the parser builds anything.
void refuse_deep_nesting(const std::string& text)
{
    int depth = 0;
    bool in_string = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (in_string) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                in_string = false;
        } else if (c == '"') {
            in_string = true;
        } else if (c == '{' || c == '[') {
            if (++depth > kMaxJsonDepth)
                throw ProfileError("invalid JSON on line " + std::to_string(line_of(text, i)) +
                                   ": nested deeper than " + std::to_string(kMaxJsonDepth) + " levels");
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
}

// Where the parser is, for naming a key given twice: "gsm.email.port".
struct Frame {
    bool object;
    std::set<std::string> keys;
    std::string key;
    std::size_t index = 0;
};

std::string path_of(const std::vector<Frame>& frames)
{
    std::string path;
    for (const Frame& f : frames) {
        if (!f.object)
            path += "[" + std::to_string(f.index) + "]";
        else if (!f.key.empty())
            path += (path.empty() ? "" : ".") + f.key;
    }
    return path;
}

} // namespace

Json parse_json_text(const std::string& text)
{
    refuse_deep_nesting(text);
    // With a key given twice the last would silently win: "max_size": 999
    // followed by "max_size": 40 is a mistake to show, not to guess at.
    std::vector<Frame> frames;
    const auto note = [&frames](int, Json::parse_event_t event, Json& parsed) {
        using E = Json::parse_event_t;
        const bool ends_element = event == E::value || event == E::object_end || event == E::array_end;
        if (event == E::object_end || event == E::array_end)
            frames.pop_back();
        if (event == E::object_start || event == E::array_start)
            frames.push_back(Frame{event == E::object_start, {}, {}, 0});
        if (event == E::key) {
            frames.back().key = parsed.get<std::string>();
            if (!frames.back().keys.insert(frames.back().key).second)
                throw ProfileError(path_of(frames) + ": given twice");
        }
        if (ends_element && !frames.empty() && !frames.back().object)
            ++frames.back().index;
        return true;
    };
    try {
        return Json::parse(text, note);
    } catch (const Json::parse_error& e) {
        const std::size_t end = std::min(e.byte, text.size());
        throw ProfileError("invalid JSON on line " + std::to_string(line_of(text, end > 0 ? end - 1 : 0)) + ": " +
                           e.what());
    } catch (const Json::exception& e) {
        // A number too large for any field, for one.
        throw ProfileError(std::string("invalid JSON: ") + e.what());
    }
}

namespace {
void flatten_into(const Json& j, const std::string& path, std::map<std::string, std::string>& out)
{
    if (j.is_object() && !(j.size() == 1 && j.contains("hex"))) {
        for (auto it = j.begin(); it != j.end(); ++it)
            flatten_into(it.value(), path.empty() ? it.key() : path + "." + it.key(), out);
    } else if (j.is_array()) {
        for (std::size_t i = 0; i < j.size(); ++i)
            flatten_into(j[i], path + "[" + std::to_string(i) + "]", out);
    } else {
        out[path] = j.dump();
    }
}
} // namespace

std::map<std::string, std::string> flatten(const Json& json)
{
    std::map<std::string, std::string> out;
    flatten_into(json, "", out);
    return out;
}

} // namespace tqr::cli
