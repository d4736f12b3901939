#include "resources/form_template.h"
#include "resources/email_set_ids.h"
#include "resources/resource_ids.h"
#include "settings/translatable.h"
#include "settings/record_schema.h"

namespace tqr::res {

namespace {
namespace ids = tqr::email_set_ids;
constexpr unsigned kEditStyle = kTabStop | kBorder | kAutoHScroll;
} // namespace

const FormTemplate& email_set_form()
{
    // One control per line reads like the form itself.
    // clang-format off
    static const FormTemplate f{
        kEmailSetForm,
        TQR_TR_NOOP("TQRSetup", "Email Set"),
        200,
        196,
        "Times New Roman",
        10,
        false,
        true,
        {
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Select Email"), 12, 10, 44, 8},
            {ids::kProvider, ControlKind::DropDownList, "", 60, 8, 80, 100, kTabStop | kVScroll},
            {kNoId, ControlKind::GroupBox, "", 7, 26, 186, 74},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Email"), 14, 39, 44, 8},
            {ids::kEmail, ControlKind::Edit, "", 60, 37, 126, 12, kEditStyle},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Account"), 14, 55, 44, 8},
            {ids::kAccount, ControlKind::Edit, "", 60, 53, 126, 12, kEditStyle},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Password"), 14, 71, 44, 8},
            {ids::kPassword, ControlKind::Edit, "", 60, 69, 126, 12, kEditStyle | kPassword},
            {ids::kShowPassword, ControlKind::CheckBox, TQR_TR_NOOP("TQRSetup", "Show password"), 60, 85, 80, 10, kTabStop | kAutoCheck},
            {kNoId, ControlKind::GroupBox, "", 7, 104, 186, 64},
            {ids::kServerLabel, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "SMTP Server"), 14, 117, 44, 8},
            {ids::kServer, ControlKind::Edit, "", 60, 115, 126, 12, kEditStyle},
            {ids::kSecureLabel, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Secure Type"), 14, 133, 44, 8},
            {ids::kSecureType, ControlKind::DropDownList, "", 60, 131, 60, 60, kTabStop | kVScroll, schema::choices(schema::Id::email_secure_type)},
            {ids::kPortLabel, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "SMTP Port"), 14, 149, 44, 8},
            {ids::kPort, ControlKind::Edit, "", 60, 147, 40, 12, kEditStyle | kDigits},
            {ids::kTest, ControlKind::PushButton, TQR_TR_NOOP("TQRSetup", "Test..."), 136, 146, 50, 14, kTabStop},
            {kIdOk, ControlKind::DefPushButton, TQR_TR_NOOP("TQRSetup", "OK"), 42, 175, 50, 14, kTabStop},
            {kIdCancel, ControlKind::PushButton, TQR_TR_NOOP("TQRSetup", "Cancel"), 108, 175, 50, 14, kTabStop},
        },
    };
    // clang-format on
    return f;
}

} // namespace tqr::res
