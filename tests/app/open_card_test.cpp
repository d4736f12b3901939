// Opening a card's settings in the main dialog, as the owner of several
// cameras does it: pick the card, answer the questions, press OK.
#include "app/setup_app.h"
#include "app/setup_dialog.h"
#include "resources/gsm_ids.h"
#include "resources/main_ids.h"
#include "resources/resource_ids.h"
#include "settings/factory_defaults.h"
#include "settings/record_schema.h"
#include "settings/value_rules.h"
#include "tables/operator_table.h"
#include "tables/profile_check.h"
#include "tests/support/fake_mount_table.h"
#include "tests/support/keyboard.h"
#include "tests/support/record_fixtures.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_env.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <sys/wait.h>

using namespace tqr;
using namespace tqr::fw;
using tqr::test::read_file;
using tqr::test::write_file;
namespace fs = std::filesystem;

namespace {

using main_ids::kBrowse;
using main_ids::kPath;
const std::string kTitle = "TQR Setup V3.28D";

// A card the dialog can have written: every setting a value its controls
// give, recipients in consecutive slots, stored as its OK stores them.
ProfileRecord random_card(std::mt19937& rng)
{
    const auto pick = [&](std::size_t n) { return static_cast<unsigned>(rng() % n); };
    const auto chars = [&](const char* set, std::size_t n) {
        std::string s;
        while (s.size() < n)
            s += set[pick(std::strlen(set))];
        return s;
    };
    ProfileRecord r = current_profile;
    for (const schema::Field& f : schema::fields()) {
        if (f.offset < offsetof(ProfileRecord, camera))
            continue;
        const auto text = schema::text(r, f);
        if (f.kind == schema::Kind::reserved)
            std::generate(text.begin(), text.end(), [&] { return static_cast<char>(rng()); });
        else if (f.kind == schema::Kind::number)
            schema::set_number(r, f, f.min + pick(f.max - f.min + 1));
        else
            write_text(text, chars("abcXYZ019 .-_", pick(f.max_chars + 1)));
    }
    GsmBlock& g = r.gsm;
    write_text(r.camera.password_text, chars("0123456789", pick(5)));
    write_text(g.rename_text, chars("aZ09", pick(9)));
    write_text(g.email.server.port, std::to_string(1 + pick(65535)));
    write_text(g.email.account.email, chars("abc", 1 + pick(20)) + "@" + chars("xyz.", 1 + pick(20)));
    if (g.send_via == 1)
        g.send_to = 1;
    const int country = static_cast<int>(pick(kCountryCount));
    const int op = static_cast<int>(pick(CountryTable[country].operator_count));
    g.operator_select = pack_operator_select(country, op);
    if (country == kCustomerCountry && pick(2) == 0)
        g.operator_entry = CustomOperators[op];
    write_text(g.operator_entry.name, read_text(operator_row(country, op).name));
    write_text(g.operator_entry.mms_gateway, std::to_string(pick(256)) + ".10.0." + std::to_string(pick(256)));
    write_text(g.operator_entry.mms_port, std::to_string(pick(10001)));
    const unsigned phones = rules::phone_required(g.send_to, g.sms_switch) ? 1 + pick(4) : pick(5);
    const unsigned emails = rules::email_required(g.send_to) ? 1 + pick(4) : pick(5);
    for (unsigned i = 0; i < 4; ++i) {
        write_text(g.phones[i], i < phones ? (pick(2) ? "+" : "") + chars("0123456789", 2 + pick(22)) : "");
        write_text(g.emails[i], i < emails ? chars("ab.", 1 + pick(20)) + "@" + chars("cd", 1 + pick(25)) : "");
    }
    EXPECT_EQ(prepare_for_writing(r), std::nullopt);
    EXPECT_TRUE(values_no_control_produces(r).empty());
    return r;
}

std::string profile_bin(const ProfileRecord& r)
{
    return test::scrambled(r, 20, 880);
}

// The page shows what a page created over the record would show.
void expect_as_if_started_with(const GsmPage& page)
{
    GsmBlock block = current_profile.gsm;
    GsmPage fresh;
    fresh.set_block(&block);
    fresh.create(nullptr);
    for (const int id : gsm_ids::kAll)
        EXPECT_TRUE(fresh.is_enabled(id) == page.is_enabled(id) && fresh.text(id) == page.text(id) &&
                    fresh.check_state(id) == page.check_state(id))
            << "control " << id;
}

struct OpenCardTest : ::testing::Test {
    test::FreshSettings fresh;
    test::TempEnv env;
    test::FakeMountTable table;
    test::ScriptedUi ui;
    std::string card_a = (env.work() / "A").string(), card_b = (env.work() / "B").string();

    OpenCardTest()
    {
        fs::create_directories(card_a);
        fs::create_directories(card_b);
        table.mount("/dev/sda2", "/").mount("/dev/sdb1", card_a).mount("/dev/sdc1", card_b);
        table.removable = {"/dev/sdb1", "/dev/sdc1"};
        table.labels = {{"/dev/sdb1", "CAM_A"}};
    }

    void run(const std::function<void(SetupDialog&)>& act, const std::function<void()>& at_show = {})
    {
        ui.expect_dialog(res::kMainForm, [&](CDialog& d) {
            if (at_show)
                at_show();
            test::show_active(d.window());
            act(dynamic_cast<SetupDialog&>(d));
            d.click(IDCANCEL);
        });
        SetupApp app;
        app.init_instance();
    }

    // "...", a click on the card's row and on OK, in the real browser;
    // `then` expects what follows.
    void pick(SetupDialog& d, int row, const std::function<void()>& then = {})
    {
        ui.expect_real_browser([&d, row](FolderBrowserDialog& b) {
            EXPECT_EQ(b.selected_folder(), d.text(kPath)) << "the browser opens at the path";
            QTest::mouseClick(b.volume_list()->viewport(), Qt::LeftButton, {},
                              b.volume_list()->visualItemRect(b.volume_list()->item(row)).center());
            QTest::mouseClick(b.ok_button(), Qt::LeftButton);
        });
        if (then)
            then();
        QTest::mouseClick(d.control(kBrowse), Qt::LeftButton);
    }

    void expect_offer(const std::string& folder, int answer = IDYES)
    {
        ui.expect_box("PROFILE.BIN in " + folder + " holds other settings than the dialog shows. Open them?",
                      MB_ICONQUESTION | MB_YESNO, answer);
    }
    void press_ok(SetupDialog& d, const std::string& folder)
    {
        ui.expect_saved(folder);
        QTest::mouseClick(d.control(IDOK), Qt::LeftButton);
    }
};

} // namespace

TEST_F(OpenCardTest, EveryCardTheDialogWritesComesBackByteForByte)
{
    std::mt19937 rng(20);
    run([&](SetupDialog& d) {
        std::string previous;
        for (int i = 0; i < 60; ++i) {
            fs::remove(card_b + "/PROFILE.BIN");
            const ProfileRecord card = random_card(rng);
            const std::string bytes = profile_bin(card);
            write_file(card_a + "/PROFILE.BIN", bytes);
            const OperatorSelect sel = unpack_operator_select(card.gsm.operator_select);
            pick(d, 0, [&] {
                if (bytes == previous)
                    return;
                expect_offer(card_a);
                if (sel.country_index == kCustomerCountry &&
                    std::memcmp(&CustomOperators[sel.operator_index], &card.gsm.operator_entry, 264) != 0)
                    ui.expect_box("The card uses different parameters for Customer" +
                                      std::to_string(sel.operator_index + 1) + ". Use the card's?",
                                  MB_ICONQUESTION | MB_YESNO, IDYES);
            });
            ASSERT_TRUE(ui.done()) << "card " << i;
            EXPECT_EQ(d.window()->windowTitle().toStdString(), kTitle + " - CAM_A");
            expect_as_if_started_with(d.page_host().gsm_page());
            pick(d, 1);
            EXPECT_EQ(d.window()->windowTitle().toStdString(), kTitle);
            press_ok(d, card_b);
            ASSERT_EQ(read_file(card_b + "/PROFILE.BIN"), bytes) << "card " << i;
            EXPECT_EQ(read_file(env.store_file()).substr(20, 860), bytes);
            previous = bytes;
        }
    });
}

TEST_F(OpenCardTest, AFileTheToolCannotHaveWrittenIsRefusedAndChangesNothing)
{
    ProfileRecord bad = current_profile;
    bad.gsm.send_via = 2;
    const std::string file = card_a + "/PROFILE.BIN";
    for (const auto& [make, why] : std::vector<std::pair<std::function<void()>, std::string>>{
             {[&] { write_file(file, "short"); }, file + ": wrong size, 5 bytes (a PROFILE.BIN has 860)"},
             {[&] { fs::create_directory(file); }, file + ": is a folder, not a PROFILE.BIN"},
             {[&] { write_file(file, profile_bin(bad)); },
              file + " holds a value this tool cannot have written (gsm.send_via: expected 0 (MMS) or 1 (GPRS), not "
                     "2)"}}) {
        fs::remove_all(file);
        make();
        run([&](SetupDialog& d) {
            const ProfileRecord before = current_profile;
            pick(d, 0,
                 [&] { ui.expect_box("The card's settings cannot be opened: " + why, MB_ICONEXCLAMATION | MB_OK); });
            EXPECT_EQ(d.window()->windowTitle().toStdString(), kTitle);
            EXPECT_EQ(std::memcmp(&before, &current_profile, sizeof before), 0);
        });
    }
}

TEST_F(OpenCardTest, TheTitleNamesTheCardTheLastSaveWentTo)
{
    apply_factory_defaults();
    ProfileRecord card = current_profile;
    card.gsm.max_size = 99;
    write_text(card.gsm.phones[0], "0170123456");
    write_file(card_a + "/PROFILE.BIN", profile_bin(card));
    run([&](SetupDialog& d) {
        pick(d, 0, [&] { expect_offer(card_a); });
        EXPECT_EQ(d.window()->windowTitle().toStdString(), kTitle + " - CAM_A");
        auto* path = d.control(kPath);
        QTest::mouseClick(path, Qt::LeftButton);
        QTest::keyClick(path, Qt::Key_A, Qt::ControlModifier);
        test::type(path, QString::fromStdString(card_b));
        press_ok(d, card_b);
        EXPECT_EQ(d.window()->windowTitle().toStdString(), kTitle + " - B") << "the save went to card B";
        EXPECT_EQ(read_file(card_b + "/PROFILE.BIN"), profile_bin(card));
    });
}

TEST_F(OpenCardTest, ALabelAndAFolderFromOutsideShowAsPlainText)
{
    // Whoever formatted the card chose these: an escape that clears a
    // terminal, a bell, an override that turns "gnp.exe" into "exe.png".
    const std::string folder = (env.work() / "C\x1b]0;x\x07").string();
    fs::create_directories(folder);
    table.mount("/dev/sdd1", folder);
    table.removable.insert("/dev/sdd1");
    table.labels["/dev/sdd1"] = "CAM\x1b[2J\xe2\x80\xaegnp.exe\n";
    apply_factory_defaults();
    ProfileRecord card = current_profile;
    card.gsm.max_size = 99;
    write_file(folder + "/PROFILE.BIN", profile_bin(card));
    run([&](SetupDialog& d) {
        pick(d, 2, [&] { expect_offer((env.work() / "C\uFFFD]0;x\uFFFD").string()); });
        EXPECT_EQ(d.window()->windowTitle().toStdString(), kTitle + " - CAM\uFFFD[2J\uFFFDgnp.exe\uFFFD");
    });
}

TEST_F(OpenCardTest, ACustomOperatorOfTheCardReplacesTheStoredRowOnlyOnYes)
{
    std::mt19937 rng(3);
    ProfileRecord card = random_card(rng);
    const int row = 1;
    card.gsm.operator_select = pack_operator_select(kCustomerCountry, row);
    card.gsm.operator_entry = CustomOperators[row];
    write_text(card.gsm.operator_entry.mms_apn, "card.apn");
    write_file(card_a + "/PROFILE.BIN", profile_bin(card));
    for (const int answer : {IDYES, IDNO}) {
        test::FreshSettings::reset();
        fs::remove(env.store_file());
        const OperatorEntry stored = CustomOperators[row];
        run([&](SetupDialog& d) {
            // The path typed and left with Tab, as well as picked.
            d.control(kPath)->setFocus();
            QTest::keyClick(d.control(kPath), Qt::Key_A, Qt::ControlModifier);
            test::type(d.control(kPath), QString::fromStdString(card_a));
            expect_offer(card_a);
            ui.expect_box("The card uses different parameters for Customer2. Use the card's?",
                          MB_ICONQUESTION | MB_YESNO, answer);
            if (answer == IDNO)
                ui.expect_box("The card's parameters for Customer2 were not taken; the stored ones are used.");
            QTest::keyClick(d.control(kPath), Qt::Key_Tab);
            QApplication::processEvents();
            ASSERT_TRUE(ui.done());
            d.set_text(kPath, card_b);
            press_ok(d, card_b);
            pick(d, 1); // what OK wrote is not offered
        });
        ProfileRecord expected = card;
        if (answer == IDNO)
            expected.gsm.operator_entry = stored;
        EXPECT_EQ(read_file(card_b + "/PROFILE.BIN"), profile_bin(expected));
        EXPECT_EQ(std::memcmp(&CustomOperators[row], &expected.gsm.operator_entry, 264), 0);
    }
}

TEST_F(OpenCardTest, StartedAtHomeWithOneCardThePathIsThatCard)
{
    const std::string home = std::getenv("HOME");
    setenv("HOME", env.work().c_str(), 1);
    std::mt19937 rng(5);
    ProfileRecord card = random_card(rng);
    card.gsm.operator_select = pack_operator_select(11, 2);
    card.gsm.operator_entry = operator_row(11, 2);
    write_text(card.gsm.operator_entry.mms_apn, "card.apn");
    write_file(card_a + "/PROFILE.BIN", profile_bin(card));
    table.unmount(card_b);
    run(
        [&](SetupDialog& d) {
            EXPECT_EQ(d.text(kPath), card_a);
            ASSERT_TRUE(ui.done()) << "the card is offered once the window is shown";
            // The path edited and OK clicked: OK never offers; the card
            // pulled meanwhile is noticed as for a picked one.
            QTest::mouseClick(d.control(kPath), Qt::LeftButton);
            QTest::keyClick(d.control(kPath), Qt::Key_End);
            test::type(d.control(kPath), "/");
            table.unmount(card_a);
            ui.expect_box(card_a + "//PROFILE.BIN contains an invalid path.", MB_ICONHAND | MB_OK);
            QTest::mouseClick(d.control(IDOK), Qt::LeftButton);
            QTest::qWait(0);
        },
        [&] {
            expect_offer(card_a);
            ui.expect_box("The card's parameters for Vodafone (Germany) were replaced by the table's.");
        });
    table.mount("/dev/sdb1", card_a).mount("/dev/sdc1", card_b);
    run([&](SetupDialog& d) { EXPECT_EQ(d.text(kPath), env.work().string()) << "two cards: none is chosen"; });
    setenv("HOME", home.c_str(), 1);
}

TEST(StartFromTerminal, OptionsAnswerWithoutADisplayAndMistakesExitTwo)
{
    // The arguments after the environment, the exit status and the output's
    // first line; without a display the run itself ends in one line.
    const std::string no_display =
        "TQRSetup: no display to open a window on (DISPLAY and WAYLAND_DISPLAY are not set)\n";
    const std::string usage = "Usage: TQRSetup [--help] [--version] [--lang LANGUAGE]\n";
    for (const auto& [args, status, out] : std::vector<std::tuple<std::string, int, std::string>>{
             {"LANGUAGE= LC_ALL=C " TQRSETUP " --version", 0, "TQRSetup 3.28\n"},
             {"LANGUAGE= LC_ALL=C " TQRSETUP " --lang de --help", 0, usage},
             {"LANGUAGE= LC_ALL=C " TQRSETUP, 1, no_display},
             {"LANGUAGE= LC_ALL=C " TQRSETUP " -style fusion --lang=fr", 1, no_display},
             {"LANGUAGE= LC_ALL=C " TQRSETUP " --bogus", 2, "TQRSetup: unknown option \"--bogus\"\n"},
             {"LANGUAGE= LC_ALL=C " TQRSETUP " card", 2, "TQRSetup: unexpected argument \"card\"\n"},
             {"LANGUAGE= LC_ALL=C " TQRSETUP " --lang", 2, "TQRSetup: \"--lang\" needs a language, such as de\n"},
             {"LANGUAGE= LC_ALL=C " TQRSETUP " -platform", 2, "TQRSetup: \"-platform\" needs a value\n"},
             {"LANGUAGE= LC_ALL=de_AT.UTF-8 " TQRSETUP " --lang=", 2,
              "TQRSetup: \"--lang\" braucht eine Sprache, etwa de\n"},
             {"LANGUAGE= LC_ALL=C " TQRSETUP " --lang xx", 1,
              "TQRSetup: there is no translation for \"xx\"; the dialog speaks English\n" + no_display},
             {"LC_ALL= LANG=es_ES.UTF-8 LANGUAGE=es:de " TQRSETUP " --lang xx", 1,
              "TQRSetup: no hay traducción para \"xx\"; el diálogo se muestra en inglés\n" + no_display}}) {
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + args;
        FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
        std::string text(4096, '\0');
        text.resize(std::fread(text.data(), 1, text.size(), pipe));
        EXPECT_EQ(WEXITSTATUS(::pclose(pipe)), status) << args;
        EXPECT_EQ(text.substr(0, out.size()), out) << args;
        EXPECT_TRUE(status != 1 || text == out) << "nothing more: " << text;
        EXPECT_TRUE(status != 2 || text.substr(out.size()).starts_with("\n" + usage)) << "then the usage: " << text;
    }
}
