#pragma once

// The dialog's texts in the user's language. The English text in the code
// is the source text: where a language has no translation for it, or the
// desktop's language is one we have none for, the English shows unchanged.

#include "settings/translatable.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace tqr::fw {

// The one translation context of all source texts.
inline constexpr const char* kTextContext = "TQRSetup";

// `source` in the user's language.
QString translated(std::string_view source);
// The same with %1, %2, ... replaced by `args` (UTF-8) in one pass, so an
// argument that itself holds "%2" stays as it is.
QString translated(std::string_view source, const std::vector<std::string>& args);
// As UTF-8, for message boxes; the arguments go in byte for byte.
std::string translated_utf8(std::string_view source, const std::vector<std::string>& args = {});
// A sentence put together from parts, each part translated.
std::string translated_utf8(const Phrase& phrase);
// As the 8-bit text a control's set_text takes.
std::string translated_ansi(std::string_view source, const std::vector<std::string>& args = {});
// A control's text as shown: its translation where `text` is a source text,
// else `text` itself, read as the 8-bit text the record holds.
QString shown_text(std::string_view text);

// The language the dialog speaks: `language` ("de", "fr_FR") when given,
// else the desktop's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG as Qt reads
// them). Returns the language loaded, or "" when the dialog stays English.
// Call once the application object exists, before any window is built.
std::string install_translation(const std::string& language = {});

// Whether the dialog can speak `language`: English always, others when a
// translation for them (or their language without the territory) exists;
// "no" and "nn" speak Norwegian Bokmål.
bool has_translation(const std::string& language);
// `phrase` in `language` (the desktop's when empty), as UTF-8, for the few
// texts printed before the application object exists.
std::string console_text(const std::string& language, const Phrase& phrase);

} // namespace tqr::fw
