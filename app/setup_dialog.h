#pragma once

#include "app/page_tab_ctrl.h"
#include "framework/cdialog.h"
#include "framework/mount_watcher.h"
#include "framework/removable_volumes.h"

#include <QIcon>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QObject;

namespace tqr {

// The main dialog: the settings pages, the SD-card folder and OK, which
// validates the GSM page and writes both files. It stays open after a save.
class SetupDialog : public fw::CDialog {
  public:
    SetupDialog();
    ~SetupDialog() override;

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
    void start_at_the_only_card();

    // Opening a card: offered when a folder is picked whose PROFILE.BIN is
    // not what OK would write now; asked for from the context menu.
    void folder_picked(const std::string& folder);
    // Cards put in and taken out while the dialog is open.
    void watch_cards();
    void on_mounts_changed();
    void follow_cards();
    void on_path_left();
    void on_open_card();
    void refuse_empty_path();
    void open_card(const std::string& folder, const ProfileRecord& card);
    std::optional<ProfileRecord> record_ok_would_write();
    void show_title(const std::string& card_label);

    std::string path_;
    std::string title_;
    std::string examined_path_; // the path a card was last looked for in
    std::string loaded_folder_; // the folder whose card the dialog shows
    bool offer_at_show_ = false;
    std::unique_ptr<QObject> events_;
    // The card the path was picked on, to notice it going away before OK.
    std::optional<fw::RemovableVolume> picked_volume_;
    std::unique_ptr<fw::MountWatcher> mount_watcher_;
    std::vector<fw::RemovableVolume> known_cards_; // as the last change left them
    bool cards_changed_ = false;                   // since they were last followed
    bool following_cards_ = false;
    QIcon icon_;
    int model_ = 0;
    PageTabCtrl page_host_;
};

} // namespace tqr
