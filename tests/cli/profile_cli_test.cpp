#include "cli/commands.h"
#include "cli/profile_json.h"
#include "cli/profile_show.h"
#include "settings/bounded_read.h"
#include "settings/profile_document.h"
#include "settings/settings_files.h"
#include "settings/value_rules.h"
#include "tables/operator_table.h"
#include "tables/profile_check.h"
#include "tests/support/faulty_file_ops.h"
#include "tests/support/record_fixtures.h"
#include "tests/support/temp_env.h"
#include "tests/support/udisks_card.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

using namespace tqr;
using namespace tqr::cli;
using tqr::test::read_file;
using tqr::test::TempEnv;
using tqr::test::write_file;
namespace fs = std::filesystem;

namespace {

using tqr::test::scrambled;

ProfileRecord default_record()
{
    ProfileRecord saved = current_profile;
    apply_factory_defaults();
    ProfileRecord r = current_profile;
    current_profile = saved;
    return r;
}

ProfileRecord crafted_record()
{
    ProfileRecord r = default_record();
    r.header_reserved = 0xBEEF;
    r.camera.camera_reserved[5] = 0x1234;
    r.gsm.gsm_reserved = 0x4321;
    r.camera.password_text[6] = 'x'; // behind the terminator
    r.gsm.send_schedule = pack_send_schedule({1, 12, 18, 45});
    r.gsm.send_via = 0;
    r.gsm.send_to = 2;
    r.gsm.operator_select = pack_operator_select(11, 2);
    write_text(r.gsm.phones[0], "+4917012345");
    write_text(r.gsm.emails[1], "j\xF6rg@example.org");
    write_text(r.gsm.emails[2], "\x80\x8D@example.org"); // the euro sign and an undefined byte
    write_text(r.gsm.email.account.password, "s3cret");
    return r;
}

std::string store_bytes(const ProfileRecord& r, const std::string& custom = std::string(792, '\0'))
{
    return scrambled(r, 0, 880) + custom;
}

struct RunResult {
    int status;
    std::string out;
};

// Runs the real executable, or a command line of its own; stderr joins
// stdout (before any redirection of stdout the command gives).
RunResult run(const std::string& args, bool tqrprofile = true)
{
    const std::string command = tqrprofile ? std::string(TQRPROFILE) + " " + args + " 2>&1" : "exec 2>&1; " + args;
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string out;
    char buf[4096];
    while (const std::size_t n = std::fread(buf, 1, sizeof buf, pipe))
        out.append(buf, n);
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

struct CliTest : ::testing::Test {
    TempEnv env;
    fs::path file(const char* name) const { return env.work() / name; }
};

} // namespace

TEST_F(CliTest, RecordsRoundTripThroughJsonByteForByte)
{
    const ProfileRecord crafted = crafted_record();
    write_file(file("store.dat"), store_bytes(crafted, std::string(792, 'c')));
    write_file(file("PROFILE.BIN"), scrambled(crafted, 20, 880));

    const ProfileDocument store = read_profile_file(file("store.dat"));
    const std::string json = to_json(store).dump(2);
    EXPECT_NE(json.find("\"j\xC3\xB6rg@example.org\""), std::string::npos);
    EXPECT_NE(json.find("\"\xE2\x82\xAC\xC2\x8D@example.org\""), std::string::npos) << json;
    const ProfileDocument back = from_json(parse_json_text(json));
    EXPECT_EQ(std::memcmp(&back.record, &crafted, sizeof crafted), 0);
    ASSERT_TRUE(back.custom.has_value());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(back.custom->data()), 792), std::string(792, 'c'));

    const ProfileDocument bin = read_profile_file(file("PROFILE.BIN"));
    EXPECT_EQ(bin.kind, FileKind::profile_bin);
    const ProfileDocument bin_back = from_json(to_json(bin));
    EXPECT_EQ(std::memcmp(&bin_back.record.camera, &crafted.camera, 860), 0);

    // Any bytes at all survive, text fields without terminators included.
    std::mt19937 random(7);
    ProfileRecord noise;
    auto bytes = bytes_of(noise);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(random());
    std::memcpy(noise.magic, kMagicText, kMagicSize);
    write_file(file("noise.dat"), store_bytes(noise));
    const ProfileDocument noisy = from_json(to_json(read_profile_file(file("noise.dat"))));
    EXPECT_EQ(std::memcmp(&noisy.record, &noise, sizeof noise), 0);
}

TEST_F(CliTest, ShowNamesEverySettingAndMasksPasswords)
{
    write_file(file("default.dat"), store_bytes(default_record()));
    const std::string text = show_profile(read_profile_file(file("default.dat")), false);
    for (const char* line :
         {"Send Mode: Instant, at most 99 sends\n", "Send Via: GPRS\n", "Send To: Email\n", "Country: Europe\n",
          "Operator: Kavetta\n", "Email Provider: birchwatch\n", "Email Password: ****\n", "Camera Mode: Photo\n",
          "Interval: 1 min\n", "Flash Range: 12m/40ft\n", "Max Size: 40 KB\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;

    write_file(file("crafted.dat"), store_bytes(crafted_record()));
    const ProfileDocument crafted = read_profile_file(file("crafted.dat"));
    const std::string shown = show_profile(crafted, true);
    EXPECT_NE(shown.find("Send Mode: DailyReport at 18:45\n"), std::string::npos);
    EXPECT_NE(shown.find("Country: Germany\nOperator: Vodafone\n"), std::string::npos);
    EXPECT_NE(shown.find("Email Password: s3cret\n"), std::string::npos);
    EXPECT_NE(shown.find("Email Recipients: cam@birchwatch.eu;j\xC3\xB6rg@example.org;"), std::string::npos);
    EXPECT_EQ(show_profile_json(crafted, false)["Email Password"], "******");

    const RunResult r = run("show --json " + file("crafted.dat").string());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(parse_json_text(r.out)["Send Via"], "MMS");
}

TEST_F(CliTest, CheckListsEveryFindingWithTheDialogsMessage)
{
    write_file(file("default.dat"), store_bytes(default_record()));
    // The defaults switch SMS on without a phone number, which OK refuses.
    EXPECT_EQ(check_profile(read_profile_file(file("default.dat"))),
              std::vector<std::string>{"gsm.phones: The phone must not be null!"});

    ProfileRecord r = crafted_record();
    r.camera.camera_mode = 2;
    r.camera.start_hour = 24;
    std::memcpy(r.camera.password_text, "123456", 7);
    r.gsm.send_schedule = pack_send_schedule({3, 100, 24, 0});
    r.gsm.send_via = 2;
    r.gsm.operator_select = pack_operator_select(6, 12);
    r.gsm.max_size = 121;
    r.gsm.band = 6;
    std::memset(r.gsm.rename_text, 'a', 16);
    write_text(r.gsm.phones[1], "12+3");
    write_text(r.gsm.emails[2], "no-at-sign");
    r.gsm.email.server.secure_type = 0x43;
    std::memset(r.gsm.operator_entry.mms_port, '9', 8);
    write_file(file("bad.dat"), store_bytes(r));
    const auto findings = check_profile(read_profile_file(file("bad.dat")));
    // What the dialog's OK refuses comes first, in its order, then what no
    // control can produce.
    const std::vector<std::string> expected = {
        "gsm.rename_text: Please enter no more than 8 characters.",
        std::string("gsm.instant_max: ") + rules::kInstantRange,
        std::string("gsm.daily_hour: ") + rules::kDailyTime,
        std::string("gsm.phones: ") + rules::kPhoneInvalid,
        std::string("gsm.max_size: ") + rules::kMaxSizeRange,
        "camera.camera_mode: expected 0 (Photo) or 1 (Video), not 2",
        "camera.start_hour: 24 - Please enter an integer between 0 and 23.",
        "gsm.send_mode: expected 0 (Instant), 1 (DailyReport) or 2 (Off), not 3",
        "gsm.send_via: expected 0 (MMS) or 1 (GPRS), not 2",
        "gsm.rename_text: the text has no terminator within its 16 bytes",
        "gsm.operator.mms_port: the text has no terminator within its 8 bytes",
        "gsm.email.secure_type: expected 64 (NO), 65 (SSL/TLS) or 66 (STARTTLS), not 67",
        "camera.password_text: Please enter no more than 4 characters.",
        "gsm.operator_index: 12 is not an operator of Danmark",
        // The hidden settings come last: write puts them right.
        "gsm.band: expected 0 (GSM900), 1 (GSM1800), 2 (GSM1900), 3 (GSM900_1800), 4 (GSM850_1900) or 5 "
        "(GSM850_900_1800_1900), not 6",
    };
    EXPECT_EQ(findings, expected);

    EXPECT_EQ(run("check " + file("bad.dat").string()).status, 1);
    ProfileRecord clean = crafted_record();
    clean.gsm.operator_entry = operator_row(11, 2);
    write_file(file("clean.dat"), store_bytes(clean, std::string(792, '\0')));
    const RunResult ok = run("check " + file("clean.dat").string());
    EXPECT_EQ(ok.status, 0) << ok.out;
    EXPECT_EQ(ok.out, "");
}

TEST_F(CliTest, WriteRefusesWithTheDialogsMessagesAndWritesOnlyProfileBin)
{
    write_file(file("crafted.dat"), store_bytes(crafted_record()));
    const Json good = to_json(read_profile_file(file("crafted.dat")));
    fs::create_directories(file("card"));

    struct Case {
        const char* key;
        Json value;
        const char* message;
    };
    const Case cases[] = {
        {"country_index", 30, "gsm.country_index: 30 is not in the country list (0 to 24)"},
        {"operator_index", 9, "gsm.operator_index: 9 is not an operator of Germany"},
        {"send_to", 7, "gsm.send_to: expected 0 (Phone), 1 (Email) or 2 (Both), not 7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        Json j = good;
        j["gsm"][c.key] = c.value;
        write_file(file("case.json"), j.dump());
        const RunResult r = run("write " + file("case.json").string() + " " + file("card").string());
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, std::string("refused: ") + c.message + "\n");
        EXPECT_EQ(r.out.find(".slot"), std::string::npos);
        EXPECT_FALSE(fs::exists(file("card") / "PROFILE.BIN"));
    }

    Json spaced = good;
    spaced["gsm"]["phones"] = Json::array({" +49 170 12345 ", "1", "", ""});
    write_file(file("good.json"), spaced.dump());
    const RunResult r = run("write " + file("good.json").string() + " " + file("card").string());
    EXPECT_EQ(r.status, 0) << r.out;
    const ProfileDocument written = read_profile_file(file("card") / "PROFILE.BIN");
    EXPECT_EQ(read_text(written.record.gsm.phones[0]), "+4917012345") << "cleaned as the dialog stores it";
    EXPECT_EQ(read_text(written.record.gsm.phones[1]), "") << "a one-character piece is not stored";
    EXPECT_EQ(std::count_if(fs::directory_iterator(file("card")), fs::directory_iterator(), [](auto&) { return true; }),
              1);
    EXPECT_FALSE(fs::exists(env.store_file())) << "never the store file";

    // A card that gives back other bytes than it was given keeps its file.
    const std::string before = read_file(file("card") / "PROFILE.BIN");
    write_file(file("crafted.json"), good.dump());
    test::FaultyFileOps card_that_forgets;
    card_that_forgets.garble_reads("/PROFILE.BIN", 500);
    ScopedFileOps seam(card_that_forgets);
    std::ostringstream out, err;
    EXPECT_EQ(run_write(WriteOptions{file("crafted.json").string(), file("card").string()}, out, err), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "tqrprofile: The card did not keep " + (file("card") / "PROFILE.BIN").string() +
                             ": reading it back gave other bytes than were written. The card may be failing or "
                             "counterfeit. Nothing was saved.\n");
    EXPECT_EQ(read_file(file("card") / "PROFILE.BIN"), before);
}

TEST_F(CliTest, DiffListsTheSettingsThatDiffer)
{
    ProfileRecord a = default_record();
    ProfileRecord b = a;
    b.gsm.max_size = 77;
    write_text(b.gsm.phones[2], "0301234");
    write_file(file("a.dat"), store_bytes(a));
    write_file(file("b.BIN"), scrambled(b, 20, 880));
    const RunResult r = run("diff " + file("a.dat").string() + " " + file("b.BIN").string());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "gsm.max_size: 40 -> 77\ngsm.phones[2]: \"\" -> \"0301234\"\n");
    EXPECT_EQ(run("diff " + file("a.dat").string() + " " + file("a.dat").string()).status, 0);
}

TEST_F(CliTest, ClearErrorsAndExitCodes)
{
    struct Case {
        std::string args;
        int status;
        std::string says;
    };
    write_file(file("short.dat"), std::string(100, 'x'));
    write_file(file("magic.dat"), std::string(1672, 'x'));
    write_file(file("broken.json"), "{\n  \"file\": \"PROFILE.BIN\",\n  oops\n}\n");
    Json extra = to_json(ProfileDocument{});
    extra["gsm"]["colour"] = "red";
    write_file(file("extra.json"), extra.dump(1));
    Json missing = to_json(ProfileDocument{});
    missing["camera"].erase("flash_range");
    write_file(file("missing.json"), missing.dump(1));
    fs::create_directories(file("card"));
    write_file(file("cam.json"), to_json(ProfileDocument{}).dump());
    write_file(file("huge.dat"), "");
    fs::resize_file(file("huge.dat"), std::uintmax_t{1} << 30); // sparse: nothing is written
    ASSERT_EQ(::mkfifo(file("fifo").c_str(), 0600), 0);         // nobody writes to it

    const Case cases[] = {
        {"show " + file("nope.bin").string(), 1, "no such file"},
        {"show /dev/zero", 1, "/dev/zero: is not a regular file (a FIFO, a device or a socket), not a settings file"},
        {"show " + file("card").string(), 1, "card: is a folder without a PROFILE.BIN"},
        {"show " + file("huge.dat").string(), 1, "huge.dat: bad magic text"},
        {"mailtest /dev/zero", 1,
         "/dev/zero: is not a regular file (a FIFO, a device or a socket), not a settings file or JSON description"},
        {"mailtest " + file("fifo").string(), 1, "fifo: is not a regular file"},
        {"mailtest " + file("card").string(), 1, "is a folder without a PROFILE.BIN"},
        {"write " + file("card").string() + " " + file("cam.json").string(), 1, "is a folder, not a JSON description"},
        {"write " + file("cam.json").string() + " \"\"", 2, "not an empty name"},
        {"write " + file("cam.json").string() + " " + file("nowhere").string(), 1, "no such folder"},
        {"write " + file("cam.json").string() + " " + file("cam.json").string(), 1, "is a file, not a folder"},
        {"show " + file("short.dat").string(), 1, "wrong size, 100 bytes"},
        {"check " + file("magic.dat").string(), 1, "bad magic text"},
        {"write " + file("broken.json").string() + " .", 1, "invalid JSON on line 3"},
        {"write " + file("extra.json").string() + " .", 1, "gsm.colour: unknown key"},
        {"write " + file("missing.json").string() + " .", 1, "camera.flash_range: missing"},
        {"", 2, "subcommand"},
        {"show", 2, "FILE is required"},
        {"explode " + file("short.dat").string(), 2, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const RunResult r = run(c.args);
        EXPECT_EQ(r.status, c.status) << r.out;
        EXPECT_NE(r.out.find(c.says), std::string::npos) << r.out;
    }
}

// A description that names an operator but carries another operator block
// is written with the table's row, as the dialog's OK stores it; the hidden
// settings are written as the dialog writes them.
TEST_F(CliTest, WriteStoresWhatTheDialogsOkStores)
{
    ProfileRecord r = crafted_record();
    r.gsm.operator_entry = operator_row(3, 0);
    r.gsm.band = 2;
    r.gsm.cmd_log = 1;
    r.gsm.gsm_reserved = 0x4321;
    write_file(file("in.dat"), store_bytes(r));
    CheckOptions check{file("in.dat").string()};
    std::ostringstream out, err;
    EXPECT_EQ(run_check(check, out, err), 1);
    EXPECT_NE(out.str().find("gsm.operator: differs from the row of Germany / "), std::string::npos) << out.str();

    ExportOptions exp{file("in.dat").string(), file("cam.json").string()};
    ASSERT_EQ(run_export(exp, out, err), 0);
    fs::create_directories(file("card"));
    ASSERT_EQ(run_write(WriteOptions{file("cam.json").string(), file("card").string()}, out, err), 0) << err.str();
    const ProfileRecord written = read_profile_file(file("card") / "PROFILE.BIN").record;
    EXPECT_EQ(std::memcmp(&written.gsm.operator_entry, &operator_row(11, 2), sizeof(OperatorEntry)), 0);
    EXPECT_EQ(written.gsm.band, 5);
    EXPECT_EQ(written.gsm.cmd_log, 0);
    EXPECT_EQ(written.gsm.gsm_reserved, 0x4321) << "reserved words go through as given";
    EXPECT_EQ(written.camera.password_text[6], 'x') << "so do the bytes after a text's end";
}

// write --eject: without the disk service the card is written and stays
// mounted; with it, the eject is refused while a program holds a file open
// on the card, then the card is unmounted holding exactly the bytes written.
TEST_F(CliTest, WriteEjectUnmountsTheCardOnceNothingUsesIt)
{
    write_file(file("in.dat"), store_bytes(crafted_record()));
    std::ostringstream out, err;
    ASSERT_EQ(run_export(ExportOptions{file("in.dat").string(), file("cam.json").string()}, out, err), 0);
    const auto write = [&](const std::string& folder) { return "write " + file("cam.json").string() + " " + folder; };
    const auto saved = [](const std::string& folder) { return "PROFILE.BIN has been saved in " + folder + "\n"; };
    fs::create_directories(file("plain"));
    const std::string plain = file("plain").string();
    const RunResult alone =
        run("DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent " TQRPROFILE " " + write(plain) + " --eject 2>&1", false);
    EXPECT_EQ(alone.status, 1);
    EXPECT_EQ(alone.out,
              saved(plain) + "tqrprofile: " + plain + " cannot be ejected: the disk service UDisks2 is not running.\n");

    test::UdisksCard card(env.root(), "TQRCLI");
    if (!card.mounted())
        GTEST_SKIP() << card.reason();
    {
        write_file(card.mount_point() + "/photo.jpg", "a photo being looked at");
        std::ifstream in_use(card.mount_point() + "/photo.jpg");
        const RunResult busy = run(write(card.mount_point()) + " --eject");
        EXPECT_EQ(busy.status, 1);
        EXPECT_EQ(busy.out, saved(card.mount_point()) +
                                "tqrprofile: TQRCLI cannot be ejected yet: a program is still using it.\n");
    }
    const RunResult ejected = run(write(card.mount_point()) + " --eject");
    EXPECT_EQ(ejected.status, 0);
    EXPECT_EQ(ejected.out, saved(card.mount_point()) + "TQRCLI can be removed now.\n");
    EXPECT_FALSE(card.in_mount_table());
    EXPECT_EQ(card.file_in_image("PROFILE.BIN"), read_file(file("plain") / "PROFILE.BIN"));
    EXPECT_EQ(fs::file_size(file("plain") / "PROFILE.BIN"), 860u);
}

TEST_F(CliTest, ExportCreatesAPrivateFileOrWritesToStandardOutput)
{
    write_file(file("in.dat"), store_bytes(crafted_record()));
    std::ostringstream out, err;
    ASSERT_EQ(run_export(ExportOptions{file("in.dat").string(), file("cam.json").string()}, out, err), 0);
    EXPECT_EQ(fs::status(file("cam.json")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(out.str(), "");
    ASSERT_EQ(run_export(ExportOptions{file("in.dat").string(), "-"}, out, err), 0);
    EXPECT_EQ(out.str(), read_file(file("cam.json")));

    // "-" reads standard input too.
    const RunResult shown = run("show - < " + file("in.dat").string());
    EXPECT_EQ(shown.status, 0) << shown.out;
    EXPECT_NE(shown.out.find("File: store file"), std::string::npos);
}

TEST_F(CliTest, FlattenNamesEveryLeafByItsPath)
{
    // Found by fuzzing: a number no field can hold is bad JSON, not a crash.
    EXPECT_THROW(parse_json_text("{\"a\": 88222e21111117}"), ProfileError);

    const Json j = parse_json_text(R"({"a": {"b": 1, "t": {"hex": "00"}}, "l": ["x", 2]})");
    const std::map<std::string, std::string> expected = {
        {"a.b", "1"}, {"a.t", R"({"hex":"00"})"}, {"l[0]", R"("x")"}, {"l[1]", "2"}};
    EXPECT_EQ(flatten(j), expected);

    ProfileRecord a = default_record();
    ProfileRecord b = a;
    b.camera.photo_size = 3;
    write_file(file("a.dat"), store_bytes(a));
    write_file(file("b.dat"), store_bytes(b));
    std::ostringstream out, err;
    EXPECT_EQ(run_diff(DiffOptions{file("a.dat").string(), file("b.dat").string()}, out, err), 1);
    EXPECT_EQ(out.str(), "camera.photo_size: 1 -> 3\n");
}

// An address that carries ESC, BEL or CR cannot steer the terminal: show
// and every message echo it escaped.
// Every command that reads a kind of input meets the hostile ones: each
// ends in time with its exit code and a message naming the file, prints no
// control byte but tab and line feed, and never a password it was not
// asked for.
TEST_F(CliTest, HostileInputsAreRefusedOrPrintedSafely)
{
    ProfileRecord r = default_record();
    write_text(r.gsm.emails[1], "\x1B]0;owned\x07x\r@y.org");
    write_text(r.gsm.operator_entry.name, "\2352;t");
    write_text(r.gsm.email.account.password, "s3cret");
    write_text(r.gsm.email.account.account, "\x1B[2J\x7F");
    write_file(file("esc.dat"), store_bytes(r));
    write_text(r.gsm.email.account.password, "0ther-pw");
    write_file(file("other.dat"), store_bytes(r));
    std::string deep;
    for (int i = 0; i < 150000; ++i)
        deep += "{\"a\":";
    write_file(file("deep.json"), deep + "1" + std::string(150000, '}'));
    std::string at_limit = "1", past_limit;
    for (int i = 0; i < 16; ++i)
        at_limit = "{\"a\":" + at_limit + "}";
    past_limit = "{\"a\":" + at_limit + "}";
    write_file(file("sixteen.json"), at_limit);
    write_file(file("seventeen.json"), past_limit);
    write_file(file("twice.json"), R"({"file": "PROFILE.BIN", "gsm": {"max_size": 999, "max_size": 40}})");
    write_file(file("long.dat"), store_bytes(r) + std::string(28, '\x1B'));
    fs::create_directories(file("cam"));
    write_file(file("cam") / "PROFILE.BIN", scrambled(r, 20, 880));
    write_file(file("long.json"), "{" + std::string(kJsonLimit, ' ') + "}");
    ASSERT_EQ(::mkfifo(file("fifo").c_str(), 0600), 0);
    const std::string esc = file("esc.dat"), odd = file("x\x1B[2J\xE2\x81\xA9y.dat");

    struct Case {
        std::string args;
        int status;
        std::string says; // in the output, "" for nothing in particular
    };
    const Case cases[] = {
        {"show " + esc, 0, "Email Recipients: cam@birchwatch.eu;\\x1B]0;owned\\x07x\\x0D@y.org;\n"},
        {"show " + esc, 0, "Operator in use: \\u009d2;t\n"},
        {"show --json " + esc, 0, "\"Account\": \"\\u001b[2J\\u007f\""},
        {"check " + esc, 1, ""},
        {"diff " + esc + " " + file("other.dat").string(), 1,
         "gsm.email.password: *** -> *** (--show-passwords shows them)\n"},
        {"show " + odd, 1, "x\\x1B[2J\\u2069y.dat: no such file"},
        {"check " + file("deep.json").string(), 1, "deep.json: invalid JSON on line 1: nested deeper than 16 levels"},
        {"write " + file("deep.json").string() + " .", 1, "nested deeper than 16 levels"},
        {"mailtest " + file("deep.json").string(), 1, "nested deeper than 16 levels"},
        {"check " + file("sixteen.json").string(), 1, "sixteen.json: file: missing"},
        {"check " + file("seventeen.json").string(), 1, "nested deeper than 16 levels"},
        {"check " + file("twice.json").string(), 1, "twice.json: gsm.max_size: given twice"},
        {"show " + file("long.dat").string(), 0, "Ignored: 28 bytes past the store file's 1672"},
        {"check " + file("long.dat").string(), 1, ""},
        {"show " + file("cam").string(), 0, "File: PROFILE.BIN\n"},
        {"diff " + file("cam").string() + " " + esc, 1, "gsm.email.password: *** -> ***"},
        {"check " + file("long.json").string(), 1, "long.json: larger than 1048576 bytes"},
        {"show " + file("fifo").string(), 1, "fifo: is not a regular file"},
        {"write " + file("fifo").string() + " .", 1, "fifo: is not a regular file"},
        {"show /dev/zero", 1, "/dev/zero: is not a regular file"},
        {"show " + esc + " >/dev/full", 1, "standard output: cannot be written (No space left on device)"},
        {"show --json " + esc + " >/dev/full", 1, "cannot be written"},
        {"check " + esc + " >/dev/full", 1, "cannot be written"},
        {"export " + esc + " >/dev/full", 1, "cannot be written"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const auto started = std::chrono::steady_clock::now();
        const RunResult result = run("timeout 20 " TQRPROFILE " " + c.args, false);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(15)) << "waited";
        EXPECT_EQ(result.status, c.status) << result.out;
        EXPECT_NE(result.out.find(c.says), std::string::npos) << result.out;
        EXPECT_EQ(std::count_if(result.out.begin(), result.out.end(),
                                [](char ch) { return ch >= 0 && ch < 0x20 && ch != '\t' && ch != '\n'; }),
                  0)
            << result.out;
        EXPECT_EQ(result.out.find("s3cret"), std::string::npos) << result.out;
        EXPECT_EQ(result.out.find("0ther-pw"), std::string::npos) << result.out;
    }
    EXPECT_EQ(parse_json_text(run("show --json " + esc).out)["Operator in use"], "\302\2352;t") << "still JSON";
}

// The output named is a device or the standard output: run in a mount
// namespace of its own with a /dev of its own, so a broken gate replaces
// that namespace's file, never the machine's.
TEST_F(CliTest, ExportToADeviceIsRefusedAndToStandardOutputWritesThere)
{
    if (::geteuid() != 0 || std::system("unshare -m true 2>/dev/null") != 0)
        GTEST_SKIP() << "needs root and mount namespaces";
    write_file(file("in.dat"), store_bytes(crafted_record()));
    const std::string in = file("in.dat").string();
    const std::string dev = "unshare -m sh -c 'mount -t tmpfs tmpfs /dev && mknod -m 666 /dev/null c 1 3 && "
                            "ln -s /proc/self/fd/1 /dev/stdout && ";
    const std::string check = "; s=$?; test -c /dev/null && test -L /dev/stdout || echo REPLACED; exit $s'";
    const RunResult null = run(dev + TQRPROFILE " export " + in + " -o /dev/null 2>&1" + check, false);
    EXPECT_EQ(null.status, 1);
    EXPECT_EQ(null.out, "tqrprofile: /dev/null: is not a regular file, not replaced (- writes to standard output)\n");
    const RunResult out = run(dev + TQRPROFILE " export " + in + " -o /dev/stdout" + check, false);
    EXPECT_EQ(out.status, 0);
    EXPECT_EQ(from_json(parse_json_text(out.out)).record.gsm.max_size, crafted_record().gsm.max_size);
}

// check reads a description; export -o puts a new file readable by the user only in place of whatever
// was there: an old file's looser mode does not survive, and a link is
// replaced, not written through.
TEST_F(CliTest, ExportReplacesTheOutputWithAPrivateFile)
{
    write_file(file("in.dat"), store_bytes(crafted_record()));
    write_file(file("old.json"), "old");
    // check on a description is a dry run of write.
    ProfileRecord r = crafted_record();
    r.gsm.operator_entry = operator_row(11, 2);
    Json j = to_json(ProfileDocument{FileKind::profile_bin, r, {}});
    j["gsm"]["email"]["secure_type"] = 70;
    write_file(file("cam.json"), j.dump(2));
    const RunResult check = run("check " + file("cam.json").string());
    EXPECT_EQ(check.out, "gsm.email.secure_type: expected 64 (NO), 65 (SSL/TLS) or 66 (STARTTLS), not 70\n");
    EXPECT_EQ(run("write " + file("cam.json").string() + " .").out, "refused: " + check.out);
    fs::permissions(file("old.json"), fs::perms(0644));
    write_file(file("elsewhere.txt"), "keep me");
    fs::create_symlink(file("elsewhere.txt"), file("link.json"));
    for (const char* name : {"old.json", "link.json"}) {
        std::ostringstream out, err;
        ASSERT_EQ(run_export(ExportOptions{file("in.dat").string(), file(name).string()}, out, err), 0) << name;
        // A link left in place would show 0777.
        EXPECT_EQ(fs::symlink_status(file(name)).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(from_json(parse_json_text(read_file(file(name)))).record.gsm.max_size, crafted_record().gsm.max_size);
    }
    EXPECT_EQ(read_file(file("elsewhere.txt")), "keep me");
    EXPECT_EQ(test::stray_files(env.work()).size(), 5u) << "in.dat, cam.json, the two, elsewhere.txt: nothing else";
}
