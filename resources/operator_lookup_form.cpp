#include "resources/form_template.h"
#include "resources/operator_lookup_ids.h"
#include "resources/resource_ids.h"
#include "settings/translatable.h"

namespace tqr::res {

namespace {
namespace ids = tqr::operator_lookup_ids;
constexpr unsigned kListStyle = kTabStop | kVScroll;
} // namespace

const FormTemplate& operator_lookup_form()
{
    // One control per line reads like the form itself.
    // clang-format off
    static const FormTemplate f{
        kOperatorLookupForm,
        TQR_TR_NOOP("TQRSetup", "Look Up Operator"),
        220,
        100,
        "Times New Roman",
        10,
        false,
        true,
        {
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Country"), 8, 10, 44, 8},
            {ids::kCountry, ControlKind::DropDownList, "", 56, 8, 156, 120, kListStyle},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Operator"), 8, 26, 44, 8},
            {ids::kOperator, ControlKind::DropDownList, "", 56, 24, 156, 120, kListStyle},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Data APN"), 8, 42, 44, 8},
            {ids::kDataApn, ControlKind::DropDownList, "", 56, 40, 156, 80, kListStyle},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "MMS APN"), 8, 58, 44, 8},
            {ids::kMmsApn, ControlKind::DropDownList, "", 56, 56, 156, 80, kListStyle},
            {kIdOk, ControlKind::DefPushButton, TQR_TR_NOOP("TQRSetup", "OK"), 52, 80, 50, 14, kTabStop},
            {kIdCancel, ControlKind::PushButton, TQR_TR_NOOP("TQRSetup", "Cancel"), 118, 80, 50, 14, kTabStop},
        },
    };
    // clang-format on
    return f;
}

} // namespace tqr::res
