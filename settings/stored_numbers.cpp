#include "settings/stored_numbers.h"

#include <cctype>
#include <limits>

namespace tqr {

namespace {
// Reads like the C library's "%d": returns the value and moves `pos` past
// it, or nothing (and `pos` unchanged) when no digit follows.
std::optional<int> scan_int(std::string_view text, std::size_t& pos)
{
    std::size_t i = pos;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    bool any = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        any = true;
        if (value <= std::numeric_limits<int>::max())
            value = value * 10 + (text[i] - '0');
        ++i;
    }
    if (!any)
        return std::nullopt;
    pos = i;
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}
} // namespace

std::optional<int> leading_int(std::string_view text)
{
    std::size_t pos = 0;
    return scan_int(text, pos);
}

Octets parse_gateway(std::string_view text)
{
    Octets octets{0, 0, 0, 0};
    std::size_t pos = 0;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != '.')
                break;
            ++pos;
        }
        const auto n = scan_int(text, pos);
        if (!n)
            break;
        octets[static_cast<std::size_t>(i)] = *n & 255;
    }
    return octets;
}

std::string format_gateway(const Octets& o)
{
    return std::to_string(o[0]) + "." + std::to_string(o[1]) + "." + std::to_string(o[2]) + "." + std::to_string(o[3]);
}

} // namespace tqr
