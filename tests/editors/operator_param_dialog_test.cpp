#include "editors/operator_param_dialog.h"
#include "framework/data_exchange.h"
#include "resources/operator_param_ids.h"
#include "resources/resource_ids.h"
#include "settings/factory_defaults.h"
#include "tests/support/keyboard.h"
#include "tests/support/scripted_ui.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace tqr;
using namespace tqr::fw;
using tqr::test::ScriptedUi;

namespace {

std::string gateway_fields(CDialog& d)
{
    auto* ip = dynamic_cast<IpAddressWidget*>(d.control(operator_param_ids::kGateway));
    std::string out;
    for (int i = 0; i < 4; ++i)
        out += (i ? "." : "") + ip->field(i)->text().toStdString();
    return out;
}

struct OperatorDialogTest : ::testing::Test {
    OperatorEntry entry = initial_custom_operator(1);
    OperatorParamDialog dlg;
    ScriptedUi ui;

    int open(std::function<void(CDialog&)> act)
    {
        dlg.set_target(&entry);
        ui.expect_dialog(res::kOperatorParamForm, std::move(act));
        return dlg.do_modal();
    }
};

} // namespace

TEST_F(OperatorDialogTest, PortRules)
{
    struct Case {
        const char* typed;
        const char* stored;  // nullptr: refused
        const char* message; // the refusal's message
    };
    const Case cases[] = {
        {"0", "0", nullptr},
        {"10000", "10000", nullptr},
        {"  80\t", "80", nullptr},
        {"10001", nullptr, "Please enter an integer between 0 and 10000."},
        {"-1", nullptr, "Please enter a positive integer."},
        {"", nullptr, "Please enter a positive integer."},
        {"80a", nullptr, "Please enter a positive integer."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        entry = initial_custom_operator(1);
        write_text(entry.mms_port, "8080");
        const OperatorEntry before = entry;
        open([&](CDialog& d) {
            d.set_text(operator_param_ids::kPort, c.typed);
            if (c.message != nullptr)
                ui.expect_box(c.message, MB_ICONEXCLAMATION | MB_OK);
            d.click(IDOK);
            if (c.message != nullptr) {
                EXPECT_FALSE(d.has_ended());
                EXPECT_EQ(d.text(operator_param_ids::kPort), c.typed) << "the user's text stays";
                d.click(IDCANCEL);
            }
        });
        if (c.stored != nullptr)
            EXPECT_EQ(read_text(entry.mms_port), c.stored);
        else
            EXPECT_EQ(std::memcmp(&entry, &before, sizeof entry), 0);
    }
}

TEST_F(OperatorDialogTest, GatewayTextsRoundTrip)
{
    struct Case {
        const char* stored;
        const char* shown;
        const char* written;
    };
    const Case cases[] = {
        {"010.001.002.030", "10.1.2.30", "10.1.2.30"},
        {"256.1.1.300", "0.1.1.44", "0.1.1.44"},
        {"mmsproxy.3.dk", "0.0.0.0", "0.0.0.0"},
        {"", "0.0.0.0", "0.0.0.0"},
        {"10.2", "10.2.0.0", "10.2.0.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        write_text(entry.mms_gateway, c.stored);
        open([&](CDialog& d) {
            EXPECT_EQ(gateway_fields(d), c.shown);
            d.click(IDOK);
        });
        EXPECT_EQ(read_text(entry.mms_gateway), c.written);
    }
}

TEST_F(OperatorDialogTest, ABlankGatewayFieldIsWrittenAsZero)
{
    write_text(entry.mms_gateway, "192.168.1.7");
    open([](CDialog& d) {
        dynamic_cast<IpAddressWidget*>(d.control(operator_param_ids::kGateway))->field(2)->clear();
        d.click(IDOK);
    });
    EXPECT_EQ(read_text(entry.mms_gateway), "192.168.0.7");
}

TEST_F(OperatorDialogTest, FirstOpeningOfACustomRowAndItsWriteBack)
{
    // Bytes behind the texts that a hostile file might leave there.
    std::memset(entry.mms_url, 'x', sizeof entry.mms_url);
    write_text(entry.mms_url, "");
    entry.mms_url[10] = 'x';
    entry.name[20] = 'n';
    const OperatorEntry before = entry;
    open([](CDialog& d) {
        EXPECT_EQ(gateway_fields(d), "0.0.0.0");
        EXPECT_EQ(d.text(operator_param_ids::kPort), "0");
        d.set_text(operator_param_ids::kUrl, "http://mms.example/%s");
        d.set_text(operator_param_ids::kMmsApn, "mms.apn");
        d.set_text(operator_param_ids::kMmsAccount, "user");
        d.set_text(operator_param_ids::kMmsPassword, "pw%d");
        d.set_text(operator_param_ids::kGprsApn, "internet");
        d.set_text(operator_param_ids::kGprsAccount, "gprsuser");
        d.set_text(operator_param_ids::kGprsPassword, "secret");
        d.set_text(operator_param_ids::kPort, "8080");
        d.click(IDOK);
    });
    EXPECT_EQ(std::memcmp(entry.name, before.name, sizeof entry.name), 0) << "the name is never touched";
    EXPECT_EQ(read_text(entry.mms_url), "http://mms.example/%s");
    EXPECT_EQ(read_text(entry.mms_password), "pw%d");
    EXPECT_EQ(read_text(entry.mms_port), "8080");
    EXPECT_EQ(read_text(entry.gprs_account), "gprsuser");
    const auto* bytes = reinterpret_cast<const unsigned char*>(&entry);
    for (std::size_t i = 32 + 21; i < 96; ++i)
        ASSERT_EQ(bytes[i], 0) << "zero padding after the URL, byte " << i;
    for (std::size_t i = 192 + 8; i < 224; ++i)
        ASSERT_EQ(bytes[i], 0) << "zero padding after the GPRS APN, byte " << i;
}

TEST_F(OperatorDialogTest, StoredPortTextsAndTheReusedDialog)
{
    write_text(entry.mms_port, "80abc");
    open([](CDialog& d) {
        EXPECT_EQ(d.text(operator_param_ids::kPort), "80");
        d.click(IDCANCEL);
    });
    // A port text without a number keeps what the dialog showed last time.
    write_text(entry.mms_port, "none");
    const OperatorEntry before = entry;
    open([](CDialog& d) {
        EXPECT_EQ(d.text(operator_param_ids::kPort), "80");
        d.set_text(operator_param_ids::kGprsApn, "changed");
        d.click(IDCANCEL);
    });
    EXPECT_EQ(std::memcmp(&entry, &before, sizeof entry), 0) << "Cancel leaves the entry as it was";
}

TEST_F(OperatorDialogTest, EditsTakeNoMoreThanTheirFields)
{
    open([](CDialog& d) {
        auto* url = qobject_cast<QLineEdit*>(d.control(operator_param_ids::kUrl));
        url->clear();
        QTest::keyClicks(url, QString(70, 'u'));
        EXPECT_EQ(d.text(operator_param_ids::kUrl).size(), 63u);
        auto* pw = qobject_cast<QLineEdit*>(d.control(operator_param_ids::kGprsPassword));
        QTest::keyClicks(pw, QString(20, 'p'));
        EXPECT_EQ(d.text(operator_param_ids::kGprsPassword).size(), 15u);
        EXPECT_TRUE(d.is_password_masked(1043));
        d.click(IDOK);
    });
    EXPECT_EQ(read_text(entry.mms_url), std::string(63, 'u'));
}

// The gateway typed the way users type an address, key by key from its
// first field, then OK: what reaches the record.
TEST_F(OperatorDialogTest, TheGatewayTypesLikeAClassicAddressControl)
{
    enum Step { keys, backspace, left, right, home, paste };
    struct Action {
        Step step;
        const char* text = "";
    };
    struct Case {
        const char* what;
        std::vector<Action> actions;
        const char* stored;
    };
    const Case cases[] = {
        {"three-digit fields move on by themselves", {{keys, "192.168.1.20"}}, "192.168.1.20"},
        {"a dot ends a short field", {{keys, "10.0.0.1"}}, "10.0.0.1"},
        {"single digits with dots", {{keys, "1.2.3.4"}}, "1.2.3.4"},
        {"no dots at all after full fields", {{keys, "192168001002"}}, "192.168.1.2"},
        {"a dot in an empty field is ignored", {{keys, ".7.8.9.10"}}, "7.8.9.10"},
        {"a field above 255 becomes 255", {{keys, "300.1.2.3"}}, "255.1.2.3"},
        {"Backspace at a field's start goes back into the one before",
         {{keys, "10.2"}, {left}, {backspace}, {backspace}, {keys, "7.2.3.4"}},
         "17.2.3.4"},
        {"Left and Right cross the fields' edges",
         {{keys, "1.2.3.4"}, {left}, {left}, {keys, "9"}, {right}, {right}, {keys, "5"}},
         "1.2.39.45"},
        {"Home stays within the field", {{keys, "1.2"}, {home}, {keys, "3"}}, "1.32.0.0"},
        {"a pasted address fills all four fields", {{paste, "10.20.30.40"}}, "10.20.30.40"},
        {"a pasted address above 255 is held to 255", {{paste, " 1.2.3.999 "}}, "1.2.3.255"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        write_text(entry.mms_gateway, "0.0.0.0");
        open([&](CDialog& d) {
            tqr::test::show_active(d.window());
            auto* ip = dynamic_cast<IpAddressWidget*>(d.control(operator_param_ids::kGateway));
            // Every field is cleared first, as a user would start over.
            for (int i = 0; i < 4; ++i)
                ip->field(i)->clear();
            ip->field(0)->setFocus();
            for (const Action& a : c.actions) {
                QWidget* focused = QApplication::focusWidget();
                switch (a.step) {
                case keys: tqr::test::type(focused, QString::fromLatin1(a.text)); break;
                case backspace: QTest::keyClick(focused, Qt::Key_Backspace); break;
                case left: QTest::keyClick(focused, Qt::Key_Left); break;
                case right: QTest::keyClick(focused, Qt::Key_Right); break;
                case home: QTest::keyClick(focused, Qt::Key_Home); break;
                case paste: tqr::test::paste(focused, QString::fromLatin1(a.text)); break;
                }
            }
            QTest::mouseClick(qobject_cast<QPushButton*>(d.control(IDOK)), Qt::LeftButton);
        });
        EXPECT_EQ(read_text(entry.mms_gateway), c.stored);
    }
}
