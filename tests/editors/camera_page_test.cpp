#include "editors/camera_page.h"
#include "resources/camera_ids.h"
#include "settings/factory_defaults.h"
#include "settings/record_schema.h"
#include "tests/support/scripted_ui.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>

using namespace tqr;
using namespace tqr::fw;
using tqr::test::ScriptedUi;
using namespace tqr::camera_ids;

namespace {

struct CameraPageTest : ::testing::Test {
    CameraPageTest()
    {
        current_profile = initial_profile_image();
        apply_factory_defaults();
    }
    ~CameraPageTest() override { current_profile = initial_profile_image(); }

    CameraPage& open()
    {
        before = current_profile;
        page.set_block(&current_profile.camera);
        page.create(&holder);
        return page;
    }
    bool time_edits_enabled()
    {
        const bool first = page.is_enabled(kStartHour);
        for (int id : {kStartMinute, kStopHour, kStopMinute})
            EXPECT_EQ(page.is_enabled(id), first);
        return first;
    }
    bool record_unchanged() const { return std::memcmp(&current_profile, &before, sizeof before) == 0; }

    QWidget holder;
    ScriptedUi ui;
    CameraPage page;
    ProfileRecord before{};
};

} // namespace

TEST_F(CameraPageTest, ListsAndTheLoadedBlock)
{
    current_profile.camera.start_stop_on = 1;
    current_profile.camera.start_hour = 6;
    current_profile.camera.password_on = 1;
    open();
    EXPECT_EQ(page.item_count(kVideoLength), 56);
    EXPECT_EQ(page.item_text(kVideoLength, 5), "10 sec");
    EXPECT_EQ(page.item_count(kInterval), 72);
    EXPECT_EQ(page.item_text(kInterval, 12), "1 min");
    EXPECT_EQ(page.item_count(kTimeLapse), 79);
    EXPECT_EQ(page.item_text(kTimeLapse, 71), "1 hour");
    EXPECT_EQ(page.item_text(kTimeLapse, 78), "8 hour");
    EXPECT_EQ(page.selection(kInterval), 12);
    EXPECT_EQ(page.text(kStartHour), "6");
    EXPECT_TRUE(time_edits_enabled());
    EXPECT_TRUE(page.is_enabled(kPasswordText));
    EXPECT_EQ(page.text(kPasswordText), "8146");
    EXPECT_TRUE(page.is_password_masked(kPasswordText));
}

TEST_F(CameraPageTest, OddBlockValuesShowAsTheyAre)
{
    current_profile.camera.start_stop_on = 2;
    current_profile.camera.camera_mode = 9;
    std::memcpy(current_profile.camera.password_text, "12345678", 8);
    open();
    EXPECT_FALSE(time_edits_enabled());
    EXPECT_EQ(page.selection(kCameraMode), -1);
    EXPECT_EQ(page.text(kPasswordText), "12345678") << "read up to the field's end, no further";
    ui.expect_box("Please enter no more than 4 characters.", MB_ICONEXCLAMATION | MB_OK);
    page.choose(kPassword, 1);
    EXPECT_TRUE(page.is_enabled(kPasswordText)) << "the password list comes before every check";
    EXPECT_TRUE(record_unchanged());
}

TEST_F(CameraPageTest, StartStopFollowsUnlessTheStartHourIsBad)
{
    open();
    page.set_text(kStartHour, "24");
    ui.expect_box("Please enter an integer between 0 and 23.", MB_ICONEXCLAMATION | MB_OK);
    page.choose(kStartStop, 1);
    EXPECT_FALSE(time_edits_enabled()) << "the bad start hour stops the exchange before Start-Stop";

    page.set_text(kStartHour, "5");
    page.choose(kStartStop, 0); // the list shows On already: choosing it again would change nothing
    page.set_text(kStopMinute, "60");
    ui.expect_box("Please enter an integer between 0 and 59.", MB_ICONEXCLAMATION | MB_OK);
    page.choose(kStartStop, 1);
    EXPECT_TRUE(time_edits_enabled());

    page.set_text(kStopMinute, "x");
    ui.expect_box("Please enter an integer.", MB_ICONEXCLAMATION | MB_OK);
    page.choose(kStartStop, 0);
    EXPECT_FALSE(time_edits_enabled());
    EXPECT_TRUE(record_unchanged());
}

TEST_F(CameraPageTest, DefaultRestoresSilentlyAndTheRecordStaysAsLoaded)
{
    current_profile.camera.camera_mode = 1;
    current_profile.camera.start_stop_on = 1;
    current_profile.camera.password_on = 1;
    open();
    page.set_text(kStartHour, "99");
    page.set_text(kPasswordText, "1");
    page.click(kDefault); // no box: the scripted UI would fail on one
    EXPECT_EQ(page.selection(kCameraMode), 0);
    EXPECT_EQ(page.selection(kVideoLength), 5);
    EXPECT_EQ(page.selection(kInterval), 12);
    EXPECT_EQ(page.text(kStartHour), "0");
    EXPECT_EQ(page.text(kPasswordText), "8146");
    EXPECT_FALSE(time_edits_enabled());
    EXPECT_FALSE(page.is_enabled(kPasswordText));
    EXPECT_TRUE(record_unchanged());
}

// A click on Default shows the factory value of every setting on the page.
TEST_F(CameraPageTest, DefaultShowsTheFactoryValueOfEverySetting)
{
    using schema::Id;
    current_profile.camera.photo_size = 3;
    current_profile.camera.interval = 40;
    current_profile.camera.start_hour = 9;
    open();
    QTest::mouseClick(qobject_cast<QPushButton*>(page.control(kDefault)), Qt::LeftButton);
    const std::pair<int, Id> lists[] = {
        {kCameraMode, Id::camera_mode},  {kPhotoSize, Id::photo_size},     {kPhotoBurst, Id::photo_burst},
        {kVideoSize, Id::video_size},    {kVideoLength, Id::video_length}, {kSensitivity, Id::sensitivity},
        {kInterval, Id::interval},       {kStartStop, Id::start_stop_on},  {kTimeLapse, Id::time_lapse},
        {kTimeStamp, Id::time_stamp_on}, {kFlashRange, Id::flash_range},   {kPassword, Id::password_on},
    };
    for (const auto& [control, id] : lists)
        EXPECT_EQ(page.selection(control), static_cast<int>(schema::factory_number(id))) << schema::field(id).key;
    const std::pair<int, Id> edits[] = {
        {kStartHour, Id::start_hour},
        {kStartMinute, Id::start_minute},
        {kStopHour, Id::stop_hour},
        {kStopMinute, Id::stop_minute},
    };
    for (const auto& [control, id] : edits)
        EXPECT_EQ(page.text(control), std::to_string(schema::factory_number(id))) << schema::field(id).key;
    EXPECT_EQ(page.text(kPasswordText), schema::factory_text(Id::password_text));
}
