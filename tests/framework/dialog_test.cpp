#include "framework/dialog_units.h"
#include "framework/tab_ctrl.h"
#include "resources/form_template.h"
#include "settings/file_exception.h"
#include "tests/framework/sample_dialog.h"
#include "tests/support/scripted_ui.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace tqr;
using namespace tqr::fw;
using namespace tqr::sample_ids;
using tqr::test::SampleDialog;
using tqr::test::ScriptedUi;

TEST(DialogUnits, ConvertFromTheFontsCharacterSize)
{
    const DialogUnits du(6, 13);
    EXPECT_EQ(du.rect(4, 8, 40, 16), QRect(6, 13, 60, 26));
    EXPECT_EQ(du.x(3), 5); // 4.5 rounds up
    EXPECT_EQ(du.y(1), 2); // 1.625

    const DialogUnits small(form_font("MS Sans Serif", 8));
    const DialogUnits large(form_font("MS Sans Serif", 16));
    EXPECT_GT(small.base_x(), 0);
    EXPECT_GT(large.base_x(), small.base_x());
    EXPECT_GT(large.base_y(), small.base_y());
    // The same form keeps its proportions: twice the font, about twice the size.
    EXPECT_NEAR(double(large.x(200)) / small.x(200), double(large.base_x()) / small.base_x(), 0.02);
}

TEST(DialogUnits, FormsArePlacedInDialogUnitsOfTheirFont)
{
    SampleDialog dlg;
    QWidget holder;
    dlg.create(&holder);
    const auto& f = res::form(sample_ids::register_sample_form());
    const DialogUnits du(form_font(f.font_family, f.font_points));
    EXPECT_EQ(dlg.window()->size(), QSize(du.x(200), du.y(150)));
    EXPECT_EQ(dlg.control(kAct)->geometry(), du.rect(120, 90, 40, 14));
    EXPECT_EQ(dlg.control(kNumber)->geometry(), du.rect(100, 5, 40, 12));
}

TEST(Dialog, InitialStatesAndControlAccess)
{
    SampleDialog dlg;
    QWidget holder;
    dlg.create(&holder);
    EXPECT_FALSE(dlg.is_shown(kHidden));
    EXPECT_FALSE(dlg.is_enabled(kGreyed));
    dlg.show(kHidden, true);
    dlg.enable(kGreyed, true);
    EXPECT_TRUE(dlg.is_shown(kHidden));
    EXPECT_TRUE(dlg.is_enabled(kGreyed));
    EXPECT_EQ(dlg.item_count(kChoice), 3);
    EXPECT_EQ(dlg.item_text(kChoice, 2), "Auto");
    dlg.reset_list(kChoice);
    dlg.add_item(kChoice, "One");
    EXPECT_EQ(dlg.selection(kChoice), -1);
    EXPECT_THROW(dlg.control(4711), std::out_of_range);
    EXPECT_FALSE(dlg.create(&holder)) << "a window exists already";
}

TEST(ModalSeam, ActsOnTheInitialisedDialogAndReturnsItsResult)
{
    SampleDialog dlg;
    ScriptedUi ui;
    ui.expect_dialog(sample_ids::kSampleForm, [](CDialog& d) {
        EXPECT_EQ(d.text(kNumber), "7") << "initialised before the script acts";
        d.set_text(kNumber, "42");
        d.click(IDOK);
    });
    EXPECT_EQ(dlg.do_modal(), IDOK);
    EXPECT_EQ(dlg.number, 42);
    EXPECT_EQ(dlg.window(), nullptr) << "the window goes when the run ends";
}

TEST(ModalSeam, AFailedOkKeepsTheDialogOpenUntilCancel)
{
    SampleDialog dlg;
    ScriptedUi ui;
    ui.expect_dialog(sample_ids::kSampleForm, [&ui](CDialog& d) {
        d.set_text(kCount, "11");
        ui.expect_box("Please enter an integer between 1 and 10.", MB_ICONEXCLAMATION);
        d.click(IDOK);
        EXPECT_FALSE(d.has_ended());
        EXPECT_EQ(d.text(kCount), "11") << "the user's entry stays";
        d.click(IDCANCEL);
    });
    EXPECT_EQ(dlg.do_modal(), IDCANCEL);
}

TEST(ModalSeam, EnterEscapeAndTheCloseBoxRouteToOkAndCancel)
{
    SampleDialog dlg;
    ScriptedUi ui;
    ui.expect_dialog(sample_ids::kSampleForm, [](CDialog& d) {
        d.window()->show();
        QTest::keyClick(d.control(kNumber), Qt::Key_Return);
    });
    EXPECT_EQ(dlg.do_modal(), IDOK);
    ui.expect_dialog(sample_ids::kSampleForm, [](CDialog& d) {
        d.window()->show();
        QTest::keyClick(d.window(), Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.do_modal(), IDCANCEL);
    ui.expect_dialog(sample_ids::kSampleForm, [](CDialog& d) {
        d.window()->show();
        d.window()->close();
    });
    EXPECT_EQ(dlg.do_modal(), IDCANCEL);
}

TEST(ModalSeam, FailsWhenAnExpectedPromptNeverComes)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUi ui;
            ui.expect_dialog(sample_ids::kSampleForm, [](CDialog& d) { d.click(IDOK); });
        },
        "never came");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUi ui;
            ui.expect_box("Hello");
        },
        "never came");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUi ui;
            ui.expect_browse(std::string("/media/card"));
        },
        "never came");
}

TEST(ModalSeam, FailsOnAnUnexpectedPromptOrADialogLeftOpen)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUi ui;
            message_box(nullptr, "Surprise");
        },
        "unexpected message box");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUi ui;
            SampleDialog dlg;
            dlg.do_modal();
        },
        "unexpected modal dialog");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUi ui;
            SampleDialog dlg;
            ui.expect_dialog(sample_ids::kSampleForm, [](CDialog&) {});
            dlg.do_modal();
        },
        "still open");
}

TEST(MessageBoxes, CarryTheApplicationNameAndAnswer)
{
    ScriptedUi ui;
    ui.expect_box("Sure?", MB_ICONQUESTION | MB_YESNO, IDNO);
    EXPECT_EQ(message_box(nullptr, "Sure?", MB_ICONQUESTION | MB_YESNO), IDNO);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "framework_tests");
}

namespace {
class ThrowingDialog : public SampleDialog {
  public:
    ThrowingDialog()
    {
        on_clicked(kAct, [] { throw CFileException(13, "/card/PROFILE.BIN"); });
        on_clicked(kGreyed, [] { throw std::runtime_error("boom"); });
    }
};
} // namespace

TEST(ExceptionBoundary, ErrorsInHandlersBecomeStopBoxes)
{
    ThrowingDialog dlg;
    QWidget holder;
    dlg.create(&holder);
    dlg.enable(kGreyed, true);
    ScriptedUi ui;
    ui.expect_box("Disk full while accessing /card/PROFILE.BIN.", MB_ICONHAND | MB_OK);
    dlg.click(kAct);
    ui.expect_box("The action could not be completed because of an unexpected error. "
                  "Your entries are still there; please try again.",
                  MB_ICONHAND | MB_OK);
    dlg.click(kGreyed);
    // Still usable afterwards.
    dlg.set_text(kNumber, "9");
    EXPECT_TRUE(dlg.UpdateData(true));
    EXPECT_EQ(dlg.number, 9);
}

TEST(IpAddressControl, FourFieldsAsOneAddress)
{
    SampleDialog dlg;
    QWidget holder;
    dlg.create(&holder);
    dlg.ip.SetAddress(10, 0, 256, 1);
    EXPECT_EQ(dlg.ip.GetAddress(), 0x0A000001u);
    auto* w = dlg.ip.widget();
    EXPECT_EQ(w->field(0)->text(), "10");
    EXPECT_EQ(w->field(2)->text(), "0");
    w->field(1)->clear();
    std::uint8_t a, b, c, d;
    EXPECT_EQ(dlg.ip.GetAddress(a, b, c, d), 3);
    EXPECT_EQ(b, 0) << "a blank field reads as 0";
    w->field(3)->clear();
    QTest::keyClicks(w->field(3), "2x5");
    EXPECT_EQ(w->field(3)->text(), "25");
}

namespace {
class RecordingTabs : public CTabCtrl {
  public:
    std::vector<int> presses;

  protected:
    void on_left_button_down() override { presses.push_back(GetCurFocus()); }
};
} // namespace

TEST(TabControl, ItemsRectanglesAndThePressAfterTheControlMoved)
{
    TabControlWidget widget(nullptr);
    widget.resize(300, 200);
    RecordingTabs tabs;
    tabs.attach(&widget);
    EXPECT_TRUE(tabs.GetItemRect(0).isEmpty());
    tabs.InsertItem(0, "GSM");
    tabs.InsertItem(1, "Camera");
    widget.show();
    EXPECT_EQ(tabs.GetItemCount(), 2);
    const QRect r1 = tabs.GetItemRect(1);
    EXPECT_FALSE(r1.isEmpty());
    EXPECT_GT(r1.left(), tabs.GetItemRect(0).left());
    EXPECT_EQ(tabs.GetClientRect(), QRect(0, 0, 300, 200));
    EXPECT_EQ(tabs.GetCurFocus(), 0);
    QTest::mouseClick(widget.tab_bar(), Qt::LeftButton, {}, widget.tab_bar()->tabRect(1).center());
    EXPECT_EQ(tabs.presses, std::vector<int>{1});
}

// On the desktop, a message shows a folder's name as the user wrote it:
// UTF-8, and characters rather than markup.
TEST(MessageBoxes, ShowFolderNamesAsPlainUserText)
{
    const std::string text = "PROFILE.BIN has been saved in /media/j\xC3\xB6rg/<b>CARD</b>";
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->text();
        format = box->textFormat();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    EXPECT_EQ(message_box(nullptr, text), IDOK);
    EXPECT_EQ(shown, QString::fromUtf8("PROFILE.BIN has been saved in /media/jörg/<b>CARD</b>"));
    EXPECT_EQ(format, Qt::PlainText);
}
