#include "resources/form_template.h"
#include "resources/resource_ids.h"
#include "settings/translatable.h"

namespace tqr::res {

const FormTemplate& about_form()
{
    // One control per line reads like the form itself.
    // clang-format off
    static const FormTemplate f{
        kAboutForm,
        TQR_TR_NOOP("TQRSetup", "About TQR Setup"),
        235,
        55,
        "MS Sans Serif",
        8,
        false,
        true,
        {
            {kNoId, ControlKind::Icon, "", 11, 17, 20, 20, kNone, {}, TQR_TR_NOOP("TQRSetup", "TQR Setup icon")},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "TQR Setup Version 1.0"), 40, 10, 119, 8, kNoPrefix},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Copyright (C) 2026 TQR Setup"), 40, 25, 119, 8},
            {kIdOk, ControlKind::DefPushButton, TQR_TR_NOOP("TQRSetup", "OK"), 178, 7, 50, 14, kTabStop | kGroup},
        },
    };
    // clang-format on
    return f;
}

} // namespace tqr::res
