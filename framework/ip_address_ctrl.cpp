#include "framework/ip_address_ctrl.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace tqr::fw {

IpAddressWidget::IpAddressWidget(QWidget* parent) : QFrame(parent)
{
    // One sunken field like an edit, holding four borderless number fields.
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(0);
    auto* validator = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            auto* dot = new QLabel(QStringLiteral("."), this);
            dot->setAlignment(Qt::AlignCenter);
            layout->addWidget(dot);
        }
        fields_[i] = new QLineEdit(this);
        fields_[i]->setFrame(false);
        fields_[i]->setValidator(validator);
        fields_[i]->setAlignment(Qt::AlignCenter);
        fields_[i]->setMaxLength(3);
        fields_[i]->installEventFilter(this);
        // Tab enters the control at its first field and leaves it from
        // there, as with any other control; clicks reach every field.
        if (i > 0)
            fields_[i]->setFocusPolicy(Qt::ClickFocus);
        layout->addWidget(fields_[i], 1);
        // A field above 255 is corrected as soon as the user leaves it.
        QObject::connect(fields_[i], &QLineEdit::editingFinished, this, [this, i] { clamp_field(i); });
        // The third digit completes a field: typing goes on in the next.
        QObject::connect(fields_[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
            if (i < 3 && text.size() == 3 && fields_[i]->cursorPosition() == 3)
                move_to(i + 1, Where::selectAll);
        });
    }
}

void IpAddressWidget::clamp_field(int i)
{
    bool ok = false;
    if (fields_[i]->text().toInt(&ok) > 255 && ok)
        fields_[i]->setText(QStringLiteral("255"));
}

void IpAddressWidget::move_to(int i, Where where)
{
    if (i < 0 || i > 3)
        return;
    QLineEdit* f = fields_[i];
    f->setFocus(Qt::OtherFocusReason);
    switch (where) {
    case Where::selectAll: f->selectAll(); break;
    case Where::start: f->setCursorPosition(0); break;
    case Where::end: f->setCursorPosition(static_cast<int>(f->text().size())); break;
    }
    just_moved_ = where == Where::selectAll;
}

int IpAddressWidget::field_index(const QObject* o) const
{
    for (int i = 0; i < 4; ++i)
        if (fields_[i] == o)
            return i;
    return -1;
}

bool IpAddressWidget::paste_address(const QString& text)
{
    const QStringList parts = text.trimmed().split(u'.');
    if (parts.size() != 4)
        return false;
    static const QRegularExpression number(QStringLiteral("^[0-9]{1,3}$"));
    for (const QString& part : parts)
        if (!number.match(part).hasMatch())
            return false;
    for (int i = 0; i < 4; ++i) {
        fields_[i]->setText(parts[i]);
        clamp_field(i);
    }
    move_to(3, Where::end);
    return true;
}

bool IpAddressWidget::eventFilter(QObject* watched, QEvent* event)
{
    const int i = field_index(watched);
    if (i < 0 || event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    QLineEdit* f = fields_[i];
    const bool moved = just_moved_;
    just_moved_ = false;
    if (key->matches(QKeySequence::Paste)) {
        // A whole dotted address fills all four fields; anything else is
        // pasted into the field as usual, digits only.
        return paste_address(QGuiApplication::clipboard()->text());
    }
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool at_start = f->cursorPosition() == 0 && !f->hasSelectedText();
    const bool at_end = f->cursorPosition() == f->text().size() && !f->hasSelectedText();
    if (key->text() == QStringLiteral(".")) {
        // A dot ends the field; right after the field ended by itself, or
        // in an empty field, it has nothing to end.
        if (!moved && !f->text().isEmpty())
            move_to(i + 1, Where::selectAll);
        return true;
    }
    switch (key->key()) {
    case Qt::Key_Backspace:
        if (plain && at_start && i > 0) {
            move_to(i - 1, Where::end);
            return true;
        }
        break;
    case Qt::Key_Left:
        if (plain && at_start && i > 0) {
            move_to(i - 1, Where::end);
            return true;
        }
        break;
    case Qt::Key_Right:
        if (plain && at_end && i < 3) {
            move_to(i + 1, Where::start);
            return true;
        }
        break;
    default: break;
    }
    return QFrame::eventFilter(watched, event);
}

void IpAddressWidget::set_address(std::uint32_t address)
{
    for (int i = 0; i < 4; ++i)
        fields_[i]->setText(QString::number((address >> (24 - 8 * i)) & 0xFF));
}

std::uint32_t IpAddressWidget::address()
{
    std::uint32_t a = 0;
    for (int i = 0; i < 4; ++i) {
        // What is read is what the control shows.
        clamp_field(i);
        const auto v = static_cast<std::uint32_t>(fields_[i]->text().toInt());
        a |= v << (24 - 8 * i);
    }
    return a;
}

int IpAddressWidget::filled_fields() const
{
    int n = 0;
    for (const auto* f : fields_)
        n += !f->text().isEmpty();
    return n;
}

void IpAddressWidget::set_field_text(int field, const QString& text)
{
    fields_[field]->setText(text);
}

void CIPAddressCtrl::SetAddress(std::uint32_t address)
{
    widget_->set_address(address);
}

void CIPAddressCtrl::SetAddress(int a, int b, int c, int d)
{
    SetAddress((static_cast<std::uint32_t>(a & 255) << 24) | (static_cast<std::uint32_t>(b & 255) << 16) |
               (static_cast<std::uint32_t>(c & 255) << 8) | static_cast<std::uint32_t>(d & 255));
}

int CIPAddressCtrl::GetAddress(std::uint8_t& a, std::uint8_t& b, std::uint8_t& c, std::uint8_t& d) const
{
    const std::uint32_t v = widget_->address();
    a = static_cast<std::uint8_t>(v >> 24);
    b = static_cast<std::uint8_t>(v >> 16);
    c = static_cast<std::uint8_t>(v >> 8);
    d = static_cast<std::uint8_t>(v);
    return widget_->filled_fields();
}

std::uint32_t CIPAddressCtrl::GetAddress() const
{
    return widget_->address();
}

} // namespace tqr::fw
