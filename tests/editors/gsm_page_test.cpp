#include "editors/gsm_page.h"
#include "resources/email_set_ids.h"
#include "resources/gsm_ids.h"
#include "resources/operator_param_ids.h"
#include "resources/resource_ids.h"
#include "settings/factory_defaults.h"
#include "settings/record_schema.h"
#include "tables/operator_table.h"
#include "tables/provider_table.h"
#include "tests/support/record_fixtures.h"
#include "tests/support/scripted_ui.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <QPlainTextEdit>

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using namespace tqr;
using namespace tqr::fw;
using namespace tqr::gsm_ids;
using tqr::test::ScriptedUi;

namespace {

constexpr unsigned kStop = MB_ICONHAND | MB_OK;
const std::string kDefaultAddress(kDefaultRecipient);

struct GsmPageTest : ::testing::Test {
    GsmPageTest()
    {
        apply_factory_defaults();
        // The defaults switch SMS on, which asks for a phone number.
        write_text(record().phones[0], "0170123");
    }

    tqr::test::FreshSettings fresh;
    GsmBlock& record() { return current_profile.gsm; }

    // Creates the page over the record as it now stands.
    GsmPage& open()
    {
        page.set_block(&record());
        page.create(&holder);
        page.window()->show();
        return page;
    }

    // Stores and expects success.
    void store_ok() { ASSERT_EQ(page.validate_and_store(), 0); }
    // Stores and expects a refusal with `message`.
    void store_refused(const std::string& message, unsigned style = kStop)
    {
        ui.expect_box(message, style);
        EXPECT_EQ(page.validate_and_store(), 1);
    }

    QWidget holder;
    ScriptedUi ui;
    GsmPage page;
};

} // namespace

TEST_F(GsmPageTest, FactoryDefaultsLoadAsTheUserExpectsThem)
{
    open();
    EXPECT_EQ(page.check_state(kInstant), 1);
    EXPECT_EQ(page.text(kInstantMax), "99");
    EXPECT_TRUE(page.is_enabled(kInstantMax));
    EXPECT_FALSE(page.is_enabled(kDailyHour));
    EXPECT_EQ(page.check_state(kGprs), 1);
    EXPECT_EQ(page.check_state(kToEmail), 1);
    EXPECT_EQ(page.item_count(kCountry), 25);
    EXPECT_EQ(page.selection(kCountry), 7);
    EXPECT_EQ(page.item_text(kOperator, 0), "Kavetta");
    EXPECT_FALSE(page.is_enabled(kCustom));
    EXPECT_EQ(page.text(kEmails), kDefaultAddress + ";");
    EXPECT_EQ(page.text(kPhones), "0170123;");
    EXPECT_TRUE(page.is_enabled(kPhones)) << "SMS switch On keeps the phones editable";
    EXPECT_EQ(page.text(kMaxSize), "40");
    EXPECT_EQ(page.selection(kSmsSwitch), 1);
    EXPECT_FALSE(page.is_enabled(kRenameText));
    EXPECT_EQ(page.selection(kBand), 5);
    EXPECT_FALSE(page.is_shown(kBand));
    EXPECT_FALSE(page.is_shown(kBandLabel));
    EXPECT_FALSE(page.is_shown(kCmdLog));
    EXPECT_FALSE(page.is_shown(kQmmDbg));
}

TEST_F(GsmPageTest, AGprsRecordLoadsWithEmailForcedAndNoReminder)
{
    record().send_to = 2;
    open();
    EXPECT_EQ(page.check_state(kToEmail), 1);
    EXPECT_FALSE(page.is_enabled(kToPhone));
    EXPECT_FALSE(page.is_enabled(kToBoth));
    EXPECT_TRUE(page.is_enabled(kEmailSet));
    page.click(kGprs); // the scripted UI fails on any box here
    EXPECT_TRUE(ui.done());
}

TEST_F(GsmPageTest, MmsThenGprsShowsTheReminderOnce)
{
    record().send_via = 0;
    record().send_to = 2;
    open();
    EXPECT_FALSE(page.is_enabled(kEmailSet));
    EXPECT_EQ(page.check_state(kToBoth), 1);
    ui.expect_box("Please Check and Set the Email!", MB_ICONEXCLAMATION | MB_OK);
    page.click(kGprs);
    EXPECT_EQ(page.check_state(kToEmail), 1);
    page.click(kGprs);
    EXPECT_EQ(ui.boxes.size(), 1u);
}

TEST_F(GsmPageTest, MmsAndGprsClicks)
{
    open();
    page.click(kMms);
    for (int id : {kToPhone, kToEmail, kToBoth})
        EXPECT_TRUE(page.is_enabled(id));
    EXPECT_EQ(page.check_state(kToEmail), 1) << "MMS leaves Send To as it was";
    EXPECT_FALSE(page.is_enabled(kEmailSet));
    page.click(kToBoth);
    ui.expect_box("Please Check and Set the Email!", MB_ICONEXCLAMATION | MB_OK);
    page.click(kGprs);
    EXPECT_EQ(page.check_state(kToEmail), 1);
    EXPECT_FALSE(page.is_enabled(kToPhone));
    EXPECT_TRUE(page.is_enabled(kEmailSet));
    page.click(kGprs); // once is enough
    EXPECT_TRUE(ui.done());
}

TEST_F(GsmPageTest, SendModeDecidesWhichScheduleEditsAreOpen)
{
    open();
    page.click(kSendOff);
    EXPECT_FALSE(page.is_enabled(kInstantMax));
    EXPECT_FALSE(page.is_enabled(kDailyHour));
    EXPECT_FALSE(page.is_enabled(kDailyMinute));
    page.click(kDailyReport);
    EXPECT_FALSE(page.is_enabled(kInstantMax));
    EXPECT_TRUE(page.is_enabled(kDailyHour));
    EXPECT_TRUE(page.is_enabled(kDailyMinute));
}

TEST_F(GsmPageTest, CustomerCopiesItsFirstRowAtOnceBuiltInCountriesOnOk)
{
    write_text(CustomOperators[0].mms_url, "http://custom.example");
    open();
    page.choose(kCountry, 11);
    EXPECT_EQ(read_text(record().operator_entry.name), "Kavetta") << "a built-in row waits for OK";
    EXPECT_EQ(page.item_count(kOperator), 3);
    EXPECT_EQ(page.selection(kOperator), 0);
    EXPECT_FALSE(page.is_enabled(kCustom));
    page.choose(kOperator, 2);
    store_ok();
    EXPECT_EQ(std::memcmp(&record().operator_entry, &operator_row(11, 2), sizeof(OperatorEntry)), 0);
    EXPECT_EQ(record().operator_select, 0x0B02);

    page.choose(kCountry, 24);
    EXPECT_TRUE(page.is_enabled(kCustom));
    EXPECT_EQ(read_text(record().operator_entry.mms_url), "http://custom.example");
    EXPECT_EQ(page.item_text(kOperator, 2), "Customer3");
}

TEST_F(GsmPageTest, TheEmailAccountFollowsTheCountry)
{
    write_text(record().email.account.email, "me@example.org");
    open();
    page.choose(kCountry, 11);
    EXPECT_EQ(read_text(record().email.account.email), "me@example.org") << "a set-up account stays";
    page.choose(kCountry, 7);
    EXPECT_EQ(std::memcmp(&record().email, &ProviderTable[0], sizeof(EmailBlock)), 0);
    write_text(record().email.account.email, "you@example.org");
    page.choose(kCountry, 11);
    page.choose(kCountry, 7);
    EXPECT_EQ(std::memcmp(&record().email, &ProviderTable[0], sizeof(EmailBlock)), 0)
        << "Europe replaces the account every time";
    std::memset(&record().email, 0, sizeof(EmailBlock));
    page.choose(kCountry, 3);
    EXPECT_EQ(std::memcmp(&record().email, &ProviderTable[1], sizeof(EmailBlock)), 0);
}

TEST_F(GsmPageTest, SlotsWithGapsLoadInSlotOrder)
{
    write_text(record().phones[0], "111");
    write_text(record().phones[2], "333");
    std::memset(record().emails, 0, sizeof record().emails);
    write_text(record().emails[1], "b@x.org");
    write_text(record().emails[3], "d@x.org");
    open();
    EXPECT_EQ(page.text(kPhones), "111;333;");
    EXPECT_EQ(page.text(kEmails), "b@x.org;d@x.org;");
}

TEST_F(GsmPageTest, SmsSwitchKeepsThePhoneEditOpen)
{
    open();
    EXPECT_TRUE(page.is_enabled(kPhones));
    page.choose(kSmsSwitch, 0);
    EXPECT_FALSE(page.is_enabled(kPhones));
    page.choose(kSmsSwitch, 1);
    EXPECT_TRUE(page.is_enabled(kPhones));
    page.click(kMms);
    page.click(kToPhone);
    EXPECT_TRUE(page.is_enabled(kPhones));
    EXPECT_FALSE(page.is_enabled(kEmails));
}

TEST_F(GsmPageTest, TheMinuteIsClampedAndAClearedMinuteShowsThePreviousOne)
{
    record().send_schedule = pack_send_schedule({1, 10, 7, 30});
    open();
    auto* minute = qobject_cast<QLineEdit*>(page.control(kDailyMinute));
    minute->selectAll();
    QTest::keyClicks(minute, "75");
    EXPECT_EQ(page.text(kDailyMinute), "59");
    ui.expect_box("Please enter an integer.", MB_ICONEXCLAMATION | MB_OK);
    QTest::keyClick(minute, Qt::Key_Backspace);
    QTest::keyClick(minute, Qt::Key_Backspace);
    EXPECT_EQ(page.text(kDailyMinute), "5") << "the previous minute comes back";
    minute->selectAll();
    QTest::keyClicks(minute, "8");
    EXPECT_EQ(page.text(kDailyMinute), "8");
    page.set_text(kDailyMinute, "07");
    EXPECT_EQ(page.text(kDailyMinute), "7") << "a leading zero goes at once";
}

TEST_F(GsmPageTest, DefaultAnsweredNoChangesNothingAndYesRestores)
{
    record().send_via = 0;
    record().send_to = 0;
    record().operator_select = pack_operator_select(11, 1);
    record().band = 2;
    open();
    page.set_text(kMaxSize, "77");
    ui.expect_box("You'll restore the default setting,\r\nAre you sure?", MB_ICONQUESTION | MB_YESNO, IDNO);
    page.click(kDefault);
    EXPECT_EQ(page.text(kMaxSize), "77");
    EXPECT_EQ(page.selection(kCountry), 11);

    write_text(record().email.account.email, "me@example.org");
    ui.expect_box("You'll restore the default setting,\r\nAre you sure?", MB_ICONQUESTION | MB_YESNO, IDYES);
    page.click(kDefault);
    EXPECT_EQ(page.check_state(kInstant), 1);
    EXPECT_EQ(page.text(kInstantMax), "99");
    EXPECT_EQ(page.check_state(kGprs), 1);
    EXPECT_EQ(page.check_state(kToEmail), 1);
    EXPECT_FALSE(page.is_enabled(kToPhone));
    EXPECT_EQ(page.selection(kCountry), 7);
    EXPECT_EQ(page.item_text(kOperator, 0), "Kavetta");
    EXPECT_EQ(page.text(kPhones), "");
    EXPECT_EQ(page.text(kEmails), kDefaultAddress + ";");
    EXPECT_EQ(page.selection(kRename), 0);
    EXPECT_EQ(page.selection(kSmsSwitch), 1);
    EXPECT_EQ(page.text(kMaxSize), "40");
    EXPECT_EQ(page.selection(kBand), 5);
    EXPECT_EQ(read_text(record().operator_entry.name), "Kavetta");
    EXPECT_EQ(std::memcmp(&record().email, &ProviderTable[0], sizeof(EmailBlock)), 0);
    EXPECT_EQ(record().send_via, 0) << "other fields wait for OK";
    page.set_text(kPhones, "0170123");
    store_ok();
    EXPECT_EQ(record().send_via, 1);
    EXPECT_EQ(record().band, 5);
}

TEST_F(GsmPageTest, RefusalsLeaveExactlyTheirPartialWrites)
{
    open();
    const ProfileRecord before = current_profile;

    page.set_text(kInstantMax, "100");
    store_refused("Instant number is out of the range(0-99)!");
    EXPECT_EQ(std::memcmp(&current_profile, &before, sizeof before), 0);

    page.set_text(kInstantMax, "5");
    page.set_text(kDailyMinute, "-1");
    store_refused("Daily report time is error!");
    EXPECT_EQ(std::memcmp(&current_profile, &before, sizeof before), 0);

    page.set_text(kDailyMinute, "0");
    page.set_text(kPhones, "111;222;x");
    page.set_text(kEmails, "a@b.c;bad;c@d.e");
    page.choose(kCountry, 11);
    store_refused("The email's Format is error!");
    EXPECT_EQ(unpack_send_schedule(record().send_schedule).instant_max, 5u);
    EXPECT_EQ(read_text(record().operator_entry.name), "T-Mobile");
    EXPECT_EQ(read_text(record().phones[0]), "111");
    EXPECT_EQ(read_text(record().phones[1]), "222") << "phone piece j goes in before e-mail piece j";
    EXPECT_EQ(read_text(record().emails[0]), "a@b.c");
    EXPECT_EQ(record().emails[1][0], 0);
    EXPECT_EQ(record().phones[2][0], 0);

    page.set_text(kEmails, "a@b.c");
    store_refused("Phone number is invalid!");
    EXPECT_EQ(read_text(record().phones[1]), "222");

    page.set_text(kPhones, "111");
    page.choose(kRename, 1);
    page.set_text(kRenameText, "ab-c");
    record().sms_switch = 7;
    store_refused("The letters or/and digits are allowed for rename!");
    EXPECT_EQ(record().rename_on, 0);
    EXPECT_EQ(record().sms_switch, 7);

    page.set_text(kRenameText, "cam01");
    page.set_text(kMaxSize, "121");
    store_refused("Max Size is out of the range(35-120)!");
    EXPECT_EQ(record().rename_on, 1);
    EXPECT_EQ(record().sms_switch, 1);
    EXPECT_EQ(read_text(record().rename_text), "cam01");
    EXPECT_EQ(record().max_size, 40);

    page.set_text(kMaxSize, "");
    store_refused("Please enter a positive integer.", MB_ICONEXCLAMATION | MB_OK);
    page.set_text(kMaxSize, "120");
    store_ok();
    EXPECT_EQ(record().max_size, 120);
}

TEST_F(GsmPageTest, PhonePiecesAreSplitCleanedAndChecked)
{
    open();
    page.click(kMms);
    page.click(kToPhone);
    struct Case {
        const char* text;
        const char* refusal; // nullptr: stored
        std::vector<std::string> expected;
    };
    const std::string d23(23, '1');
    const std::string d24(24, '2');
    const Case cases[] = {
        {" +49 170 1234 ", nullptr, {"+491701234", "", "", ""}},
        {"49+170", "Phone number is invalid!", {}},
        {d23.c_str(), nullptr, {d23, "", "", ""}},
        {d24.c_str(), "The phone is out of the max length!", {}},
        {"+", "The phone must not be null!", {}},
        {"11;22;33;44;", nullptr, {"11", "22", "33", "44"}},
        {"11;22;33;44;55", "At most 4 phone numbers can be stored!", {}},
        {"11;;33", nullptr, {"11", "", "33", ""}},
        {"0170\r\n0171", "Phone number is invalid!", {}},
        {"", "The phone must not be null!", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        page.set_text(kPhones, c.text);
        if (c.refusal != nullptr) {
            store_refused(c.refusal);
            continue;
        }
        store_ok();
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(read_text(record().phones[j]), c.expected[static_cast<std::size_t>(j)]) << j;
    }
}

TEST_F(GsmPageTest, EmailPiecesAreSplitCleanedAndChecked)
{
    open();
    const std::string at47 = "a@" + std::string(45, 'b');
    struct Case {
        std::string text;
        const char* refusal;
        std::string slot0;
    };
    const Case cases[] = {
        {" me @ example.org ;", nullptr, "me@example.org"},
        {at47, nullptr, at47},
        {at47 + "c", "The email is out of the max length!", ""},
        {"@example.org", "The email's Format is error!", ""},
        {"a@x.org\r\nb@y.org", "The email's Format is error!", ""},
        {";;", "The email must not be null!", ""},
        {"a@b;c@d;e@f;g@h;i@j", "At most 4 email addresses can be stored!", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        page.set_text(kEmails, c.text);
        if (c.refusal != nullptr) {
            store_refused(c.refusal);
            continue;
        }
        store_ok();
        EXPECT_EQ(read_text(record().emails[0]), c.slot0);
    }
}

// A lone line break loaded from a file can be neither typed nor shown as a
// line: it shows as an arrow the form's font has, and its refusal says what
// it is.
TEST_F(GsmPageTest, ALoneLineBreakLoadedShowsAndItsRefusalNamesIt)
{
    write_text(record().emails[1], "a\n@b.org");
    write_text(record().phones[1], "0170\r5");
    open();
    for (const auto& [id, arrow] : {std::pair{kEmails, char16_t{0x2193}}, std::pair{kPhones, char16_t{0x2190}}}) {
        const auto* box = qobject_cast<QPlainTextEdit*>(page.control(id));
        ASSERT_TRUE(box->toPlainText().contains(QChar(arrow))) << box->toPlainText().toStdString();
        EXPECT_TRUE(QFontMetrics(box->font()).inFontUcs4(arrow)) << box->font().family().toStdString();
    }
    store_refused("Phone number is invalid!");
    EXPECT_NE(ui.boxes.back().detail.find("line break"), std::string::npos);
    page.set_text(kPhones, "0170123");
    store_refused("The email's Format is error!");
    EXPECT_NE(ui.boxes.back().detail.find("line break"), std::string::npos);
    page.set_text(kEmails, "@b.org");
    store_refused("The email's Format is error!");
    EXPECT_EQ(ui.boxes.back().detail.find("line break"), std::string::npos) << "no line break, nothing said of one";
}

TEST_F(GsmPageTest, WhatSendToAndTheSmsSwitchDemand)
{
    open();
    page.set_text(kPhones, "");
    page.choose(kSmsSwitch, 0);
    store_ok(); // Email, SMS Off, no phone: fine
    page.choose(kSmsSwitch, 1);
    store_refused("The phone must not be null!");
    page.click(kMms);
    page.click(kToPhone);
    page.set_text(kPhones, "0123");
    page.set_text(kEmails, "");
    store_ok();
    page.click(kToBoth);
    store_refused("The email must not be null!");
}

TEST_F(GsmPageTest, RenameMaxSizeAndInstantLimits)
{
    open();
    page.set_text(kRenameText, "cam01x");
    store_ok();
    EXPECT_EQ(read_text(record().rename_text), "cam01x") << "lower case kept, even with Rename Off";
    page.set_text(kRenameText, "a-b");
    store_refused("The letters or/and digits are allowed for rename!");
    page.set_text(kRenameText, "");

    for (const char* size : {"34", "121"}) {
        page.set_text(kMaxSize, size);
        store_refused("Max Size is out of the range(35-120)!");
    }
    for (const char* size : {"35", "120"}) {
        page.set_text(kMaxSize, size);
        store_ok();
        EXPECT_EQ(std::to_string(record().max_size), size);
    }

    page.set_text(kInstantMax, "100");
    for (int mode : {kInstant, kDailyReport, kSendOff}) {
        page.click(mode);
        store_refused("Instant number is out of the range(0-99)!");
    }
}

TEST_F(GsmPageTest, HiddenSettingsAreWrittenFromThePage)
{
    record().band = 1;
    record().cmd_log = 1;
    record().qmm_dbg = 1;
    open();
    store_ok();
    EXPECT_EQ(record().band, 5);
    EXPECT_EQ(record().cmd_log, 0);
    EXPECT_EQ(record().qmm_dbg, 0);
}

TEST_F(GsmPageTest, CustomEditsReachOnlyTheSelectedCustomRow)
{
    open();
    page.choose(kCountry, 24);
    page.choose(kOperator, 1);
    ui.expect_dialog(res::kOperatorParamForm, [](CDialog& d) {
        d.set_text(operator_param_ids::kUrl, "http://mms.mine");
        d.click(IDOK);
    });
    page.click(kCustom);
    store_ok();
    EXPECT_EQ(read_text(CustomOperators[1].mms_url), "http://mms.mine");
    EXPECT_EQ(read_text(CustomOperators[1].name), "Customer2");
    const OperatorEntry first = initial_custom_operator(0);
    const OperatorEntry third = initial_custom_operator(2);
    EXPECT_EQ(std::memcmp(&CustomOperators[0], &first, sizeof first), 0);
    EXPECT_EQ(std::memcmp(&CustomOperators[2], &third, sizeof third), 0);

    ui.expect_dialog(res::kOperatorParamForm, [](CDialog& d) {
        d.set_text(operator_param_ids::kUrl, "http://discarded");
        d.click(IDOK);
    });
    page.click(kCustom);
    page.choose(kOperator, 2);
    store_ok();
    EXPECT_EQ(read_text(CustomOperators[1].mms_url), "http://mms.mine") << "choosing another row discards";
    EXPECT_EQ(read_text(CustomOperators[2].mms_url), "");
}

TEST_F(GsmPageTest, EmailSetPutsTheAddressInFrontOnce)
{
    open();
    page.choose(kCountry, 11);
    const auto set_account = [this](const char* address) {
        ui.expect_dialog(res::kEmailSetForm, [address](CDialog& d) {
            d.choose(email_set_ids::kProvider, 3);
            d.set_text(email_set_ids::kEmail, address);
            d.set_text(email_set_ids::kPassword, "pw");
            d.click(IDOK);
        });
        page.click(kEmailSet);
    };
    page.set_text(kEmails, "x@y.org;");
    set_account("me@gmx.net");
    EXPECT_EQ(page.text(kEmails), "me@gmx.net;x@y.org;");
    set_account("me@gmx.net");
    EXPECT_EQ(page.text(kEmails), "me@gmx.net;x@y.org;");

    page.set_text(kEmails, "a@a;b@b;c@c;d@d");
    set_account("new@gmx.net");
    EXPECT_EQ(page.text(kEmails), "a@a;b@b;c@c;d@d") << "four addresses are enough";

    page.choose(kCountry, 7);
    page.set_text(kEmails, "");
    ui.expect_dialog(res::kEmailSetForm, [](CDialog& d) {
        EXPECT_EQ(d.selection(email_set_ids::kProvider), 0);
        d.click(IDOK);
    });
    page.click(kEmailSet);
    EXPECT_EQ(page.text(kEmails), "") << "nothing for Europe with the first provider";

    ui.expect_dialog(res::kEmailSetForm, [](CDialog& d) {
        d.choose(email_set_ids::kProvider, 2);
        d.click(IDCANCEL);
    });
    page.click(kEmailSet);
    EXPECT_EQ(page.text(kEmails), "");
}

TEST_F(GsmPageTest, HostileIndicesAndUnterminatedTextsLoadSafely)
{
    record().operator_select = pack_operator_select(200, 0);
    std::memset(record().rename_text, 'R', sizeof record().rename_text);
    std::memset(record().phones[1], '7', sizeof record().phones[1]);
    open();
    EXPECT_EQ(page.selection(kCountry), 7);
    EXPECT_EQ(page.selection(kOperator), 0);
    EXPECT_EQ(page.text(kRenameText), std::string(16, 'R'));
    EXPECT_EQ(page.text(kPhones), "0170123;" + std::string(24, '7') + ";");
    EXPECT_EQ(record().operator_select, pack_operator_select(200, 0)) << "loading writes nothing";
    store_refused("Please enter no more than 8 characters.", MB_ICONEXCLAMATION | MB_OK);
    page.set_text(kRenameText, "");
    store_refused("The phone is out of the max length!");
}

TEST_F(GsmPageTest, AnOperatorPastItsCountrysListSelectsTheFirst)
{
    record().operator_select = pack_operator_select(6, 40);
    open();
    EXPECT_EQ(page.selection(kCountry), 6);
    EXPECT_EQ(page.selection(kOperator), 0);
    EXPECT_EQ(page.item_count(kOperator), 12);
}

// Default, then OK: every setting Default restores reaches the record with
// its factory value.
TEST_F(GsmPageTest, DefaultThenOkStoresTheFactoryValues)
{
    using schema::Id;
    record().send_schedule = pack_send_schedule({1, 10, 7, 30});
    record().send_via = 0;
    record().send_to = 2;
    record().operator_select = pack_operator_select(11, 1);
    record().max_size = 77;
    record().rename_on = 1;
    write_text(record().rename_text, "cam1");
    write_text(record().emails[0], "me@example.org");
    open();
    ui.expect_box("You'll restore the default setting,\r\nAre you sure?", MB_ICONQUESTION | MB_YESNO, IDYES);
    QTest::mouseClick(qobject_cast<QPushButton*>(page.control(kDefault)), Qt::LeftButton);
    // The factory settings want a phone for the SMS switch.
    QTest::mouseClick(page.control(kPhones), Qt::LeftButton);
    QTest::keyClicks(page.control(kPhones), "0170123");
    store_ok();

    ProfileRecord factory = current_profile;
    schema::apply_factory_values(factory);
    for (const Id id : {Id::send_mode, Id::instant_max, Id::daily_hour, Id::daily_minute, Id::send_via, Id::send_to,
                        Id::country_index, Id::operator_index, Id::max_size, Id::rename_on, Id::sms_switch}) {
        const schema::Field& f = schema::field(id);
        EXPECT_EQ(schema::number(current_profile, f), schema::number(factory, f)) << f.key;
    }
    for (const Id id : {Id::rename_text, Id::email_0, Id::operator_name, Id::gprs_apn, Id::email_address}) {
        const schema::Field& f = schema::field(id);
        EXPECT_EQ(read_text(schema::text(current_profile, f)), read_text(schema::text(factory, f))) << f.key;
    }
}
