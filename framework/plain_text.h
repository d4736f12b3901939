#pragma once

#include <QString>

#include <string_view>

namespace tqr::fw {

// Names that come from outside (a card's label, the provider database)
// shown as plain text: control characters and the marks that reorder text
// are replaced, so a name can neither format itself nor pose as another
// ("\u202Egnp.exe" shown as "exe.png"). Invalid UTF-8 shows as the
// replacement character too.
inline QString plain_text(std::string_view name)
{
    QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x061C || u == 0x200E || u == 0x200F ||
            (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069))
            c = QChar(QChar::ReplacementCharacter);
    }
    return text;
}

} // namespace tqr::fw
