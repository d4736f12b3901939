#pragma once

#include <QString>

class QWidget;

namespace tqr::test {

// Shows `window` and makes it the active window, so that focus, Tab and
// the default button behave as on a desktop.
void show_active(QWidget* window);

// Presses Tab, as the user does, until `target` has the keyboard focus.
// False when it never gets it.
bool tab_to(QWidget* target);

// Types `text` key by key into whatever has the focus in `w`'s window,
// also characters that QTest::keyClicks cannot send (outside Latin-1).
void type(QWidget* w, const QString& text);

// Puts `text` on the clipboard and presses Ctrl+V in `w`.
void paste(QWidget* w, const QString& text);

} // namespace tqr::test
