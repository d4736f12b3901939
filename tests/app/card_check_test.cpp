#include "app/setup_app.h"
#include "app/setup_dialog.h"
#include "framework/removable_volumes.h"
#include "resources/gsm_ids.h"
#include "resources/main_ids.h"
#include "resources/resource_ids.h"
#include "tests/support/fake_mount_table.h"
#include "tests/support/loop_mount.h"
#include "tests/support/record_fixtures.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_env.h"

#include <gtest/gtest.h>

#include <random>

using namespace tqr;
using namespace tqr::fw;
using tqr::test::FakeMountTable;
using tqr::test::ScriptedUi;
using tqr::test::TempEnv;
namespace fs = std::filesystem;

namespace {

using main_ids::kBrowse;
using main_ids::kPath;

// The main dialog with a card picked in the folder browser; `act` plays
// the user afterwards.
struct PickedCardTest : ::testing::Test {
    tqr::test::FreshSettings fresh;
    TempEnv env;
    ScriptedUi ui;

    void run(const std::string& card, std::function<void(SetupDialog&)> act)
    {
        ui.expect_dialog(res::kMainForm, [&](CDialog& d) {
            auto& main = dynamic_cast<SetupDialog&>(d);
            main.page_host().gsm_page().set_text(gsm_ids::kPhones, "0170123456");
            ui.expect_browse(card);
            d.click(kBrowse);
            act(main);
            if (!d.has_ended())
                d.click(IDCANCEL);
        });
        SetupApp app;
        EXPECT_FALSE(app.init_instance());
    }

    void expect_invalid_path(const std::string& folder)
    {
        ui.expect_box(folder + "/PROFILE.BIN contains an invalid path.", MB_ICONHAND | MB_OK);
    }
};

} // namespace

TEST_F(PickedCardTest, ACardPulledWhileTheDialogIsOpenStopsTheSave)
{
    FakeMountTable table;
    const std::string card = (env.work() / "card").string();
    fs::create_directories(card);
    table.mount("/dev/sda2", "/").mount("/dev/sdb1", card);
    table.removable = {"/dev/sdb1"};
    run(card, [&](SetupDialog& d) {
        // fstab mounts leave their folder behind when the card goes.
        table.unmount(card);
        expect_invalid_path(card);
        d.click(IDOK);
        EXPECT_FALSE(d.has_ended());
    });
    EXPECT_FALSE(fs::exists(card + "/PROFILE.BIN"));
    EXPECT_FALSE(fs::exists(env.store_file())) << "no settings stored that no card has";
    EXPECT_EQ(ui.boxes.size(), 1u);
}

TEST_F(PickedCardTest, AFolderOnThePulledCardStopsTooAndTheCardBackSaves)
{
    FakeMountTable table;
    const std::string card = (env.work() / "card").string();
    fs::create_directories(card + "/DCIM");
    table.mount("/dev/sda2", "/").mount("/dev/sdb1", card, "8:17");
    table.removable = {"/dev/sdb1"};
    run(card + "/DCIM", [&](SetupDialog& d) {
        table.unmount(card);
        expect_invalid_path(card + "/DCIM");
        d.click(IDOK);
        EXPECT_FALSE(fs::exists(card + "/DCIM/PROFILE.BIN"));
        table.mount("/dev/sdb1", card, "8:17");
        ui.expect_saved(card + "/DCIM");
        d.click(IDOK);
    });
    EXPECT_TRUE(fs::exists(card + "/DCIM/PROFILE.BIN"));
}

TEST_F(PickedCardTest, APathTypedElsewhereAfterPickingACardIsNotChecked)
{
    FakeMountTable table;
    const std::string card = (env.work() / "card").string();
    fs::create_directories(card);
    table.mount("/dev/sda2", "/").mount("/dev/sdb1", card);
    table.removable = {"/dev/sdb1"};
    run(card, [&](SetupDialog& d) {
        table.unmount(card);
        d.set_text(kPath, env.work().string());
        ui.expect_saved(env.work().string());
        d.click(IDOK);
    });
    EXPECT_TRUE(fs::exists(env.work() / "PROFILE.BIN"));
}

// The same on a real medium: an ext4 image on a loop device, mounted where
// desktops mount cards, read through the system's own mount table.
TEST_F(PickedCardTest, ARealLoopMountedCardIsListedAndItsUnmountNoticed)
{
    std::random_device rd;
    const fs::path user = fs::path("/run/media") / ("tqr-test-" + std::to_string(rd()));
    const fs::path card = user / "folder-not-label";
    struct Cleanup {
        fs::path dir;
        ~Cleanup()
        {
            std::error_code ec;
            fs::remove_all(dir, ec);
        }
    } cleanup{user};
    tqr::test::LoopMount mount(env.root() / "card.img", card, "TQRCARD");
    if (!mount.mounted())
        GTEST_SKIP() << mount.reason();

    bool listed = false;
    for (const auto& v : removable_volumes(current_mount_table()))
        if (v.root == card.string()) {
            listed = true;
            EXPECT_EQ(v.label, "TQRCARD") << "the file system's label, not the folder's name";
            EXPECT_GT(v.size_bytes, 4'000'000u);
            EXPECT_EQ(v.device, mount.device());
        }
    EXPECT_TRUE(listed);

    run(card.string(), [&](SetupDialog& d) {
        ui.expect_saved(card.string());
        d.click(IDOK);
        EXPECT_TRUE(fs::exists(card / "PROFILE.BIN"));
        mount.unmount();
        ASSERT_FALSE(mount.mounted());
        expect_invalid_path(card.string());
        d.click(IDOK);
    });
    EXPECT_FALSE(fs::exists(card / "PROFILE.BIN")) << "nothing written into the folder the card left";
}
