#include "app/setup_app.h"
#include "app/setup_dialog.h"
#include "resources/gsm_ids.h"
#include "resources/main_ids.h"
#include "resources/resource_ids.h"
#include "settings/factory_defaults.h"
#include "settings/file_ops.h"
#include "settings/settings_files.h"
#include "tests/support/faulty_file_ops.h"
#include "tests/support/ordinary_user.h"
#include "tests/support/record_fixtures.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_env.h"
#include "tests/support/tmpfs_mount.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>

using namespace tqr;
using namespace tqr::fw;
using tqr::test::read_file;
using tqr::test::ScriptedUi;
using tqr::test::TempEnv;
using tqr::test::TmpfsMount;
using tqr::test::write_file;
namespace fs = std::filesystem;

namespace {

using main_ids::kPath;

std::string scrambled_store(const ProfileRecord& r)
{
    return tqr::test::scrambled(r) + std::string(792, '\0');
}

using Fresh = tqr::test::FreshSettings;

// Saves once onto `card`, then breaks a medium and presses OK again: the
// stop box must name the cause, and both files must stay as they were.
struct FailingSaveTest : ::testing::Test {
    Fresh fresh;
    TempEnv env;
    ScriptedUi ui;
    std::string profile_before, store_before;

    void save_then_break(const fs::path& card, const std::function<bool()>& breaker, const std::string& message)
    {
        ui.expect_dialog(res::kMainForm, [&](CDialog& d) {
            auto& main = dynamic_cast<SetupDialog&>(d);
            main.page_host().gsm_page().set_text(gsm_ids::kPhones, "0170123");
            d.set_text(kPath, card.string());
            ui.expect_saved(card.string());
            d.click(IDOK);
            profile_before = read_file(card / "PROFILE.BIN");
            store_before = read_file(env.store_file());
            ASSERT_EQ(profile_before.size(), 860u);
            if (!breaker()) {
                d.click(IDCANCEL);
                return;
            }
            main.page_host().gsm_page().set_text(gsm_ids::kMaxSize, "99");
            ui.expect_box(message, MB_ICONHAND | MB_OK);
            d.click(IDOK);
            EXPECT_FALSE(d.has_ended()) << "the dialog stays open for another try";
            d.click(IDCANCEL);
        });
        SetupApp app;
        app.init_instance();
    }

    void expect_previous_files(const fs::path& card)
    {
        EXPECT_EQ(read_file(card / "PROFILE.BIN"), profile_before);
        EXPECT_EQ(read_file(env.store_file()), store_before);
        for (const auto& dir : {card, env.store_file().parent_path()})
            EXPECT_EQ(test::stray_files(dir), std::vector<std::string>{}) << dir;
    }
};

} // namespace

TEST_F(FailingSaveTest, AFullCardKeepsTheCardsSettings)
{
    TmpfsMount card(env.root() / "card", 64 * 1024);
    if (!card.mounted())
        GTEST_SKIP() << card.reason();
    save_then_break(
        card.dir(),
        [&] {
            card.fill();
            return true;
        },
        "Disk full while accessing " + (card.dir() / "PROFILE.BIN").string() + ".");
    expect_previous_files(card.dir());
}

TEST_F(FailingSaveTest, AFullSettingsFolderKeepsBothFiles)
{
    TmpfsMount config(env.config_home(), 64 * 1024);
    if (!config.mounted())
        GTEST_SKIP() << config.reason();
    const fs::path card = env.root() / "card";
    fs::create_directories(card);
    save_then_break(
        card,
        [&] {
            config.fill();
            return true;
        },
        "Disk full while accessing " + env.store_file().string() + ".");
    expect_previous_files(card);
}

TEST_F(FailingSaveTest, AWriteProtectedCardIsReportedAsDenied)
{
    TmpfsMount card(env.root() / "card", 64 * 1024);
    if (!card.mounted())
        GTEST_SKIP() << card.reason();
    bool read_only = false;
    save_then_break(
        card.dir(), [&] { return read_only = card.make_read_only(); },
        "Access to " + (card.dir() / "PROFILE.BIN").string() + " was denied.");
    if (!read_only)
        GTEST_SKIP() << "the kernel refused to remount the tmpfs read-only";
    expect_previous_files(card.dir());
}

TEST_F(FailingSaveTest, APulledCardIsReportedAsAnInvalidPath)
{
    const fs::path card = env.root() / "card";
    fs::create_directories(card);
    save_then_break(
        card,
        [&] {
            fs::remove_all(card);
            return true;
        },
        (card / "PROFILE.BIN").string() + " contains an invalid path.");
    EXPECT_EQ(read_file(env.store_file()), store_before);
}

TEST_F(FailingSaveTest, AFolderInPlaceOfEitherFileIsReportedAsDenied)
{
    struct Case {
        const char* name;
        bool profile;
    };
    for (const Case c : {Case{"PROFILE.BIN", true}, Case{"store file", false}}) {
        SCOPED_TRACE(c.name);
        const fs::path card = env.root() / "card";
        fs::create_directories(card);
        const fs::path target = c.profile ? card / "PROFILE.BIN" : env.store_file();
        save_then_break(
            card,
            [&] {
                fs::remove(target);
                return fs::create_directory(target);
            },
            "Access to " + target.string() + " was denied.");
        EXPECT_TRUE(fs::is_empty(target));
        if (c.profile)
            EXPECT_EQ(read_file(env.store_file()), store_before);
        else
            EXPECT_EQ(read_file(card / "PROFILE.BIN"), profile_before);
        fs::remove_all(card);
        fs::remove_all(env.store_file());
    }
}

TEST_F(FailingSaveTest, AWriteProtectedFileIsReportedAsDeniedToAnOrdinaryUser)
{
    struct Case {
        const char* name;
        bool profile;
    };
    for (const Case c : {Case{"PROFILE.BIN", true}, Case{"store file", false}}) {
        SCOPED_TRACE(c.name);
        const fs::path card = env.root() / "card";
        fs::create_directories(card);
        const fs::path target = c.profile ? card / "PROFILE.BIN" : env.store_file();
        {
            tqr::test::OrdinaryUser user(env.root());
            if (!user.active())
                GTEST_SKIP() << user.reason();
            save_then_break(
                card,
                [&] {
                    fs::permissions(target, fs::perms(0444));
                    return true;
                },
                "Access to " + target.string() + " was denied.");
            expect_previous_files(card);
        }
        fs::remove_all(card);
        fs::remove_all(env.store_file());
    }
}

// A card that gives back other bytes than it was given, and a store file
// that cannot take its place: the card's previous file comes back.
TEST_F(FailingSaveTest, AFaultAfterProfileBinIsInPlacePutsTheCardsFileBack)
{
    const fs::path card = env.root() / "card";
    fs::create_directories(card);
    using Fault = std::function<void(tqr::test::FaultyFileOps&)>;
    for (const auto& [fault, message] : std::vector<std::pair<Fault, std::string>>{
             {[](auto& ops) { ops.fail("rename", "/TQRSetup.DAT", EISDIR); },
              "Access to " + env.store_file().string() + " was denied."},
             {[](auto& ops) { ops.garble_reads("/PROFILE.BIN", 100); },
              "The card did not keep " + (card / "PROFILE.BIN").string() +
                  ": reading it back gave other bytes than were written. The card may be failing or counterfeit. "
                  "Nothing was saved."}}) {
        tqr::test::FaultyFileOps ops;
        std::optional<ScopedFileOps> seam;
        save_then_break(
            card,
            [&] {
                fault(ops);
                seam.emplace(ops);
                return true;
            },
            message);
        EXPECT_FALSE(ops.calls.empty());
        expect_previous_files(card);
    }
}

namespace {

// Opens the real application on a store file, presses OK and Cancel, and
// records what the user was told.
class RecordingUi final : public UiServices {
  public:
    std::vector<std::string> boxes;
    int message_box(const MessageBoxRequest& r) override
    {
        boxes.push_back(r.text);
        return (r.style & kButtonMask) == MB_YESNO ? IDNO : IDOK;
    }
    int run_modal(CDialog& dialog) override
    {
        dialog.click(IDOK);
        dialog.click(IDCANCEL);
        return dialog.result();
    }
    std::optional<std::string> browse_for_folder(QWidget*, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
};

ProfileRecord with_magic()
{
    ProfileRecord r{};
    std::memcpy(r.magic, kMagicText, kMagicSize);
    r.model_index = 6;
    return r;
}

struct HostileCase {
    const char* name;
    std::function<std::string()> file;
};

} // namespace

class HostileStoreFile : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileStoreFile, OpensAndOkEitherSavesOrRefusesWithAMessage)
{
    Fresh fresh;
    TempEnv env;
    write_file(env.store_file(), GetParam().file());
    RecordingUi ui;
    ScopedUi scope(ui);
    SetupApp app;
    EXPECT_FALSE(app.init_instance());
    ASSERT_FALSE(ui.boxes.empty()) << "OK always tells the user something";
    const bool saved = ui.boxes.back().starts_with("PROFILE.BIN has been saved in " + env.work().string());
    EXPECT_EQ(fs::exists(env.work() / "PROFILE.BIN"), saved) << ui.boxes.back();
    if (saved) {
        EXPECT_EQ(fs::file_size(env.work() / "PROFILE.BIN"), 860u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileStoreFile,
    ::testing::Values(HostileCase{"short879", [] { return scrambled_store(with_magic()).substr(0, 879); }},
                      HostileCase{"wrongMagic",
                                  [] {
                                      ProfileRecord r = with_magic();
                                      r.magic[3] = 'x';
                                      return scrambled_store(r);
                                  }},
                      HostileCase{"allFF", [] { return std::string(1672, '\xFF'); }},
                      HostileCase{"allZero", [] { return std::string(1672, '\0'); }},
                      HostileCase{"fullTextsWithoutTerminators",
                                  [] {
                                      ProfileRecord r = with_magic();
                                      auto* b = reinterpret_cast<char*>(&r);
                                      std::memset(b + 20, 'A', sizeof r - 20);
                                      r.camera.camera_mode = 0;
                                      r.gsm.operator_select = pack_operator_select(24, 0);
                                      std::string file = scrambled_store(r);
                                      std::memset(file.data() + 880, 'B', 792);
                                      return file;
                                  }},
                      HostileCase{"countryTwoHundredOperatorNinetyNine",
                                  [] {
                                      ProfileRecord r = with_magic();
                                      r.gsm.operator_select = pack_operator_select(200, 99);
                                      return scrambled_store(r);
                                  }},
                      HostileCase{"operatorPastItsList",
                                  [] {
                                      ProfileRecord r = with_magic();
                                      r.gsm.operator_select = pack_operator_select(7, 5);
                                      r.gsm.max_size = 50;
                                      r.gsm.send_to = 1;
                                      write_text(r.gsm.emails[0], "a@b.c");
                                      return scrambled_store(r);
                                  }},
                      HostileCase{"choicesOutOfTheirLists",
                                  [] {
                                      ProfileRecord r = with_magic();
                                      r.gsm.send_schedule = pack_send_schedule({9, 250, 99, 99});
                                      r.gsm.send_via = 7;
                                      r.gsm.send_to = 9;
                                      r.gsm.rename_on = 5;
                                      r.gsm.sms_switch = 4;
                                      r.gsm.band = 77;
                                      r.gsm.max_size = 60000;
                                      r.camera.camera_mode = 50;
                                      r.camera.interval = 999;
                                      r.camera.start_stop_on = 3;
                                      r.camera.start_hour = 77;
                                      r.camera.password_on = 9;
                                      return scrambled_store(r);
                                  }},
                      HostileCase{"hugeFile", [] { return std::string(5000, 'Z'); }}),
    [](const ::testing::TestParamInfo<HostileCase>& info) { return std::string(info.param.name); });
