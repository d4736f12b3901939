#pragma once

// An edit's typing rules, as the classic edit styles have them: which
// characters it takes (digits only, or only what the record's code page
// holds), its character limit, what a paste keeps, and how a multi-line
// edit's line breaks travel. Every edit of every form is made here.

#include <QWidget>

#include <string>
#include <string_view>

class QLineEdit;
class QPlainTextEdit;

namespace tqr::fw {

// A new edit for a form control of style `style` (the form's edit flags).
QWidget* make_edit(QWidget* parent, unsigned style);

// At most `max_chars` characters may be typed or pasted; a longer text the
// program put there stays.
void set_edit_limit(QLineEdit* edit, int max_chars);
// The program's own text for a single-line edit: shown whole, whatever the
// limit.
void set_edit_text(QLineEdit* edit, const QString& text);

// A multi-line edit's text exactly as the user typed it, in the record's
// code page: a typed line break is CR LF; a lone CR or LF loaded from a file
// comes back as that byte; nothing else is changed (a no-break space stays
// one).
std::string multi_line_text(const QPlainTextEdit* edit);
void set_multi_line_text(QPlainTextEdit* edit, std::string_view text);

} // namespace tqr::fw
