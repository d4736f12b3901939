#include "framework/ip_address_ctrl.h"

#include <QHBoxLayout>
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
        layout->addWidget(fields_[i], 1);
        // A field above 255 is corrected as soon as the user leaves it.
        QObject::connect(fields_[i], &QLineEdit::editingFinished, this, [this, i] {
            if (fields_[i]->text().toInt() > 255)
                fields_[i]->setText(QStringLiteral("255"));
        });
    }
}

void IpAddressWidget::set_address(std::uint32_t address)
{
    for (int i = 0; i < 4; ++i)
        fields_[i]->setText(QString::number((address >> (24 - 8 * i)) & 0xFF));
}

std::uint32_t IpAddressWidget::address() const
{
    std::uint32_t a = 0;
    for (int i = 0; i < 4; ++i) {
        const std::uint32_t v = static_cast<std::uint32_t>(std::min(fields_[i]->text().toInt(), 255));
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
