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

    // Where the next opening starts: the country (by code) and operator
    // chosen last, when the database still has them; else the system's
    // country, else the first.
    void start_at(std::string country_code, std::string operator_name);

    // The choice after OK; the access points are null where the operator
    // has none of that kind.
    const providers::Country* chosen_country() const;
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
    std::string start_country_;
    std::string start_operator_;
    int country_ = -1;
    int operator_ = -1;
    int data_apn_ = -1;
    int mms_apn_ = -1;
};

// The country the system's locale names, as the database writes it.
std::string locale_country_code();

} // namespace tqr
