#include "resources/form_template.h"
#include "resources/resource_ids.h"

namespace tqr::res {

// Every kind of control once, for the framework's own tests.
const FormTemplate& sample_form()
{
    // One control per line reads like the form itself.
    // clang-format off
    static const FormTemplate f{
        kSampleForm,
        "Sample",
        200,
        150,
        "MS Sans Serif",
        8,
        false,
        true,
        {
            {1, ControlKind::DefPushButton, "OK", 90, 130, 50, 14, kTabStop},
            {2, ControlKind::PushButton, "Cancel", 145, 130, 50, 14, kTabStop},
            {kNoId, ControlKind::GroupBox, "Mode", 5, 5, 90, 45},
            {10, ControlKind::RadioButton, "First", 10, 15, 60, 10, kTabStop | kGroup},
            {11, ControlKind::RadioButton, "Second", 10, 25, 60, 10},
            {12, ControlKind::RadioButton, "Third", 10, 35, 60, 10},
            {20, ControlKind::Edit, "", 100, 5, 40, 12, kTabStop | kBorder | kAutoHScroll},
            {21, ControlKind::Edit, "", 100, 20, 40, 12, kTabStop | kBorder | kAutoHScroll},
            {22, ControlKind::Edit, "", 100, 35, 40, 12, kTabStop | kBorder | kAutoHScroll},
            {23, ControlKind::Edit, "", 145, 5, 50, 30, kTabStop | kBorder | kMultiLine | kAutoVScroll},
            {24, ControlKind::Edit, "", 145, 40, 50, 12, kTabStop | kBorder | kPassword | kDigits},
            {30, ControlKind::CheckBox, "Flag", 10, 55, 60, 10, kTabStop | kAutoCheck},
            {40, ControlKind::DropDownList, "", 100, 55, 60, 50, kTabStop | kVScroll, {"Off", "On", "Auto"}},
            {50, ControlKind::IpAddress, "", 10, 70, 100, 12, kTabStop},
            {60, ControlKind::Static, "Label", 10, 90, 60, 8, kNone},
            {61, ControlKind::PushButton, "Act", 120, 90, 40, 14, kTabStop},
            {62, ControlKind::PushButton, "Hidden", 120, 110, 40, 14, kHidden},
            {63, ControlKind::PushButton, "Greyed", 165, 110, 30, 14, kDisabled},
            {70, ControlKind::TabControl, "", 10, 105, 100, 20, kNone},
        },
    };
    // clang-format on
    return f;
}

} // namespace tqr::res
