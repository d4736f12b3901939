#include "settings/factory_defaults.h"
#include "tables/operator_table.h"
#include "tables/provider_table.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace tqr;

namespace {
struct DefaultsTest : ::testing::Test {
    void SetUp() override { current_profile = initial_profile_image(); }
    void TearDown() override { current_profile = initial_profile_image(); }
};
} // namespace

TEST_F(DefaultsTest, FillsEveryFieldOfTheTable)
{
    apply_factory_defaults();
    const ProfileRecord& r = current_profile;
    EXPECT_EQ(std::memcmp(r.magic, "TQR Setup V3.28", 16), 0);
    EXPECT_EQ(r.model_index, 6);
    const CameraBlock& c = r.camera;
    EXPECT_EQ(c.camera_mode, 0);
    EXPECT_EQ(c.photo_size, 1);
    EXPECT_EQ(c.photo_burst, 0);
    EXPECT_EQ(c.video_size, 1);
    EXPECT_EQ(c.video_length, 5);
    EXPECT_EQ(c.sensitivity, 2);
    EXPECT_EQ(c.interval, 12);
    EXPECT_EQ(c.start_stop_on, 0);
    EXPECT_EQ(c.time_lapse, 0);
    EXPECT_EQ(c.time_stamp_on, 1);
    EXPECT_EQ(c.flash_range, 1);
    EXPECT_EQ(c.password_on, 0);
    EXPECT_EQ(read_text(c.password_text), "8146");

    const auto b = bytes_of(r);
    EXPECT_EQ(b[72], 0);
    EXPECT_EQ(b[73], 0);
    EXPECT_EQ(b[74], 99);
    EXPECT_EQ(b[75], 0);
    EXPECT_EQ(r.gsm.send_schedule, 6488064u);
    EXPECT_EQ(r.gsm.send_via, 1);
    EXPECT_EQ(r.gsm.send_to, 1);
    EXPECT_EQ(r.gsm.operator_select, 0x0700);
    EXPECT_EQ(r.gsm.max_size, 40);
    EXPECT_EQ(r.gsm.rename_on, 0);
    EXPECT_EQ(r.gsm.sms_switch, 1);
    EXPECT_EQ(r.gsm.band, 5);
    EXPECT_EQ(r.gsm.cmd_log, 0);
    EXPECT_EQ(r.gsm.qmm_dbg, 0);
    EXPECT_EQ(std::memcmp(&r.gsm.operator_entry, &operator_row(7, 0), 264), 0);
    EXPECT_EQ(std::memcmp(&r.gsm.email, &ProviderTable[0], 216), 0);
    EXPECT_EQ(read_text(r.gsm.emails[0]), read_text(ProviderTable[0].account.email));
    for (std::size_t i = 592; i < 880; ++i) {
        if (i < 688 || i > 704) {
            ASSERT_EQ(b[i], 0) << "byte " << i;
        }
    }
}

TEST_F(DefaultsTest, LeavesReservedPlacesAndCustomRowsAlone)
{
    auto b = bytes_of(current_profile);
    for (std::size_t i : {18u, 19u, 46u, 57u, 68u, 71u, 88u, 89u})
        b[i] = 0xA5;
    OperatorEntry custom_before[3];
    std::memcpy(custom_before, CustomOperators, sizeof custom_before);

    apply_factory_defaults();
    for (std::size_t i : {18u, 19u, 46u, 57u, 68u, 71u, 88u, 89u})
        EXPECT_EQ(b[i], 0xA5) << "byte " << i;
    EXPECT_EQ(std::memcmp(custom_before, CustomOperators, sizeof custom_before), 0);
}

TEST_F(DefaultsTest, OnAFreshRecordTheReservedPlacesAreZeroAndTwiceIsOnce)
{
    apply_factory_defaults();
    const ProfileRecord once = current_profile;
    for (std::size_t i : {18u, 19u, 46u, 57u, 68u, 69u, 70u, 71u, 88u, 89u})
        EXPECT_EQ(bytes_of(once)[i], 0) << "byte " << i;
    apply_factory_defaults();
    EXPECT_EQ(std::memcmp(&once, &current_profile, 880), 0);
}

TEST(BuiltInRows, HaveTheShapesTheRestOfTheToolReliesOn)
{
    const OperatorEntry& k = kDefaultOperatorRow;
    EXPECT_EQ(read_text(k.name), "Kavetta");
    EXPECT_EQ(read_text(k.mms_url), "");
    EXPECT_EQ(read_text(k.mms_gateway), "0.0.0.0");
    EXPECT_EQ(read_text(k.mms_port), "0");
    EXPECT_EQ(read_text(k.gprs_apn).size(), 13u);
    EXPECT_EQ(read_text(k.gprs_account).size(), 3u);
    EXPECT_EQ(read_text(k.gprs_password).size(), 3u);

    const EmailBlock& e = kDefaultEmailRow;
    EXPECT_EQ(read_text(e.server.server).size(), 13u);
    EXPECT_EQ(read_text(e.server.port), "25");
    EXPECT_EQ(e.server.secure_type, 0x40);
    EXPECT_EQ(e.server.reserved, 0);
    EXPECT_EQ(read_text(e.account.email).size(), 17u);
    EXPECT_EQ(read_text(e.account.account), read_text(e.account.email));
    const std::string pw = read_text(e.account.password);
    EXPECT_EQ(pw.size(), 4u);
    EXPECT_EQ(pw.find_first_not_of("0123456789"), std::string::npos);
    EXPECT_EQ(read_text(e.account.user_name).size(), 3u);
    EXPECT_EQ(read_text(e.account.email), read_text(e.account.user_name) + "@" + read_text(e.server.server));

    for (int i = 0; i < 3; ++i) {
        const OperatorEntry c = initial_custom_operator(i);
        EXPECT_EQ(read_text(c.name), "Customer" + std::to_string(i + 1));
        EXPECT_EQ(read_text(c.mms_gateway), "0.0.0.0");
        EXPECT_EQ(read_text(c.mms_port), "0");
        EXPECT_EQ(read_text(c.gprs_apn), "");
    }
}
