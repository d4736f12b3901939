#include "app/setup_app.h"
#include "app/setup_dialog.h"
#include "framework/ui_services.h"
#include "resources/gsm_ids.h"
#include "resources/main_ids.h"
#include "settings/factory_defaults.h"
#include "tests/support/card_image.h"
#include "tests/support/keyboard.h"
#include "tests/support/ordinary_user.h"
#include "tests/support/record_fixtures.h"
#include "tests/support/temp_env.h"
#include "tests/support/udisks_card.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>
#include <strings.h>
#include <sys/stat.h>
#include <tuple>

using namespace tqr;
using namespace tqr::fw;
using tqr::test::CardImage;
using tqr::test::read_file;
using tqr::test::TempEnv;
namespace fs = std::filesystem;

namespace {

using main_ids::kPath;

// The user at the main dialog: types a phone and a largest picture size,
// puts the card's folder into the path, presses OK and then Cancel, and
// reads every box the tool shows.
class CardUser final : public UiServices {
  public:
    CardUser(const fs::path& card, const char* max_size) : card_(card), max_size_(max_size) {}
    std::vector<std::string> boxes;
    int message_box(const MessageBoxRequest& r) override
    {
        boxes.push_back(r.text);
        return IDOK;
    }
    int run_modal(CDialog& dialog) override
    {
        auto& main = dynamic_cast<SetupDialog&>(dialog);
        main.page_host().gsm_page().set_text(gsm_ids::kPhones, "0170123456");
        main.page_host().gsm_page().set_text(gsm_ids::kMaxSize, max_size_);
        dialog.set_text(kPath, card_.string());
        dialog.click(IDOK);
        dialog.click(IDCANCEL);
        return dialog.result();
    }
    std::optional<std::string> browse_for_folder(QWidget*, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }

  private:
    fs::path card_;
    const char* max_size_;
};

using Kind = CardImage::Kind;

// A card of each kind, saved to by root and by an ordinary user.
class CardTest : public ::testing::TestWithParam<std::tuple<Kind, bool>> {
  protected:
    Kind kind() const { return std::get<0>(GetParam()); }
    bool ordinary() const { return std::get<1>(GetParam()); }

    // A FAT card mounted by root for every user, as desktops do; the FUSE
    // exFAT driver gives every user every right by itself.
    std::string mount_options(const std::string& exfat_extra = {}) const
    {
        return kind() == Kind::vfat ? "uid=0,gid=0,umask=000" : exfat_extra;
    }

    // Starts the application as the test's user and presses OK once;
    // returns the last box shown.
    std::string press_ok(const fs::path& card, const char* max_size)
    {
        std::optional<test::OrdinaryUser> user;
        if (ordinary()) {
            user.emplace(env.root());
            if (!user->active()) {
                skip_reason = user->reason();
                return {};
            }
        }
        CardUser at_dialog(card, max_size);
        ScopedUi scope(at_dialog);
        SetupApp app;
        app.init_instance();
        return at_dialog.boxes.empty() ? std::string() : at_dialog.boxes.back();
    }

    std::string saved(const fs::path& card) const { return "PROFILE.BIN has been saved in " + card.string(); }
    // What the card's file must hold: the record as the store file has it.
    std::string expected_profile() const { return read_file(env.store_file()).substr(20, 860); }

    static std::vector<std::string> names_in(const fs::path& dir)
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir))
            if (entry.path().filename() != "padding")
                names.push_back(entry.path().filename().string());
        return names;
    }

    test::FreshSettings fresh;
    TempEnv env;
    std::string skip_reason;
};

} // namespace

TEST_P(CardTest, SavesTheFileWithItsExactBytesAndNothingElse)
{
    CardImage card(kind(), env.root() / "card", mount_options());
    if (!card.mounted())
        GTEST_SKIP() << card.reason();
    const std::string box = press_ok(card.dir(), "40");
    if (!skip_reason.empty())
        GTEST_SKIP() << skip_reason;
    EXPECT_EQ(box, saved(card.dir()));
    EXPECT_EQ(names_in(card.dir()), std::vector<std::string>{"PROFILE.BIN"});
    EXPECT_EQ(read_file(card.dir() / "PROFILE.BIN"), expected_profile());
    EXPECT_EQ(fs::file_size(card.dir() / "PROFILE.BIN"), 860u);
    struct stat st {};
    ASSERT_EQ(::stat(env.store_file().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_P(CardTest, ALowerCaseProfileBinEndsAsOneFileWithTheNewBytes)
{
    CardImage card(kind(), env.root() / "card", mount_options());
    if (!card.mounted())
        GTEST_SKIP() << card.reason();
    test::write_file(card.dir() / "profile.bin", std::string(860, 'o'));
    const std::string box = press_ok(card.dir(), "40");
    if (!skip_reason.empty())
        GTEST_SKIP() << skip_reason;
    EXPECT_EQ(box, saved(card.dir()));
    const auto names = names_in(card.dir());
    ASSERT_EQ(names.size(), 1u) << names[0] << " and more";
    EXPECT_EQ(::strcasecmp(names[0].c_str(), "PROFILE.BIN"), 0) << names[0];
    EXPECT_EQ(read_file(card.dir() / names[0]), expected_profile());
}

TEST_P(CardTest, AWriteProtectedFileIsRefusedForAnOrdinaryUserOnly)
{
    // exFAT keeps no modes: the driver gives every file those of the mount.
    // FAT turns a mode without write permission into the read-only attribute.
    CardImage card(kind(), env.root() / "card", mount_options("fmask=0222"));
    if (!card.mounted())
        GTEST_SKIP() << card.reason();
    ASSERT_EQ(press_ok(card.dir(), "40"), saved(card.dir()));
    if (!skip_reason.empty())
        GTEST_SKIP() << skip_reason;
    if (kind() == Kind::vfat)
        fs::permissions(card.dir() / "PROFILE.BIN", fs::perms(0444));
    const std::string before = read_file(card.dir() / "PROFILE.BIN");
    const std::string store_before = read_file(env.store_file());

    const std::string box = press_ok(card.dir(), "99");
    if (ordinary()) {
        EXPECT_EQ(box, "Access to " + (card.dir() / "PROFILE.BIN").string() + " was denied.");
        EXPECT_EQ(read_file(card.dir() / "PROFILE.BIN"), before);
        EXPECT_EQ(read_file(env.store_file()), store_before);
    } else {
        // Root may write any file, here as everywhere on Unix.
        EXPECT_EQ(box, saved(card.dir()));
        EXPECT_EQ(read_file(card.dir() / "PROFILE.BIN"), expected_profile());
    }
    EXPECT_EQ(names_in(card.dir()), std::vector<std::string>{"PROFILE.BIN"});
}

TEST_P(CardTest, AFullCardIsRefusedAndKeepsItsFile)
{
    CardImage card(kind(), env.root() / "card", mount_options());
    if (!card.mounted())
        GTEST_SKIP() << card.reason();
    ASSERT_EQ(press_ok(card.dir(), "40"), saved(card.dir()));
    if (!skip_reason.empty())
        GTEST_SKIP() << skip_reason;
    const std::string before = read_file(card.dir() / "PROFILE.BIN");
    const std::string store_before = read_file(env.store_file());
    card.fill();

    EXPECT_EQ(press_ok(card.dir(), "99"), "Disk full while accessing " + (card.dir() / "PROFILE.BIN").string() + ".");
    EXPECT_EQ(read_file(card.dir() / "PROFILE.BIN"), before);
    EXPECT_EQ(read_file(env.store_file()), store_before);
    EXPECT_EQ(names_in(card.dir()), std::vector<std::string>{"PROFILE.BIN"});
}

INSTANTIATE_TEST_SUITE_P(Cards, CardTest,
                         ::testing::Combine(::testing::Values(Kind::exfat, Kind::vfat), ::testing::Bool()),
                         [](const ::testing::TestParamInfo<CardTest::ParamType>& info) {
                             return std::string(CardImage::name(std::get<0>(info.param))) +
                                    (std::get<1>(info.param) ? "_OrdinaryUser" : "_Root");
                         });

// A card the desktop's disk service mounted, saved onto with real clicks:
// the save's message offers Eject beside OK (a folder on the machine's own
// disk gets OK alone), and pressing it unmounts the card, whose image then
// holds exactly the bytes written.
TEST(CardEjectTest, EjectFromTheSavesMessageUnmountsTheCardWithTheBytesWritten)
{
    test::FreshSettings fresh;
    TempEnv env;
    test::UdisksCard card(env.root(), "TQREJECT");
    if (!card.mounted())
        GTEST_SKIP() << card.reason();
    apply_factory_defaults();
    SetupDialog main;
    std::vector<std::string> boxes; // each box's text, and its second button's in brackets
    QTimer answer;                  // presses Eject the first time it is offered, OK otherwise
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box->property("seen").toBool())
            return;
        box->setProperty("seen", true);
        QAbstractButton* press = box->button(QMessageBox::Ok);
        boxes.push_back(box->text().toStdString());
        for (QAbstractButton* b : box->buttons())
            if (b != box->button(QMessageBox::Ok)) {
                boxes.back() += " [" + b->text().toStdString() + "]";
                press = boxes.size() == 2 ? b : press;
            }
        QTest::mouseClick(press, Qt::LeftButton);
    });
    answer.start(20);
    QTimer::singleShot(0, [&] {
        test::show_active(main.window());
        QWidget* phones = main.page_host().gsm_page().control(gsm_ids::kPhones);
        QTest::mouseClick(phones, Qt::LeftButton);
        test::type(phones, "0170123456");
        for (const std::string& folder : {env.work().string(), card.mount_point()}) {
            QTest::mouseClick(main.control(kPath), Qt::LeftButton);
            QTest::keyClick(main.control(kPath), Qt::Key_A, Qt::ControlModifier);
            test::type(main.control(kPath), QString::fromStdString(folder));
            QTest::mouseClick(static_cast<QPushButton*>(main.control(IDOK)), Qt::LeftButton);
        }
        QTest::mouseClick(static_cast<QPushButton*>(main.control(IDCANCEL)), Qt::LeftButton);
    });
    main.do_modal();
    ASSERT_EQ(boxes.size(), 3u) << (boxes.empty() ? "no box" : boxes.back());
    EXPECT_EQ(boxes[0].rfind("PROFILE.BIN has been saved in " + env.work().string(), 0), 0u) << boxes[0];
    EXPECT_EQ(boxes[0].find(" ["), std::string::npos) << boxes[0];
    EXPECT_EQ(boxes[1].rfind("PROFILE.BIN has been saved in " + card.mount_point(), 0), 0u) << boxes[1];
    EXPECT_EQ(boxes[1].substr(boxes[1].size() - 8), " [Eject]") << boxes[1];
    EXPECT_EQ(boxes[2], "TQREJECT can be removed now.");
    EXPECT_FALSE(card.in_mount_table());
    EXPECT_EQ(card.file_in_image("PROFILE.BIN"), read_file(env.store_file()).substr(20, 860));
}
