#include "tests/support/keyboard.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QWidget>

namespace tqr::test {

void show_active(QWidget* window)
{
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    (void)QTest::qWaitForWindowActive(window);
}

bool tab_to(QWidget* target)
{
    // Each press moves one control on; a form has fewer than this many.
    for (int i = 0; i < 80 && QApplication::focusWidget() != target; ++i) {
        QWidget* from = QApplication::focusWidget();
        if (from == nullptr)
            return false;
        QTest::keyClick(from, Qt::Key_Tab);
    }
    return QApplication::focusWidget() == target;
}

void type(QWidget* w, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // Keys go where the focus is now: typing may move it on.
        QWidget* target = w->window()->focusWidget();
        if (target == nullptr)
            target = w;
        // A character beyond the first plane comes as one key, both halves.
        const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (c.unicode() < 0x80)
            QTest::keyClick(target, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, text.mid(i, pair ? 2 : 1), Qt::NoModifier);
        i += pair;
    }
}

void paste(QWidget* w, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
}

} // namespace tqr::test
