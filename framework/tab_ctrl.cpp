#include "framework/tab_ctrl.h"

#include "framework/text_codec.h"
#include "framework/translation.h"

#include <QMouseEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

namespace tqr::fw {

namespace {
class PressTabBar : public QTabBar {
  public:
    PressTabBar(TabControlWidget* owner) : QTabBar(owner), owner_(owner) {}

  protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        QTabBar::mousePressEvent(event);
        if (event->button() == Qt::LeftButton)
            owner_->pressed();
    }

  private:
    TabControlWidget* owner_;
};
} // namespace

TabControlWidget::TabControlWidget(QWidget* parent) : QWidget(parent), bar_(new PressTabBar(this))
{
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    bar_->setFocusPolicy(Qt::NoFocus);
    bar_->move(2, 0);
}

void TabControlWidget::pressed()
{
    if (press_handler_)
        press_handler_();
}

void TabControlWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    bar_->resize(width() - 4, bar_->sizeHint().height());
}

void TabControlWidget::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionTabWidgetFrame opt;
    opt.initFrom(this);
    const int top = bar_->count() > 0 ? bar_->geometry().bottom() : 0;
    opt.rect = QRect(0, top, width(), height() - top);
    opt.shape = QTabBar::RoundedNorth;
    opt.tabBarSize = bar_->size();
    opt.tabBarRect = bar_->geometry();
    p.drawPrimitive(QStyle::PE_FrameTabWidget, opt);
}

void TabControlWidget::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        pressed();
}

void CTabCtrl::attach(TabControlWidget* widget)
{
    widget_ = widget;
    widget_->set_press_handler([this] { on_left_button_down(); });
}

int CTabCtrl::InsertItem(int index, std::string_view text)
{
    const int i = widget_->tab_bar()->insertTab(index, shown_text(text));
    widget_->tab_bar()->resize(widget_->width() - 4, widget_->tab_bar()->sizeHint().height());
    widget_->update();
    return i;
}

int CTabCtrl::GetItemCount() const
{
    return widget_->tab_bar()->count();
}

QRect CTabCtrl::GetItemRect(int index) const
{
    if (index < 0 || index >= GetItemCount())
        return {};
    return widget_->tab_bar()->tabRect(index).translated(widget_->tab_bar()->pos());
}

QRect CTabCtrl::GetClientRect() const
{
    return widget_->rect();
}

int CTabCtrl::GetCurFocus() const
{
    return widget_->tab_bar()->currentIndex();
}

} // namespace tqr::fw
