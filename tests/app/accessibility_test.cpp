#include "app/setup_app.h"
#include "app/setup_dialog.h"
#include "framework/cdialog.h"
#include "framework/folder_browser.h"
#include "framework/ip_address_ctrl.h"
#include "framework/message_box.h"
#include "resources/gsm_ids.h"
#include "resources/main_ids.h"
#include "resources/operator_param_ids.h"
#include "resources/resource_ids.h"
#include "tests/support/fake_mount_table.h"
#include "tests/support/record_fixtures.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_env.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

using namespace tqr;
using namespace tqr::fw;
using tqr::test::ScriptedUi;
using tqr::test::TempEnv;

namespace {

// What a screen reader finds under `iface`: "object name, class, role" of
// every focusable element whose name is empty.
void collect_nameless(QAccessibleInterface* iface, std::vector<std::string>& nameless, int depth = 0)
{
    if (iface == nullptr || depth > 40)
        return;
    const QAccessible::State state = iface->state();
    if (state.focusable && iface->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject* o = iface->object();
        nameless.push_back((o != nullptr ? o->objectName().toStdString() + " " + o->metaObject()->className() : "?") +
                           " role " + std::to_string(static_cast<int>(iface->role())));
    }
    for (int i = 0; i < iface->childCount(); ++i)
        collect_nameless(iface->child(i), nameless, depth + 1);
}

std::vector<std::string> nameless_in(QWidget* root)
{
    std::vector<std::string> nameless;
    collect_nameless(QAccessible::queryAccessibleInterface(root), nameless);
    return nameless;
}

std::string accessible_name(QWidget* w)
{
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).toStdString();
}

const int kForms[] = {res::kAboutForm,  res::kMainForm,          res::kGsmForm,
                      res::kCameraForm, res::kOperatorParamForm, res::kEmailSetForm};

} // namespace

TEST(Accessibility, NoFocusableControlOfAnyFormIsNameless)
{
    for (const int id : kForms) {
        SCOPED_TRACE("form " + std::to_string(id));
        QWidget holder;
        CDialog form(id);
        ASSERT_TRUE(form.create(&holder));
        form.window()->show();
        // Hidden controls too: the camera page shows and hides its own.
        for (QWidget* w : form.window()->findChildren<QWidget*>())
            w->show();
        const auto nameless = nameless_in(form.window());
        EXPECT_TRUE(nameless.empty()) << nameless.size() << " nameless, first: " << nameless.front();
    }
}

TEST(Accessibility, ControlsAreNamedByTheLabelBeforeThemOrByTheirFormData)
{
    QWidget holder;
    CDialog gsm(res::kGsmForm);
    gsm.create(&holder);
    EXPECT_EQ(accessible_name(gsm.control(gsm_ids::kInstantMax)), "Max Num");
    EXPECT_EQ(accessible_name(gsm.control(gsm_ids::kDailyHour)), "Daily report hour");
    EXPECT_EQ(accessible_name(gsm.control(gsm_ids::kDailyMinute)), "Daily report minute") << "not the \":\" before it";
    EXPECT_EQ(accessible_name(gsm.control(gsm_ids::kPhones)), "Phone");
    EXPECT_EQ(accessible_name(gsm.control(gsm_ids::kCountry)), "Country");
    EXPECT_EQ(accessible_name(gsm.control(gsm_ids::kRenameText)), "Rename text");

    CDialog op(res::kOperatorParamForm);
    op.create(&holder);
    auto* gateway = dynamic_cast<IpAddressWidget*>(op.control(operator_param_ids::kGateway));
    ASSERT_NE(gateway, nullptr);
    EXPECT_EQ(accessible_name(gateway->field(0)), "Gateway, first number");
    EXPECT_EQ(accessible_name(gateway->field(3)), "Gateway, fourth number");

    CDialog main(res::kMainForm);
    main.create(&holder);
    EXPECT_EQ(accessible_name(main.control(main_ids::kPath)), "Path");
    EXPECT_EQ(accessible_name(main.control(main_ids::kBrowse)), "Browse for the SD card folder");
}

TEST(Accessibility, TheRunningMainDialogWithItsPagesHasNoNamelessControl)
{
    tqr::test::FreshSettings fresh;
    TempEnv env;
    ScriptedUi ui;
    ui.expect_dialog(res::kMainForm, [](CDialog& d) {
        d.window()->show();
        const auto nameless = nameless_in(d.window());
        EXPECT_TRUE(nameless.empty()) << nameless.size() << " nameless, first: " << nameless.front();
        d.click(IDCANCEL);
    });
    SetupApp app;
    app.init_instance();
}

TEST(Accessibility, TheFolderBrowserNamesItsListsAndButtons)
{
    tqr::test::FakeMountTable table;
    table.mount("/dev/sdb1", "/media/me/CARD");
    FolderBrowserDialog dlg(nullptr, "Please Select the Path", removable_volumes(table));
    dlg.show();
    const auto nameless = nameless_in(&dlg);
    EXPECT_TRUE(nameless.empty()) << nameless.size() << " nameless, first: " << nameless.front();
    EXPECT_EQ(accessible_name(dlg.volume_list()), "Removable volumes");
}

TEST(Accessibility, AMessageBoxExposesItsText)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = true;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
        EXPECT_EQ(iface->text(QAccessible::Description).toStdString(), "Please choose path to SD card Drive.");
        EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty());
        const auto nameless = nameless_in(box);
        EXPECT_TRUE(nameless.empty()) << nameless.size() << " nameless, first: " << nameless.front();
        box->accept();
    });
    message_box(nullptr, "Please choose path to SD card Drive.");
    EXPECT_TRUE(seen);
}
