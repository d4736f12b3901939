#include "resources/form_template.h"
#include "resources/main_ids.h"
#include "resources/resource_ids.h"
#include "settings/translatable.h"

namespace tqr::res {

namespace ids = tqr::main_ids;

const FormTemplate& main_form()
{
    // One control per line reads like the form itself.
    // clang-format off
    static const FormTemplate f{
        kMainForm,
        "TQR Setup",
        243,
        300,
        "Times New Roman",
        10,
        false,
        true,
        {
            {kIdOk, ControlKind::DefPushButton, TQR_TR_NOOP("TQRSetup", "OK"), 62, 281, 50, 14, kTabStop},
            {kIdCancel, ControlKind::PushButton, TQR_TR_NOOP("TQRSetup", "Cancel"), 142, 280, 50, 14, kTabStop},
            {ids::kTabs, ControlKind::TabControl, "", 7, 6, 228, 244, kNone, {}, TQR_TR_NOOP("TQRSetup", "Settings pages")},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Path:"), 8, 260, 16, 8},
            {ids::kPath, ControlKind::Edit, "", 32, 259, 181, 12, kTabStop | kBorder | kAutoHScroll | kPathText},
            {ids::kBrowse, ControlKind::PushButton, "...", 220, 259, 13, 12, kTabStop, {}, TQR_TR_NOOP("TQRSetup", "Browse for the SD card folder")},
        },
    };
    // clang-format on
    return f;
}

} // namespace tqr::res
