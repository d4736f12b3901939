#include "tests/support/record_fixtures.h"

#include "settings/factory_defaults.h"
#include "settings/settings_files.h"

#include <span>

namespace tqr::test {

std::string scrambled(const ProfileRecord& record, std::size_t from, std::size_t to)
{
    std::string out(reinterpret_cast<const char*>(&record) + from, to - from);
    scramble_bytes(std::span<std::uint8_t>(reinterpret_cast<std::uint8_t*>(out.data()), out.size()));
    return out;
}

void FreshSettings::reset()
{
    current_profile = initial_profile_image();
    for (int i = 0; i < kCustomOperatorCount; ++i)
        CustomOperators[i] = initial_custom_operator(i);
}

} // namespace tqr::test
