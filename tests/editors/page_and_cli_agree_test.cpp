// The GSM page's OK and tqrprofile must give the same answer for any record:
// a seeded generator makes records the way hand-edited cards and crafted
// descriptions come, each is loaded into the real page and checked by the
// real commands.
#include "cli/commands.h"
#include "cli/profile_json.h"
#include "editors/gsm_page.h"
#include "settings/factory_defaults.h"
#include "settings/value_rules.h"
#include "tables/operator_table.h"
#include "tests/support/record_fixtures.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_env.h"
#include "tests/support/tmpfs_mount.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <set>
#include <sstream>

using namespace tqr;
namespace fs = std::filesystem;

namespace {

constexpr unsigned kSeed = 19;
constexpr int kRecords = 3000;

class Generator {
  public:
    explicit Generator(unsigned seed) : random_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    template <typename T> T pick(std::initializer_list<T> items) { return items.begin()[below(int(items.size()))]; }

    // Pieces of a recipient slot: blanks, "+", line breaks, a no-break
    // space, control characters, ";" that makes more pieces, and texts at
    // and past the slot's room.
    std::string phone()
    {
        if (!odd())
            return pick<std::string>({"0170123", " +49 170 1 ", "+" + digits(22), digits(23),
                                      "\xA0"
                                      "0170",
                                      ";0170;"});
        return pick<std::string>({"", " ", "+", "1", "12+3", "0170\n123",
                                  "01\x1B"
                                  "7",
                                  "1;2;3;4;5", digits(24), "+" + digits(23)});
    }
    std::string email()
    {
        if (!odd())
            return pick<std::string>(
                {"me@example.org", " a @b.org ", "\xA0me@x.org", "a@" + std::string(45, 'x'), "x\n@y.org", ";"});
        return pick<std::string>({"", " ", "@x.org", "no-at-sign", "a<b@c.org", "a@b.org>", "a\r@b.org",
                                  "a@b;c@d;e@f;g@h;i@j", "a@" + std::string(46, 'x'), "a@" + std::string(47, 'x'),
                                  "x@y\x07"});
    }
    bool odd() { return below(10) == 0; }
    std::string digits(int n)
    {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += char('0' + below(10));
        return s;
    }

    ProfileRecord record()
    {
        ProfileRecord r = current_profile;
        GsmBlock& g = r.gsm;
        // Each setting is mostly ordinary, so that records pass the page
        // as often as they fail it.
        g.send_schedule = pack_send_schedule(
            {odd() ? pick<std::uint32_t>({2, 3}) : std::uint32_t(below(2)),
             odd() ? pick<std::uint32_t>({100, 255, std::uint32_t(below(256))}) : pick<std::uint32_t>({0, 10, 99}),
             odd() ? pick<std::uint32_t>({24, std::uint32_t(below(256))}) : pick<std::uint32_t>({0, 12, 23}),
             odd() ? pick<std::uint32_t>({60, std::uint32_t(below(256))}) : pick<std::uint32_t>({0, 30, 59})});
        g.send_via = odd() ? 2 : pick<std::uint16_t>({0, 1});
        g.send_to = odd() ? 3 : pick<std::uint16_t>({0, 1, 2, 2});
        g.sms_switch = odd() ? 2 : pick<std::uint16_t>({0, 0, 1});
        g.rename_on = odd() ? 4 : pick<std::uint16_t>({0, 1});
        g.max_size =
            odd() ? pick<std::uint16_t>({34, 121, std::uint16_t(below(65536))}) : pick<std::uint16_t>({35, 60, 120});
        const int country = below(30) == 0 ? 30 : below(kCountryCount);
        const int op = country < kCountryCount && below(20) != 0 ? below(CountryTable[country].operator_count) : 9;
        g.operator_select = pack_operator_select(country, op);
        if (valid_operator(country, op) && country != kCustomerCountry)
            g.operator_entry = operator_row(country, op);
        std::memset(g.rename_text, 0, sizeof g.rename_text);
        const std::string rename = odd() ? pick<std::string>({"abcdefghi", "a-b", "A b", "caf\xE9"})
                                         : pick<std::string>({"", "cam1", "abcdefgh"});
        std::memcpy(g.rename_text, rename.data(), rename.size());
        if (below(20) == 0)
            std::memset(g.rename_text, 'a', sizeof g.rename_text);
        fill_slots(g.phones, [this] { return phone(); });
        fill_slots(g.emails, [this] { return email(); });
        write_text(g.email.server.port,
                   odd() ? pick<std::string>({"0", "65536", "2a"}) : pick<std::string>({"25", "65535", ""}));
        write_text(g.email.account.email,
                   odd() ? pick<std::string>({"c\x1B]0;x@y", "<c@y>", "c\n@y"}) : "cam@example.org");
        g.email.server.secure_type = odd() ? 0x43 : pick<SecureType>({0x40, 0x41, 0x42});
        r.camera.photo_size = odd() ? 99 : 1;
        return r;
    }

  private:
    // Any slot may be empty, hold a piece, or be filled to its last byte
    // without a terminator.
    template <std::size_t W, typename Make> void fill_slots(char (&area)[4][W], Make make)
    {
        std::memset(area, 0, sizeof area);
        // Now and then none at all, so both kinds can be missing at once.
        if (below(8) == 0)
            return;
        for (auto& slot : area) {
            if (below(3) != 0)
                continue;
            if (below(12) == 0) {
                std::memset(slot, '7', W);
                continue;
            }
            const std::string text = make();
            std::memcpy(slot, text.data(), std::min(text.size(), W));
        }
    }

    std::mt19937 random_;
};

// The values the README lists as refused by write though the page's OK
// takes them (it never sees them, or its controls cannot produce them).
bool on_stricter_list(const ProfileRecord& r)
{
    const GsmBlock& g = r.gsm;
    const SendSchedule s = unpack_send_schedule(g.send_schedule);
    const OperatorSelect sel = unpack_operator_select(g.operator_select);
    const auto unterminated = [](const auto& field) { return std::memchr(field, 0, sizeof field) == nullptr; };
    bool texts = unterminated(g.rename_text);
    for (const auto& slot : g.phones)
        texts = texts || unterminated(slot);
    for (const auto& slot : g.emails)
        texts = texts || unterminated(slot);
    const std::string port = read_text(g.email.server.port);
    const std::string sender = read_text(g.email.account.email);
    const bool bad_port = !port.empty() && (port.find_first_not_of("0123456789") != std::string::npos ||
                                            std::stoul(port) < 1 || std::stoul(port) > 65535);
    return s.send_mode > 2 || g.send_via > 1 || g.send_to > 2 || g.sms_switch > 1 || g.rename_on > 1 ||
           (g.send_via == 1 && g.send_to != 1) || !valid_operator(sel.country_index, sel.operator_index) || texts ||
           g.email.server.secure_type > 0x42 || bad_port || sender.find_first_of("\x1B\n<>") != std::string::npos ||
           r.camera.photo_size > 3;
}

// What a refusing command printed, without its key: "gsm.phones: X" -> "X".
std::string message_of(const std::string& line)
{
    const auto colon = line.find(": ");
    return colon == std::string::npos ? line : line.substr(colon + 2);
}

std::string first_line(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

} // namespace

TEST(PageAndCliAgree, OnEveryGeneratedRecord)
{
    tqr::test::FreshSettings fresh;
    tqr::test::TempEnv env;
    apply_factory_defaults();
    // Every message the page's OK can show.
    std::set<std::string> page_messages{"Please enter no more than 8 characters.", "Please enter an integer.",
                                        "Please enter a positive integer."};
    for (const char* m : {rules::kInstantRange, rules::kDailyTime, rules::kPhoneInvalid, rules::kPhoneTooLong,
                          rules::kEmailTooLong, rules::kEmailFormat, rules::kPhoneMissing, rules::kEmailMissing,
                          rules::kRenameChars, rules::kMaxSizeRange, rules::kPhoneTooMany, rules::kEmailTooMany})
        page_messages.insert(m);

    Generator gen(kSeed);
    // The card on a tmpfs where the kernel lets us mount one: thousands of
    // synced saves would otherwise wait for the disk.
    const fs::path card = env.work() / "card";
    fs::create_directories(card);
    tqr::test::TmpfsMount medium(card, 1 << 20);
    int refused_by_ok = 0, stricter = 0, both_missing = 0;
    for (int i = 0; i < kRecords; ++i) {
        const ProfileRecord r = gen.record();
        SCOPED_TRACE("record " + std::to_string(i) + " of seed " + std::to_string(kSeed));

        // The page: loaded from the record, OK pressed.
        ProfileRecord page_record = r;
        tqr::test::QuietUi quiet;
        GsmPage page;
        QWidget holder;
        page.set_block(&page_record.gsm);
        page.create(&holder);
        ASSERT_TRUE(quiet.boxes.empty()) << "loading shows nothing";
        const bool ok_refuses = page.validate_and_store() == 1;
        ASSERT_EQ(quiet.boxes.size(), ok_refuses ? 1u : 0u);
        const std::string ok_says = ok_refuses ? quiet.boxes.front().text : "";
        refused_by_ok += ok_refuses;
        both_missing += ok_says == rules::kPhoneMissing && r.gsm.send_to == 2 && r.gsm.send_via == 0;

        // check on the record as a store file.
        tqr::test::write_file(env.work() / "in.dat", tqr::test::scrambled(r) + std::string(792, '\0'));
        std::ostringstream out, err;
        const int check_status = cli::run_check({(env.work() / "in.dat").string()}, out, err);
        ASSERT_EQ(err.str(), "");
        if (ok_refuses) {
            ASSERT_EQ(check_status, 1);
            ASSERT_EQ(message_of(first_line(out.str())), ok_says) << out.str();
        } else {
            std::istringstream lines(out.str());
            for (std::string line; std::getline(lines, line);)
                ASSERT_EQ(page_messages.count(message_of(line)), 0u) << line;
        }

        // write with the description export makes of it.
        const bool strict = on_stricter_list(r);
        stricter += strict && !ok_refuses;
        const cli::Json json = cli::to_json(cli::ProfileDocument{cli::FileKind::profile_bin, r, {}});
        tqr::test::write_file(env.work() / "in.json", json.dump());
        fs::remove(card / "PROFILE.BIN");
        std::ostringstream wout, werr;
        const int write_status = cli::run_write({(env.work() / "in.json").string(), card.string()}, wout, werr);
        ASSERT_EQ(write_status == 1, ok_refuses || strict) << werr.str();
        ASSERT_EQ(fs::exists(card / "PROFILE.BIN"), write_status == 0);
        if (ok_refuses) {
            ASSERT_EQ(message_of(message_of(first_line(werr.str()))), ok_says);
        }
        if (write_status == 0) {
            const ProfileRecord written = cli::read_profile_file(card / "PROFILE.BIN").record;
            ASSERT_EQ(std::memcmp(written.gsm.phones, page_record.gsm.phones, sizeof written.gsm.phones), 0);
            ASSERT_EQ(std::memcmp(written.gsm.emails, page_record.gsm.emails, sizeof written.gsm.emails), 0);
        }

        // A slot filled to its last byte, written as plain text in the
        // description: refused by its name, never cut to fit.
        for (int j = 0; j < 4; ++j) {
            if (std::memchr(r.gsm.phones[j], 0, kPhoneWidth) != nullptr)
                continue;
            cli::Json full = json;
            full["gsm"]["phones"][j] = std::string(kPhoneWidth, '7');
            tqr::test::write_file(env.work() / "full.json", full.dump());
            std::ostringstream fout, ferr;
            try {
                cli::run_write({(env.work() / "full.json").string(), card.string()}, fout, ferr);
                FAIL() << "a phone of 24 characters was written";
            } catch (const cli::ProfileError& e) {
                ASSERT_EQ(std::string(e.what()), "gsm.phones[" + std::to_string(j) + "]: longer than 23 characters");
            }
            ASSERT_FALSE(fs::exists(card / "PROFILE.BIN"));
        }
    }
    // The generator reaches every kind of answer.
    EXPECT_GT(refused_by_ok, kRecords / 4);
    EXPECT_GT(stricter, kRecords / 20);
    EXPECT_GT(both_missing, 0);
}
