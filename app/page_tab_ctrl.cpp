#include "app/page_tab_ctrl.h"

#include <QWidget>

namespace tqr {

PageTabCtrl::PageTabCtrl() : pages_{&camera_page_, &gsm_page_}
{
}

void PageTabCtrl::create_pages(ProfileRecord& record)
{
    gsm_page_.set_block(&record.gsm);
    current_ = 0;
    camera_page_.set_block(&record.camera);
    host_ = widget();
    // The model that runs the GSM set-up has the GSM page first.
    if (record.model_index == kGsmModel) {
        pages_[0] = &gsm_page_;
        pages_[1] = &camera_page_;
        gsm_page_.create(host_);
    } else {
        pages_[0] = &camera_page_;
        pages_[1] = &gsm_page_;
        camera_page_.create(host_);
        gsm_page_.create(host_);
    }
    pages_[0]->window()->show();
    if (pages_[1]->window() != nullptr)
        pages_[1]->window()->hide();
    layout_pages();
}

void PageTabCtrl::create_remaining_pages()
{
    if (host_ == nullptr || camera_page_.window() != nullptr)
        return;
    camera_page_.create(host_);
    QWidget* w = camera_page_.window();
    w->setGeometry(gsm_page_.window()->geometry());
    w->hide();
}

void PageTabCtrl::layout_pages()
{
    const QRect client = GetClientRect();
    const QRect item = GetItemRect(0);
    // In exclusive right/bottom edges: the page area starts one pixel below
    // the tab row and ends one pixel inside the client area.
    const int item_bottom = item.bottom() + 1;
    const int x = item.left();
    const int y = item_bottom + 1;
    const int width = client.right() + 1 - item.left() - 1;
    const int height = client.bottom() + 1 - item_bottom - 2;
    for (int i = 0; i < kPageCount; ++i) {
        QWidget* w = pages_[i]->window();
        if (w == nullptr)
            continue;
        w->setGeometry(x, y, width, height);
        w->raise();
        w->setVisible(i == 0);
    }
}

void PageTabCtrl::reload_pages()
{
    create_remaining_pages();
    camera_page_.reload();
    gsm_page_.reload();
}

void PageTabCtrl::on_left_button_down()
{
    const int focus = GetCurFocus();
    if (focus == current_ || focus < 0 || focus >= kPageCount)
        return;
    create_remaining_pages();
    pages_[current_]->window()->hide();
    current_ = focus;
    pages_[current_]->window()->show();
    pages_[current_]->window()->setFocus(Qt::MouseFocusReason);
}

int PageTabCtrl::validate_and_store()
{
    return gsm_page_.validate_and_store();
}

} // namespace tqr
