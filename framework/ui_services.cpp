#include "framework/ui_services.h"

#include "framework/cdialog.h"
#include "framework/folder_browser.h"
#include "framework/message_box.h"
#include "framework/text_codec.h"
#include "framework/translation.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>

namespace tqr::fw {

std::unique_ptr<QMessageBox> new_message_box(const MessageBoxRequest& r)
{
    auto box = std::make_unique<QMessageBox>(r.owner != nullptr ? r.owner->window() : nullptr);
    box->setWindowTitle(QString::fromStdString(r.caption));
    // Messages name folders and files as the user sees them, so they are
    // UTF-8 and shown as plain text, never as markup.
    QString text = QString::fromUtf8(r.text.data(), static_cast<qsizetype>(r.text.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    if (!r.detail.empty()) {
        box->setInformativeText(QString::fromUtf8(r.detail.data(), static_cast<qsizetype>(r.detail.size())));
        if (auto* more = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"))) {
            more->setTextFormat(Qt::PlainText);
            // A sentence of explanation reads badly in a column as narrow as
            // a short message: give it room for about fifty characters.
            more->setMinimumWidth(more->fontMetrics().averageCharWidth() * 50);
        }
        text += QStringLiteral("\n") + box->informativeText();
    }
    // Screen readers announce a box by its caption and read its text.
    box->setAccessibleName(box->windowTitle());
    box->setAccessibleDescription(text);
    switch (r.style & kIconMask) {
    case MB_ICONHAND: box->setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box->setIcon(QMessageBox::Question); break;
    case MB_ICONEXCLAMATION: box->setIcon(QMessageBox::Warning); break;
    default: box->setIcon(QMessageBox::NoIcon); break;
    }
    box->setStandardButtons((r.style & kButtonMask) == MB_YESNO ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    if (!r.extra_button.empty() && (r.style & kButtonMask) == MB_OK) {
        box->addButton(QString::fromUtf8(r.extra_button.data(), static_cast<qsizetype>(r.extra_button.size())),
                       QMessageBox::ActionRole);
        // Enter and Escape keep meaning OK; the extra button is a choice.
        box->setDefaultButton(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Ok);
    }
    return box;
}

namespace {

// Real windows on the desktop.
class DesktopUi final : public UiServices {
  public:
    int message_box(const MessageBoxRequest& r) override
    {
        const std::unique_ptr<QMessageBox> box = new_message_box(r);
        if ((r.style & kButtonMask) == MB_YESNO)
            return box->exec() == QMessageBox::Yes ? IDYES : IDNO;
        box->exec();
        // Escape and the window's close button count as OK.
        const QAbstractButton* clicked = box->clickedButton();
        return clicked != nullptr && clicked != box->button(QMessageBox::Ok) ? IDEXTRA : IDOK;
    }

    int run_modal(CDialog& dialog) override
    {
        auto* window = qobject_cast<QDialog*>(dialog.window());
        if (window == nullptr || dialog.has_ended())
            return dialog.result();
        window->exec();
        return dialog.result();
    }

    std::optional<std::string> browse_for_folder(QWidget* owner, const std::string& title,
                                                 const std::string& start) override
    {
        return run_folder_browser(owner, title, start);
    }
};

UiServices*& installed()
{
    static UiServices* services = nullptr;
    return services;
}

} // namespace

UiServices& current_ui()
{
    static DesktopUi desktop;
    UiServices* s = installed();
    return s != nullptr ? *s : desktop;
}

ScopedUi::ScopedUi(UiServices& services) : previous_(installed())
{
    installed() = &services;
}

ScopedUi::~ScopedUi()
{
    installed() = previous_;
}

std::string app_name()
{
    const QString path = QCoreApplication::applicationFilePath();
    const QString name = QFileInfo(path).completeBaseName();
    return name.isEmpty() ? std::string("TQRSetup") : name.toStdString();
}

int message_box(QWidget* owner, std::string_view text, unsigned style)
{
    return message_box(owner, text, {}, style);
}

int message_box(QWidget* owner, std::string_view text, const std::vector<std::string>& args, unsigned style,
                std::string_view detail, std::string_view extra_button)
{
    // The arguments and composed messages carry names from outside (a
    // card's label in its folder, a server's reply): no control character
    // or reordering mark of theirs reaches the box, and only the message's
    // own line breaks stay.
    std::vector<std::string> plain_args;
    for (const std::string& arg : args)
        plain_args.push_back(plain_utf8(arg));
    const std::string shown = plain_utf8(translated_utf8(text, plain_args), true);
    const std::string more = detail.empty() ? std::string() : plain_utf8(translated_utf8(detail), true);
    const std::string extra = extra_button.empty() ? std::string() : translated_utf8(extra_button);
    return current_ui().message_box(MessageBoxRequest{owner, app_name(), shown, style, more, extra});
}

int message_box(QWidget* owner, std::string_view text, const std::vector<std::string>& args, unsigned style,
                const Phrase& detail)
{
    std::vector<std::string> plain_args;
    for (const std::string& arg : args)
        plain_args.push_back(plain_utf8(arg));
    const std::string shown = plain_utf8(translated_utf8(text, plain_args), true);
    return current_ui().message_box(
        MessageBoxRequest{owner, app_name(), shown, style, plain_utf8(translated_utf8(detail), true)});
}

} // namespace tqr::fw
