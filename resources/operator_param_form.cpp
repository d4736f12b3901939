#include "resources/form_template.h"
#include "resources/operator_param_ids.h"
#include "resources/resource_ids.h"
#include "settings/translatable.h"

namespace tqr::res {

namespace {
namespace ids = tqr::operator_param_ids;
constexpr unsigned kEditStyle = kTabStop | kBorder | kAutoHScroll;
} // namespace

const FormTemplate& operator_param_form()
{
    // One control per line reads like the form itself.
    // clang-format off
    static const FormTemplate f{
        kOperatorParamForm,
        TQR_TR_NOOP("TQRSetup", "Operator Param"),
        256,
        198,
        "Times New Roman",
        10,
        false,
        true,
        {
            {kNoId, ControlKind::GroupBox, TQR_TR_NOOP("TQRSetup", "MMS"), 7, 4, 186, 98},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "URL"), 14, 18, 34, 8},
            {ids::kUrl, ControlKind::Edit, "", 50, 16, 136, 12, kEditStyle},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Gateway"), 14, 34, 34, 8},
            {ids::kGateway, ControlKind::IpAddress, "", 50, 32, 84, 12, kTabStop},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Port"), 142, 34, 18, 8},
            {ids::kPort, ControlKind::Edit, "", 160, 32, 26, 12, kEditStyle},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "APN"), 14, 50, 34, 8},
            {ids::kMmsApn, ControlKind::Edit, "", 50, 48, 136, 12, kEditStyle},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Account"), 14, 66, 34, 8},
            {ids::kMmsAccount, ControlKind::Edit, "", 50, 64, 136, 12, kEditStyle},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Password"), 14, 82, 34, 8},
            {ids::kMmsPassword, ControlKind::Edit, "", 50, 80, 136, 12, kEditStyle | kPassword},
            {kNoId, ControlKind::GroupBox, TQR_TR_NOOP("TQRSetup", "GPRS"), 7, 106, 186, 66},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "APN"), 14, 120, 34, 8},
            {ids::kGprsApn, ControlKind::Edit, "", 50, 118, 136, 12, kEditStyle},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Account"), 14, 136, 34, 8},
            {ids::kGprsAccount, ControlKind::Edit, "", 50, 134, 136, 12, kEditStyle},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Password"), 14, 152, 34, 8},
            {ids::kGprsPassword, ControlKind::Edit, "", 50, 150, 136, 12, kEditStyle | kPassword},
            {kIdOk, ControlKind::DefPushButton, TQR_TR_NOOP("TQRSetup", "OK"), 42, 178, 50, 14, kTabStop},
            {kIdCancel, ControlKind::PushButton, TQR_TR_NOOP("TQRSetup", "Cancel"), 108, 178, 50, 14, kTabStop},
            {ids::kLookUp, ControlKind::PushButton, TQR_TR_NOOP("TQRSetup", "Look up..."), 199, 8, 50, 14, kTabStop},
        },
    };
    // clang-format on
    return f;
}

} // namespace tqr::res
