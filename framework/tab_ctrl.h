#pragma once

#include <QRect>
#include <QWidget>

#include <functional>
#include <string_view>

class QTabBar;

namespace tqr::fw {

// A tab control: a row of tabs over a framed display area in which the
// owner places its pages as children.
class TabControlWidget : public QWidget {
  public:
    explicit TabControlWidget(QWidget* parent);

    QTabBar* tab_bar() const { return bar_; }
    // Runs after the control's own processing of a left-button press.
    void set_press_handler(std::function<void()> handler) { press_handler_ = std::move(handler); }
    void pressed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QTabBar* bar_;
    std::function<void()> press_handler_;
};

// The framework's handle on a tab control of a dialog; derived classes
// handle the left-button press.
class CTabCtrl {
  public:
    virtual ~CTabCtrl() = default;

    void attach(TabControlWidget* widget);
    bool attached() const { return widget_ != nullptr; }
    TabControlWidget* widget() const { return widget_; }

    // Inserts a tab with `text` at `index`; returns its index.
    int InsertItem(int index, std::string_view text);
    int GetItemCount() const;
    // The item's rectangle in the control's coordinates; empty when there
    // is no such item.
    QRect GetItemRect(int index) const;
    QRect GetClientRect() const;
    // The item that has the focus, -1 for none.
    int GetCurFocus() const;

  protected:
    // A left-button press on the control, after the control has moved its
    // selection and focus to the tab under the pointer.
    virtual void on_left_button_down() {}

  private:
    TabControlWidget* widget_ = nullptr;
};

} // namespace tqr::fw
