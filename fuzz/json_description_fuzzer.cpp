// Bytes of any kind -> tqrprofile's JSON reader -> the dialog's rules as
// write and check run them. An accepted description must come back
// unchanged through export. Standard C++ only, so it runs fast.
#include "tables/profile_check.h"
#include "cli/profile_json.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace tqr;
using namespace tqr::cli;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    ProfileDocument doc;
    try {
        doc = from_json(parse_json_text(text));
    } catch (const ProfileError&) {
        return 0; // refused with a message: what users see for a bad file
    }
    const ProfileDocument again = from_json(parse_json_text(to_json(doc).dump()));
    if (std::memcmp(&again.record, &doc.record, sizeof doc.record) != 0 ||
        again.custom.has_value() != doc.custom.has_value())
        std::abort();
    (void)check_profile(doc);
    ProfileRecord record = doc.record;
    if (!prepare_for_writing(record)) {
        // What write would put on the card passes its own check.
        ProfileDocument written;
        written.record = record;
        for (const auto& f : find_faults(written))
            if (f.key != "gsm.operator")
                std::abort();
    }
    return 0;
}
