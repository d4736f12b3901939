#include "resources/form_template.h"
#include "resources/camera_ids.h"
#include "resources/resource_ids.h"
#include "settings/translatable.h"
#include "settings/record_schema.h"

#include <string>

namespace tqr::res {

namespace {
namespace ids = tqr::camera_ids;
using schema::choices;
using schema::Id;
constexpr unsigned kList = kTabStop | kVScroll;
constexpr unsigned kTimeEdit = kTabStop | kBorder | kAutoHScroll;
} // namespace

const FormTemplate& camera_form()
{
    // One control per line reads like the form itself.
    // clang-format off
    static const FormTemplate f{
        kCameraForm,
        "",
        227,
        232,
        "Times New Roman",
        10,
        true,
        false,
        {
            {kNoId, ControlKind::GroupBox, TQR_TR_NOOP("TQRSetup", "Photo/Video"), 7, 6, 209, 59},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Camera Mode"), 16, 19, 42, 8},
            {ids::kCameraMode, ControlKind::DropDownList, "", 60, 17, 46, 39, kList, choices(Id::camera_mode)},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Photo Size"), 17, 34, 42, 8},
            {ids::kPhotoSize, ControlKind::DropDownList, "", 60, 33, 46, 39, kList, choices(Id::photo_size)},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Photo Burst"), 17, 49, 42, 8},
            {ids::kPhotoBurst, ControlKind::DropDownList, "", 60, 48, 46, 39, kList, choices(Id::photo_burst)},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Video Size"), 126, 34, 42, 8},
            {ids::kVideoSize, ControlKind::DropDownList, "", 170, 33, 38, 39, kList, choices(Id::video_size)},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Video Length"), 126, 49, 42, 8},
            {ids::kVideoLength, ControlKind::DropDownList, "", 170, 48, 38, 56, kList, choices(Id::video_length)},
            {kNoId, ControlKind::GroupBox, TQR_TR_NOOP("TQRSetup", "PIR/Timer"), 7, 73, 209, 59},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Sensitivity"), 17, 87, 42, 8},
            {ids::kSensitivity, ControlKind::DropDownList, "", 60, 84, 46, 39, kList, choices(Id::sensitivity)},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Start-Stop"), 17, 102, 42, 8},
            {ids::kStartStop, ControlKind::DropDownList, "", 60, 100, 46, 39, kList, choices(Id::start_stop_on)},
            {ids::kStartHour, ControlKind::Edit, "", 21, 118, 17, 12, kTimeEdit, {}, TQR_TR_NOOP("TQRSetup", "Start hour")},
            {kNoId, ControlKind::Static, ":", 43, 118, 8, 8},
            {ids::kStartMinute, ControlKind::Edit, "", 51, 118, 17, 12, kTimeEdit, {}, TQR_TR_NOOP("TQRSetup", "Start minute")},
            {kNoId, ControlKind::Static, "---", 75, 118, 8, 8},
            {ids::kStopHour, ControlKind::Edit, "", 87, 118, 17, 12, kTimeEdit, {}, TQR_TR_NOOP("TQRSetup", "Stop hour")},
            {kNoId, ControlKind::Static, ":", 109, 118, 8, 8},
            {ids::kStopMinute, ControlKind::Edit, "", 117, 118, 17, 12, kTimeEdit, {}, TQR_TR_NOOP("TQRSetup", "Stop minute")},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Interval"), 126, 87, 42, 8},
            {ids::kInterval, ControlKind::DropDownList, "", 170, 84, 38, 62, kList, choices(Id::interval)},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Time Lapse"), 126, 102, 42, 8},
            {ids::kTimeLapse, ControlKind::DropDownList, "", 170, 100, 38, 63, kList, choices(Id::time_lapse)},
            {kNoId, ControlKind::GroupBox, TQR_TR_NOOP("TQRSetup", "System"), 7, 139, 209, 50},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Time Stamp"), 17, 153, 42, 8},
            {ids::kTimeStamp, ControlKind::DropDownList, "", 60, 151, 46, 39, kList, choices(Id::time_stamp_on)},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Flash Range"), 126, 153, 42, 8},
            {ids::kFlashRange, ControlKind::DropDownList, "", 170, 151, 38, 39, kList, choices(Id::flash_range)},
            {kNoId, ControlKind::Static, TQR_TR_NOOP("TQRSetup", "Password"), 17, 169, 42, 8},
            {ids::kPassword, ControlKind::DropDownList, "", 60, 168, 46, 39, kList, choices(Id::password_on)},
            {ids::kPasswordText, ControlKind::Edit, "", 116, 168, 21, 12, kTabStop | kBorder | kPassword | kDigits, {}, TQR_TR_NOOP("TQRSetup", "Password number")},
            {ids::kDefault, ControlKind::PushButton, TQR_TR_NOOP("TQRSetup", "Default"), 175, 213, 40, 12, kTabStop},
        },
    };
    // clang-format on
    return f;
}

} // namespace tqr::res
