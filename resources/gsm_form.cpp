#include "resources/form_template.h"
#include "resources/gsm_ids.h"
#include "resources/resource_ids.h"
#include "settings/translatable.h"
#include "settings/record_schema.h"

namespace tqr::res {

namespace {
namespace ids = tqr::gsm_ids;
using schema::choices;
using schema::Id;
constexpr unsigned kEditStyle = kTabStop | kBorder | kAutoHScroll;
constexpr unsigned kList = kTabStop | kVScroll;
} // namespace

// The GSM page, read top to bottom in the order a user fills it in: when
// to send, how, to whom, over which operator, then the finer options.
const FormTemplate& gsm_form()
{
    // One control per line reads like the form itself.
    // clang-format off
    static const FormTemplate f{
        kGsmForm,
        "",
        224,
        228,
        "Times New Roman",
        10,
        true,
        false,
        {
            {kNoId, ControlKind::GroupBox, TQR_TR_NOOP("TQRSetup", "Send Mode"), 5, 2, 214, 40},
            {ids::kInstant, ControlKind::RadioButton, choices(Id::send_mode)[0], 12, 13, 50, 10, kTabStop | kGroup},
            {ids::kDailyReport, ControlKind::RadioButton, choices(Id::send_mode)[1], 12, 27, 56, 10},
            {ids::kSendOff, ControlKind::RadioButton, choices(Id::send_mode)[2], 172, 13, 36, 10},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Max Num"), 72, 14, 34, 8, kGroup},
            {ids::kInstantMax, ControlKind::Edit, "", 108, 12, 24, 12, kEditStyle | kGroup},
            {ids::kDailyHour, ControlKind::Edit, "", 108, 26, 18, 12, kEditStyle, {}, TQR_TR_NOOP("TQRSetup", "Daily report hour")},
            {kNoId, ControlKind::Static, ":", 128, 28, 4, 8},
            {ids::kDailyMinute, ControlKind::Edit, "", 134, 26, 18, 12, kEditStyle, {}, TQR_TR_NOOP("TQRSetup", "Daily report minute")},

            {kNoId, ControlKind::GroupBox, TQR_TR_NOOP("TQRSetup", "Send Via"), 5, 44, 106, 27},
            {ids::kMms, ControlKind::RadioButton, choices(Id::send_via)[0], 10, 56, 30, 10, kTabStop | kGroup},
            {ids::kGprs, ControlKind::RadioButton, choices(Id::send_via)[1], 41, 56, 31, 10},
            {ids::kEmailSet, ControlKind::PushButton, TQR_TR_NOOP("TQRSetup", "Email Set"), 73, 54, 35, 13, kTabStop | kGroup},
            {kNoId, ControlKind::GroupBox, TQR_TR_NOOP("TQRSetup", "Send To"), 115, 44, 104, 27},
            {ids::kToPhone, ControlKind::RadioButton, choices(Id::send_to)[0], 120, 56, 31, 10, kTabStop | kGroup},
            {ids::kToEmail, ControlKind::RadioButton, choices(Id::send_to)[1], 153, 56, 31, 10},
            {ids::kToBoth, ControlKind::RadioButton, choices(Id::send_to)[2], 187, 56, 29, 10},

            {kNoId, ControlKind::GroupBox, TQR_TR_NOOP("TQRSetup", "Recipients"), 5, 73, 214, 58, kGroup},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Phone"), 12, 86, 24, 8},
            {ids::kPhones, ControlKind::Edit, "", 40, 84, 172, 20, kTabStop | kBorder | kMultiLine | kAutoVScroll},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Email"), 12, 110, 24, 8},
            {ids::kEmails, ControlKind::Edit, "", 40, 107, 172, 20, kTabStop | kBorder | kMultiLine | kAutoVScroll},

            {kNoId, ControlKind::GroupBox, TQR_TR_NOOP("TQRSetup", "Operator Parameter"), 5, 133, 214, 30},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Country"), 12, 147, 28, 8},
            {ids::kCountry, ControlKind::DropDownList, "", 40, 145, 60, 120, kList},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Operator"), 104, 147, 30, 8},
            {ids::kOperator, ControlKind::DropDownList, "", 134, 145, 48, 100, kList},
            {ids::kCustom, ControlKind::PushButton, TQR_TR_NOOP("TQRSetup", "Custom"), 185, 144, 32, 13, kTabStop},

            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Rename"), 8, 170, 28, 8},
            {ids::kRename, ControlKind::DropDownList, "", 40, 168, 30, 40, kList, choices(Id::rename_on)},
            {ids::kRenameText, ControlKind::Edit, "", 74, 168, 44, 12, kEditStyle, {}, TQR_TR_NOOP("TQRSetup", "Rename text")},
            {ids::kRenameHint, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "(a-z, A-Z, 0-9 only)"), 122, 170, 90, 8},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Max Size"), 8, 187, 30, 8},
            {ids::kMaxSize, ControlKind::Edit, "", 40, 185, 24, 12, kEditStyle},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "KB"), 66, 187, 10, 8},
            {ids::kMaxSizeHint, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "(35-120KB)"), 78, 187, 40, 8},
            {ids::kSmsLabel, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "SMS Switch"), 130, 187, 40, 8},
            {ids::kSmsSwitch, ControlKind::DropDownList, "", 172, 185, 30, 40, kList, choices(Id::sms_switch)},

            {ids::kBandLabel, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Band"), 8, 204, 20, 8, kHidden},
            {ids::kBand, ControlKind::DropDownList, "", 40, 202, 90, 70, kList | kHidden, choices(Id::band)},
            {ids::kCmdLog, ControlKind::CheckBox, TQR_TR_NOOP("TQRSetup", "Cmd Log"), 134, 203, 40, 10, kTabStop | kHidden | kAutoCheck},
            {ids::kQmmDbg, ControlKind::CheckBox, TQR_TR_NOOP("TQRSetup", "Qmm Dbg"), 176, 203, 40, 10, kTabStop | kHidden | kAutoCheck},
            {ids::kDefault, ControlKind::PushButton, TQR_TR_NOOP("TQRSetup", "Default"), 174, 212, 42, 13, kTabStop},
        },
    };
    // clang-format on
    return f;
}

} // namespace tqr::res
