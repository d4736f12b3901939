#include "settings/value_rules.h"

#include "settings/ansi_text.h"
#include "settings/record_schema.h"
#include "settings/utf8_text.h"

#include <algorithm>

namespace tqr::rules {

namespace {
// Only the plain space is a blank: a no-break space is a character the user
// typed, which a phone number or an address cannot hold.
bool is_blank(char c)
{
    return c == ' ';
}

bool is_control(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

constexpr unsigned char kNoBreakSpace = 0xA0;

constexpr const char* kLineBreakDetail =
    TQR_TR_NOOP("TQRSetup", "The box holds a line break (shown as an arrow or as a new line). Put all entries on one "
                            "line, separated by \";\".");

// The sentence that follows a rule when one character breaks it.
Phrase about_character(char c)
{
    if (c == ' ')
        return Phrase(TQR_TR_NOOP("TQRSetup", "Leave out the space."));
    if (static_cast<unsigned char>(c) == kNoBreakSpace)
        return Phrase(TQR_TR_NOOP("TQRSetup", "It holds a no-break space, which looks like a space: delete it."));
    if (is_control(c) || utf8::is_control_or_direction_mark(ansi::to_unicode(static_cast<unsigned char>(c))))
        return Phrase(TQR_TR_NOOP("TQRSetup", "It holds a character that cannot be seen (shown as \"%1\"): delete it."),
                      {"\xEF\xBF\xBD"});
    return Phrase(TQR_TR_NOOP("TQRSetup", "Leave out \"%1\"."), {quoted(std::string_view(&c, 1))});
}

Refused refused(std::string_view message, Phrase detail, std::string key)
{
    return {message, std::move(detail), std::move(key)};
}

Refused refused(std::string_view message, Phrase detail, schema::Id field)
{
    return refused(message, std::move(detail), schema::field(field).key);
}

// The recipient boxes are one entry each, whichever slot a piece goes to.
constexpr const char* kPhonesKey = "gsm.phones";
constexpr const char* kEmailsKey = "gsm.emails";

// Two sentences of a detail, with the space between them.
Phrase followed_by(Phrase first, Phrase second)
{
    first.then.push_back(Phrase(" "));
    first.then.push_back(std::move(second));
    return first;
}

Phrase with_character(Phrase sentence, char c)
{
    return followed_by(std::move(sentence), about_character(c));
}

std::string place_text(std::size_t place)
{
    return std::to_string(place);
}
} // namespace

std::string quoted(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        const char32_t cp = ansi::to_unicode(static_cast<unsigned char>(c));
        out += utf8::is_control_or_direction_mark(cp) ? std::string("\xEF\xBF\xBD")
                                                      : ansi::to_utf8(std::string_view(&c, 1));
    }
    return out;
}

Phrase not_a_number_detail(std::string_view entry, std::string_view shown, std::optional<Range> range)
{
    const std::string name(entry);
    if (range) {
        const std::vector<std::string> limits{name, std::to_string(range->min), std::to_string(range->max),
                                              std::string(shown)};
        return shown.empty()
                   ? Phrase(TQR_TR_NOOP("TQRSetup", "\"%1\" needs a whole number from %2 to %3; the box is empty."),
                            limits)
                   : Phrase(TQR_TR_NOOP("TQRSetup", "\"%1\" needs a whole number from %2 to %3; \"%4\" is not one."),
                            limits);
    }
    return shown.empty()
               ? Phrase(TQR_TR_NOOP("TQRSetup", "\"%1\" needs a whole number, written with digits; the box is empty."),
                        {name})
               : Phrase(TQR_TR_NOOP("TQRSetup", "\"%1\" needs a whole number, written with digits; \"%2\" is not one."),
                        {name, std::string(shown)});
}

Phrase out_of_range_detail(std::string_view entry, long long value, long long min, long long max)
{
    return Phrase(TQR_TR_NOOP("TQRSetup", "\"%1\" needs a whole number from %2 to %3, not %4."),
                  {std::string(entry), std::to_string(min), std::to_string(max), std::to_string(value)});
}

Phrase too_many_characters_detail(std::string_view entry, std::string_view shown, std::size_t count,
                                  std::size_t max_chars, bool conceal)
{
    if (conceal)
        return Phrase(TQR_TR_NOOP("TQRSetup", "\"%1\" holds at most %2 characters; it has %3."),
                      {std::string(entry), std::to_string(max_chars), std::to_string(count)});
    return Phrase(TQR_TR_NOOP("TQRSetup", "\"%1\" holds at most %2 characters; \"%3\" has %4."),
                  {std::string(entry), std::to_string(max_chars), std::string(shown), std::to_string(count)});
}

Refusal check_instant_max(int instant_max)
{
    if (instant_max < kInstantMaxLimits.min || instant_max > kInstantMaxLimits.max)
        return refused(kInstantRange,
                       Phrase(TQR_TR_NOOP("TQRSetup", "\"Max Num\" takes a whole number from 0 to 99, not %1."),
                              {std::to_string(instant_max)}),
                       schema::Id::instant_max);
    return std::nullopt;
}

Refusal check_daily_time(int hour, int minute)
{
    const bool hour_wrong = hour < kHourLimits.min || hour > kHourLimits.max;
    if (hour_wrong || minute < kMinuteLimits.min || minute > kMinuteLimits.max)
        return refused(kDailyTime,
                       Phrase(TQR_TR_NOOP("TQRSetup", "%1:%2 is no time of day: the hour is 0 to 23 and the minute 0 "
                                                      "to 59."),
                              {std::to_string(hour), (minute >= 0 && minute < 10 ? "0" : "") + std::to_string(minute)}),
                       hour_wrong ? schema::Id::daily_hour : schema::Id::daily_minute);
    return std::nullopt;
}

Refusal check_max_size(unsigned max_size)
{
    if (max_size < static_cast<unsigned>(kMaxSizeLimits.min) || max_size > static_cast<unsigned>(kMaxSizeLimits.max))
        return refused(
            kMaxSizeRange,
            Phrase(TQR_TR_NOOP("TQRSetup", "\"Max Size\" takes a whole number of KB from 35 to 120, not %1."),
                   {std::to_string(max_size)}),
            schema::Id::max_size);
    return std::nullopt;
}

Refusal check_rename(std::string_view rename_text)
{
    for (const char c : rename_text) {
        const bool digit = c >= '0' && c <= '9';
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!digit && !letter)
            return refused(kRenameChars,
                           with_character(Phrase(TQR_TR_NOOP("TQRSetup", "\"%1\": a new name takes only the letters "
                                                                         "a-z and A-Z and the digits 0-9."),
                                                 {quoted(rename_text)}),
                                          c),
                           schema::Id::rename_text);
    }
    return std::nullopt;
}

std::array<std::string, 4> split_recipients(std::string_view text)
{
    std::array<std::string, 4> pieces;
    std::size_t start = 0;
    for (std::size_t j = 0; j < pieces.size() && start <= text.size(); ++j) {
        const std::size_t end = text.find(';', start);
        if (end == std::string_view::npos) {
            pieces[j] = std::string(text.substr(start));
            break;
        }
        pieces[j] = std::string(text.substr(start, end - start));
        start = end + 1;
    }
    return pieces;
}

bool has_fifth_recipient(std::string_view text)
{
    std::size_t separators = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ';')
            ++separators;
        else if (separators >= 4 && !is_blank(text[i]))
            return true;
    }
    return false;
}

bool has_control_character(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

std::string remove_blanks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        if (!is_blank(c))
            out.push_back(c);
    return out;
}

namespace {
// A line break in a piece is a list typed over several lines, or loaded so.
bool has_line_break(std::string_view piece)
{
    return piece.find_first_of("\r\n") != std::string_view::npos;
}
} // namespace

Refusal check_phone_piece(std::string_view piece, std::size_t place)
{
    // The first character that breaks the rule is the one to name.
    for (std::size_t k = 0; k < piece.size(); ++k) {
        const char c = piece[k];
        if ((c >= '0' && c <= '9') || (k == 0 && c == '+'))
            continue;
        if (has_line_break(piece))
            return refused(kPhoneInvalid, Phrase(kLineBreakDetail), kPhonesKey);
        return refused(kPhoneInvalid,
                       with_character(Phrase(TQR_TR_NOOP("TQRSetup", "\"%1\" (number %2 in the box): a phone number "
                                                                     "holds digits only, with one \"+\" at the start."),
                                             {quoted(piece), place_text(place)}),
                                      c),
                       kPhonesKey);
    }
    if (piece.size() > 23)
        return refused(kPhoneTooLong,
                       Phrase(TQR_TR_NOOP("TQRSetup", "\"%1\" (number %2 in the box) has %3 characters; a phone number "
                                                      "has at most 23."),
                              {quoted(piece), place_text(place), std::to_string(piece.size())}),
                       kPhonesKey);
    return std::nullopt;
}

Refusal check_email_piece(std::string_view piece, std::size_t place)
{
    const std::vector<std::string> where{quoted(piece), place_text(place), std::to_string(piece.size())};
    if (piece.size() >= 48)
        return refused(kEmailTooLong,
                       Phrase(TQR_TR_NOOP("TQRSetup", "\"%1\" (address %2 in the box) has %3 characters; an address "
                                                      "has at most 47."),
                              where),
                       kEmailsKey);
    if (has_line_break(piece))
        return refused(kEmailFormat, Phrase(kLineBreakDetail), kEmailsKey);
    // An "@" as the very first character names no mailbox, so it does not count.
    if (!piece.empty() && piece.find('@', 1) == std::string_view::npos)
        return refused(kEmailFormat,
                       Phrase(TQR_TR_NOOP("TQRSetup", "\"%1\" (address %2 in the box): an address needs a name, \"@\" "
                                                      "and a domain, for example anna@example.org."),
                              where),
                       kEmailsKey);
    const auto bad =
        std::find_if(piece.begin(), piece.end(), [](char c) { return is_control(c) || c == '<' || c == '>'; });
    if (bad != piece.end())
        return refused(kEmailFormat,
                       with_character(Phrase(TQR_TR_NOOP("TQRSetup", "\"%1\" (address %2 in the box): an address holds "
                                                                     "neither \"<\", \">\" nor a control character."),
                                             where),
                                      *bad),
                       kEmailsKey);
    return std::nullopt;
}

Refusal check_sender(std::string_view address)
{
    const auto bad =
        std::find_if(address.begin(), address.end(), [](char c) { return is_control(c) || c == '<' || c == '>'; });
    if (address.find('@') == std::string_view::npos)
        return refused(kSenderInvalid,
                       Phrase(TQR_TR_NOOP("TQRSetup", "\"%1\": the address the camera sends from needs an \"@\", as in "
                                                      "camera@example.org."),
                              {quoted(address)}),
                       schema::Id::email_address);
    if (bad != address.end())
        return refused(kSenderInvalid,
                       with_character(Phrase(TQR_TR_NOOP("TQRSetup", "\"%1\": the address the camera sends from holds "
                                                                     "neither \"<\", \">\" nor a control character."),
                                             {quoted(address)}),
                                      *bad),
                       schema::Id::email_address);
    return std::nullopt;
}

Refusal check_smtp_port(std::string_view port)
{
    const Refused wrong = refused(kPortRange,
                                  Phrase(TQR_TR_NOOP("TQRSetup", "\"%1\": the port is a whole number from 1 to 65535, "
                                                                 "such as 25, 465 or 587."),
                                         {quoted(port)}),
                                  schema::Id::email_port);
    if (port.empty() || port.size() > 5 || port.find_first_not_of("0123456789") != std::string_view::npos)
        return wrong;
    unsigned value = 0;
    for (const char c : port)
        value = value * 10 + static_cast<unsigned>(c - '0');
    if (value < 1 || value > 65535)
        return wrong;
    return std::nullopt;
}

Refusal check_mail_server_filled(std::string_view server, std::string_view port, bool secure_type_chosen)
{
    if (server.empty())
        return refused(kServerMissing,
                       Phrase(TQR_TR_NOOP("TQRSetup", "\"SMTP Server\" is empty: enter the server that sends the "
                                                      "camera's mail, as the mail provider names it, for example "
                                                      "smtp.example.org.")),
                       schema::Id::email_server);
    if (port.empty())
        return refused(kPortMissing,
                       Phrase(TQR_TR_NOOP("TQRSetup", "\"SMTP Port\" is empty: enter the port the mail provider gives, "
                                                      "usually 25, 465 or 587.")),
                       schema::Id::email_port);
    if (!secure_type_chosen)
        return refused(
            kSecureTypeMissing,
            Phrase(TQR_TR_NOOP("TQRSetup", "\"Secure Type\" is not chosen: pick the one the mail provider "
                                           "gives for this port (often SSL/TLS for 465, STARTTLS for 587).")),
            schema::Id::email_secure_type);
    return std::nullopt;
}

Refusal check_mail_account_filled(std::string_view email, std::string_view account, std::string_view password)
{
    std::optional<Phrase> detail;
    const auto empty = [&](const char* sentence) {
        detail = detail ? followed_by(std::move(*detail), Phrase(sentence)) : Phrase(sentence);
    };
    if (email.empty())
        empty(TQR_TR_NOOP("TQRSetup", "\"Email\" is empty: enter the address the camera sends from, for example "
                                      "camera@example.org."));
    if (account.empty())
        empty(TQR_TR_NOOP("TQRSetup", "\"Account\" is empty: enter the name the mail server knows the account by, "
                                      "often the address itself."));
    if (password.empty())
        empty(TQR_TR_NOOP("TQRSetup", "\"Password\" is empty: enter the account's password."));
    if (!detail)
        return std::nullopt;
    return refused(kAccountMissing, std::move(*detail),
                   email.empty() ? schema::Id::email_address : schema::Id::email_account);
}

bool piece_is_stored(std::string_view piece)
{
    return piece.size() >= 2;
}

bool phone_required(int send_to, int sms_switch)
{
    return send_to != 1 || sms_switch == 1;
}

bool email_required(int send_to)
{
    return send_to != 0;
}

namespace {
// The first piece after the fourth ";" that holds anything: the one
// without a slot.
std::string fifth_recipient(std::string_view text)
{
    std::size_t separators = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != ';')
            continue;
        if (separators >= 4) {
            std::string piece = remove_blanks(text.substr(start, i - start));
            if (!piece.empty())
                return piece;
        }
        ++separators;
        start = i + 1;
    }
    return {};
}
} // namespace

Refusal store_recipients(GsmBlock& block, std::string_view phones_text, std::string_view emails_text, int send_to,
                         int sms_switch)
{
    const Pieces phones = split_recipients(phones_text);
    const Pieces emails = split_recipients(emails_text);
    std::fill(&block.phones[0][0], &block.phones[0][0] + sizeof block.phones, '\0');
    std::fill(&block.emails[0][0], &block.emails[0][0] + sizeof block.emails, '\0');
    bool phone_stored = false;
    bool email_stored = false;
    for (std::size_t j = 0; j < phones.size(); ++j) {
        const std::string phone = remove_blanks(phones[j]);
        if (auto m = check_phone_piece(phone, j + 1))
            return m;
        if (piece_is_stored(phone)) {
            write_text(block.phones[j], phone);
            phone_stored = true;
        }
        const std::string email = remove_blanks(emails[j]);
        if (auto m = check_email_piece(email, j + 1))
            return m;
        if (piece_is_stored(email)) {
            write_text(block.emails[j], email);
            email_stored = true;
        }
    }
    if (has_fifth_recipient(phones_text))
        return refused(kPhoneTooMany,
                       Phrase(TQR_TR_NOOP("TQRSetup", "\"%1\" is the 5th number in the box; the camera keeps four. "
                                                      "Remove one."),
                              {quoted(fifth_recipient(phones_text))}),
                       kPhonesKey);
    if (has_fifth_recipient(emails_text))
        return refused(kEmailTooMany,
                       Phrase(TQR_TR_NOOP("TQRSetup", "\"%1\" is the 5th address in the box; the camera keeps four. "
                                                      "Remove one."),
                              {quoted(fifth_recipient(emails_text))}),
                       kEmailsKey);
    if (!phone_stored && phone_required(send_to, sms_switch))
        return refused(kPhoneMissing,
                       send_to == 1 ? Phrase(TQR_TR_NOOP("TQRSetup", "With \"SMS Switch\" on, the camera needs a phone "
                                                                     "number for its text messages, for example "
                                                                     "+4917012345678."))
                                    : Phrase(TQR_TR_NOOP("TQRSetup", "With Send To \"Phone\" or \"Both\", the camera "
                                                                     "needs at least one phone number, for example "
                                                                     "+4917012345678.")),
                       kPhonesKey);
    if (!email_stored && email_required(send_to))
        return refused(
            kEmailMissing,
            Phrase(TQR_TR_NOOP("TQRSetup", "With Send To \"Email\" or \"Both\", the camera needs at least one "
                                           "address, for example anna@example.org.")),
            kEmailsKey);
    return std::nullopt;
}

namespace {
template <std::size_t N, std::size_t W> std::string joined_slots(const char (&slots)[N][W])
{
    std::string text;
    for (const auto& slot : slots)
        if (slot[0] != 0)
            text += read_text(slot) + ";";
    return text;
}
} // namespace

std::string phones_text(const GsmBlock& block)
{
    return joined_slots(block.phones);
}

std::string emails_text(const GsmBlock& block)
{
    return joined_slots(block.emails);
}

std::optional<std::string_view> sending_gap(const GsmBlock& block, std::string* key)
{
    constexpr std::uint32_t kOff = 2;
    if (unpack_send_schedule(block.send_schedule).send_mode == kOff)
        return std::nullopt;
    const bool mms = block.send_via == 0;
    const auto& field = mms ? block.operator_entry.mms_url : block.operator_entry.gprs_apn;
    if (field[0] != '\0')
        return std::nullopt;
    if (key != nullptr)
        *key = mms ? "gsm.operator.mms_url" : "gsm.operator.gprs_apn";
    return mms ? kNoMmsUrl : kNoGprsApn;
}

} // namespace tqr::rules
