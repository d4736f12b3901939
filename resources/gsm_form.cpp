#include "resources/form_template.h"
#include "resources/resource_ids.h"
#include "settings/record_schema.h"

namespace tqr::res {

namespace {
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
            {kNoId, ControlKind::GroupBox, "Send Mode", 5, 2, 214, 40},
            {1001, ControlKind::RadioButton, choices(Id::send_mode)[0], 12, 13, 50, 10, kTabStop | kGroup},
            {1002, ControlKind::RadioButton, choices(Id::send_mode)[1], 12, 27, 56, 10},
            {1003, ControlKind::RadioButton, choices(Id::send_mode)[2], 172, 13, 36, 10},
            {kNoId, ControlKind::Static, "Max Num", 72, 14, 34, 8, kGroup},
            {1017, ControlKind::Edit, "", 108, 12, 24, 12, kEditStyle | kGroup},
            {1018, ControlKind::Edit, "", 108, 26, 18, 12, kEditStyle},
            {kNoId, ControlKind::Static, ":", 128, 28, 4, 8},
            {1019, ControlKind::Edit, "", 134, 26, 18, 12, kEditStyle},

            {kNoId, ControlKind::GroupBox, "Send Via", 5, 44, 106, 27},
            {1020, ControlKind::RadioButton, choices(Id::send_via)[0], 10, 56, 30, 10, kTabStop | kGroup},
            {1021, ControlKind::RadioButton, choices(Id::send_via)[1], 41, 56, 31, 10},
            {1026, ControlKind::PushButton, "Email Set", 73, 54, 35, 13, kTabStop | kGroup},
            {kNoId, ControlKind::GroupBox, "Send To", 115, 44, 104, 27},
            {1023, ControlKind::RadioButton, choices(Id::send_to)[0], 120, 56, 31, 10, kTabStop | kGroup},
            {1024, ControlKind::RadioButton, choices(Id::send_to)[1], 153, 56, 31, 10},
            {1025, ControlKind::RadioButton, choices(Id::send_to)[2], 187, 56, 29, 10},

            {kNoId, ControlKind::GroupBox, "Recipients", 5, 73, 214, 58, kGroup},
            {kNoId, ControlKind::Static, "Phone", 12, 86, 24, 8},
            {1028, ControlKind::Edit, "", 40, 84, 172, 20, kTabStop | kBorder | kMultiLine | kAutoVScroll},
            {kNoId, ControlKind::Static, "Email", 12, 110, 24, 8},
            {1029, ControlKind::Edit, "", 40, 107, 172, 20, kTabStop | kBorder | kMultiLine | kAutoVScroll},

            {kNoId, ControlKind::GroupBox, "Operator Parameter", 5, 133, 214, 30},
            {kNoId, ControlKind::Static, "Country", 12, 147, 28, 8},
            {1015, ControlKind::DropDownList, "", 40, 145, 60, 120, kList},
            {kNoId, ControlKind::Static, "Operator", 104, 147, 30, 8},
            {1016, ControlKind::DropDownList, "", 134, 145, 48, 100, kList},
            {1027, ControlKind::PushButton, "Custom", 185, 144, 32, 13, kTabStop},

            {kNoId, ControlKind::Static, "Rename", 8, 170, 28, 8},
            {1058, ControlKind::DropDownList, "", 40, 168, 30, 40, kList, choices(Id::rename_on)},
            {1059, ControlKind::Edit, "", 74, 168, 44, 12, kEditStyle},
            {1062, ControlKind::Static, "(a-z, A-Z, 0-9 only)", 122, 170, 90, 8},
            {kNoId, ControlKind::Static, "Max Size", 8, 187, 30, 8},
            {1057, ControlKind::Edit, "", 40, 185, 24, 12, kEditStyle},
            {kNoId, ControlKind::Static, "KB", 66, 187, 10, 8},
            {1063, ControlKind::Static, "(35-120KB)", 78, 187, 40, 8},
            {1076, ControlKind::Static, "SMS Switch", 130, 187, 40, 8},
            {1061, ControlKind::DropDownList, "", 172, 185, 30, 40, kList, choices(Id::sms_switch)},

            {1056, ControlKind::Static, "Band", 8, 204, 20, 8, kHidden},
            {1055, ControlKind::DropDownList, "", 40, 202, 90, 70, kList | kHidden, choices(Id::band)},
            {1053, ControlKind::CheckBox, "Cmd Log", 134, 203, 40, 10, kTabStop | kHidden | kAutoCheck},
            {1054, ControlKind::CheckBox, "Qmm Dbg", 176, 203, 40, 10, kTabStop | kHidden | kAutoCheck},
            {1052, ControlKind::PushButton, "Default", 174, 212, 42, 13, kTabStop},
        },
    };
    // clang-format on
    return f;
}

} // namespace tqr::res
