#include "settings/translatable.h"

namespace tqr {

std::string Phrase::english() const
{
    std::string out;
    for (const char* p = text; *p != '\0'; ++p) {
        if (p[0] == '%' && p[1] >= '1' && p[1] <= '9' && static_cast<std::size_t>(p[1] - '1') < args.size()) {
            out += args[static_cast<std::size_t>(p[1] - '1')];
            ++p;
            continue;
        }
        out += *p;
    }
    for (const Phrase& next : then)
        out += next.english();
    return out;
}

} // namespace tqr
