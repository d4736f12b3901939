#include "cli/printable.h"

#include "settings/utf8_text.h"

#include <algorithm>
#include <cstdio>

namespace tqr::cli {

namespace {

bool unsafe(char32_t cp)
{
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069);
}

} // namespace

std::string printable(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    // Room for the longest escape snprintf may be asked for: "\\u" and the
    // eight hex digits of any 32-bit value, though only code points below
    // U+2070 are ever escaped this way.
    char buf[sizeof "\\u" + 8];
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const std::size_t n = utf8::decode(text, i, cp);
        // DEL as a code point: "\x7F" would make JSON output invalid.
        if (n == 0 || (n == 1 && unsafe(cp) && cp != 0x7F)) {
            std::snprintf(buf, sizeof buf, "\\x%02X", static_cast<unsigned char>(text[i]));
            out += buf;
            ++i;
        } else if (unsafe(cp)) {
            std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(cp));
            out += buf;
            i += n;
        } else {
            out.append(text.substr(i, n));
            i += n;
        }
    }
    return out;
}

std::string printable_lines(std::string_view text)
{
    std::string out;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find_first_of("\n\t", start), text.size());
        out += printable(text.substr(start, end - start));
        if (end < text.size())
            out += text[end];
        start = end + 1;
    }
    return out;
}

} // namespace tqr::cli
