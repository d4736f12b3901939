#include "settings/record_schema.h"

#include "settings/factory_defaults.h"
#include "settings/translatable.h"

#include <algorithm>
#include <cstring>

namespace tqr::schema {

namespace {

// The dialog shows a generated entry such as "5 sec" through its unit's
// source text "%1 sec".
[[maybe_unused]] constexpr const char* kUnits[] = {TQR_TR_NOOP("TQRSetup", "%1 sec"), TQR_TR_NOOP("TQRSetup", "%1 min"),
                                                   TQR_TR_NOOP("TQRSetup", "%1 hour")};

const Choices kOffOn{TQR_TR_NOOP("TQRSetup", "Off"), TQR_TR_NOOP("TQRSetup", "On")};

Choices video_lengths()
{
    Choices items;
    for (int i = 0; i < 56; ++i)
        items.push_back(std::to_string(i + 5) + " sec");
    return items;
}

// The interval list counts 0..55 seconds in fives, then minutes; the
// time-lapse list starts with "Off" and goes on to hours.
Choices intervals()
{
    Choices items;
    for (int i = 0; i < 12; ++i)
        items.push_back(std::to_string(5 * i) + " sec");
    for (int i = 12; i < 72; ++i)
        items.push_back(std::to_string(i - 11) + " min");
    return items;
}

Choices time_lapses()
{
    Choices items{TQR_TR_NOOP("TQRSetup", "Off")};
    for (int i = 1; i < 12; ++i)
        items.push_back(std::to_string(5 * i) + " sec");
    for (int i = 12; i < 71; ++i)
        items.push_back(std::to_string(i - 11) + " min");
    for (int i = 71; i < 79; ++i)
        items.push_back(std::to_string(i - 70) + " hour");
    return items;
}

constexpr std::size_t kCamera = offsetof(ProfileRecord, camera);
constexpr std::size_t kGsm = offsetof(ProfileRecord, gsm);
constexpr std::size_t kOperator = kGsm + offsetof(GsmBlock, operator_entry);
constexpr std::size_t kServer = kGsm + offsetof(GsmBlock, email) + offsetof(EmailBlock, server);
constexpr std::size_t kAccount = kGsm + offsetof(GsmBlock, email) + offsetof(EmailBlock, account);

#define TQR_AT(block, base, member) base + offsetof(block, member), sizeof(block::member)

std::vector<RowText> make_operator_texts()
{
    // The dialog's limits are one less than the field: room for the terminator.
    const auto row = [](Id id, const char* name, std::size_t offset, std::size_t width) {
        return RowText{id, name, offset, width, width - 1};
    };
    return {
        row(Id::operator_name, "name", TQR_AT(OperatorEntry, 0, name)),
        row(Id::mms_url, "mms_url", TQR_AT(OperatorEntry, 0, mms_url)),
        row(Id::mms_gateway, "mms_gateway", TQR_AT(OperatorEntry, 0, mms_gateway)),
        row(Id::mms_port, "mms_port", TQR_AT(OperatorEntry, 0, mms_port)),
        row(Id::mms_apn, "mms_apn", TQR_AT(OperatorEntry, 0, mms_apn)),
        row(Id::mms_account, "mms_account", TQR_AT(OperatorEntry, 0, mms_account)),
        row(Id::mms_password, "mms_password", TQR_AT(OperatorEntry, 0, mms_password)),
        row(Id::gprs_apn, "gprs_apn", TQR_AT(OperatorEntry, 0, gprs_apn)),
        row(Id::gprs_account, "gprs_account", TQR_AT(OperatorEntry, 0, gprs_account)),
        row(Id::gprs_password, "gprs_password", TQR_AT(OperatorEntry, 0, gprs_password)),
    };
}

std::string_view row_text(const char* field)
{
    return std::string_view(field);
}

std::vector<Field> make_fields()
{
    static const Choices camera_modes{TQR_TR_NOOP("TQRSetup", "Photo"), TQR_TR_NOOP("TQRSetup", "Video")};
    static const Choices photo_sizes{TQR_TR_NOOP("TQRSetup", "3 MP"), TQR_TR_NOOP("TQRSetup", "5 MP"),
                                     TQR_TR_NOOP("TQRSetup", "6 MP"), TQR_TR_NOOP("TQRSetup", "8 MP")};
    static const Choices bursts{TQR_TR_NOOP("TQRSetup", "1 Photo"), TQR_TR_NOOP("TQRSetup", "2 Photos"),
                                TQR_TR_NOOP("TQRSetup", "3 Photos")};
    static const Choices video_sizes{TQR_TR_NOOP("TQRSetup", "QVGA"), TQR_TR_NOOP("TQRSetup", "VGA")};
    static const Choices lengths = video_lengths();
    static const Choices sensitivities{TQR_TR_NOOP("TQRSetup", "Off"), TQR_TR_NOOP("TQRSetup", "Low"),
                                       TQR_TR_NOOP("TQRSetup", "Normal"), TQR_TR_NOOP("TQRSetup", "High")};
    static const Choices interval_list = intervals();
    static const Choices lapse_list = time_lapses();
    static const Choices flash_ranges{TQR_TR_NOOP("TQRSetup", "6m/20ft"), TQR_TR_NOOP("TQRSetup", "12m/40ft")};
    static const Choices send_modes{TQR_TR_NOOP("TQRSetup", "Instant"), TQR_TR_NOOP("TQRSetup", "DailyReport"),
                                    TQR_TR_NOOP("TQRSetup", "Off")};
    static const Choices send_vias{TQR_TR_NOOP("TQRSetup", "MMS"), TQR_TR_NOOP("TQRSetup", "GPRS")};
    static const Choices send_tos{TQR_TR_NOOP("TQRSetup", "Phone"), TQR_TR_NOOP("TQRSetup", "Email"),
                                  TQR_TR_NOOP("TQRSetup", "Both")};
    static const Choices bands{TQR_TR_NOOP("TQRSetup", "GSM900"),      TQR_TR_NOOP("TQRSetup", "GSM1800"),
                               TQR_TR_NOOP("TQRSetup", "GSM1900"),     TQR_TR_NOOP("TQRSetup", "GSM900_1800"),
                               TQR_TR_NOOP("TQRSetup", "GSM850_1900"), TQR_TR_NOOP("TQRSetup", "GSM850_900_1800_1900")};
    static const Choices secure_types{TQR_TR_NOOP("TQRSetup", "NO"), TQR_TR_NOOP("TQRSetup", "SSL/TLS"),
                                      TQR_TR_NOOP("TQRSetup", "STARTTLS")};

    std::vector<Field> t;
    const auto choice = [&](Id id, std::string key, std::string label, std::size_t offset, const Choices& list,
                            unsigned factory) {
        Field f{id, std::move(key), std::move(label)};
        f.offset = offset;
        f.width = 2;
        f.choices = &list;
        f.max = static_cast<unsigned>(list.size() - 1);
        f.factory_number = factory;
        t.push_back(std::move(f));
    };
    const auto range = [&](Id id, std::string key, std::string label, std::size_t offset, unsigned min, unsigned max,
                           std::optional<unsigned> factory) {
        Field f{id, std::move(key), std::move(label)};
        f.offset = offset;
        f.width = 2;
        f.min = min;
        f.max = max;
        f.factory_number = factory;
        t.push_back(std::move(f));
    };
    const auto reserved = [&](Id id, std::string key, std::size_t offset, std::size_t width) {
        Field f{id, std::move(key), ""};
        f.kind = Kind::reserved;
        f.offset = offset;
        f.width = width;
        t.push_back(std::move(f));
    };
    const auto text = [&](Id id, std::string key, std::string label, std::size_t offset, std::size_t width,
                          std::size_t max_chars, std::string_view factory, bool secret = false) {
        Field f{id, std::move(key), std::move(label)};
        f.kind = Kind::text;
        f.offset = offset;
        f.width = width;
        f.max_chars = max_chars;
        f.factory_text = factory;
        f.secret = secret;
        t.push_back(std::move(f));
    };

    range(Id::model_index, "model_index", "", offsetof(ProfileRecord, model_index), 0, 65535, kGsmModel);
    reserved(Id::header_reserved, "header_reserved", offsetof(ProfileRecord, header_reserved), 2);

    const auto cam = [](std::size_t member) { return kCamera + member; };
    choice(Id::camera_mode, "camera.camera_mode", "Camera Mode", cam(offsetof(CameraBlock, camera_mode)), camera_modes,
           0);
    choice(Id::photo_size, "camera.photo_size", "Photo Size", cam(offsetof(CameraBlock, photo_size)), photo_sizes, 1);
    choice(Id::photo_burst, "camera.photo_burst", "Photo Burst", cam(offsetof(CameraBlock, photo_burst)), bursts, 0);
    choice(Id::video_size, "camera.video_size", "Video Size", cam(offsetof(CameraBlock, video_size)), video_sizes, 1);
    choice(Id::video_length, "camera.video_length", "Video Length", cam(offsetof(CameraBlock, video_length)), lengths,
           5);
    choice(Id::sensitivity, "camera.sensitivity", "Sensitivity", cam(offsetof(CameraBlock, sensitivity)), sensitivities,
           2);
    choice(Id::interval, "camera.interval", "Interval", cam(offsetof(CameraBlock, interval)), interval_list, 12);
    choice(Id::start_stop_on, "camera.start_stop_on", "Start-Stop", cam(offsetof(CameraBlock, start_stop_on)), kOffOn,
           0);
    range(Id::start_hour, "camera.start_hour", "Start Hour", cam(offsetof(CameraBlock, start_hour)), 0, 23, 0);
    range(Id::start_minute, "camera.start_minute", "Start Minute", cam(offsetof(CameraBlock, start_minute)), 0, 59, 0);
    range(Id::stop_hour, "camera.stop_hour", "Stop Hour", cam(offsetof(CameraBlock, stop_hour)), 0, 23, 0);
    range(Id::stop_minute, "camera.stop_minute", "Stop Minute", cam(offsetof(CameraBlock, stop_minute)), 0, 59, 0);
    choice(Id::time_lapse, "camera.time_lapse", "Time Lapse", cam(offsetof(CameraBlock, time_lapse)), lapse_list, 0);
    reserved(Id::camera_reserved, "camera.camera_reserved", cam(offsetof(CameraBlock, camera_reserved)),
             sizeof(CameraBlock::camera_reserved));
    choice(Id::time_stamp_on, "camera.time_stamp_on", "Time Stamp", cam(offsetof(CameraBlock, time_stamp_on)), kOffOn,
           1);
    choice(Id::flash_range, "camera.flash_range", "Flash Range", cam(offsetof(CameraBlock, flash_range)), flash_ranges,
           1);
    choice(Id::password_on, "camera.password_on", "Camera Password", cam(offsetof(CameraBlock, password_on)), kOffOn,
           0);
    text(Id::password_text, "camera.password_text", "Camera Password Text", TQR_AT(CameraBlock, kCamera, password_text),
         4, "8146", true);
    // Only the four characters: the rest of the field is not the defaults'.
    t.back().factory_chars_only = true;

    const std::size_t schedule = kGsm + offsetof(GsmBlock, send_schedule);
    const auto packed = [&](Id id, std::string key, std::string label, std::size_t offset, unsigned width,
                            unsigned shift, const Choices* list, unsigned max, unsigned factory) {
        Field f{id, std::move(key), std::move(label)};
        f.offset = offset;
        f.width = width;
        f.shift = shift;
        f.bits = 8;
        f.choices = list;
        f.max = list != nullptr ? static_cast<unsigned>(list->size() - 1) : max;
        f.factory_number = factory;
        t.push_back(std::move(f));
    };
    packed(Id::send_mode, "gsm.send_mode", "Send Mode", schedule, 4, 24, &send_modes, 0, 0);
    packed(Id::instant_max, "gsm.instant_max", "Max Num", schedule, 4, 16, nullptr, 99, 99);
    packed(Id::daily_hour, "gsm.daily_hour", "Daily Report Hour", schedule, 4, 8, nullptr, 23, 0);
    packed(Id::daily_minute, "gsm.daily_minute", "Daily Report Minute", schedule, 4, 0, nullptr, 59, 0);
    const auto gsm = [](std::size_t member) { return kGsm + member; };
    choice(Id::send_via, "gsm.send_via", "Send Via", gsm(offsetof(GsmBlock, send_via)), send_vias, 1);
    choice(Id::send_to, "gsm.send_to", "Send To", gsm(offsetof(GsmBlock, send_to)), send_tos, 1);
    const std::size_t select = gsm(offsetof(GsmBlock, operator_select));
    packed(Id::country_index, "gsm.country_index", "Country", select, 2, 8, nullptr, 24, 7);
    packed(Id::operator_index, "gsm.operator_index", "Operator", select, 2, 0, nullptr, 255, 0);
    range(Id::max_size, "gsm.max_size", "Max Size", gsm(offsetof(GsmBlock, max_size)), 35, 120, 40);
    choice(Id::rename_on, "gsm.rename_on", "Rename", gsm(offsetof(GsmBlock, rename_on)), kOffOn, 0);
    choice(Id::sms_switch, "gsm.sms_switch", "SMS Switch", gsm(offsetof(GsmBlock, sms_switch)), kOffOn, 1);
    reserved(Id::gsm_reserved, "gsm.gsm_reserved", gsm(offsetof(GsmBlock, gsm_reserved)), 2);
    text(Id::rename_text, "gsm.rename_text", "Rename Text", TQR_AT(GsmBlock, kGsm, rename_text), 8, "");
    choice(Id::band, "gsm.band", "Band", gsm(offsetof(GsmBlock, band)), bands, 5);
    range(Id::cmd_log, "gsm.cmd_log", "Cmd Log", gsm(offsetof(GsmBlock, cmd_log)), 0, 1, 0);
    range(Id::qmm_dbg, "gsm.qmm_dbg", "Qmm Dbg", gsm(offsetof(GsmBlock, qmm_dbg)), 0, 1, 0);

    static const char* const operator_labels[] = {"Operator in use", "MMS URL",      "MMS Gateway",  "MMS Port",
                                                  "MMS APN",         "MMS Account",  "MMS Password", "GPRS APN",
                                                  "GPRS Account",    "GPRS Password"};
    std::size_t label = 0;
    for (const RowText& r : operator_texts()) {
        const auto* row = reinterpret_cast<const char*>(&kDefaultOperatorRow);
        text(r.id, "gsm.operator." + r.name, operator_labels[label++], kOperator + r.offset, r.width, r.max_chars,
             row_text(row + r.offset), r.name.ends_with("password"));
    }

    const EmailBlock& mail = kDefaultEmailRow;
    text(Id::email_server, "gsm.email.server", "SMTP Server", TQR_AT(EmailServer, kServer, server),
         sizeof(EmailServer::server) - 1, row_text(mail.server.server));
    text(Id::email_port, "gsm.email.port", "SMTP Port", TQR_AT(EmailServer, kServer, port),
         sizeof(EmailServer::port) - 1, row_text(mail.server.port));
    {
        Field f{Id::email_secure_type, "gsm.email.secure_type", "Secure Type"};
        f.offset = kServer + offsetof(EmailServer, secure_type);
        f.width = 1;
        f.choices = &secure_types;
        f.code_base = kSecureBase;
        f.min = kSecureBase;
        f.max = kSecureBase + static_cast<unsigned>(secure_types.size() - 1);
        f.factory_number = mail.server.secure_type;
        t.push_back(std::move(f));
    }
    {
        Field f{Id::email_reserved, "gsm.email.reserved", ""};
        f.offset = kServer + offsetof(EmailServer, reserved);
        f.width = 1;
        f.factory_number = mail.server.reserved;
        t.push_back(std::move(f));
    }
    text(Id::email_account, "gsm.email.account", "Account", TQR_AT(EmailAccount, kAccount, account),
         sizeof(EmailAccount::account) - 1, row_text(mail.account.account));
    text(Id::email_password, "gsm.email.password", "Email Password", TQR_AT(EmailAccount, kAccount, password),
         sizeof(EmailAccount::password) - 1, row_text(mail.account.password), true);
    text(Id::email_address, "gsm.email.email", "Sender Email", TQR_AT(EmailAccount, kAccount, email),
         sizeof(EmailAccount::email) - 1, row_text(mail.account.email));
    text(Id::email_user_name, "gsm.email.user_name", "User Name", TQR_AT(EmailAccount, kAccount, user_name),
         sizeof(EmailAccount::user_name) - 1, row_text(mail.account.user_name));

    for (int i = 0; i < kPhoneSlots; ++i)
        text(static_cast<Id>(static_cast<int>(Id::phone_0) + i), "gsm.phones[" + std::to_string(i) + "]",
             "Phone " + std::to_string(i + 1), gsm(offsetof(GsmBlock, phones)) + i * kPhoneWidth, kPhoneWidth,
             kPhoneWidth - 1, "");
    for (int i = 0; i < kEmailSlots; ++i)
        text(static_cast<Id>(static_cast<int>(Id::email_0) + i), "gsm.emails[" + std::to_string(i) + "]",
             "Email " + std::to_string(i + 1), gsm(offsetof(GsmBlock, emails)) + i * kEmailWidth, kEmailWidth,
             kEmailWidth - 1, i == 0 ? kDefaultRecipient : std::string_view());
    return t;
}

#undef TQR_AT

} // namespace

std::span<const RowText> operator_texts()
{
    static const std::vector<RowText> rows = make_operator_texts();
    return rows;
}

std::span<const Field> fields()
{
    static const std::vector<Field> table = [] {
        std::vector<Field> t = make_fields();
        // The table is indexed by Id: one entry per name, in that order.
        for (std::size_t i = 0; i < t.size(); ++i)
            if (static_cast<std::size_t>(t[i].id) != i)
                std::abort();
        if (t.size() != static_cast<std::size_t>(Id::count))
            std::abort();
        return t;
    }();
    return table;
}

const Field& field(Id id)
{
    return fields()[static_cast<std::size_t>(id)];
}

const Field* find(std::string_view key)
{
    for (const Field& f : fields())
        if (f.key == key)
            return &f;
    return nullptr;
}

namespace {
unsigned word(const ProfileRecord& record, const Field& f)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record) + f.offset;
    unsigned w = 0;
    for (std::size_t i = f.width; i-- > 0;)
        w = (w << 8) | bytes[i];
    return w;
}

unsigned mask(const Field& f)
{
    return f.bits == 0 ? (f.width >= 4 ? 0xFFFFFFFFu : (1u << (8 * f.width)) - 1) : (1u << f.bits) - 1;
}
} // namespace

unsigned number(const ProfileRecord& record, const Field& f)
{
    return (word(record, f) >> f.shift) & mask(f);
}

void set_number(ProfileRecord& record, const Field& f, unsigned value)
{
    const unsigned m = mask(f) << f.shift;
    const unsigned w = (word(record, f) & ~m) | ((value << f.shift) & m);
    auto* bytes = reinterpret_cast<std::uint8_t*>(&record) + f.offset;
    for (std::size_t i = 0; i < f.width; ++i)
        bytes[i] = static_cast<std::uint8_t>(w >> (8 * i));
}

std::span<char> text(ProfileRecord& record, const Field& f)
{
    return std::span<char>(reinterpret_cast<char*>(&record) + f.offset, f.width);
}

std::span<const char> text(const ProfileRecord& record, const Field& f)
{
    return std::span<const char>(reinterpret_cast<const char*>(&record) + f.offset, f.width);
}

bool allowed(const Field& f, unsigned value)
{
    return value >= f.min && value <= f.max;
}

std::optional<std::string> choice_text(const Field& f, unsigned value)
{
    if (f.choices == nullptr || value < f.code_base || value - f.code_base >= f.choices->size())
        return std::nullopt;
    return (*f.choices)[value - f.code_base];
}

void apply_factory_values(ProfileRecord& record)
{
    std::memcpy(record.magic, kMagicText, kMagicSize);
    for (const Field& f : fields()) {
        if (f.factory_number) {
            set_number(record, f, *f.factory_number);
        } else if (f.factory_text) {
            const std::span<char> field = text(record, f);
            if (f.factory_chars_only)
                std::copy(f.factory_text->begin(), f.factory_text->end(), field.begin());
            else
                write_text(field, *f.factory_text);
        }
    }
}

std::string accepted_values(const Field& f)
{
    if (f.choices == nullptr)
        return std::to_string(f.min) + " to " + std::to_string(f.max);
    const auto item = [&](std::size_t i) { return std::to_string(f.code_base + i) + " (" + (*f.choices)[i] + ")"; };
    const std::size_t n = f.choices->size();
    // A long list of steps reads best as its two ends.
    if (n > 6)
        return item(0) + " to " + item(n - 1);
    std::string text;
    for (std::size_t i = 0; i < n; ++i)
        text += (i == 0 ? "" : i + 1 == n ? " or " : ", ") + item(i);
    return text;
}

} // namespace tqr::schema
