// Provider-database bytes of any length -> the reader -> every look-up the
// dialog and tqrprofile make from what it returns.
#include "providers/operator_fill.h"
#include "providers/provider_database.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace tqr::providers;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const LoadResult r = parse_database(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!r.database)
        return 0;
    for (const Country& c : r.database->countries) {
        r.database->find_country(c.name);
        for (const Operator& op : c.operators) {
            find_operator(c, op.name);
            const AccessPoint* data_apn = op.data_apns.empty() ? nullptr : &op.data_apns.front();
            plan_fill(op, data_apn, nullptr);
            for (const AccessPoint& mms : op.mms_apns)
                plan_fill(op, data_apn, &mms);
        }
    }
    return 0;
}
