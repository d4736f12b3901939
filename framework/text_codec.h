#pragma once

// The two kinds of text the dialogs hold: the record's 8-bit texts, and
// file-system paths, which are the user's own bytes.

#include <QString>

#include <string>
#include <string_view>

namespace tqr::fw {

QString from_ansi(std::string_view text);
// Characters without a byte in the record's code page never get this far:
// the edits refuse them. Should one slip through, it is dropped rather
// than replaced by a character the user never typed.
std::string to_ansi(const QString& text);
// Whether `c` can go into a record text.
bool is_ansi(QChar c);

// Paths are UTF-8, but a folder's name may be any bytes. Bytes that are not
// UTF-8 travel as lone surrogates (U+DC80..U+DCFF) and come back as the
// same bytes, so such a folder can still be saved into.
QString from_path_bytes(std::string_view bytes);
std::string to_path_bytes(const QString& text);

// Text from outside (a card's label, a folder's name, a database's entry)
// as shown: control characters and the marks that reorder text replaced by
// U+FFFD, so it can neither format itself nor pose as another. Line breaks
// stay where `keep_line_breaks` says so (a message's own lines).
// Bytes that are not UTF-8 stay as they are, for the message box to show
// as it shows any such name.
std::string plain_utf8(std::string_view utf8, bool keep_line_breaks = false);
QString plain_text(std::string_view utf8);

} // namespace tqr::fw
