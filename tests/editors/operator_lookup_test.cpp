#include "editors/operator_param_dialog.h"
#include "framework/ip_address_ctrl.h"
#include "providers/provider_database.h"
#include "resources/operator_lookup_ids.h"
#include "resources/operator_param_ids.h"
#include "resources/resource_ids.h"
#include "settings/factory_defaults.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_env.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

using namespace tqr;
using namespace tqr::fw;
namespace ids = tqr::operator_param_ids;
namespace pick = tqr::operator_lookup_ids;

namespace {

constexpr const char* kDatabase = R"(<?xml version="1.0"?>
<serviceproviders format="2.0"><country code="zz"><name>Testland</name>
  <provider><name>Two Of Each</name><gsm>
    <apn value="we&#27;b"><usage type="internet"/><name>&#x202E;gnp.exe</name></apn>
    <apn value="web"><usage type="internet"/><username>u</username></apn>
    <apn value="web2"><usage type="internet"/></apn>
    <apn value="mms1"><usage type="mms"/><mmsc>http://one/</mmsc><mmsproxy>proxy.example:8080</mmsproxy></apn>
    <apn value="mms2"><usage type="mms"/><mmsc>http://two/</mmsc><mmsproxy>10.0.0.2:80</mmsproxy></apn>
  </gsm></provider>
  <provider><name>No Port</name><gsm>
    <apn value="data"/>
    <apn value="mms"><usage type="mms"/><mmsc>http://m/</mmsc><mmsproxy>10.1.2.3</mmsproxy></apn>
  </gsm></provider>
</country><country code="zd"><name>Zedland</name>
  <provider><name>Zedfone O2</name><gsm>
    <apn value="internet.o2"><usage type="internet"/><username>d</username><password>dp</password></apn>
    <apn value="mms.o2"><usage type="mms"/><mmsc>http://mms.o2.zd/</mmsc><mmsproxy>10.9.8.7:8080</mmsproxy>
      <username>o2user</username><password>o2pw</password></apn>
  </gsm></provider>
  <provider><name>Zedfone Data</name><gsm><apn value="web.zd"/></gsm></provider>
</country></serviceproviders>)";

void click(CDialog& d, int id)
{
    QTest::mouseClick(qobject_cast<QPushButton*>(d.control(id)), Qt::LeftButton);
}

std::string gateway(CDialog& d)
{
    auto* ip = dynamic_cast<IpAddressWidget*>(d.control(ids::kGateway));
    std::string out;
    for (int i = 0; i < 4; ++i)
        out += (i ? "." : "") + ip->field(i)->text().toStdString();
    return out;
}

struct LookupTest : ::testing::Test {
    test::TempEnv env;
    OperatorEntry entry = initial_custom_operator(1);
    OperatorParamDialog dlg;
    test::ScriptedUi ui;

    LookupTest()
    {
        test::write_file(env.work() / "providers.xml", kDatabase);
        setenv(providers::kDatabaseEnvironment, (env.work() / "providers.xml").c_str(), 1);
        write_text(entry.mms_port, "9201");
        dlg.set_target(&entry);
    }
    ~LookupTest() override { unsetenv(providers::kDatabaseEnvironment); }

    // Opens "Operator Param", looks up the operator at `op` with the MMS
    // list moved down `mms_down` times, and checks the controls.
    void look_up(int op, int mms_down, std::function<void(CDialog&)> then, std::function<void(CDialog&)> pick_more = {})
    {
        ui.expect_dialog(res::kOperatorParamForm, [then](CDialog& d) {
            click(d, ids::kLookUp);
            then(d);
        });
        ui.expect_dialog(res::kOperatorLookupForm, [op, mms_down, pick_more](CDialog& p) {
            auto* ops = qobject_cast<QComboBox*>(p.control(pick::kOperator));
            EXPECT_EQ(ops->count(), 2);
            for (int i = 0; i < op; ++i)
                QTest::keyClick(ops, Qt::Key_Down);
            for (int i = 0; i < mms_down; ++i)
                QTest::keyClick(p.control(pick::kMmsApn), Qt::Key_Down);
            if (pick_more)
                pick_more(p);
            click(p, res::kIdOk);
        });
    }
};

} // namespace

TEST_F(LookupTest, FillsTheControlsCancelKeepsTheEntryOkStoresIt)
{
    const OperatorEntry before = entry;
    look_up(0, 1, [](CDialog& d) {
        EXPECT_EQ(d.text(ids::kUrl), "http://two/");
        EXPECT_EQ(gateway(d), "10.0.0.2");
        EXPECT_EQ(d.text(ids::kPort), "80");
        EXPECT_EQ(d.text(ids::kMmsApn), "mms2");
        EXPECT_EQ(d.text(ids::kGprsApn), "web") << "the first data APN is the default";
        EXPECT_EQ(d.text(ids::kGprsAccount), "u");
        click(d, res::kIdCancel);
    });
    dlg.do_modal();
    ui.verify();
    EXPECT_EQ(std::memcmp(&entry, &before, sizeof entry), 0);

    look_up(1, 0, [](CDialog& d) { click(d, res::kIdOk); });
    ui.expect_box("The MMS proxy \"10.1.2.3\" gives no port; gateway and port are left empty.");
    dlg.do_modal();
    ui.verify();
    EXPECT_EQ(read_text(entry.name), "Customer2");
    EXPECT_EQ(read_text(entry.mms_url), "http://m/");
    EXPECT_EQ(read_text(entry.mms_gateway), "0.0.0.0");
    EXPECT_EQ(read_text(entry.mms_port), "0") << "no port of the operator before stays";
    EXPECT_EQ(read_text(entry.gprs_apn), "data");
    EXPECT_EQ(read_text(entry.gprs_account), "") << "the look-up replaced the old account";
}

TEST_F(LookupTest, AnAccessPointWithAControlCharacterIsMarkedAndFillsNothing)
{
    look_up(
        0, 1,
        [](CDialog& d) {
            EXPECT_EQ(d.text(ids::kGprsApn), "");
            click(d, res::kIdCancel);
        },
        [](CDialog& p) {
            auto* data = qobject_cast<QComboBox*>(p.control(pick::kDataApn));
            EXPECT_EQ(data->itemText(0), QString::fromUtf8("we\uFFFDb (\uFFFDgnp.exe) (unusable: control character)"));
            QTest::keyClick(data, Qt::Key_Up);
        });
    ui.expect_box("The chosen data access point has a control character in its APN, account or password; the GPRS "
                  "fields are left empty.");
    dlg.do_modal();
    ui.verify();
}

// One operator after another: the second, without MMS data, leaves nothing
// of the first, and the look-up opens again where the first was chosen.
TEST_F(LookupTest, ASecondLookUpReplacesEveryFieldAndStartsAtTheFirstChoice)
{
    const auto choose = [](CDialog& p, int id, int down) {
        for (int i = 0; i < down; ++i)
            QTest::keyClick(p.control(id), Qt::Key_Down);
    };
    ui.expect_dialog(res::kOperatorParamForm, [](CDialog& d) {
        click(d, ids::kLookUp);
        EXPECT_EQ(d.text(ids::kUrl), "http://mms.o2.zd/");
        EXPECT_EQ(gateway(d), "10.9.8.7");
        EXPECT_EQ(d.text(ids::kMmsPassword), "o2pw");
        click(d, ids::kLookUp);
        for (auto [id, text] : {std::pair{ids::kUrl, ""},
                                {ids::kPort, "0"},
                                {ids::kMmsApn, ""},
                                {ids::kMmsAccount, ""},
                                {ids::kMmsPassword, ""},
                                {ids::kGprsApn, "web.zd"},
                                {ids::kGprsAccount, ""},
                                {ids::kGprsPassword, ""}})
            EXPECT_EQ(d.text(id), text) << id;
        EXPECT_EQ(gateway(d), "0.0.0.0");
        click(d, res::kIdOk);
    });
    ui.expect_dialog(res::kOperatorLookupForm, [&](CDialog& p) {
        choose(p, pick::kCountry, 1);
        click(p, res::kIdOk);
    });
    ui.expect_dialog(res::kOperatorLookupForm, [&](CDialog& p) {
        EXPECT_EQ(qobject_cast<QComboBox*>(p.control(pick::kCountry))->currentText().toStdString(), "Zedland");
        EXPECT_EQ(qobject_cast<QComboBox*>(p.control(pick::kOperator))->currentText().toStdString(), "Zedfone O2");
        EXPECT_EQ(qobject_cast<QComboBox*>(p.control(pick::kMmsApn))->currentText().toStdString(), "mms.o2");
        choose(p, pick::kOperator, 1);
        click(p, res::kIdOk);
    });
    ui.expect_box("Zedfone Data has no MMS data in the database; the MMS fields are left empty.");
    dlg.do_modal();
    ui.verify();
    EXPECT_EQ(read_text(entry.mms_gateway), "0.0.0.0") << "OK takes the emptied fields";
    EXPECT_EQ(read_text(entry.mms_port), "0");
    EXPECT_EQ(read_text(entry.gprs_apn), "web.zd");
}

TEST_F(LookupTest, WithoutTheDatabaseTheButtonIsDisabledAndNamesThePackage)
{
    setenv(providers::kDatabaseEnvironment, "/x/<h1>HUGE</h1><img src=y>", 1);
    ui.expect_dialog(res::kOperatorParamForm, [](CDialog& d) {
        EXPECT_FALSE(d.is_enabled(ids::kLookUp));
        const std::string tip = d.control(ids::kLookUp)->toolTip().toStdString();
        EXPECT_NE(tip.find(providers::kDatabasePackage), std::string::npos);
        EXPECT_NE(tip.find("&lt;h1&gt;HUGE&lt;/h1&gt;&lt;img"), std::string::npos) << "text, never markup";
        click(d, res::kIdCancel);
    });
    dlg.do_modal();
}
