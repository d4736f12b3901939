#include "tests/framework/sample_dialog.h"
#include "tests/support/scripted_ui.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace tqr;
using namespace tqr::fw;
using namespace tqr::sample_ids;
using tqr::test::SampleDialog;
using tqr::test::ScriptedUi;

namespace {

struct ExchangeTest : ::testing::Test {
    void SetUp() override
    {
        holder = std::make_unique<QWidget>();
        holder->resize(600, 400);
        ASSERT_TRUE(dlg.create(holder.get()));
        holder->show();
        dlg.window()->show();
        QApplication::setActiveWindow(holder.get());
    }
    std::unique_ptr<QWidget> holder;
    SampleDialog dlg;
};

} // namespace

TEST_F(ExchangeTest, LoadShowsTheMembers)
{
    EXPECT_EQ(dlg.init_calls, 1);
    EXPECT_EQ(dlg.check_state(kFirst), 0);
    EXPECT_EQ(dlg.check_state(kSecond), 1);
    EXPECT_EQ(dlg.text(kNumber), "7");
    EXPECT_EQ(dlg.text(kName), "abc");
    EXPECT_EQ(dlg.text(kCount), "3");
    EXPECT_EQ(dlg.check_state(kFlag), 1);
    EXPECT_EQ(dlg.selection(kChoice), 2);
}

TEST_F(ExchangeTest, StoreReadsTheControlsBack)
{
    dlg.set_check(kThird, 1);
    dlg.set_text(kNumber, " -5 ");
    dlg.set_text(kName, "xyz");
    dlg.set_text(kCount, "10");
    dlg.set_check(kFlag, 0);
    dlg.set_selection(kChoice, 0);
    ASSERT_TRUE(dlg.UpdateData(true));
    EXPECT_EQ(dlg.mode, 2);
    EXPECT_EQ(dlg.number, -5);
    EXPECT_EQ(dlg.name, "xyz");
    EXPECT_EQ(dlg.count, 10u);
    EXPECT_EQ(dlg.flag, 0);
    EXPECT_EQ(dlg.choice, 0);
}

TEST_F(ExchangeTest, OutOfRangeChoicesShowNothingAndReadAsMinusOne)
{
    dlg.mode = 3;
    dlg.choice = 9;
    dlg.flag = 7;
    ASSERT_TRUE(dlg.UpdateData(false));
    for (int id : {10, 11, 12})
        EXPECT_EQ(dlg.check_state(id), 0);
    EXPECT_EQ(dlg.selection(kChoice), -1);
    EXPECT_EQ(dlg.flag, 0) << "a check value outside 0..2 is reset on load";
    EXPECT_EQ(dlg.check_state(kFlag), 0);
    dlg.flag = 2;
    dlg.UpdateData(false);
    EXPECT_EQ(dlg.check_state(kFlag), 2);
    ASSERT_TRUE(dlg.UpdateData(true));
    EXPECT_EQ(dlg.mode, -1);
    EXPECT_EQ(dlg.choice, -1);
    EXPECT_EQ(dlg.flag, 2);
}

TEST_F(ExchangeTest, EachFailureShowsItsMessageAndStopsThere)
{
    struct Case {
        int id;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {20, "", "Please enter an integer."},
        {20, "4x", "Please enter an integer."},
        {20, "51", "Please enter an integer between -5 and 50."},
        {20, "-6", "Please enter an integer between -5 and 50."},
        {21, "abcdef", "Please enter no more than 5 characters."},
        {22, "-1", "Please enter a positive integer."},
        {22, "0", "Please enter an integer between 1 and 10."},
        {22, "99999999999", "Please enter an integer between 1 and 10."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        dlg.number = 7;
        dlg.name = "abc";
        dlg.count = 3;
        dlg.flag = 1;
        dlg.UpdateData(false);
        dlg.set_text(c.id, c.text);
        dlg.set_check(kFlag, 0); // a later member: must keep its value
        ScriptedUi ui;
        ui.expect_box(c.message, MB_ICONEXCLAMATION | MB_OK);
        EXPECT_FALSE(dlg.UpdateData(true));
        EXPECT_EQ(dlg.flag, 1);
        auto* edit = qobject_cast<QLineEdit*>(dlg.control(c.id));
        EXPECT_EQ(QApplication::focusWidget(), edit);
        EXPECT_EQ(edit->selectedText(), edit->text());
        dlg.UpdateData(false);
    }
}

TEST_F(ExchangeTest, MaxCharsLimitsTypingButShowsLongerTextWhole)
{
    auto* edit = qobject_cast<QLineEdit*>(dlg.control(kName));
    edit->clear();
    QTest::keyClicks(edit, "abcdefgh");
    EXPECT_EQ(dlg.text(kName), "abcde");
    dlg.set_text(kName, "longer text");
    EXPECT_EQ(dlg.text(kName), "longer text");
    edit->setCursorPosition(0);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(dlg.text(kName), "onger text") << "shortening stays possible";
}

TEST_F(ExchangeTest, ChangeNotificationsDuringAnExchangeReachNoHandler)
{
    dlg.number = 11;
    dlg.choice = 1;
    dlg.UpdateData(false);
    EXPECT_TRUE(dlg.log.empty());
    dlg.set_text(kNumber, "12");
    dlg.choose(kChoice, 0);
    dlg.set_selection(kChoice, 2);
    dlg.click(kAct);
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"text20", "list40", "act"}));
}

TEST_F(ExchangeTest, DigitsOnlyAndPasswordEdits)
{
    auto* edit = qobject_cast<QLineEdit*>(dlg.control(kSecret));
    edit->clear();
    QTest::keyClicks(edit, "1a2-3");
    EXPECT_EQ(dlg.text(kSecret), "123");
    EXPECT_TRUE(dlg.is_password_masked(kSecret));
    dlg.set_password_masked(kSecret, false);
    EXPECT_FALSE(dlg.is_password_masked(kSecret));
}
