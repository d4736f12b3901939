#include "resources/form_template.h"
#include "resources/resource_ids.h"
#include "settings/record_schema.h"

namespace tqr::res {

namespace {
constexpr unsigned kEditStyle = kTabStop | kBorder | kAutoHScroll;
} // namespace

const FormTemplate& email_set_form()
{
    // One control per line reads like the form itself.
    // clang-format off
    static const FormTemplate f{
        kEmailSetForm,
        "Email Set",
        200,
        196,
        "Times New Roman",
        10,
        false,
        true,
        {
            {kNoId, ControlKind::Static, "Select Email", 12, 10, 44, 8},
            {1051, ControlKind::DropDownList, "", 60, 8, 80, 100, kTabStop | kVScroll},
            {kNoId, ControlKind::GroupBox, "", 7, 26, 186, 74},
            {kNoId, ControlKind::Static, "Email", 14, 39, 44, 8},
            {1049, ControlKind::Edit, "", 60, 37, 126, 12, kEditStyle},
            {kNoId, ControlKind::Static, "Account", 14, 55, 44, 8},
            {1047, ControlKind::Edit, "", 60, 53, 126, 12, kEditStyle},
            {kNoId, ControlKind::Static, "Password", 14, 71, 44, 8},
            {1048, ControlKind::Edit, "", 60, 69, 126, 12, kEditStyle | kPassword},
            {1075, ControlKind::CheckBox, "Show password", 60, 85, 80, 10, kTabStop | kAutoCheck},
            {kNoId, ControlKind::GroupBox, "", 7, 104, 186, 64},
            {1067, ControlKind::Static, "SMTP Server", 14, 117, 44, 8},
            {1045, ControlKind::Edit, "", 60, 115, 126, 12, kEditStyle},
            {1073, ControlKind::Static, "Secure Type", 14, 133, 44, 8},
            {1070, ControlKind::DropDownList, "", 60, 131, 60, 60, kTabStop | kVScroll, schema::choices(schema::Id::email_secure_type)},
            {1068, ControlKind::Static, "SMTP Port", 14, 149, 44, 8},
            {1046, ControlKind::Edit, "", 60, 147, 40, 12, kEditStyle | kDigits},
            {1, ControlKind::DefPushButton, "OK", 42, 175, 50, 14, kTabStop},
            {2, ControlKind::PushButton, "Cancel", 108, 175, 50, 14, kTabStop},
        },
    };
    // clang-format on
    return f;
}

} // namespace tqr::res
