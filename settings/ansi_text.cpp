#include "settings/ansi_text.h"

#include <array>

namespace tqr::ansi {

namespace {

// 0x80..0x9F; the rest of the code page is Latin-1. Zero marks the bytes
// the code page leaves undefined.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

char32_t to_unicode(unsigned char byte)
{
    if (byte < 0x80 || byte > 0x9F)
        return byte;
    const char32_t mapped = kHighControls[byte - 0x80];
    return mapped != 0 ? mapped : byte;
}

std::optional<unsigned char> from_unicode(char32_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<unsigned char>(ch);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        const auto byte = static_cast<unsigned char>(0x80 + i);
        if (kHighControls[i] == ch || (kHighControls[i] == 0 && ch == byte))
            return byte;
    }
    return std::nullopt;
}

std::string to_utf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const char32_t u = to_unicode(static_cast<unsigned char>(c));
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
}

std::optional<std::string> from_utf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t extra = 0;
        char32_t ch = 0;
        if (lead < 0x80) {
            ch = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            ch = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            ch = lead & 0x0F;
        } else {
            // Four-byte sequences lie outside the code page anyway.
            return std::nullopt;
        }
        if (i + extra >= utf8.size())
            return std::nullopt;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto cont = static_cast<unsigned char>(utf8[i + k]);
            if ((cont & 0xC0) != 0x80)
                return std::nullopt;
            ch = (ch << 6) | (cont & 0x3F);
        }
        // Overlong forms are not UTF-8.
        if ((extra == 1 && ch < 0x80) || (extra == 2 && ch < 0x800))
            return std::nullopt;
        const auto byte = from_unicode(ch);
        if (!byte)
            return std::nullopt;
        out += static_cast<char>(*byte);
        i += extra + 1;
    }
    return out;
}

} // namespace tqr::ansi
