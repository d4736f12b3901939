#pragma once

// The rules by which the GSM page accepts its entries, as plain functions,
// so that every tool that writes a profile applies the very same checks.
// Each check returns the user-facing message of its refusal, or nothing.

#include "settings/profile_record.h"
#include "settings/translatable.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tqr::rules {

inline constexpr const char* kInstantRange = TQR_TR_NOOP("TQRSetup", "Instant number is out of the range(0-99)!");
inline constexpr const char* kDailyTime = TQR_TR_NOOP("TQRSetup", "Daily report time is error!");
inline constexpr const char* kPhoneInvalid = TQR_TR_NOOP("TQRSetup", "Phone number is invalid!");
inline constexpr const char* kPhoneTooLong = TQR_TR_NOOP("TQRSetup", "The phone is out of the max length!");
inline constexpr const char* kEmailTooLong = TQR_TR_NOOP("TQRSetup", "The email is out of the max length!");
inline constexpr const char* kEmailFormat = TQR_TR_NOOP("TQRSetup", "The email's Format is error!");
inline constexpr const char* kPhoneMissing = TQR_TR_NOOP("TQRSetup", "The phone must not be null!");
inline constexpr const char* kEmailMissing = TQR_TR_NOOP("TQRSetup", "The email must not be null!");
inline constexpr const char* kRenameChars =
    TQR_TR_NOOP("TQRSetup", "The letters or/and digits are allowed for rename!");
inline constexpr const char* kMaxSizeRange = TQR_TR_NOOP("TQRSetup", "Max Size is out of the range(35-120)!");
inline constexpr const char* kPhoneTooMany = TQR_TR_NOOP("TQRSetup", "At most 4 phone numbers can be stored!");
inline constexpr const char* kEmailTooMany = TQR_TR_NOOP("TQRSetup", "At most 4 email addresses can be stored!");
// "Email Set"'s own refusals of a sender and of a port.
inline constexpr const char* kSenderInvalid = TQR_TR_NOOP("TQRSetup", "Email is invalid!");
inline constexpr const char* kPortRange = TQR_TR_NOOP("TQRSetup", "Port is out of the range(1-65535)!");
inline constexpr const char* kServerMissing = TQR_TR_NOOP("TQRSetup", "Server must not be null!");
inline constexpr const char* kPortMissing = TQR_TR_NOOP("TQRSetup", "Port must not be null!");
inline constexpr const char* kSecureTypeMissing = TQR_TR_NOOP("TQRSetup", "Secure Type must not be null!");
inline constexpr const char* kAccountMissing = TQR_TR_NOOP("TQRSetup", "Account or Email must not be null!");

// Not refusals: the camera simply cannot send without these, and the
// factory operator itself has no MMS part. Said after a save and by check.
inline constexpr const char* kNoMmsUrl =
    TQR_TR_NOOP("TQRSetup", "The operator has no MMS URL, so the camera cannot send pictures by MMS.");
inline constexpr const char* kNoGprsApn =
    TQR_TR_NOOP("TQRSetup", "The operator has no GPRS APN, so the camera cannot send pictures by GPRS.");

// A refusal: the message the user has always been shown, word for word,
// and a sentence that says which entry is wrong and what it may hold,
// quoting the offending value where there is one (as shown: control
// characters replaced by U+FFFD, 8-bit texts as UTF-8). `key` is the
// record field the entry goes to, as tqrprofile names it.
struct Refused {
    std::string_view message;
    Phrase detail;
    std::string key;
};
using Refusal = std::optional<Refused>;

// The ranges of the GSM page's number edits.
struct Range {
    int min, max;
};
inline constexpr Range kInstantMaxLimits{0, 99};
inline constexpr Range kHourLimits{0, 23};
inline constexpr Range kMinuteLimits{0, 59};
inline constexpr Range kMaxSizeLimits{35, 120};

// What the data exchange adds to its own messages: a number that cannot
// be read, one outside its range, a text that is too long. `entry` is the
// edit's name (the label in front of it), `shown` what it holds as UTF-8.
Phrase not_a_number_detail(std::string_view entry, std::string_view shown, std::optional<Range> range);
Phrase out_of_range_detail(std::string_view entry, long long value, long long min, long long max);
Phrase too_many_characters_detail(std::string_view entry, std::string_view shown, std::size_t count,
                                  std::size_t max_chars, bool conceal);

// An 8-bit record text as a detail quotes it: UTF-8, control characters as
// U+FFFD.
std::string quoted(std::string_view text);

Refusal check_instant_max(int instant_max);
Refusal check_daily_time(int hour, int minute);
Refusal check_max_size(unsigned max_size);
Refusal check_rename(std::string_view rename_text);

// Recipients are split at ";": piece j is the text between the j-th and the
// (j+1)-th ";", so an empty piece keeps its place and piece j always goes to
// slot j. Pieces after the fourth are not part of the result: see
// has_fifth_recipient.
std::array<std::string, 4> split_recipients(std::string_view text);

// Whether a part after the fourth ";"-separated part holds anything once
// blanks are removed: a fifth recipient, which has no slot. The ";" that
// ends a loaded list of four is no recipient.
bool has_fifth_recipient(std::string_view text);

// A control character (0x00-0x1F, 0x7F): the camera's mail dialogue would
// carry it as part of a command.
bool has_control_character(std::string_view text);

// Removes every space character; other white space, a no-break space
// included, stays.
std::string remove_blanks(std::string_view text);

// A phone piece (blanks already removed): an optional leading "+" and
// digits, at most 23 characters. Pieces shorter than two characters pass
// but are not stored.
Refusal check_phone_piece(std::string_view piece, std::size_t place = 1);
// An e-mail piece (blanks already removed): at most 47 characters with an
// "@" after the first character and neither a control character nor "<" or
// ">", or empty.
Refusal check_email_piece(std::string_view piece, std::size_t place = 1);
// "Email Set"'s sender: an "@", no control character, no "<" or ">".
Refusal check_sender(std::string_view address);
// "Email Set"'s port: a number from 1 to 65535 (the edit takes digits only).
Refusal check_smtp_port(std::string_view port);
// "Email Set"'s entries that must not be empty, in the order its OK
// checks them; the message and detail of the first that is.
Refusal check_mail_server_filled(std::string_view server, std::string_view port, bool secure_type_chosen);
Refusal check_mail_account_filled(std::string_view email, std::string_view account, std::string_view password);
// Whether a piece that passed its check goes into its slot.
bool piece_is_stored(std::string_view piece);

// What the operator lacks for the chosen way of sending (MMS needs its
// URL, GPRS its APN), when pictures are sent at all; the record's key of
// that field goes to `key`.
std::optional<std::string_view> sending_gap(const GsmBlock& block, std::string* key = nullptr);

// Whether Send To and the SMS switch demand a phone number or an e-mail
// recipient.
bool phone_required(int send_to, int sms_switch);
bool email_required(int send_to);

using Pieces = std::array<std::string, 4>;

// The recipient texts as the GSM page shows a stored block: the slots that
// are not empty, in slot order, each followed by ";".
std::string phones_text(const GsmBlock& block);
std::string emails_text(const GsmBlock& block);

// Stores recipients as OK does: clears both recipient areas of `block`,
// then for j = 0..3 checks phone piece j and then e-mail piece j (blanks
// removed) and puts each one that is stored into slot j; then refuses a
// fifth phone number, then a fifth address; afterwards what Send To and the
// SMS switch demand. A refusal stops there, leaving the pieces before it
// stored. The texts are the recipient boxes' texts as typed.
Refusal store_recipients(GsmBlock& block, std::string_view phones_text, std::string_view emails_text, int send_to,
                         int sms_switch);

} // namespace tqr::rules
