#include "settings/factory_defaults.h"
#include "settings/file_exception.h"
#include "settings/settings_files.h"
#include "tests/support/faulty_file_ops.h"
#include "tests/support/loop_mount.h"
#include "tests/support/ordinary_user.h"
#include "tests/support/record_fixtures.h"
#include "tests/support/temp_env.h"
#include "tests/support/tmpfs_mount.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <future>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace tqr;
using tqr::test::read_file;
using tqr::test::TempEnv;
using tqr::test::write_file;
namespace fs = std::filesystem;

namespace {

ProfileRecord crafted_record()
{
    ProfileRecord r = initial_profile_image();
    std::memcpy(r.magic, kMagicText, kMagicSize);
    r.model_index = 6;
    r.header_reserved = 0x1234;
    r.camera.camera_mode = 1;
    r.camera.camera_reserved[2] = 0xBEEF;
    r.gsm.send_schedule = pack_send_schedule({1, 12, 8, 30});
    r.gsm.operator_select = pack_operator_select(11, 2);
    r.gsm.max_size = 77;
    write_text(r.gsm.phones[1], "+4917012345");
    write_text(r.gsm.emails[3], "someone@example.org");
    return r;
}

std::string custom_bytes()
{
    return std::string(reinterpret_cast<const char*>(CustomOperators), sizeof(OperatorEntry) * 3);
}

struct FilesTest : ::testing::Test {
    static void reset() { test::FreshSettings::reset(); }
    test::FreshSettings fresh;
    TempEnv env;
};

} // namespace

TEST(Scrambling, MatchesTheWorkedExamples)
{
    EXPECT_EQ(scramble_word(0x9A3C), 0x5C36);
    EXPECT_EQ(unscramble_word(0x5C36), 0x9A3C);
    EXPECT_EQ(scramble_word(0x0000), 0xFFFF);
    EXPECT_EQ(scramble_word(0xFFFF), 0x0000);
    EXPECT_EQ(scramble_word(0x4241), 0xDBEB);
}

TEST(Scrambling, EveryWordRoundTrips)
{
    for (std::uint32_t w = 0; w <= 0xFFFF; ++w) {
        const auto word = static_cast<std::uint16_t>(w);
        ASSERT_EQ(unscramble_word(scramble_word(word)), word) << w;
        ASSERT_EQ(scramble_word(word), static_cast<std::uint16_t>(65535 - (((w * 16) % 65536) + (w / 4096))));
    }
}

TEST(Scrambling, ReachesTheLastWordOfABuffer)
{
    // Zero words scramble to FFFF: nothing of the buffer may stay zero.
    std::vector<std::uint8_t> zeros(880, 0x00);
    scramble_bytes(zeros);
    EXPECT_EQ(zeros, std::vector<std::uint8_t>(880, 0xFF));
    unscramble_bytes(zeros);
    EXPECT_EQ(zeros, std::vector<std::uint8_t>(880, 0x00));
}

TEST_F(FilesTest, TheLastWordOfTheRecordReachesBothFilesScrambled)
{
    apply_factory_defaults();
    // Record bytes 878 and 879, the end of the last e-mail slot.
    current_profile.gsm.emails[3][46] = '\x3C';
    current_profile.gsm.emails[3][47] = '\x9A';
    save_profile(env.work().string());
    const std::string profile = read_file(env.work() / "PROFILE.BIN");
    const std::string store = read_file(env.store_file());
    ASSERT_EQ(profile.size(), 860u);
    EXPECT_EQ(profile.substr(858), "\x36\x5C");
    EXPECT_EQ(store.substr(878, 2), "\x36\x5C");
}

TEST_F(FilesTest, NoStoreFileGivesTheFactoryDefaults)
{
    load_settings();
    EXPECT_EQ(current_profile.model_index, 6);
    EXPECT_EQ(current_profile.gsm.operator_select, 0x0700);
    EXPECT_EQ(std::memcmp(&CustomOperators[0], "Customer1", 10), 0);
}

TEST_F(FilesTest, AFifoInPlaceOfTheStoreFileIsUnreadableAndNeverBlocks)
{
    const auto path = *store_file_path();
    fs::create_directories(path.parent_path());
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    auto loading = std::async(std::launch::async, [] { load_settings(); });
    const bool finished = loading.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    if (!finished) // let the blocked reader go, then fail
        ::close(::open(path.c_str(), O_WRONLY | O_NONBLOCK));
    loading.wait();
    EXPECT_TRUE(finished) << "start-up waits for a writer to the FIFO";
    EXPECT_EQ(current_profile.gsm.operator_select, 0x0700) << "factory defaults, as for an unreadable file";
}

TEST_F(FilesTest, NoLocationAtAllStillGivesTheFactoryDefaults)
{
    ::unsetenv("XDG_CONFIG_HOME");
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", "relative/home", 1);
    EXPECT_FALSE(store_file_path().has_value());
    load_settings();
    ::setenv("HOME", home.c_str(), 1);
    EXPECT_EQ(current_profile.gsm.max_size, 40);
}

TEST_F(FilesTest, ARelativeConfigHomeFallsBackToHome)
{
    ::setenv("XDG_CONFIG_HOME", "not/absolute", 1);
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(store_file_path(), fs::path("/home/someone/.config/TQRSetup/TQRSetup.DAT"));
    ::setenv("HOME", home.c_str(), 1);
}

TEST_F(FilesTest, StoreFileLengthsDecideWhatIsTaken)
{
    const ProfileRecord saved = crafted_record();
    const std::string record = test::scrambled(saved);

    struct Case {
        std::size_t extra;
        bool accepted;
    };
    for (const Case c : {Case{0, true}, Case{100, true}, Case{792, true}, Case{2000 - 880, true}}) {
        reset();
        std::string file = record;
        for (std::size_t i = 0; i < c.extra; ++i)
            file.push_back(static_cast<char>('a' + i % 26));
        write_file(env.store_file(), file);
        load_settings();
        EXPECT_EQ(std::memcmp(&current_profile, &saved, 880), 0) << c.extra;
        const std::string custom = custom_bytes();
        for (std::size_t i = 0; i < 792; ++i) {
            const char expected = i < c.extra ? static_cast<char>('a' + i % 26) : '\0';
            ASSERT_EQ(custom[i], expected) << "extra " << c.extra << " byte " << i;
        }
    }

    reset();
    write_file(env.store_file(), record.substr(0, 879));
    load_settings();
    EXPECT_EQ(current_profile.gsm.max_size, 40);
    EXPECT_EQ(std::memcmp(&CustomOperators[2], "Customer3", 10), 0);
}

TEST_F(FilesTest, AShortFileLeavesItsRawBytesInTheReservedWords)
{
    std::string file(879, '\x5A');
    write_file(env.store_file(), file);
    load_settings();
    const auto b = bytes_of(current_profile);
    EXPECT_EQ(b[18], 0x5A);
    EXPECT_EQ(b[46], 0x5A);
    EXPECT_EQ(b[88], 0x5A);
    EXPECT_EQ(current_profile.gsm.max_size, 40);
}

TEST_F(FilesTest, WrongMagicInAnyByteGivesDefaultsWithUnscrambledReservedWords)
{
    ProfileRecord r = crafted_record();
    for (std::size_t i = 0; i < kMagicSize; ++i) {
        reset();
        ProfileRecord bad = r;
        bad.magic[i] ^= 0x01;
        write_file(env.store_file(), test::scrambled(bad) + custom_bytes());
        load_settings();
        EXPECT_EQ(current_profile.gsm.max_size, 40) << "magic byte " << i;
        EXPECT_EQ(current_profile.header_reserved, 0x1234) << "magic byte " << i;
        EXPECT_EQ(current_profile.camera.camera_reserved[2], 0xBEEF);
        EXPECT_EQ(std::memcmp(&CustomOperators[0], "Customer1", 10), 0);
    }
}

TEST_F(FilesTest, WrongMagicLeavesTheCustomRowsAsTheyWereThoughTheFileHoldsOthers)
{
    write_text(CustomOperators[1].name, "Mine");
    write_text(CustomOperators[2].gprs_apn, "apn.example");
    const std::string before = custom_bytes();
    ProfileRecord bad = crafted_record();
    bad.magic[15] = 'x';
    const std::string other_rows(792, 'Q');
    write_file(env.store_file(), test::scrambled(bad) + other_rows);
    load_settings();
    EXPECT_EQ(custom_bytes(), before);
    EXPECT_EQ(current_profile.gsm.max_size, 40);
}

TEST_F(FilesTest, SaveWritesBothFilesWithTheirSizesAndContent)
{
    apply_factory_defaults();
    save_profile(env.work().string());
    const std::string profile = read_file(env.work() / "PROFILE.BIN");
    const std::string store = read_file(env.store_file());
    ASSERT_EQ(profile.size(), 860u);
    ASSERT_EQ(store.size(), 1672u);
    EXPECT_EQ(static_cast<unsigned char>(profile[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(profile[1]), 0xFF);
    EXPECT_EQ(store.substr(880), custom_bytes());
    EXPECT_EQ(store.substr(20, 860), profile);
    EXPECT_EQ(store.substr(0, 880), test::scrambled(current_profile));

    save_profile(env.work().string());
    EXPECT_EQ(read_file(env.work() / "PROFILE.BIN"), profile);
    EXPECT_EQ(read_file(env.store_file()), store);
    for (const auto& entry : fs::directory_iterator(env.work()))
        EXPECT_EQ(entry.path().filename(), "PROFILE.BIN");
}

TEST_F(FilesTest, SaveThenLoadGivesTheSameRecordAndCustomRows)
{
    const ProfileRecord saved = crafted_record();
    current_profile = saved;
    write_text(CustomOperators[1].mms_url, "http://mms.example");
    const std::string custom = custom_bytes();
    save_profile(env.work().string());

    reset();
    load_settings();
    EXPECT_EQ(std::memcmp(&current_profile, &saved, 880), 0);
    EXPECT_EQ(current_profile.model_index, 6);
    EXPECT_EQ(custom_bytes(), custom);
}

TEST_F(FilesTest, StoreFolderAndFileAreOwnerOnly)
{
    apply_factory_defaults();
    save_profile(env.work().string());
    struct stat st {};
    ASSERT_EQ(::stat(env.store_file().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    ASSERT_EQ(::stat(env.store_file().parent_path().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST_F(FilesTest, AMissingFolderGivesCauseThreeAndNoStoreFile)
{
    apply_factory_defaults();
    const std::string folder = (env.work() / "no-such-card").string();
    try {
        save_profile(folder);
        FAIL() << "no exception";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.cause(), 3);
        EXPECT_EQ(e.file_name(), folder + "/PROFILE.BIN");
        EXPECT_EQ(e.error_text(), folder + "/PROFILE.BIN contains an invalid path.");
    }
    EXPECT_FALSE(fs::exists(env.store_file()));
}

TEST(FileException, TextsNameTheFileOrAnUnnamedFile)
{
    EXPECT_EQ(CFileException(13, "/card/PROFILE.BIN").error_text(), "Disk full while accessing /card/PROFILE.BIN.");
    EXPECT_EQ(CFileException(5, "").error_text(), "Access to an unnamed file was denied.");
    EXPECT_EQ(CFileException(9, "x").error_text(), "Seek failed on x");
    EXPECT_EQ(CFileException::cause_from_errno(ENOENT), 3);
    EXPECT_EQ(CFileException::cause_from_errno(EROFS), 5);
    EXPECT_EQ(CFileException::cause_from_errno(EISDIR), 5);
    EXPECT_EQ(CFileException::cause_from_errno(ENOSPC), 13);
    EXPECT_EQ(CFileException::cause_from_errno(EBUSY), 11);
    EXPECT_EQ(CFileException::cause_from_errno(EIO), 10);
    EXPECT_EQ(CFileException::cause_from_errno(EMFILE), 4);
    EXPECT_EQ(CFileException::cause_from_errno(EINVAL), 1);
}

namespace {

// Saves once so that previous files exist, then breaks the medium and saves
// again; the failure must name its cause and leave both files as they were.
struct FailingMediumTest : FilesTest {
    void save_previous(const fs::path& card)
    {
        apply_factory_defaults();
        save_profile(card.string());
        previous_profile = read_file(card / "PROFILE.BIN");
        previous_store = read_file(env.store_file());
        current_profile.gsm.max_size = 99;
    }
    int failing_save(const fs::path& card)
    {
        try {
            save_profile(card.string());
        } catch (const CFileException& e) {
            failure_name = e.file_name();
            return e.cause();
        }
        return 0;
    }
    std::string failure_name;
    void expect_previous_files(const fs::path& card)
    {
        EXPECT_EQ(read_file(card / "PROFILE.BIN"), previous_profile);
        EXPECT_EQ(read_file(env.store_file()), previous_store);
        for (const auto& dir : {card, env.store_file().parent_path()})
            EXPECT_EQ(test::stray_files(dir), std::vector<std::string>{}) << dir;
    }
    std::string previous_profile, previous_store;
};

} // namespace

TEST_F(FailingMediumTest, FullCardKeepsThePreviousFiles)
{
    test::TmpfsMount card(env.root() / "card", 64 * 1024);
    if (!card.mounted())
        GTEST_SKIP() << card.reason();
    save_previous(card.dir());
    card.fill();
    EXPECT_EQ(failing_save(card.dir()), 13);
    expect_previous_files(card.dir());
}

TEST_F(FailingMediumTest, FullStoreMediumKeepsBothPreviousFiles)
{
    test::TmpfsMount config(env.config_home(), 64 * 1024);
    if (!config.mounted())
        GTEST_SKIP() << config.reason();
    save_previous(env.work());
    config.fill();
    EXPECT_EQ(failing_save(env.work()), 13);
    expect_previous_files(env.work());
}

TEST_F(FailingMediumTest, WriteProtectedCardGivesCauseFive)
{
    test::TmpfsMount card(env.root() / "card", 64 * 1024);
    if (!card.mounted())
        GTEST_SKIP() << card.reason();
    save_previous(card.dir());
    if (!card.make_read_only())
        GTEST_SKIP() << "the kernel refused to remount the tmpfs read-only";
    EXPECT_EQ(failing_save(card.dir()), 5);
    expect_previous_files(card.dir());
}

TEST_F(FailingMediumTest, AFolderInPlaceOfEitherFileIsRefusedAsDenied)
{
    struct Case {
        const char* name;
        bool profile;
    };
    for (const Case c : {Case{"PROFILE.BIN", true}, Case{"store file", false}}) {
        SCOPED_TRACE(c.name);
        save_previous(env.work());
        const fs::path target = c.profile ? env.work() / "PROFILE.BIN" : env.store_file();
        fs::remove(target);
        fs::create_directory(target);
        EXPECT_EQ(failing_save(env.work()), 5);
        EXPECT_EQ(failure_name, target.string());
        EXPECT_TRUE(fs::is_directory(target));
        EXPECT_TRUE(fs::is_empty(target));
        if (c.profile)
            EXPECT_EQ(read_file(env.store_file()), previous_store);
        else
            EXPECT_EQ(read_file(env.work() / "PROFILE.BIN"), previous_profile);
        for (const auto& dir : {env.work(), env.store_file().parent_path()})
            EXPECT_EQ(test::stray_files(dir), std::vector<std::string>{}) << dir;
        fs::remove(target);
    }
}

TEST_F(FailingMediumTest, AWriteProtectedFileIsRefusedForAnOrdinaryUser)
{
    struct Case {
        const char* name;
        bool profile;
    };
    for (const Case c : {Case{"PROFILE.BIN", true}, Case{"store file", false}}) {
        SCOPED_TRACE(c.name);
        save_previous(env.work());
        const fs::path target = c.profile ? env.work() / "PROFILE.BIN" : env.store_file();
        fs::permissions(target, c.profile ? fs::perms(0444) : fs::perms(0400));
        {
            test::OrdinaryUser user(env.root());
            if (!user.active())
                GTEST_SKIP() << user.reason();
            EXPECT_EQ(failing_save(env.work()), 5);
            EXPECT_EQ(failure_name, target.string());
            expect_previous_files(env.work());
        }
        fs::permissions(target, fs::perms(0600));
    }
}

TEST_F(FilesTest, TheCardsFileGetsTheModeOfAnyNewFile)
{
    apply_factory_defaults();
    for (const mode_t mask : {022, 077, 002}) {
        const mode_t old = ::umask(mask);
        fs::remove(env.work() / "PROFILE.BIN");
        save_profile(env.work().string());
        ::umask(old);
        struct stat st {};
        ASSERT_EQ(::stat((env.work() / "PROFILE.BIN").c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0666u & ~mask) << std::oct << mask;
        ASSERT_EQ(::stat(env.store_file().c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u) << std::oct << mask;
    }
}

namespace {

// The seam makes the steps fail that no real medium can be made to fail
// on cue: each file call of a save, one at a time.
struct InjectedFailureTest : FailingMediumTest {
    test::FaultyFileOps ops;

    int injected_save()
    {
        ScopedFileOps scope(ops);
        return failing_save(env.work());
    }
    std::string new_profile() const { return test::scrambled(current_profile).substr(20); }
};

} // namespace

TEST_F(InjectedFailureTest, TheStoreFileFailingAfterProfileBinPutsProfileBinBack)
{
    struct Case {
        int error;
        int cause;
    };
    for (const Case c : {Case{EISDIR, 5}, Case{EIO, 10}, Case{ENOSPC, 13}, Case{EACCES, 5}, Case{ENOSYS, 1}}) {
        SCOPED_TRACE(c.error);
        save_previous(env.work());
        ops = {};
        ops.fail("rename", "/TQRSetup.DAT", c.error);
        EXPECT_EQ(injected_save(), c.cause);
        EXPECT_TRUE(ops.failed);
        EXPECT_EQ(failure_name, env.store_file().string());
        expect_previous_files(env.work());
    }
}

TEST_F(InjectedFailureTest, WithoutAPreviousProfileBinAFailedStoreFileLeavesNone)
{
    apply_factory_defaults();
    ops.fail("rename", "/TQRSetup.DAT", EIO);
    EXPECT_EQ(injected_save(), 10);
    EXPECT_FALSE(fs::exists(env.work() / "PROFILE.BIN"));
    EXPECT_FALSE(fs::exists(env.store_file()));
    EXPECT_EQ(test::stray_files(env.work()), std::vector<std::string>{});
    EXPECT_EQ(test::stray_files(env.store_file().parent_path()), std::vector<std::string>{});
}

TEST_F(InjectedFailureTest, ProfileBinFailingToTakeItsPlaceKeepsBothFiles)
{
    save_previous(env.work());
    ops.fail("rename", "/PROFILE.BIN", EIO);
    EXPECT_EQ(injected_save(), 10);
    EXPECT_EQ(failure_name, (env.work() / "PROFILE.BIN").string());
    expect_previous_files(env.work());
}

TEST_F(InjectedFailureTest, ACardThatGivesBackOtherBytesKeepsThePreviousFiles)
{
    for (const bool previous_files : {true, false})
        for (const std::size_t at : {std::size_t{0}, kProfileFileSize - 1}) {
            SCOPED_TRACE(testing::Message() << "previous files " << previous_files << ", byte " << at);
            save_previous(env.work());
            if (!previous_files) {
                fs::remove(env.work() / "PROFILE.BIN");
                fs::remove(env.store_file());
                previous_profile.clear();
                previous_store.clear();
            }
            ops = {};
            ops.garble_reads("/PROFILE.BIN", at);
            EXPECT_EQ(injected_save(), CFileException::not_kept);
            EXPECT_EQ(failure_name, (env.work() / "PROFILE.BIN").string());
            expect_previous_files(env.work());
        }
}

// The read-back must see what the card holds, not what the cache holds: an
// ext4 card on a loop device whose image is changed under the file system,
// just before the save reads the file back.
TEST_F(FailingMediumTest, TheReadBackReadsTheMediumNotTheCache)
{
    const fs::path image = env.root() / "card.img";
    const fs::path dir = env.root() / "card";
    test::LoopMount card(image, dir, "CARD");
    if (!card.mounted())
        GTEST_SKIP() << card.reason();
    fs::remove_all(dir / "lost+found");
    struct BehindTheCache final : FileOps {
        fs::path image;
        int drop_cached_pages(int fd) override
        {
            int block = 0;
            int block_size = 0;
            if (::ioctl(fd, FIGETBSZ, &block_size) == 0 && ::ioctl(fd, FIBMAP, &block) == 0 && block > 0) {
                const int img = ::open(image.c_str(), O_WRONLY);
                EXPECT_EQ(::pwrite(img, "X", 1, off_t{block} * block_size), 1);
                ::close(img);
            }
            return FileOps::drop_cached_pages(fd);
        }
    } behind;
    behind.image = image;
    save_previous(dir);
    ScopedFileOps scope(behind);
    EXPECT_EQ(failing_save(dir), CFileException::not_kept);
    expect_previous_files(dir);
}

TEST_F(InjectedFailureTest, EachStepOfASaveFailingInTurnChangesNothing)
{
    struct Case {
        const char* name;
        bool previous_files;
    };
    for (const Case c : {Case{"over previous files", true}, Case{"onto an empty card", false}}) {
        SCOPED_TRACE(c.name);
        save_previous(env.work());
        if (!c.previous_files) {
            fs::remove(env.work() / "PROFILE.BIN");
            fs::remove(env.store_file());
            previous_profile.clear();
            previous_store.clear();
        }
        const auto put_back_previous = [&] {
            for (const auto& dir : {env.work(), env.store_file().parent_path()})
                for (const auto& name : test::stray_files(dir))
                    fs::remove(dir / name);
            fs::remove(env.work() / "PROFILE.BIN");
            fs::remove(env.store_file());
            if (c.previous_files) {
                write_file(env.work() / "PROFILE.BIN", previous_profile);
                write_file(env.store_file(), previous_store);
            }
        };
        // A clean run tells the steps there are.
        ops = {};
        EXPECT_EQ(injected_save(), 0);
        const auto steps = ops.calls;
        ASSERT_GT(steps.size(), 10u);
        put_back_previous();

        std::size_t refused = 0;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "step " << i << ": " << steps[i].op << " " << steps[i].path);
            ops = {};
            ops.fail_call(i, EIO);
            const int cause = injected_save();
            ASSERT_TRUE(ops.failed);
            if (cause != 0) {
                ++refused;
                EXPECT_EQ(cause, 10);
                expect_previous_files(env.work());
            } else {
                // Only steps that change nothing on the media may fail
                // without failing the save: syncing a folder, closing the
                // file read back, and removing the kept copy of the
                // previous PROFILE.BIN, which then stays.
                const bool folder_sync = fs::is_directory(steps[i].path);
                const bool read_back_close = steps[i].op == "close" && steps[i].path.ends_with("/PROFILE.BIN");
                const bool kept_copy =
                    steps[i].op == "unlink" && steps[i].path.find("PROFILE.BIN.previous-") != std::string::npos;
                EXPECT_TRUE(folder_sync || read_back_close || kept_copy);
                EXPECT_EQ(read_file(env.work() / "PROFILE.BIN"), new_profile());
                EXPECT_EQ(read_file(env.store_file()).substr(0, 880), test::scrambled(current_profile));
                EXPECT_EQ(test::stray_files(env.work()).size(), kept_copy ? 1u : 0u);
                EXPECT_EQ(test::stray_files(env.store_file().parent_path()), std::vector<std::string>{});
            }
            put_back_previous();
        }
        EXPECT_GT(refused, steps.size() / 2);
    }
}
