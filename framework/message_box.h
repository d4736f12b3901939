#pragma once

#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace tqr {
struct Phrase;
}

namespace tqr::fw {

// Buttons, icons and answers of message boxes.
enum : unsigned {
    MB_OK = 0x00,
    MB_YESNO = 0x04,
    MB_ICONHAND = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
};
inline constexpr unsigned kButtonMask = 0x0F;
inline constexpr unsigned kIconMask = 0xF0;

enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// The one entry point for message boxes: caption is always the
// application's name; returns the button the user chose.
// The text is shown in the user's language; `args` (UTF-8) fill its %1,
// %2, ... after translation.
int message_box(QWidget* owner, std::string_view text, unsigned style = MB_OK);
int message_box(QWidget* owner, std::string_view text, const std::vector<std::string>& args, unsigned style,
                std::string_view detail = {});

// A refusal: the system's own message, and below it, in the user's
// language, the sentence that says which entry is wrong and what it holds.
int message_box(QWidget* owner, std::string_view text, const std::vector<std::string>& args, unsigned style,
                const Phrase& detail);

// The application's name: the executable's file name without extension.
std::string app_name();

} // namespace tqr::fw
