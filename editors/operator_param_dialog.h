#pragma once

#include "framework/cdialog.h"
#include "framework/ip_address_ctrl.h"
#include "providers/provider_database.h"
#include "settings/profile_record.h"

#include <optional>
#include <string>

namespace tqr {

// "Operator Param": the MMS and GPRS access parameters of one operator
// entry, edited in place. The name field is never shown or changed.
class OperatorParamDialog : public fw::CDialog {
  public:
    OperatorParamDialog();

    // The entry the next opening edits; not owned.
    void set_target(OperatorEntry* entry) { target_ = entry; }

  protected:
    void exchange_data(fw::CDataExchange& dx) override;
    bool on_init() override;
    void on_ok() override;

  private:
    void apply_look_up_rule();
    void on_look_up();

    fw::CIPAddressCtrl gateway_;
    std::string gprs_account_;
    std::string gprs_apn_;
    std::string gprs_password_;
    std::string mms_account_;
    std::string mms_apn_;
    std::string mms_password_;
    unsigned port_ = 0;
    std::string url_;
    OperatorEntry* target_ = nullptr;
    // Read at the first look-up and kept for the next ones.
    std::optional<providers::Database> database_;
    std::string database_path_;
    // The look-up's last choice (OK), where its next opening starts: the
    // entries of one card are mostly for one country, often one operator.
    std::string last_country_;
    std::string last_operator_;
};

} // namespace tqr
