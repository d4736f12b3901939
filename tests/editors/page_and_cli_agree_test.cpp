// The GSM page's OK and tqrprofile give the same answer for any record that
// a seeded generator makes, loaded into the real page and the real commands.
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

struct Generator {
    std::mt19937 random{kSeed};
    unsigned below(unsigned n) { return std::uniform_int_distribution<unsigned>(0, n - 1)(random); }
    bool odd() { return below(10) == 0; }
    // Mostly an ordinary value, now and then an odd one, so that records
    // pass the page about as often as they fail it.
    template <typename T> T pick(std::vector<T> ordinary, std::vector<T> odd_ones)
    {
        const auto& list = odd() ? odd_ones : ordinary;
        return list[below(static_cast<unsigned>(list.size()))];
    }
    using S = std::string;
    // Blanks, no-break spaces (0xA0), "+", line breaks, control characters,
    // ";" that makes more pieces, and pieces at and one past their room.
    S phone()
    {
        return pick<S>({"0170123", " +49 170 1 ", "+" + S(22, '5'), S(23, '5'), "\2400170", ";0170;"},
                       {"", " ", "+", "1", "12+3", "0170\n123", "01\0337", "1;2;3;4;5", S(24, '5'), "+" + S(23, '5')});
    }
    S email()
    {
        return pick<S>({"me@example.org", " a @b.org ", "\240me@x.org", "a@" + S(45, 'x'), "x\n@y.org", ";"},
                       {"", " ", "@x.org", "no-at", "a<b@c.org", "a@b.org>", "a\r@b.org", "a@b;c@d;e@f;g@h;i@j",
                        "a@" + S(46, 'x'), "a@" + S(47, 'x'), "x@y\a"});
    }
    // A slot is empty, holds a piece, or is filled to its last byte without
    // a terminator; now and then all are empty, so both kinds can be
    // missing at once.
    template <std::size_t W> void fill(char (&area)[4][W], S (Generator::*make)())
    {
        std::memset(area, 0, sizeof area);
        for (auto& slot : area) {
            const S text = below(24) == 0 ? S(W, '7') : below(2) == 0 ? (this->*make)() : "";
            std::memcpy(slot, text.data(), std::min(text.size(), W));
        }
        if (below(8) == 0)
            std::memset(area, 0, sizeof area);
    }

    ProfileRecord record()
    {
        ProfileRecord r = current_profile;
        GsmBlock& g = r.gsm;
        const unsigned any = below(256);
        g.send_schedule =
            pack_send_schedule({pick<unsigned>({0, 1}, {2, 3}), pick<unsigned>({0, 10, 99}, {100, any}),
                                pick<unsigned>({0, 12, 23}, {24, any}), pick<unsigned>({0, 30, 59}, {60, any})});
        g.send_via = pick<std::uint16_t>({0, 1}, {2});
        g.send_to = pick<std::uint16_t>({0, 1, 2, 2}, {3});
        g.sms_switch = pick<std::uint16_t>({0, 0, 1}, {2});
        g.rename_on = pick<std::uint16_t>({0, 1}, {4});
        g.max_size = pick<std::uint16_t>({35, 60, 120}, {34, 121, std::uint16_t(below(65536))});
        const int country = static_cast<int>(pick<unsigned>({below(kCountryCount)}, {below(kCountryCount), 30}));
        const int op = static_cast<int>(
            pick<unsigned>({country < kCountryCount ? below(CountryTable[country].operator_count) : 0}, {9}));
        g.operator_select = pack_operator_select(country, op);
        // An operator block other than the table's row, and hidden settings
        // past their lists: check notes them, write puts them right.
        if (valid_operator(country, op) && country != kCustomerCountry && !odd())
            g.operator_entry = operator_row(country, op);
        g.band = pick<std::uint16_t>({5}, {0, 7});
        std::memset(g.rename_text, 0, sizeof g.rename_text);
        const S rename = pick<S>({"", "cam1", "abcdefgh"}, {"abcdefghi", "a-b", "A b", "caf\xE9", S(16, 'a')});
        std::memcpy(g.rename_text, rename.data(), rename.size());
        fill(g.phones, &Generator::phone);
        fill(g.emails, &Generator::email);
        write_text(g.email.server.port, pick<S>({"25", "65535", ""}, {"0", "65536", "2a"}));
        write_text(g.email.account.email, pick<S>({"cam@example.org"}, {"c\033]0;x@y", "<c@y>", "c\n@y"}));
        write_text(g.email.server.server, pick<S>({"smtp.example.org"}, {"smtp\r\n.example.org", "\x7Fsmtp"}));
        g.email.server.secure_type = pick<SecureType>({0x40, 0x41, 0x42}, {0x43});
        r.camera.photo_size = pick<std::uint16_t>({1}, {99});
        return r;
    }
};

// What the README lists as refused by write though the page's OK takes it.
bool on_stricter_list(const ProfileRecord& r)
{
    const GsmBlock& g = r.gsm;
    const OperatorSelect sel = unpack_operator_select(g.operator_select);
    bool unterminated = std::memchr(g.rename_text, 0, sizeof g.rename_text) == nullptr;
    for (int j = 0; j < 4; ++j)
        unterminated = unterminated || std::memchr(g.phones[j], 0, kPhoneWidth) == nullptr ||
                       std::memchr(g.emails[j], 0, kEmailWidth) == nullptr;
    const std::string port = read_text(g.email.server.port);
    return unpack_send_schedule(g.send_schedule).send_mode > 2 || g.send_via > 1 || g.send_to > 2 || g.sms_switch > 1 ||
           g.rename_on > 1 || (g.send_via == 1 && g.send_to != 1) ||
           !valid_operator(sel.country_index, sel.operator_index) || unterminated ||
           g.email.server.secure_type > 0x42 || (port != "" && port != "25" && port != "65535") ||
           read_text(g.email.account.email).find_first_of("\033\n<>") != std::string::npos || r.camera.photo_size > 3 ||
           rules::has_control_character(read_text(g.email.server.server));
}

// check's findings, without the warnings that come after them.
std::string findings_of(const std::string& out)
{
    return out.substr(0, out.find("warning: "));
}

// The first finding: its line and the indented detail under it.
std::string first_finding(const std::string& findings)
{
    std::size_t end = findings.find('\n') + 1;
    while (findings.compare(end, 4, "    ") == 0)
        end = findings.find('\n', end) + 1;
    return findings.substr(0, end);
}

// What the first finding says under its line.
std::string detail_of(const std::string& findings)
{
    const std::string first = first_finding(findings);
    const std::size_t line = first.find('\n') + 1;
    return line + 4 < first.size() ? first.substr(line + 4, first.size() - line - 5) : "";
}

// A command's line without its keys: "refused: gsm.phones: X" -> "X".
std::string message_of(const std::string& text)
{
    const std::string line = text.substr(0, text.find('\n'));
    return line.substr(line.rfind(": ") == std::string::npos ? 0 : line.rfind(": ") + 2);
}

} // namespace

TEST(PageAndCliAgree, OnEveryGeneratedRecord)
{
    tqr::test::FreshSettings fresh;
    tqr::test::TempEnv env;
    apply_factory_defaults();
    // Where check puts the page's own refusals.
    const std::set<std::string> page_keys{"gsm.phones",       "gsm.emails",   "gsm.instant_max", "gsm.daily_hour",
                                          "gsm.daily_minute", "gsm.max_size", "gsm.rename_text"};
    // Thousands of synced saves go to a tmpfs where the kernel lets us mount one.
    const fs::path card = env.work() / "card", dat = env.work() / "in.dat", json = env.work() / "in.json";
    fs::create_directories(card);
    tqr::test::TmpfsMount medium(card, 1 << 20);
    Generator gen;
    int refused_by_ok = 0, stricter = 0, both_missing = 0;
    for (int i = 0; i < kRecords; ++i) {
        const ProfileRecord r = gen.record();
        SCOPED_TRACE("record " + std::to_string(i) + " of seed " + std::to_string(kSeed));
        ProfileRecord page_record = r;
        tqr::test::QuietUi quiet;
        GsmPage page;
        QWidget holder;
        page.set_block(&page_record.gsm);
        page.create(&holder);
        const bool ok_refuses = page.validate_and_store() == 1;
        ASSERT_EQ(quiet.boxes.size(), ok_refuses ? 1u : 0u);
        const std::string ok_says = ok_refuses ? quiet.boxes.front().text : "";
        refused_by_ok += ok_refuses;
        both_missing += ok_says == rules::kPhoneMissing && r.gsm.send_to == 2 && r.gsm.send_via == 0;
        tqr::test::write_file(dat, tqr::test::scrambled(r) + std::string(792, '\0'));
        std::ostringstream out, err;
        const int check_status = cli::run_check({dat.string()}, out, err);
        const std::string findings = findings_of(out.str());
        ASSERT_EQ(check_status, ok_refuses || findings != "" ? 1 : 0);
        ASSERT_EQ(out.str() != findings, rules::sending_gap(r.gsm).has_value()) << out.str();
        ASSERT_EQ(message_of(findings), ok_refuses ? ok_says : message_of(findings)) << out.str();
        if (ok_refuses) {
            // The dialog's second line is check's, in English, and --json's.
            const std::string detail = quiet.boxes.front().detail;
            ASSERT_FALSE(detail.empty()) << ok_says;
            ASSERT_EQ(detail_of(findings), detail) << out.str();
            std::ostringstream json_out;
            cli::run_check({dat.string(), true}, json_out, err);
            const cli::Json first = cli::parse_json_text(json_out.str())["findings"][0];
            ASSERT_EQ(first["message"], ok_says);
            ASSERT_EQ(first["detail"], detail);
            ASSERT_EQ(first["field"], findings.substr(0, findings.find(": ")));
        }
        std::istringstream lines(findings);
        for (std::string line; !ok_refuses && std::getline(lines, line);)
            ASSERT_TRUE(line.starts_with("    ") || page_keys.count(line.substr(0, line.find(": "))) == 0) << line;

        const bool strict = on_stricter_list(r);
        stricter += strict && !ok_refuses;
        const cli::Json description = cli::to_json(ProfileDocument{FileKind::profile_bin, r, {}});
        tqr::test::write_file(json, description.dump());
        fs::remove(card / "PROFILE.BIN");
        std::ostringstream wout, werr;
        const int written = cli::run_write({json.string(), card.string()}, wout, werr);
        ASSERT_EQ(written == 1, ok_refuses || strict) << werr.str();
        ASSERT_EQ(fs::exists(card / "PROFILE.BIN"), written == 0);
        ASSERT_EQ(message_of(werr.str()), ok_refuses ? ok_says : message_of(werr.str()));
        // check is a dry run of write: its first line is write's refusal.
        ASSERT_EQ(werr.str(), written == 1 ? "refused: " + first_finding(findings) : "");
        if (written == 0) {
            const GsmBlock& g = read_profile_file(card / "PROFILE.BIN").record.gsm;
            ASSERT_EQ(std::memcmp(g.phones, page_record.gsm.phones, sizeof g.phones + sizeof g.emails), 0);
        }

        // A slot filled to its last byte, as plain text in a description:
        // refused by its name, never cut to fit.
        for (int j = 0; j < 4; ++j) {
            if (std::memchr(r.gsm.phones[j], 0, kPhoneWidth) != nullptr)
                continue;
            cli::Json full = description;
            full["gsm"]["phones"][j] = std::string(kPhoneWidth, '7');
            tqr::test::write_file(json, full.dump());
            std::string refusal;
            try {
                cli::run_write({json.string(), card.string()}, wout, werr);
            } catch (const ProfileError& e) {
                refusal = e.what();
            }
            ASSERT_EQ(refusal, json.string() + ": gsm.phones[" + std::to_string(j) + "]: longer than 23 characters");
            ASSERT_FALSE(fs::exists(card / "PROFILE.BIN"));
        }
    }
    // The generator reaches every kind of answer.
    EXPECT_GT(refused_by_ok, kRecords / 4);
    EXPECT_GT(stricter, kRecords / 20);
    EXPECT_GT(both_missing, 0);
}
