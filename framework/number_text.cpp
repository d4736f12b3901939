#include "framework/number_text.h"

#include <cstdint>
#include <limits>

namespace tqr::fw {

namespace {

bool is_c_space(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

struct Scan {
    std::uint64_t magnitude = 0; // saturated at 2^33
    bool negative = false;
    bool any_digit = false;
    std::size_t end = 0; // index after the number, or the start when none
};

// What the C library's strtol/strtoul consume from `pos` on: white space,
// a sign and decimal digits.
Scan scan_number(std::string_view s, std::size_t pos)
{
    Scan r;
    r.end = pos;
    std::size_t i = pos;
    while (i < s.size() && is_c_space(s[i]))
        ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        r.negative = s[i] == '-';
        ++i;
    }
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        r.any_digit = true;
        if (r.magnitude < (std::uint64_t{1} << 33))
            r.magnitude = r.magnitude * 10 + static_cast<std::uint64_t>(s[i] - '0');
        ++i;
    }
    if (r.any_digit)
        r.end = i;
    return r;
}

// Skips blanks and tabs; true when the whole text has then been read.
bool only_blanks_after(std::string_view s, std::size_t pos)
{
    while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t'))
        ++pos;
    return pos == s.size();
}

std::size_t skip_blanks(std::string_view s)
{
    std::size_t pos = 0;
    while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t'))
        ++pos;
    return pos;
}

} // namespace

std::optional<std::int32_t> parse_int_text(std::string_view text)
{
    text = text.substr(0, kNumberTextLimit);
    const std::size_t start = skip_blanks(text);
    const char first = start < text.size() ? text[start] : '\0';
    const Scan n = scan_number(text, start);
    std::int64_t value = 0;
    if (n.any_digit) {
        const auto max = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());
        value = n.negative ? -static_cast<std::int64_t>(std::min(n.magnitude, max + 1))
                           : static_cast<std::int64_t>(std::min(n.magnitude, max));
    }
    if (value == 0 && first != '0')
        return std::nullopt;
    if (!only_blanks_after(text, n.end))
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<std::uint32_t> parse_uint_text(std::string_view text)
{
    text = text.substr(0, kNumberTextLimit);
    const std::size_t start = skip_blanks(text);
    const char first = start < text.size() ? text[start] : '\0';
    if (first == '-')
        return std::nullopt;
    const Scan n = scan_number(text, start);
    std::uint32_t value = 0;
    if (n.any_digit) {
        const std::uint64_t max = std::numeric_limits<std::uint32_t>::max();
        if (n.magnitude > max)
            value = std::numeric_limits<std::uint32_t>::max();
        else
            value = n.negative ? static_cast<std::uint32_t>(0u - static_cast<std::uint32_t>(n.magnitude))
                               : static_cast<std::uint32_t>(n.magnitude);
    }
    if (value == 0 && first != '0')
        return std::nullopt;
    if (!only_blanks_after(text, n.end))
        return std::nullopt;
    return value;
}

std::string format_message(std::string_view text, std::string_view arg1, std::string_view arg2)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            out += text[i + 1] == '1' ? arg1 : arg2;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace tqr::fw
