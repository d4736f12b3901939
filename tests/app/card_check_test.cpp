#include "app/setup_app.h"
#include "app/setup_dialog.h"
#include "framework/removable_volumes.h"
#include "resources/gsm_ids.h"
#include "resources/main_ids.h"
#include "resources/resource_ids.h"
#include "tests/support/fake_mount_table.h"
#include "tests/support/keyboard.h"
#include "tests/support/loop_mount.h"
#include "tests/support/record_fixtures.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_env.h"
#include "tests/support/tmpfs_mount.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <random>
#include <sys/mount.h>

using namespace tqr;
using namespace tqr::fw;
using tqr::test::FakeMountTable;
using tqr::test::ScriptedUi;
using tqr::test::TempEnv;
using tqr::test::TmpfsMount;
using tqr::test::write_file;
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
    // Unseen by dialogs other tests have open, which follow cards put in.
    if (const std::string why = tqr::test::enter_private_mount_namespace(); !why.empty())
        GTEST_SKIP() << why;
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

// Cards put in and taken out while the dialog is open, mounted where
// desktops mount them, in a mount namespace of the test's own: the path
// and the title follow, through the system's own mount table.
TEST_F(PickedCardTest, ThePathAndTheTitleFollowCardsPutInAndTakenOut)
{
    if (const std::string why = tqr::test::enter_private_mount_namespace(); !why.empty())
        GTEST_SKIP() << why;
    TmpfsMount media("/media", 1 << 20); // hides the machine's own cards
    if (!media.mounted())
        GTEST_SKIP() << media.reason();
    std::vector<std::unique_ptr<TmpfsMount>> cards;
    const auto put_in = [&](const std::string& name) {
        cards.push_back(std::make_unique<TmpfsMount>("/media/tester/" + name, 64 * 1024));
        return cards.back()->dir().string();
    };
    const auto until = [](const std::function<bool()>& done) {
        for (const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
             !done() && std::chrono::steady_clock::now() < end;)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        return done();
    };
    const std::string title = "TQR Setup V3.28D";
    ui.expect_dialog(res::kMainForm, [&](CDialog& d) {
        const auto title_is = [&](const std::string& t) { return d.window()->windowTitle().toStdString() == t; };
        tqr::test::show_active(d.window());
        QTest::qWait(50); // the first paint, after which the dialog watches
        ProfileRecord other = current_profile;
        other.gsm.max_size = 99;
        write_text(other.gsm.phones[0], "0170123456");
        const auto start = std::chrono::steady_clock::now();
        const std::string a = put_in("CAM_A");
        write_file(a + "/PROFILE.BIN", tqr::test::scrambled(other, 20, 880));
        ui.expect_box("PROFILE.BIN in " + a + " holds other settings than the dialog shows. Open them?",
                      MB_ICONQUESTION | MB_YESNO, IDYES);
        ASSERT_TRUE(until([&] { return d.text(kPath) == a; })) << "the path follows a card put in";
        std::cout << "[ measure  ] mount to path following: "
                  << std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count()
                  << " us\n";
        EXPECT_TRUE(title_is(title + " - CAM_A"));
        EXPECT_EQ(dynamic_cast<SetupDialog&>(d).page_host().gsm_page().text(gsm_ids::kMaxSize), "99")
            << "the card's settings opened";

        put_in("CAM_B");
        QApplication::processEvents();
        EXPECT_EQ(d.text(kPath), a) << "a card shown stays shown";
        EXPECT_TRUE(title_is(title + " - CAM_A"));
        ::umount2(a.c_str(), 0);
        EXPECT_TRUE(until([&] { return title_is(title); })) << "the title drops the card taken out";
        EXPECT_EQ(d.text(kPath), a);

        // A card put in while the folder browser is open: the browser lists
        // it at once, the dialog takes it once the browser is closed.
        std::string c;
        ui.expect_real_browser([&](FolderBrowserDialog& browser) {
            EXPECT_EQ(browser.volume_list()->count(), 1);
            c = put_in("CAM_C");
            EXPECT_TRUE(until([&] { return browser.volume_list()->count() == 2; }));
            EXPECT_EQ(d.text(kPath), a);
            QTest::mouseClick(browser.cancel_button(), Qt::LeftButton);
        });
        QTest::mouseClick(d.control(kBrowse), Qt::LeftButton);
        EXPECT_TRUE(until([&] { return d.text(kPath) == c && title_is(title + " - CAM_C"); }));
        ::umount2(c.c_str(), 0);
        EXPECT_TRUE(until([&] { return title_is(title); }));
        expect_invalid_path(c);
        QTest::mouseClick(d.control(IDOK), Qt::LeftButton);
        d.click(IDCANCEL);
    });
    SetupApp app;
    app.init_instance();
}
