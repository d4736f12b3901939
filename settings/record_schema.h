#pragma once

// The record described once: every field with its name (as the JSON
// description and `tqrprofile show` name it), its place, its width, its
// choices (the texts the forms list) or range, and its factory value.
// The factory defaults, both pages' Default buttons, the forms' lists and
// the command line all read this table, so a choice or a default is
// changed in one place.

#include "settings/profile_record.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tqr::schema {

using Choices = std::vector<std::string>;

// Every field of the record, in record order. The names below index the
// table, so code that reads a field's facts is checked by the compiler.
enum class Id : int {
    model_index,
    header_reserved,
    camera_mode,
    photo_size,
    photo_burst,
    video_size,
    video_length,
    sensitivity,
    interval,
    start_stop_on,
    start_hour,
    start_minute,
    stop_hour,
    stop_minute,
    time_lapse,
    camera_reserved,
    time_stamp_on,
    flash_range,
    password_on,
    password_text,
    send_mode,
    instant_max,
    daily_hour,
    daily_minute,
    send_via,
    send_to,
    country_index,
    operator_index,
    max_size,
    rename_on,
    sms_switch,
    gsm_reserved,
    rename_text,
    band,
    cmd_log,
    qmm_dbg,
    operator_name,
    mms_url,
    mms_gateway,
    mms_port,
    mms_apn,
    mms_account,
    mms_password,
    gprs_apn,
    gprs_account,
    gprs_password,
    email_server,
    email_port,
    email_secure_type,
    email_reserved,
    email_account,
    email_password,
    email_address,
    email_user_name,
    phone_0,
    phone_1,
    phone_2,
    phone_3,
    email_0,
    email_1,
    email_2,
    email_3,
    count
};

enum class Kind { number, text, reserved };

struct Field {
    Id id;
    std::string key;   // JSON path, e.g. "camera.photo_size" or "gsm.phones[0]"
    std::string label; // what `show` calls it, e.g. "Photo Size"
    Kind kind = Kind::number;
    std::size_t offset = 0;           // byte offset in the record
    std::size_t width = 0;            // bytes: 1, 2 or 4 for numbers, the field's size for texts
    unsigned shift = 0;               // a number packed into a wider word: its lowest bit
    unsigned bits = 0;                // ... and its bit count; 0 for the whole word
    const Choices* choices = nullptr; // texts of its list, in code order
    unsigned code_base = 0;           // choice i is stored as code_base + i
    unsigned min = 0, max = 0;        // numbers: the values a control can produce
    std::size_t max_chars = 0;        // texts: the characters the dialog takes
    std::optional<unsigned> factory_number{};
    std::optional<std::string_view> factory_text{};
    bool secret = false;             // a password: masked unless asked for
    bool factory_chars_only = false; // the factory text is copied without its terminator
};

std::span<const Field> fields();
const Field& field(Id id);
// Nothing for a key that names no field.
const Field* find(std::string_view key);

unsigned number(const ProfileRecord& record, const Field& f);
void set_number(ProfileRecord& record, const Field& f, unsigned value);
std::span<char> text(ProfileRecord& record, const Field& f);
std::span<const char> text(const ProfileRecord& record, const Field& f);

// Whether a control of the dialog can produce `value` for this field.
bool allowed(const Field& f, unsigned value);
// The list text for a stored choice, or nothing when it is not in the list.
std::optional<std::string> choice_text(const Field& f, unsigned value);

inline unsigned factory_number(Id id)
{
    return *field(id).factory_number;
}
inline std::string_view factory_text(Id id)
{
    return *field(id).factory_text;
}
inline const Choices& choices(Id id)
{
    return *field(id).choices;
}
inline int max_chars(Id id)
{
    return static_cast<int>(field(id).max_chars);
}

// The operator parameters of one row as fields of an OperatorEntry
// (offsets within the row), as the record's operator and the custom rows
// share them.
struct RowText {
    Id id;
    std::string name; // "mms_url"
    std::size_t offset, width, max_chars;
};
std::span<const RowText> operator_texts();

// Puts every factory value into `record`. Reserved places and the custom
// rows are left alone.
void apply_factory_values(ProfileRecord& record);

// The values a field takes: "0 (MMS) or 1 (GPRS)", "0 (5 sec) to 55 (60 sec)", "35 to 120".
std::string accepted_values(const Field& f);

} // namespace tqr::schema
