#pragma once

#include "editors/camera_page.h"
#include "editors/gsm_page.h"
#include "framework/tab_ctrl.h"
#include "settings/profile_record.h"

namespace tqr {

// The main dialog's tab control, owning the two settings pages: it creates
// them over the record, orders them by the camera model, places them under
// the tab row, switches them on a mouse press and passes OK to the GSM page.
class PageTabCtrl : public fw::CTabCtrl {
  public:
    static constexpr int kPageCount = 2;

    PageTabCtrl();

    // Creates the page shown first, and the GSM page, which OK needs; the
    // camera page waits for create_remaining_pages or its first use, so
    // that the first paint does not wait for a page nobody sees.
    void create_pages(ProfileRecord& record);
    void create_remaining_pages();
    void layout_pages();
    // Both pages load their blocks again, in the order of their creation.
    void reload_pages();
    // 0 when the GSM page's entries were valid and are stored, 1 when not.
    int validate_and_store();

    fw::CDialog& page(int index)
    {
        create_remaining_pages();
        return *pages_[index];
    }
    int current() const { return current_; }
    CameraPage& camera_page()
    {
        create_remaining_pages();
        return camera_page_;
    }
    GsmPage& gsm_page() { return gsm_page_; }

  protected:
    void on_left_button_down() override;

  private:
    // Declared camera first, so the GSM page goes first on destruction.
    CameraPage camera_page_;
    GsmPage gsm_page_;
    fw::CDialog* pages_[kPageCount];
    QWidget* host_ = nullptr; // where the pages are created, once create_pages ran
    int current_ = 0;
};

} // namespace tqr
