#include "app/setup_app.h"
#include "app/setup_dialog.h"
#include "resources/gsm_ids.h"
#include "resources/main_ids.h"
#include "resources/resource_ids.h"
#include "settings/factory_defaults.h"
#include "settings/settings_files.h"
#include "tables/operator_table.h"
#include "tests/support/record_fixtures.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_env.h"

#include <QTabBar>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstring>

using namespace tqr;
using namespace tqr::fw;
using tqr::test::read_file;
using tqr::test::ScriptedUi;
using tqr::test::TempEnv;
namespace fs = std::filesystem;

namespace {

using main_ids::kPath;

using tqr::test::scrambled;

// Starts the real application object; `act` plays the user in the main
// dialog, given the dialog itself.
struct AppTest : ::testing::Test {
    tqr::test::FreshSettings fresh;

    void run(std::function<void(SetupDialog&)> act)
    {
        ui.expect_dialog(res::kMainForm, [act](CDialog& d) {
            auto& main = dynamic_cast<SetupDialog&>(d);
            act(main);
            if (!d.has_ended())
                d.click(IDCANCEL);
        });
        SetupApp app;
        EXPECT_FALSE(app.init_instance());
    }

    static void type_phone(SetupDialog& d, const char* phone = "0170123456")
    {
        d.page_host().gsm_page().set_text(gsm_ids::kPhones, phone);
    }
    void expect_saved(const std::string& folder) { ui.expect_saved(folder); }

    bool nothing_written() const { return !fs::exists(env.work() / "PROFILE.BIN") && !fs::exists(env.store_file()); }

    TempEnv env;
    ScriptedUi ui;
};

} // namespace

TEST_F(AppTest, OpensWithItsCaptionOneTabAndTheWorkingFolder)
{
    run([this](SetupDialog& d) {
        EXPECT_EQ(d.window()->windowTitle().toStdString(), "TQR Setup V3.28D");
        EXPECT_EQ(d.text(kPath), env.work().string());
        auto* bar = d.page_host().widget()->tab_bar();
        ASSERT_EQ(bar->count(), 1);
        EXPECT_EQ(bar->tabText(0).toStdString(), "GSM");
        EXPECT_TRUE(d.page_host().gsm_page().window()->isVisibleTo(d.window()));
        EXPECT_FALSE(d.page_host().camera_page().window()->isVisibleTo(d.window()));
        EXPECT_EQ(current_profile.model_index, 6);
        d.click(IDCANCEL);
    });
    EXPECT_TRUE(nothing_written()) << "Cancel writes nothing";
}

TEST_F(AppTest, OkWithoutAStoreFileSavesTheDefaultsOnceAPhoneIsGiven)
{
    run([this](SetupDialog& d) {
        // The defaults switch SMS on, and that needs a phone number.
        ui.expect_box("The phone must not be null!", MB_ICONHAND | MB_OK);
        d.click(IDOK);
        EXPECT_TRUE(nothing_written());
        type_phone(d);
        expect_saved(env.work().string());
        d.click(IDOK);
        EXPECT_FALSE(d.has_ended()) << "the dialog stays open after a save";
        const std::string profile = read_file(env.work() / "PROFILE.BIN");
        const std::string store = read_file(env.store_file());
        EXPECT_EQ(profile.size(), 860u);
        EXPECT_EQ(store.size(), 1672u);
        EXPECT_EQ(profile, scrambled(current_profile, 20, 880));
        expect_saved(env.work().string());
        d.click(IDOK);
        EXPECT_EQ(read_file(env.work() / "PROFILE.BIN"), profile);
        EXPECT_EQ(read_file(env.store_file()), store);
        // The factory operator has no MMS part: a card for MMS is saved, and
        // the message says it cannot send.
        QTest::mouseClick(d.page_host().gsm_page().control(gsm_ids::kMms), Qt::LeftButton);
        ui.expect_box("PROFILE.BIN has been saved in " + env.work().string() +
                      "\r\nThe operator has no MMS URL, so the camera cannot send pictures by MMS.");
        QTest::mouseClick(d.control(IDOK), Qt::LeftButton);
        EXPECT_NE(read_file(env.work() / "PROFILE.BIN"), profile);
        d.click(IDCANCEL);
    });
    // What was saved comes back at the next start.
    current_profile = initial_profile_image();
    load_settings();
    EXPECT_EQ(read_text(current_profile.gsm.phones[0]), "0170123456");
}

TEST_F(AppTest, ACraftedStoreFileComesBackOutInProfileBin)
{
    apply_factory_defaults();
    ProfileRecord crafted = current_profile;
    crafted.header_reserved = 0x5A5A;
    crafted.camera.camera_mode = 1;
    crafted.camera.interval = 40;
    crafted.camera.camera_reserved[3] = 0x1234;
    crafted.gsm.gsm_reserved = 0x4321;
    crafted.gsm.send_schedule = pack_send_schedule({1, 12, 18, 45});
    crafted.gsm.send_via = 0;
    crafted.gsm.send_to = 2;
    crafted.gsm.operator_select = pack_operator_select(11, 2);
    crafted.gsm.operator_entry = operator_row(11, 2);
    crafted.gsm.max_size = 99;
    crafted.gsm.rename_on = 1;
    write_text(crafted.gsm.rename_text, "Cam7");
    write_text(crafted.gsm.phones[0], "+4917012345");
    write_text(crafted.gsm.phones[1], "0301234");
    std::memset(crafted.gsm.emails, 0, sizeof crafted.gsm.emails);
    write_text(crafted.gsm.emails[0], "me@example.org");
    current_profile = crafted;
    save_profile(env.work().string());
    fs::remove(env.work() / "PROFILE.BIN");
    current_profile = initial_profile_image();

    const fs::path card = env.root() / "card";
    fs::create_directories(card);
    run([&](SetupDialog& d) {
        d.set_text(kPath, card.string());
        expect_saved(card.string());
        d.click(IDOK);
    });
    const std::string written = read_file(card / "PROFILE.BIN");
    const std::string expected = scrambled(crafted, 20, 880);
    ASSERT_EQ(written.size(), expected.size());
    for (std::size_t i = 0; i < written.size(); ++i)
        ASSERT_EQ(written[i], expected[i]) << "record byte " << i + 20;
}

TEST_F(AppTest, AnInvalidGsmEntryShowsOnlyItsMessageAndWritesNothing)
{
    run([this](SetupDialog& d) {
        type_phone(d, "12x");
        d.set_text(kPath, "");
        ui.expect_box("Phone number is invalid!", MB_ICONHAND | MB_OK);
        d.click(IDOK);
    });
    EXPECT_TRUE(nothing_written());
}

TEST_F(AppTest, AClearedPathAsksForTheCardButTheRecordIsStored)
{
    run([this](SetupDialog& d) {
        type_phone(d, "0301111");
        d.set_text(kPath, "");
        ui.expect_box("Please choose path to SD card Drive.");
        d.click(IDOK);
    });
    EXPECT_TRUE(nothing_written());
    EXPECT_EQ(read_text(current_profile.gsm.phones[0]), "0301111");
}

TEST_F(AppTest, APathOverTheLimitIsRefused)
{
    run([this](SetupDialog& d) {
        type_phone(d);
        d.set_text(kPath, "/" + std::string(128, 'p'));
        EXPECT_EQ(d.text(kPath).size(), 129u) << "a longer text is shown whole";
        ui.expect_box("Please enter no more than 128 characters.", MB_ICONEXCLAMATION | MB_OK);
        d.click(IDOK);
    });
    EXPECT_TRUE(nothing_written());
}

TEST_F(AppTest, AVanishedFolderGivesTheCauseThreeStopBox)
{
    const fs::path card = env.root() / "card";
    fs::create_directories(card);
    run([&](SetupDialog& d) {
        type_phone(d);
        d.set_text(kPath, card.string());
        fs::remove_all(card);
        ui.expect_box(card.string() + "/PROFILE.BIN contains an invalid path.", MB_ICONHAND | MB_OK);
        d.click(IDOK);
        EXPECT_FALSE(d.has_ended());
    });
    EXPECT_FALSE(fs::exists(env.store_file()));
}

TEST_F(AppTest, TheFolderBrowserSetsThePathOrLeavesIt)
{
    const fs::path card = env.root() / "card";
    fs::create_directories(card);
    run([&](SetupDialog& d) {
        d.set_text(kPath, "typed");
        ui.expect_browse(std::nullopt);
        d.click(main_ids::kBrowse);
        EXPECT_EQ(d.text(kPath), "typed");
        ui.expect_browse(card.string());
        d.click(main_ids::kBrowse);
        EXPECT_EQ(d.text(kPath), card.string());
        type_phone(d);
        expect_saved(card.string());
        d.click(IDOK);
    });
    EXPECT_TRUE(fs::exists(card / "PROFILE.BIN"));
}

TEST_F(AppTest, TheAboutBoxOpensForItsCommandsOnly)
{
    run([this](SetupDialog& d) {
        ui.expect_dialog(res::kAboutForm, [](CDialog& about) {
            EXPECT_EQ(about.window()->windowTitle().toStdString(), "About TQR Setup");
            about.click(IDOK);
        });
        d.on_system_command(0x10);
        ui.expect_dialog(res::kAboutForm, [](CDialog& about) { about.click(IDOK); });
        d.on_system_command(0x1F);
        d.on_system_command(0x20); // nothing
        ui.expect_dialog(res::kAboutForm, [](CDialog& about) { about.click(IDOK); });
        ASSERT_FALSE(d.window()->actions().isEmpty());
        EXPECT_EQ(d.window()->actions().front()->text().toStdString(), "&About TQR Setup...");
        d.window()->actions().front()->trigger();
    });
}
