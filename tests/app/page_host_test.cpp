#include "app/page_tab_ctrl.h"
#include "resources/gsm_ids.h"
#include "settings/factory_defaults.h"
#include "tests/support/scripted_ui.h"

#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace tqr;
using namespace tqr::fw;

namespace {

struct PageHostTest : ::testing::Test {
    PageHostTest()
    {
        current_profile = initial_profile_image();
        apply_factory_defaults();
        write_text(current_profile.gsm.phones[0], "0123");
        widget.resize(400, 460);
        host.attach(&widget);
    }
    ~PageHostTest() override { current_profile = initial_profile_image(); }

    bool shown(CDialog& page) { return page.window()->isVisibleTo(&widget); }

    TabControlWidget widget{nullptr};
    PageTabCtrl host;
    tqr::test::ScriptedUi ui;
};

} // namespace

TEST_F(PageHostTest, TheGsmModelPutsTheGsmPageFirst)
{
    host.InsertItem(0, "GSM");
    host.create_pages(current_profile);
    widget.show();
    EXPECT_EQ(&host.page(0), &host.gsm_page());
    EXPECT_TRUE(shown(host.gsm_page()));
    EXPECT_FALSE(shown(host.camera_page()));
    const QRect item = host.GetItemRect(0);
    const QRect area = host.gsm_page().window()->geometry();
    EXPECT_EQ(area.left(), item.left());
    EXPECT_EQ(area.top(), item.bottom() + 2);
    EXPECT_EQ(area.right(), widget.rect().right() - 1);
    EXPECT_EQ(area.bottom(), widget.rect().bottom() - 1);
    EXPECT_EQ(host.camera_page().window()->geometry(), area);
    // Presses on the single tab change nothing.
    QTest::mouseClick(widget.tab_bar(), Qt::LeftButton, {}, widget.tab_bar()->tabRect(0).center());
    EXPECT_TRUE(shown(host.gsm_page()));
    EXPECT_EQ(host.validate_and_store(), 0);
}

TEST_F(PageHostTest, AnotherModelPutsTheCameraPageFirstButStillStoresTheGsmPage)
{
    current_profile.model_index = 3;
    host.InsertItem(0, "GSM");
    host.create_pages(current_profile);
    EXPECT_EQ(&host.page(0), &host.camera_page());
    EXPECT_TRUE(shown(host.camera_page()));
    EXPECT_FALSE(shown(host.gsm_page()));
    host.gsm_page().set_text(gsm_ids::kMaxSize, "77");
    EXPECT_EQ(host.validate_and_store(), 0);
    EXPECT_EQ(current_profile.gsm.max_size, 77);
}

TEST_F(PageHostTest, WithTwoTabsAPressSwitchesPages)
{
    host.InsertItem(0, "GSM");
    host.InsertItem(1, "Camera");
    host.create_pages(current_profile);
    widget.show();
    QTest::mouseClick(widget.tab_bar(), Qt::LeftButton, {}, widget.tab_bar()->tabRect(1).center());
    EXPECT_EQ(host.current(), 1);
    EXPECT_FALSE(shown(host.gsm_page()));
    EXPECT_TRUE(shown(host.camera_page()));
    QTest::mouseClick(widget.tab_bar(), Qt::LeftButton, {}, widget.tab_bar()->tabRect(1).center());
    EXPECT_EQ(host.current(), 1);
    QTest::mouseClick(widget.tab_bar(), Qt::LeftButton, {}, widget.tab_bar()->tabRect(0).center());
    EXPECT_TRUE(shown(host.gsm_page()));
    EXPECT_FALSE(shown(host.camera_page()));
}
