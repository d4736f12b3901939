#include "resources/form_template.h"
#include "resources/mail_check_ids.h"
#include "resources/resource_ids.h"
#include "settings/translatable.h"

namespace tqr::res {

namespace {
namespace ids = tqr::mail_check_ids;
} // namespace

const FormTemplate& mail_check_form()
{
    // One control per line reads like the form itself.
    // clang-format off
    static const FormTemplate f{
        kMailCheckForm,
        TQR_TR_NOOP("TQRSetup", "Email Test"),
        200,
        64,
        "Times New Roman",
        10,
        false,
        true,
        {
            {ids::kStatus, ControlKind::Static, "", 10, 8, 180, 18, kNoPrefix},
            {ids::kBusy, ControlKind::BusyBar, "", 10, 28, 180, 8},
            {kIdCancel, ControlKind::PushButton, TQR_TR_NOOP("TQRSetup", "Cancel"), 75, 44, 50, 14, kTabStop},
        },
    };
    // clang-format on
    return f;
}

} // namespace tqr::res
