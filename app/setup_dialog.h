#pragma once

#include "app/page_tab_ctrl.h"
#include "framework/cdialog.h"
#include "framework/removable_volumes.h"

#include <QIcon>

#include <optional>
#include <string>

namespace tqr {

// The main dialog: the settings pages, the SD-card folder and OK, which
// validates the GSM page and writes both files. It stays open after a save.
class SetupDialog : public fw::CDialog {
  public:
    SetupDialog();

    PageTabCtrl& page_host() { return page_host_; }
    // A window-menu command; 0x10 to 0x1F open the About box.
    void on_system_command(int command);

  protected:
    void exchange_data(fw::CDataExchange& dx) override;
    bool on_init() override;
    void on_ok() override;

  private:
    void on_browse();
    void add_about_entry();
    void check_card_still_there() const;

    std::string path_;
    // The card the path was picked on, to notice it going away before OK.
    std::optional<fw::RemovableVolume> picked_volume_;
    QIcon icon_;
    int model_ = 0;
    PageTabCtrl page_host_;
};

} // namespace tqr
