#include "framework/text_codec.h"

#include "settings/ansi_text.h"
#include "settings/utf8_text.h"

namespace tqr::fw {

QString from_ansi(std::string_view text)
{
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (const char c : text)
        out += QChar(static_cast<char16_t>(ansi::to_unicode(static_cast<unsigned char>(c))));
    return out;
}

std::string to_ansi(const QString& text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text)
        if (const auto byte = ansi::from_unicode(c.unicode()))
            out += static_cast<char>(*byte);
    return out;
}

bool is_ansi(QChar c)
{
    return ansi::representable(c.unicode());
}

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// Length of the well-formed UTF-8 sequence at `i`, or 0.
std::size_t utf8_sequence(std::string_view s, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t n = 0;
    char32_t min = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        n = 2;
        min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        n = 3;
        min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        n = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size())
        return 0;
    char32_t ch = lead & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        const auto cont = static_cast<unsigned char>(s[i + k]);
        if ((cont & 0xC0) != 0x80)
            return 0;
        ch = (ch << 6) | (cont & 0x3F);
    }
    if (ch < min || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
        return 0;
    return n;
}

} // namespace

QString from_path_bytes(std::string_view bytes)
{
    QString out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (const std::size_t n = utf8_sequence(bytes, i)) {
            out += QString::fromUtf8(bytes.data() + i, static_cast<qsizetype>(n));
            i += n;
        } else {
            out += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[i])));
            ++i;
        }
    }
    return out;
}

std::string to_path_bytes(const QString& text)
{
    std::string out;
    qsizetype start = 0;
    const auto flush = [&](qsizetype end) { out += text.mid(start, end - start).toStdString(); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        const bool paired = text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate();
        if (u >= kEscapeBase + 0x80 && u <= kEscapeBase + 0xFF && !paired) {
            flush(i);
            out += static_cast<char>(u - kEscapeBase);
            start = i + 1;
        }
    }
    flush(text.size());
    return out;
}

std::string plain_utf8(std::string_view utf8, bool keep_line_breaks)
{
    static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        const std::size_t n = utf8::decode(utf8, i, cp);
        const bool line_break = cp == U'\r' || cp == U'\n';
        if (n == 0) {
            out += utf8[i++];
            continue;
        }
        if (utf8::is_control_or_direction_mark(cp) && !(keep_line_breaks && line_break))
            out += kReplacement;
        else
            out.append(utf8.substr(i, n));
        i += n;
    }
    return out;
}

QString plain_text(std::string_view utf8)
{
    const std::string plain = plain_utf8(utf8);
    return QString::fromUtf8(plain.data(), static_cast<qsizetype>(plain.size()));
}

} // namespace tqr::fw
