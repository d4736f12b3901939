#include "settings/profile_record.h"

#include <algorithm>
#include <cstring>

namespace tqr {

ProfileRecord initial_profile_image()
{
    ProfileRecord r{};
    std::memcpy(r.magic, kMagicText, kMagicSize);
    r.model_index = 3;
    return r;
}

ProfileRecord current_profile = initial_profile_image();

std::uint32_t pack_send_schedule(const SendSchedule& s)
{
    return (s.send_mode << 24) | ((s.instant_max & 255u) << 16) | ((s.daily_hour & 255u) << 8) |
           (s.daily_minute & 255u);
}

SendSchedule unpack_send_schedule(std::uint32_t value)
{
    SendSchedule s;
    s.send_mode = value >> 24;
    s.instant_max = (value >> 16) & 255u;
    s.daily_hour = (value >> 8) & 255u;
    s.daily_minute = value & 255u;
    return s;
}

std::uint16_t pack_operator_select(int country_index, int operator_index)
{
    return static_cast<std::uint16_t>(((country_index & 255) << 8) | (operator_index & 255));
}

OperatorSelect unpack_operator_select(std::uint16_t value)
{
    return OperatorSelect{value >> 8, value & 255};
}

void write_text(std::span<char> field, std::string_view text)
{
    if (field.empty())
        return;
    std::fill(field.begin(), field.end(), '\0');
    const std::size_t n = std::min(text.size(), field.size() - 1);
    std::copy_n(text.begin(), n, field.begin());
}

std::string read_text(std::span<const char> field)
{
    const auto end = std::find(field.begin(), field.end(), '\0');
    return std::string(field.begin(), end);
}

} // namespace tqr
