#pragma once

#include "framework/cdialog.h"
#include "settings/profile_record.h"
#include "settings/record_schema.h"

#include <string>

namespace tqr {

// The camera's capture settings. The page shows its block as loaded and
// lets the user play with it; it never writes the record.
class CameraPage : public fw::CDialog {
  public:
    CameraPage();

    // The record's camera block; set before the window is created.
    void set_block(const CameraBlock* block) { camera_block_ = block; }
    // Loads the block again into the existing window, as at its creation.
    void reload() { load_from_record(); }

  protected:
    void exchange_data(fw::CDataExchange& dx) override;
    bool on_init() override;

  private:
    void load_from_record();
    void apply_time_rule();
    void apply_password_rule();
    void on_start_stop_changed();
    void on_password_changed();
    void on_default();

    int camera_mode_ = 0;
    int flash_range_ = 0;
    int interval_ = 0;
    int password_on_ = 0;
    int photo_burst_ = 0;
    int photo_size_ = 0;
    int sensitivity_ = 0;
    int start_hour_ = 0;
    int time_lapse_ = 0;
    int time_stamp_on_ = 0;
    int video_length_ = 0;
    int video_size_ = 0;
    int start_stop_on_ = 0;
    int start_minute_ = 0;
    int stop_hour_ = 0;
    int stop_minute_ = 0;
    std::string password_text_;
    const CameraBlock* camera_block_ = nullptr;
};

} // namespace tqr
