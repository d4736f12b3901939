#include "editors/camera_page.h"

#include "framework/data_exchange.h"
#include "resources/camera_ids.h"
#include "resources/resource_ids.h"

namespace tqr {

namespace {
using namespace camera_ids;
constexpr int kTimeEdits[] = {kStartHour, kStartMinute, kStopHour, kStopMinute};
} // namespace

CameraPage::CameraPage() : CDialog(res::kCameraForm), password_text_(schema::factory_text(schema::Id::password_text))
{
    on_selection_changed(kStartStop, [this] { on_start_stop_changed(); });
    on_selection_changed(kPassword, [this] { on_password_changed(); });
    on_clicked(kDefault, [this] { on_default(); });
    for (int id : kTimeEdits)
        set_number_range(id, id == kStartHour || id == kStopHour ? rules::kHourLimits : rules::kMinuteLimits);
}

void CameraPage::exchange_data(fw::CDataExchange& dx)
{
    fw::DDX_CBIndex(dx, kCameraMode, camera_mode_);
    fw::DDX_CBIndex(dx, kFlashRange, flash_range_);
    fw::DDX_CBIndex(dx, kInterval, interval_);
    fw::DDX_CBIndex(dx, kPassword, password_on_);
    fw::DDX_CBIndex(dx, kPhotoBurst, photo_burst_);
    fw::DDX_CBIndex(dx, kPhotoSize, photo_size_);
    fw::DDX_CBIndex(dx, kSensitivity, sensitivity_);
    fw::DDX_Text(dx, kStartHour, start_hour_);
    fw::DDV_MinMaxInt(dx, start_hour_, 0, 23);
    fw::DDX_CBIndex(dx, kTimeLapse, time_lapse_);
    fw::DDX_CBIndex(dx, kTimeStamp, time_stamp_on_);
    fw::DDX_CBIndex(dx, kVideoLength, video_length_);
    fw::DDX_CBIndex(dx, kVideoSize, video_size_);
    fw::DDX_CBIndex(dx, kStartStop, start_stop_on_);
    fw::DDX_Text(dx, kStartMinute, start_minute_);
    fw::DDV_MinMaxInt(dx, start_minute_, 0, 59);
    fw::DDX_Text(dx, kStopHour, stop_hour_);
    fw::DDV_MinMaxInt(dx, stop_hour_, 0, 23);
    fw::DDX_Text(dx, kStopMinute, stop_minute_);
    fw::DDV_MinMaxInt(dx, stop_minute_, 0, 59);
    fw::DDX_Text(dx, kPasswordText, password_text_);
    fw::DDV_MaxChars(dx, password_text_, 4);
}

bool CameraPage::on_init()
{
    load_from_record();
    return true;
}

void CameraPage::apply_time_rule()
{
    for (int id : kTimeEdits)
        enable(id, start_stop_on_ == 1);
}

void CameraPage::apply_password_rule()
{
    enable(kPasswordText, password_on_ == 1);
}

void CameraPage::load_from_record()
{
    if (camera_block_ == nullptr)
        return;
    const CameraBlock& b = *camera_block_;
    camera_mode_ = b.camera_mode;
    photo_size_ = b.photo_size;
    photo_burst_ = b.photo_burst;
    video_size_ = b.video_size;
    video_length_ = b.video_length;
    sensitivity_ = b.sensitivity;
    interval_ = b.interval;
    time_lapse_ = b.time_lapse;
    start_stop_on_ = b.start_stop_on;
    start_hour_ = b.start_hour;
    start_minute_ = b.start_minute;
    stop_hour_ = b.stop_hour;
    stop_minute_ = b.stop_minute;
    apply_time_rule();
    time_stamp_on_ = b.time_stamp_on;
    flash_range_ = b.flash_range;
    password_on_ = b.password_on;
    password_text_ = read_text(b.password_text);
    apply_password_rule();
    UpdateData(false);
}

// A failed check stops the exchange; the rule then follows the member as
// it stands, which is the new selection unless an earlier check failed.
void CameraPage::on_start_stop_changed()
{
    UpdateData(true);
    apply_time_rule();
}

void CameraPage::on_password_changed()
{
    UpdateData(true);
    apply_password_rule();
}

void CameraPage::on_default()
{
    using schema::Id;
    const auto value = [](Id id) { return static_cast<int>(schema::factory_number(id)); };
    camera_mode_ = value(Id::camera_mode);
    photo_size_ = value(Id::photo_size);
    photo_burst_ = value(Id::photo_burst);
    video_size_ = value(Id::video_size);
    video_length_ = value(Id::video_length);
    sensitivity_ = value(Id::sensitivity);
    interval_ = value(Id::interval);
    time_lapse_ = value(Id::time_lapse);
    start_stop_on_ = value(Id::start_stop_on);
    start_hour_ = value(Id::start_hour);
    start_minute_ = value(Id::start_minute);
    stop_hour_ = value(Id::stop_hour);
    stop_minute_ = value(Id::stop_minute);
    time_stamp_on_ = value(Id::time_stamp_on);
    flash_range_ = value(Id::flash_range);
    password_on_ = value(Id::password_on);
    password_text_ = schema::factory_text(Id::password_text);
    for (int id : kTimeEdits)
        enable(id, false);
    apply_password_rule();
    UpdateData(false);
}

} // namespace tqr
