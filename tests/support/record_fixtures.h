#pragma once

#include "settings/profile_record.h"

#include <cstddef>
#include <string>

namespace tqr::test {

// Record bytes [from, to) as the files hold them, every word scrambled.
std::string scrambled(const ProfileRecord& record, std::size_t from = 0, std::size_t to = sizeof(ProfileRecord));

// Puts the record and the custom operator rows back to their start-up
// content; tests that change the program-wide settings hold one of these.
struct FreshSettings {
    FreshSettings() { reset(); }
    ~FreshSettings() { reset(); }
    FreshSettings(const FreshSettings&) = delete;
    FreshSettings& operator=(const FreshSettings&) = delete;
    static void reset();
};

} // namespace tqr::test
