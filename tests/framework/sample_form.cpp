#include "tests/framework/sample_ids.h"

#include "resources/form_template.h"
#include "resources/resource_ids.h"

namespace tqr::sample_ids {

using namespace tqr::res;

namespace {
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
            {kIdOk, ControlKind::DefPushButton, "OK", 90, 130, 50, 14, kTabStop},
            {kIdCancel, ControlKind::PushButton, "Cancel", 145, 130, 50, 14, kTabStop},
            {kNoId, ControlKind::GroupBox, "Mode", 5, 5, 90, 45},
            {kFirst, ControlKind::RadioButton, "First", 10, 15, 60, 10, kTabStop | kGroup},
            {kSecond, ControlKind::RadioButton, "Second", 10, 25, 60, 10},
            {kThird, ControlKind::RadioButton, "Third", 10, 35, 60, 10},
            {kNumber, ControlKind::Edit, "", 100, 5, 40, 12, kTabStop | kBorder | kAutoHScroll},
            {kName, ControlKind::Edit, "", 100, 20, 40, 12, kTabStop | kBorder | kAutoHScroll},
            {kCount, ControlKind::Edit, "", 100, 35, 40, 12, kTabStop | kBorder | kAutoHScroll},
            {kNotes, ControlKind::Edit, "", 145, 5, 50, 30, kTabStop | kBorder | kMultiLine | kAutoVScroll},
            {kSecret, ControlKind::Edit, "", 145, 40, 50, 12, kTabStop | kBorder | kPassword | kDigits},
            {kFlag, ControlKind::CheckBox, "Flag", 10, 55, 60, 10, kTabStop | kAutoCheck},
            {kChoice, ControlKind::DropDownList, "", 100, 55, 60, 50, kTabStop | kVScroll, {"Off", "On", "Auto"}},
            {kAddress, ControlKind::IpAddress, "", 10, 70, 100, 12, kTabStop},
            {kLabel, ControlKind::Static, "Label", 10, 90, 60, 8, kNone},
            {kAct, ControlKind::PushButton, "Act", 120, 90, 40, 14, kTabStop},
            {kHidden, ControlKind::PushButton, "Hidden", 120, 110, 40, 14, res::kHidden},
            {kGreyed, ControlKind::PushButton, "Greyed", 165, 110, 30, 14, kDisabled},
            {kTabs, ControlKind::TabControl, "", 10, 105, 100, 20, kNone},
        },
    };
    // clang-format on
    return f;
}

} // namespace

int register_sample_form()
{
    static const int id = (add_form(sample_form()), kSampleForm);
    return id;
}

} // namespace tqr::sample_ids
