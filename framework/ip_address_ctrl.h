#pragma once

#include <QFrame>

#include <cstdint>
#include <string>

class QLineEdit;

namespace tqr::fw {

// Four fields of 0..255 typed as digits, shown as one dotted address.
class IpAddressWidget : public QFrame {
  public:
    explicit IpAddressWidget(QWidget* parent);

    // The first field is the address's high byte.
    void set_address(std::uint32_t address);
    // Blank fields read as 0; a field above 255 reads, and from then on
    // shows, 255.
    std::uint32_t address();
    // Number of fields that are not blank.
    int filled_fields() const;
    void set_field_text(int field, const QString& text);
    QLineEdit* field(int index) const { return fields_[index]; }

  protected:
    // Typing across the fields: "." and a third digit move on, Backspace,
    // Left and Right cross the fields' edges, a pasted address fills all.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Where { selectAll, start, end };
    void move_to(int field, Where where);
    void clamp_field(int field);
    int field_index(const QObject* o) const;
    bool paste_address(const QString& text);

    QLineEdit* fields_[4];
    // The last key moved on to a field by itself: a "." now is ignored.
    bool just_moved_ = false;
};

// The framework's handle on an IP address control of a dialog.
class CIPAddressCtrl {
  public:
    void attach(IpAddressWidget* widget) { widget_ = widget; }
    bool attached() const { return widget_ != nullptr; }
    IpAddressWidget* widget() const { return widget_; }

    void SetAddress(std::uint32_t address);
    void SetAddress(int a, int b, int c, int d);
    // Returns the number of non-blank fields, like the window system.
    int GetAddress(std::uint8_t& a, std::uint8_t& b, std::uint8_t& c, std::uint8_t& d) const;
    std::uint32_t GetAddress() const;

  private:
    IpAddressWidget* widget_ = nullptr;
};

} // namespace tqr::fw
