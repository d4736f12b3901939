#include "framework/radio_groups.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QRadioButton>

#include <algorithm>

namespace tqr::fw {

namespace {

class RadioGroupKeys : public QObject {
  public:
    RadioGroupKeys(const std::vector<QRadioButton*>& buttons, bool tab_stop)
        : QObject(buttons.front()), tab_stop_(tab_stop)
    {
        for (QRadioButton* b : buttons) {
            buttons_.emplace_back(b);
            b->installEventFilter(this);
            QObject::connect(b, &QAbstractButton::toggled, this, [this] { place_tab_stop(); });
        }
        place_tab_stop();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange) {
            place_tab_stop();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
            const bool back = key == Qt::Key_Up || key == Qt::Key_Left;
            if (forward || back) {
                move_from(static_cast<QRadioButton*>(watched), forward ? 1 : -1);
                return true;
            }
        }
        return false;
    }

  private:
    bool usable(const QRadioButton* b) const { return b != nullptr && b->isEnabled() && !b->isHidden(); }

    void place_tab_stop()
    {
        QRadioButton* target = nullptr;
        for (const auto& b : buttons_)
            if (usable(b) && b->isChecked())
                target = b;
        for (const auto& b : buttons_)
            if (target == nullptr && usable(b))
                target = b;
        for (const auto& b : buttons_)
            if (b != nullptr)
                b->setFocusPolicy(tab_stop_ && b == target ? Qt::StrongFocus : Qt::ClickFocus);
    }

    void move_from(QRadioButton* from, int step)
    {
        const auto n = static_cast<int>(buttons_.size());
        const auto at = std::find(buttons_.begin(), buttons_.end(), from);
        if (at == buttons_.end())
            return;
        const int start = static_cast<int>(at - buttons_.begin());
        for (int i = 1; i < n; ++i) {
            QRadioButton* next = buttons_[static_cast<std::size_t>(((start + step * i) % n + n) % n)];
            if (!usable(next))
                continue;
            next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            // Arriving by arrow checks the button, as a click would.
            if (!next->isChecked())
                next->click();
            return;
        }
    }

    std::vector<QPointer<QRadioButton>> buttons_;
    bool tab_stop_;
};

} // namespace

void make_radio_group(const std::vector<QRadioButton*>& buttons, bool tab_stop)
{
    if (!buttons.empty())
        new RadioGroupKeys(buttons, tab_stop);
}

} // namespace tqr::fw
