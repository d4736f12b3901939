#include "settings/value_rules.h"

#include <algorithm>

namespace tqr::rules {

namespace {
// Only the plain space is a blank: a no-break space is a character the user
// typed, which a phone number or an address cannot hold.
bool is_blank(char c)
{
    return c == ' ';
}
} // namespace

Refusal check_instant_max(int instant_max)
{
    if (instant_max < 0 || instant_max > 99)
        return kInstantRange;
    return std::nullopt;
}

Refusal check_daily_time(int hour, int minute)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return kDailyTime;
    return std::nullopt;
}

Refusal check_max_size(unsigned max_size)
{
    if (max_size < 35 || max_size > 120)
        return kMaxSizeRange;
    return std::nullopt;
}

Refusal check_rename(std::string_view rename_text)
{
    for (const char c : rename_text) {
        const bool digit = c >= '0' && c <= '9';
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!digit && !letter)
            return kRenameChars;
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

Refusal check_phone_piece(std::string_view piece)
{
    for (std::size_t i = piece.size(); i-- > 0;) {
        const char c = piece[i];
        const bool digit = c >= '0' && c <= '9';
        if (!digit && !(i == 0 && c == '+'))
            return kPhoneInvalid;
    }
    if (piece.size() > 23)
        return kPhoneTooLong;
    return std::nullopt;
}

Refusal check_email_piece(std::string_view piece)
{
    if (piece.size() >= 48)
        return kEmailTooLong;
    // An "@" as the very first character names no mailbox, so it does not count.
    if (!piece.empty() && piece.find('@', 1) == std::string_view::npos)
        return kEmailFormat;
    if (has_control_character(piece) || piece.find_first_of("<>") != std::string_view::npos)
        return kEmailFormat;
    return std::nullopt;
}

Refusal check_sender(std::string_view address)
{
    if (address.find('@') == std::string_view::npos || has_control_character(address) ||
        address.find_first_of("<>") != std::string_view::npos)
        return kSenderInvalid;
    return std::nullopt;
}

Refusal check_smtp_port(std::string_view port)
{
    if (port.empty() || port.size() > 5 || port.find_first_not_of("0123456789") != std::string_view::npos)
        return kPortRange;
    unsigned value = 0;
    for (const char c : port)
        value = value * 10 + static_cast<unsigned>(c - '0');
    if (value < 1 || value > 65535)
        return kPortRange;
    return std::nullopt;
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
        if (const auto m = check_phone_piece(phone))
            return m;
        if (piece_is_stored(phone)) {
            write_text(block.phones[j], phone);
            phone_stored = true;
        }
        const std::string email = remove_blanks(emails[j]);
        if (const auto m = check_email_piece(email))
            return m;
        if (piece_is_stored(email)) {
            write_text(block.emails[j], email);
            email_stored = true;
        }
    }
    if (has_fifth_recipient(phones_text))
        return kPhoneTooMany;
    if (has_fifth_recipient(emails_text))
        return kEmailTooMany;
    if (!phone_stored && phone_required(send_to, sms_switch))
        return kPhoneMissing;
    if (!email_stored && email_required(send_to))
        return kEmailMissing;
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

Refusal sending_gap(const GsmBlock& block, std::string* key)
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
