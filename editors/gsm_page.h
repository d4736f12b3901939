#pragma once

#include "editors/email_set_dialog.h"
#include "editors/operator_param_dialog.h"
#include "framework/cdialog.h"
#include "settings/profile_record.h"
#include "tables/provider_table.h"

#include <string>

namespace tqr {

// The "GSM" page: when, how and to whom the camera sends its pictures, and
// the operator it sends them over. It loads its block once, when its window
// is created, and stores it back on the main dialog's OK.
class GsmPage : public fw::CDialog {
  public:
    GsmPage();

    // The record's transmission block; set before the window is created.
    void set_block(GsmBlock* block) { gsm_block_ = block; }

    // Reads and checks every entry in a fixed order and writes the block.
    // 0: stored; 1: refused, its message has been shown.
    int validate_and_store();

    // Loads the block again into the existing window, as at its creation.
    void reload();

  protected:
    void exchange_data(fw::CDataExchange& dx) override;
    bool on_init() override;

  private:
    void load_from_record();

    // Enable rules, applied at the moments the handlers name.
    void apply_schedule_rule();
    void apply_email_set_rule();
    void apply_custom_rule();
    void apply_rename_rule();
    void apply_phone_rule();
    void apply_email_rule();
    void force_email_recipients();

    void fill_operator_list();
    void follow_email_block();

    void on_send_mode();
    void on_minute_changed();
    // What a handler writes back after a failed reading.
    enum class WriteBack { all, radios, radios_and_minute };
    void write_back(bool read_ok, WriteBack after_failure);
    void on_mms();
    void on_gprs();
    void on_send_to(int button);
    void on_rename();
    void on_sms_switch();
    void on_country();
    void on_operator();
    void on_default();
    void on_custom();
    void on_email_set();

    int send_mode_ = 0;
    int send_via_ = 0;
    int send_to_ = 0;
    int instant_max_ = 0;
    int daily_hour_ = 0;
    int daily_minute_ = 0;
    std::string email_text_;
    std::string phone_text_;
    int cmd_log_ = 0;
    int qmm_dbg_ = 0;
    int band_ = 5;
    int rename_on_ = 0;
    std::string rename_text_;
    unsigned max_size_ = 60;
    int sms_switch_ = 0;
    int country_index_ = 0;
    int operator_index_ = 0;
    int email_reminder_shown_ = 0;
    WriteBack write_back_ = WriteBack::all;
    GsmBlock* gsm_block_ = nullptr;
    const EmailProvider* email_providers_ = nullptr;

    OperatorParamDialog operator_dialog_;
    EmailSetDialog email_dialog_;
};

} // namespace tqr
