#pragma once

// The record's texts are 8-bit, in the Western Windows code page (1252),
// as the camera and the dialog on a Western Windows system have them. Every
// conversion between them and Unicode goes through here, so the dialog and
// the command line agree on every character.

#include <optional>
#include <string>
#include <string_view>

namespace tqr::ansi {

// Every byte has a character: the five bytes the code page leaves
// undefined stand for the control characters of the same number, so a
// loaded record's bytes come back unchanged when it is stored again.
char32_t to_unicode(unsigned char byte);

// The byte for `ch`, or nothing when the code page has no such character.
std::optional<unsigned char> from_unicode(char32_t ch);

inline bool representable(char32_t ch)
{
    return from_unicode(ch).has_value();
}

std::string to_utf8(std::string_view text);

// Nothing when `utf8` is malformed or holds a character without a byte.
std::optional<std::string> from_utf8(std::string_view utf8);

} // namespace tqr::ansi
