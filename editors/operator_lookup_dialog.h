#pragma once

#include "framework/cdialog.h"
#include "providers/provider_database.h"

#include <string>

namespace tqr {

// "Look Up Operator": country, operator and, where the operator has
// several, its data and MMS access points, from the provider database.
// Chooses only; the caller fills its controls from the choice.
class OperatorLookupDialog : public fw::CDialog {
  public:
    // `database` must outlive the dialog's runs.
    explicit OperatorLookupDialog(const providers::Database& database);

    // The choice after OK; the access points are null where the operator
    // has none of that kind.
    const providers::Operator* chosen_operator() const;
    const providers::AccessPoint* chosen_data_apn() const;
    const providers::AccessPoint* chosen_mms_apn() const;

  protected:
    bool on_init() override;
    void on_ok() override;

  private:
    void fill_operators();
    void fill_access_points();

    const providers::Database& database_;
    int country_ = -1;
    int operator_ = -1;
    int data_apn_ = -1;
    int mms_apn_ = -1;
};

// The country the system's locale names, as the database writes it.
std::string locale_country_code();

} // namespace tqr
