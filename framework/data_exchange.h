#pragma once

// Data exchange between a dialog's controls and its members, with the
// classic framework's conversions, checks and messages.

#include "settings/translatable.h"

#include <cstdint>
#include <string>

namespace tqr::fw {

class CDialog;
class CIPAddressCtrl;
class CTabCtrl;

inline constexpr const char* kMsgParseInt = TQR_TR_NOOP("TQRSetup", "Please enter an integer.");
inline constexpr const char* kMsgParseUInt = TQR_TR_NOOP("TQRSetup", "Please enter a positive integer.");
inline constexpr const char* kMsgRange = TQR_TR_NOOP("TQRSetup", "Please enter an integer between %1 and %2.");
inline constexpr const char* kMsgMaxChars = TQR_TR_NOOP("TQRSetup", "Please enter no more than %1 characters.");

class CDataExchange {
  public:
    CDataExchange(CDialog& dialog, bool save_and_validate) : dialog_(dialog), save_(save_and_validate) {}

    bool saving() const { return save_; }
    CDialog& dialog() const { return dialog_; }

    // Remembers the control the next check refers to.
    void prepare(int id, bool is_edit);
    int prepared_id() const { return prepared_; }
    bool prepared_is_edit() const { return prepared_is_edit_; }

    // Shows nothing itself: puts the focus on the prepared control (an
    // edit with its text selected) and stops the exchange.
    [[noreturn]] void fail();

  private:
    CDialog& dialog_;
    bool save_;
    int prepared_ = -1;
    bool prepared_is_edit_ = false;
};

// Thrown by CDataExchange::fail; UpdateData turns it into false.
struct ExchangeFailure {};

void DDX_Text(CDataExchange& dx, int id, std::string& value);
void DDX_Text(CDataExchange& dx, int id, int& value);
void DDX_Text(CDataExchange& dx, int id, unsigned& value);
void DDX_Radio(CDataExchange& dx, int first_id, int& value);
void DDX_Check(CDataExchange& dx, int id, int& value);
void DDX_CBIndex(CDataExchange& dx, int id, int& value);
void DDX_Control(CDataExchange& dx, int id, CIPAddressCtrl& control);
void DDX_Control(CDataExchange& dx, int id, CTabCtrl& control);

void DDV_MaxChars(CDataExchange& dx, const std::string& value, int max_chars);
void DDV_MinMaxInt(CDataExchange& dx, int value, int min, int max);
void DDV_MinMaxUInt(CDataExchange& dx, unsigned value, unsigned min, unsigned max);

} // namespace tqr::fw
