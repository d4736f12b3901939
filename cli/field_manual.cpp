#include "cli/field_manual.h"

#include "settings/profile_record.h"

namespace tqr::cli {

using schema::accepted_values;

using schema::Id;

std::string field_meaning(Id id)
{
    switch (id) {
    case Id::model_index: return "Camera model; the dialog shows the GSM page for 6 (store file only).";
    case Id::header_reserved: return "Reserved word of the header, kept as given (store file only).";
    case Id::camera_mode: return "Whether the camera takes photos or videos.";
    case Id::photo_size: return "Photo resolution.";
    case Id::photo_burst: return "Photos taken per trigger.";
    case Id::video_size: return "Video resolution.";
    case Id::video_length: return "Length of a video.";
    case Id::sensitivity: return "Motion sensor sensitivity.";
    case Id::interval: return "Least time between two triggers.";
    case Id::start_stop_on: return "Whether the camera works only between the start and stop times.";
    case Id::start_hour: return "Hour of the daily start time.";
    case Id::start_minute: return "Minute of the daily start time.";
    case Id::stop_hour: return "Hour of the daily stop time.";
    case Id::stop_minute: return "Minute of the daily stop time.";
    case Id::time_lapse: return "Time-lapse interval; Off takes pictures on motion only.";
    case Id::camera_reserved: return "Six reserved words, kept as given.";
    case Id::time_stamp_on: return "Whether pictures carry a time stamp.";
    case Id::flash_range: return "Reach of the infrared flash.";
    case Id::password_on: return "Whether the camera asks for its password.";
    case Id::password_text: return "The camera's password: at most four digits.";
    case Id::send_mode: return "When pictures are sent: at once, in a daily report, or not at all.";
    case Id::instant_max: return "With Instant: the most pictures sent a day.";
    case Id::daily_hour: return "With DailyReport: the hour of the report.";
    case Id::daily_minute: return "With DailyReport: the minute of the report.";
    case Id::send_via: return "Whether pictures go by MMS or GPRS; GPRS sends e-mail only.";
    case Id::send_to: return "Whether pictures go to the phones, the e-mail addresses or both.";
    case Id::country_index: return "The country in the dialog's list (24 is Customer, the custom operators).";
    case Id::operator_index: return "The operator within the country's list.";
    case Id::max_size: return "The largest picture sent, in KB.";
    case Id::rename_on: return "Whether pictures are renamed with the rename text.";
    case Id::sms_switch: return "Whether the camera takes SMS commands; On needs a phone number.";
    case Id::gsm_reserved: return "Reserved word, kept as given.";
    case Id::rename_text: return "Rename text: at most 8 letters and digits.";
    case Id::band: return "Radio band; OK writes 5.";
    case Id::cmd_log: return "Command log; OK writes 0.";
    case Id::qmm_dbg: return "Debug flag; OK writes 0.";
    case Id::operator_name: return "Name of the operator in use.";
    case Id::mms_url: return "MMS server address.";
    case Id::mms_gateway: return "MMS gateway, dotted decimal.";
    case Id::mms_port: return "MMS gateway port.";
    case Id::mms_apn: return "MMS access point name.";
    case Id::mms_account: return "MMS account.";
    case Id::mms_password: return "MMS password.";
    case Id::gprs_apn: return "GPRS access point name.";
    case Id::gprs_account: return "GPRS account.";
    case Id::gprs_password: return "GPRS password.";
    case Id::email_server: return "SMTP server the camera mails with.";
    case Id::email_port: return "SMTP port: a number from 1 to 65535.";
    case Id::email_secure_type: return "SMTP transport security.";
    case Id::email_reserved: return "Reserved byte, kept as given.";
    case Id::email_account: return "SMTP login name.";
    case Id::email_password: return "SMTP password.";
    case Id::email_address: return "Sender address of the camera's e-mail.";
    case Id::email_user_name: return "The sender address up to its \"@\".";
    case Id::phone_0:
    case Id::phone_1:
    case Id::phone_2:
    case Id::phone_3: return "A phone recipient: an optional leading \"+\" and digits.";
    case Id::email_0:
    case Id::email_1:
    case Id::email_2:
    case Id::email_3: return "An e-mail recipient, with an \"@\" after its first character.";
    case Id::count: break;
    }
    return {};
}

namespace {

} // namespace

// roff takes a leading "." or "'" as a request, and "\" as an escape.
std::string roff(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\''))
        out.insert(0, "\\&");
    return out;
}

namespace {

std::string values_of(const schema::Field& f)
{
    switch (f.kind) {
    case schema::Kind::text:
        return "Text of at most " + std::to_string(f.width - 1) + " characters" +
               (f.max_chars < f.width - 1 ? " (the dialog takes " + std::to_string(f.max_chars) + ")" : "");
    case schema::Kind::reserved:
        return f.width > 2 ? "Six whole numbers from 0 to 65535" : "A whole number from 0 to 65535";
    case schema::Kind::number: break;
    }
    if (f.id == Id::email_reserved || f.id == Id::model_index)
        return "Values: 0 to " + std::to_string(f.id == Id::model_index ? 65535 : 255);
    if (f.id == Id::operator_index)
        return "Values: 0 to the number of the country's operators less one";
    return "Values: " + accepted_values(f);
}

} // namespace

std::string json_fields_manual()
{
    std::string out = ".SH JSON DESCRIPTION\n"
                      "\\fBexport\\fR writes, and \\fBwrite\\fR, \\fBcheck\\fR and \\fBmailtest\\fR read, one JSON "
                      "object with every setting. \"file\" is \"PROFILE.BIN\" or \"store file\"; a store file "
                      "also has \"model_index\", \"header_reserved\" and \"custom_operators\", a list of three "
                      "operators with the fields of gsm.operator. Every key must be there and no other. Texts "
                      "are strings in the Western European character set (code page 1252); a text longer than "
                      "its field is refused, never cut. A text field that holds more than its text (bytes after "
                      "the terminator, or none) is written as {\"hex\": \"...\"} with two hex digits per byte "
                      "of the field.\n";
    for (const schema::Field& f : schema::fields()) {
        out += ".TP\n.B " + roff(f.key) + "\n";
        out += roff(field_meaning(f.id)) + " " + roff(values_of(f)) + ".";
        if (f.factory_number && f.kind == schema::Kind::number)
            out += " Factory value " + std::to_string(*f.factory_number) + ".";
        out += "\n";
    }
    return out;
}

} // namespace tqr::cli
