#include "framework/folder_browser.h"
#include "framework/removable_volumes.h"
#include "framework/ui_services.h"
#include "tests/support/fake_mount_table.h"
#include "tests/support/temp_env.h"

#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

using namespace tqr;
using namespace tqr::fw;
using tqr::test::FakeMountTable;
using tqr::test::TempEnv;
namespace fs = std::filesystem;

TEST(RemovableVolumes, MediaFoldersOfAnyUserAndRemovableDevicesCount)
{
    FakeMountTable t;
    t.mount("/dev/sda2", "/").mount("/dev/sda1", "/boot/efi").mount("tmpfs", "/run/user/1000");
    t.mount("/dev/sdb1", "/media/anna/NIKON D");
    t.mount("/dev/sdc1", "/run/media/root/USB");
    t.mount("/dev/sdd1", "/mnt/reader");
    t.mount("/dev/sde1", "/media/anna"); // the user's folder itself is no card
    t.mount("/dev/sdf1", "/srv/data");
    t.removable = {"/dev/sdd1"};
    t.labels = {{"/dev/sdb1", "CAM 01"}, {"/dev/sdd1", "READER"}};
    t.sizes = {{"/media/anna/NIKON D", 31'914'983'424ull}};

    const auto v = removable_volumes(t);
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[0].root, "/media/anna/NIKON D");
    EXPECT_EQ(v[0].label, "CAM 01") << "the file system's label comes first";
    EXPECT_EQ(v[0].size_bytes, 31'914'983'424ull);
    EXPECT_EQ(v[1].root, "/run/media/root/USB");
    EXPECT_EQ(v[1].label, "USB") << "without a label, the mount folder's name";
    EXPECT_EQ(v[2].root, "/mnt/reader");
    EXPECT_EQ(v[2].label, "READER");
}

TEST(RemovableVolumes, ALaterMountHidesTheOneBelowIt)
{
    FakeMountTable t;
    t.mount("/dev/sda2", "/").mount("/dev/sdb1", "/media/u/CARD").mount("/dev/sdc1", "/media/u/CARD");
    const auto v = removable_volumes(t);
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(v[0].device, "/dev/sdc1");
}

TEST(RemovableVolumes, MountinfoLinesWithEscapedNames)
{
    const std::string text = "36 35 98:0 / /mnt1 rw,noatime master:1 - ext3 /dev/root rw,errors=continue\n"
                             "40 25 8:17 / /media/me/MY\\040CARD rw,nosuid shared:5 - vfat /dev/sdb1 rw,uid=1000\n"
                             "broken line\n";
    const auto m = parse_mountinfo(text);
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].mount_point, "/mnt1");
    EXPECT_EQ(m[0].fs_type, "ext3");
    EXPECT_EQ(m[0].device, "/dev/root");
    EXPECT_EQ(m[1].mount_point, "/media/me/MY CARD");
    EXPECT_EQ(m[1].dev_id, "8:17");
    EXPECT_EQ(m[1].device, "/dev/sdb1");
}

TEST(RemovableVolumes, AFolderStaysOnItsVolumeOnlyWhileThatMediumIsMounted)
{
    FakeMountTable t;
    t.mount("/dev/sda2", "/").mount("/dev/sdb1", "/media/u/CARD");
    const auto v = removable_volume_of(t, "/media/u/CARD/DCIM");
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->root, "/media/u/CARD");
    EXPECT_FALSE(removable_volume_of(t, "/home/u").has_value());
    EXPECT_TRUE(within_volume(*v, "/media/u/CARD"));
    EXPECT_FALSE(within_volume(*v, "/media/u/CARDS"));
    EXPECT_TRUE(still_on_volume(t, *v, "/media/u/CARD/DCIM"));

    t.unmount("/media/u/CARD");
    EXPECT_FALSE(still_on_volume(t, *v, "/media/u/CARD/DCIM")) << "the folder is on the root disk now";
    t.mount("/dev/sdc1", "/media/u/CARD");
    EXPECT_FALSE(still_on_volume(t, *v, "/media/u/CARD")) << "another card in the same place";
}

namespace {

// Two folders that play cards, on devices flagged removable.
struct BrowserTest : ::testing::Test {
    TempEnv env;
    FakeMountTable table;
    std::string card_a = (env.work() / "CARD_A").string();
    std::string card_b = (env.work() / "CARD_B").string();

    BrowserTest()
    {
        fs::create_directories(card_a + "/DCIM");
        fs::create_directories(card_b);
        table.mount("/dev/sda2", "/");
        table.removable = {"/dev/sdb1", "/dev/sdc1"};
        table.labels = {{"/dev/sdb1", "TRAILCAM"}};
        table.sizes = {{card_a, 32'000'000'000ull}, {card_b, 8'000'000'000ull}};
    }

    static void click_row(QListWidget* list, int row)
    {
        const QRect r = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }
};

} // namespace

TEST_F(BrowserTest, OneCardOpensSelectedAndEnterAcceptsIt)
{
    table.mount("/dev/sdb1", card_a);
    FolderBrowserDialog dlg(nullptr, "Please Select the Path", removable_volumes(table));
    dlg.show();
    EXPECT_EQ(dlg.windowTitle().toStdString(), "Folder Browser");
    EXPECT_EQ(dlg.ok_button()->text().toStdString(), "OK");
    EXPECT_EQ(dlg.cancel_button()->text().toStdString(), "Cancel");
    EXPECT_TRUE(dlg.ok_button()->isDefault());
    ASSERT_NE(dlg.volume_list(), nullptr);
    ASSERT_EQ(dlg.volume_list()->count(), 1);
    EXPECT_EQ(dlg.volume_list()->item(0)->text().toStdString(), "TRAILCAM (32.0 GB)");
    EXPECT_EQ(dlg.selected_folder(), card_a) << "the only card is selected from the start";

    QTest::keyClick(dlg.volume_list(), Qt::Key_Return);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.selected_folder(), card_a);
}

TEST_F(BrowserTest, OneClickOnACardPicksItsRoot)
{
    table.mount("/dev/sdb1", card_a).mount("/dev/sdc1", card_b);
    FolderBrowserDialog dlg(nullptr, "Please Select the Path", removable_volumes(table));
    dlg.show();
    ASSERT_EQ(dlg.volume_list()->count(), 2);
    EXPECT_EQ(dlg.volume_list()->item(1)->text().toStdString(), "CARD_B (8.0 GB)");
    EXPECT_EQ(dlg.selected_folder(), QDir::homePath().toStdString()) << "two cards: none is chosen for the user";

    click_row(dlg.volume_list(), 1);
    EXPECT_EQ(dlg.selected_folder(), card_b);
    click_row(dlg.volume_list(), 0);
    EXPECT_EQ(dlg.selected_folder(), card_a);

    // Away into the tree and back to the same card with one click.
    dlg.tree()->setCurrentIndex(dlg.tree_index(card_a + "/DCIM"));
    EXPECT_EQ(dlg.selected_folder(), card_a + "/DCIM");
    click_row(dlg.volume_list(), 0);
    EXPECT_EQ(dlg.selected_folder(), card_a);

    QTest::mouseClick(dlg.ok_button(), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(BrowserTest, WithoutACardItIsTheFolderTreeAtHome)
{
    FolderBrowserDialog dlg(nullptr, "Please Select the Path", removable_volumes(table));
    dlg.show();
    EXPECT_EQ(dlg.volume_list(), nullptr);
    EXPECT_EQ(dlg.selected_folder(), QDir::homePath().toStdString());
    const auto labels = dlg.findChildren<QLabel*>();
    ASSERT_FALSE(labels.empty());
    EXPECT_EQ(labels.front()->text().toStdString(), "Please Select the Path");
    QTest::mouseClick(dlg.cancel_button(), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST_F(BrowserTest, TheDesktopBrowserListsTheCardsOfTheMountTable)
{
    table.mount("/dev/sdc1", card_b);
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* dlg = dynamic_cast<FolderBrowserDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        shown = true;
        EXPECT_TRUE(dlg->isModal());
        QTest::keyClick(dlg->volume_list(), Qt::Key_Enter);
    });
    const auto folder = current_ui().browse_for_folder(nullptr, "Please Select the Path", "");
    EXPECT_TRUE(shown);
    EXPECT_EQ(folder, card_b);
}

// The tree reads folders in the background; the folder the path shows ends
// up in view however deep it lies. Two cards with one label show where
// each is mounted.
TEST_F(BrowserTest, OpensScrolledToThePathAndTellsCardsOfOneLabelApart)
{
    const std::string deep = (env.work() / "many").string();
    for (int i = 0; i < 300; ++i)
        fs::create_directories(deep + "/f" + std::to_string(1000 + i));
    const std::string target = deep + "/f1290";
    table.labels["/dev/sdc1"] = "TRAILCAM";
    table.mount("/dev/sdb1", card_a).mount("/dev/sdc1", card_b);
    FolderBrowserDialog dlg(nullptr, "Please Select the Path", removable_volumes(table), target);
    dlg.show();
    const auto in_view = [&] {
        const QModelIndex index = dlg.tree_index(target);
        return index.isValid() && dlg.tree()->currentIndex() == index &&
               dlg.tree()->viewport()->rect().contains(dlg.tree()->visualRect(index));
    };
    // Until all 300 are read: the rows read first are not yet where they end.
    const auto all_read = [&] { return dlg.tree()->model()->rowCount(dlg.tree_index(target).parent()) == 300; };
    for (int waited = 0; waited < 5000 && !(all_read() && in_view()); waited += 20)
        QTest::qWait(20);
    QTest::qWait(100);
    EXPECT_TRUE(in_view());
    EXPECT_EQ(dlg.selected_folder(), target);
    EXPECT_EQ(dlg.volume_list()->item(0)->text().toStdString(), "TRAILCAM - " + card_a + " (32.0 GB)");
    EXPECT_EQ(dlg.volume_list()->item(1)->text().toStdString(), "TRAILCAM - " + card_b + " (8.0 GB)");
}

// Labels and folders come from whoever formatted the card: they are shown as
// plain text, without control characters or marks that reorder the text.
TEST(FolderBrowser, VolumeNamesAndTooltipsArePlainText)
{
    const std::string root = "/media/u/<b>CAM</b>\x1B[2J";
    FolderBrowserDialog dlg(nullptr, "Please Select the Path",
                            {RemovableVolume{root, "CAM\xE2\x80\xAEgpj.exe\x07", 0, "/dev/sdz1", "8:1"}});
    const QListWidgetItem* item = dlg.volume_list()->item(0);
    EXPECT_EQ(item->text(), QString::fromUtf8("CAM\xEF\xBF\xBDgpj.exe\xEF\xBF\xBD"));
    QTextDocument shown;
    shown.setHtml(item->toolTip());
    EXPECT_EQ(shown.toPlainText(), QString::fromUtf8("/media/u/<b>CAM</b>\xEF\xBF\xBD[2J"));
}
