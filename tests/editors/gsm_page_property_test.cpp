// A seeded random user at the GSM page: real clicks and key presses on the
// radios, lists, edits, Default, Custom and OK, in any order. After every
// step the radios and enable states must be what the page's loading rules
// give for what it shows, no typed text may have gone except where a
// failing read says so, and every OK that saves must give a card that
// tqrprofile's check passes.

#include "editors/gsm_page.h"
#include "framework/ip_address_ctrl.h"
#include "framework/ui_services.h"
#include "resources/email_set_ids.h"
#include "resources/gsm_ids.h"
#include "resources/operator_param_ids.h"
#include "resources/resource_ids.h"
#include "settings/factory_defaults.h"
#include "settings/value_rules.h"
#include "tables/operator_table.h"
#include "tables/profile_check.h"
#include "tables/provider_table.h"
#include "tests/support/keyboard.h"
#include "tests/support/record_fixtures.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <random>

using namespace tqr;
using namespace tqr::fw;
using namespace tqr::gsm_ids;

namespace {

// Answers every box at random, plays the Operator Param dialog when asked.
struct RandomUser final : UiServices {
    explicit RandomUser(std::mt19937& r) : rng(r), scope(*this) {}
    int message_box(const MessageBoxRequest& request) override
    {
        boxes.push_back(request.text);
        details.push_back(request.detail);
        last_answer = (request.style & MB_YESNO) ? (rng() % 2 ? IDYES : IDNO) : IDOK;
        return last_answer;
    }
    int run_modal(CDialog& dialog) override
    {
        if (in_dialog)
            in_dialog(dialog);
        if (!dialog.has_ended())
            dialog.end_dialog(IDCANCEL);
        return dialog.result();
    }
    std::optional<std::string> browse_for_folder(QWidget*, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::mt19937& rng;
    std::vector<std::string> boxes, details;
    int last_answer = 0;
    std::function<void(CDialog&)> in_dialog;
    ScopedUi scope;
};

const std::vector<int> kEdits = {kInstantMax, kDailyHour, kDailyMinute, kPhones, kEmails, kRenameText, kMaxSize};
const std::vector<int> kRadios = {kInstant, kDailyReport, kSendOff, kMms, kGprs, kToPhone, kToEmail, kToBoth};

int checked(const GsmPage& p, std::initializer_list<int> group)
{
    int i = 0, found = -1;
    for (int id : group) {
        if (p.check_state(id) != 0)
            found = found < 0 ? i : 99;
        ++i;
    }
    return found;
}

// The radios and enable states the page's rules give for what it shows.
void expect_rules_hold(GsmPage& p)
{
    const int mode = checked(p, {kInstant, kDailyReport, kSendOff});
    const int via = checked(p, {kMms, kGprs});
    const int to = checked(p, {kToPhone, kToEmail, kToBoth});
    ASSERT_TRUE(mode >= 0 && mode < 3 && via >= 0 && via < 2 && to >= 0 && to < 3) << mode << via << to;
    EXPECT_EQ(p.is_enabled(kInstantMax), mode == 0);
    EXPECT_EQ(p.is_enabled(kDailyHour), mode == 1);
    EXPECT_EQ(p.is_enabled(kDailyMinute), mode == 1);
    EXPECT_EQ(p.is_enabled(kEmailSet), via == 1);
    if (via == 1) {
        EXPECT_EQ(to, 1) << "GPRS sends e-mail only";
        EXPECT_FALSE(p.is_enabled(kToPhone));
        EXPECT_FALSE(p.is_enabled(kToBoth));
    }
    EXPECT_EQ(p.is_enabled(kPhones), rules::phone_required(to, p.selection(kSmsSwitch)));
    EXPECT_EQ(p.is_enabled(kEmails), rules::email_required(to));
    EXPECT_EQ(p.is_enabled(kCustom), p.selection(kCountry) == kCustomerCountry);
    EXPECT_EQ(p.is_enabled(kRenameText), p.selection(kRename) == 1);
}

// The text a number edit shows after the page wrote its value back.
std::optional<std::string> rendered(const std::string& typed, int id)
{
    std::size_t i = typed.find_first_not_of(" \t");
    if (i == std::string::npos)
        return std::nullopt;
    const bool minus = typed[i] == '-';
    i += (typed[i] == '-' || typed[i] == '+');
    const std::size_t end = typed.find_first_not_of("0123456789", i);
    if (end == i || typed.find_first_not_of(" \t", end) != std::string::npos)
        return std::nullopt;
    // Beyond 32 bits a number counts as the largest one.
    const long long top = id == kMaxSize ? 4294967295LL : 2147483647LL;
    long long v = std::min(std::stoll(typed.substr(i, std::min<std::size_t>(end - i, 12))), top + minus);
    v = minus ? -v : v;
    return std::to_string(id == kDailyMinute && v > 59 ? 59 : v);
}

// A box's text as a refusal quotes it: UTF-8, control characters as U+FFFD.
std::string quoted_piece(const std::string& latin1)
{
    std::string out;
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        out += byte < 0x20 || byte == 0x7F ? QString(QChar(0xFFFD)).toStdString() : QString(QChar(byte)).toStdString();
    }
    return out;
}

// Refusals of one piece quote it; the rest name the entry.
void expect_explained(const std::string& box, const std::string& detail, const std::array<rules::Pieces, 2>& shown)
{
    ASSERT_FALSE(detail.empty()) << box << " has no second line";
    if (box.rfind("Please enter", 0) == 0) {
        EXPECT_EQ(detail.front(), '"') << detail << ": names no entry";
        return;
    }
    const bool phone = box == rules::kPhoneInvalid || box == rules::kPhoneTooLong;
    const bool email = box == rules::kEmailFormat || box == rules::kEmailTooLong;
    if ((!phone && !email) || detail.find("line break") != std::string::npos)
        return;
    bool quotes_a_piece = false;
    for (std::string piece : shown[phone ? 0 : 1]) {
        std::erase(piece, ' ');
        quotes_a_piece =
            quotes_a_piece || (!piece.empty() && detail.find('"' + quoted_piece(piece) + '"') != std::string::npos);
    }
    EXPECT_TRUE(quotes_a_piece) << box << " / " << detail;
}

} // namespace

TEST(GsmPageProperty, RandomClicksAndKeysKeepTheRulesTheTextsAndACheckedCard)
{
    tqr::test::FreshSettings fresh;
    apply_factory_defaults();
    write_text(current_profile.gsm.phones[0], "0170123");
    std::mt19937 rng(18);
    RandomUser user(rng);
    QWidget holder;
    GsmPage page;
    page.set_block(&current_profile.gsm);
    page.create(&holder);
    tqr::test::show_active(&holder);
    holder.resize(page.window()->size());

    const auto pick = [&](const auto& list) { return list[rng() % list.size()]; };
    const std::vector<QString> numbers = {"", "5", "75", "007", "x", "23", "-1", "100", "40", "99999999999", " 7"};
    const std::vector<QString> phones = {"0170123",
                                         "+49 170 12",
                                         QString("0170") + QChar(0xA0) + "123",
                                         QString("+49") + QChar(0xA0) + "170;0171",
                                         QString("0171;0170") + QChar(0xA0) + "1",
                                         "12a",
                                         std::string(24, '1').c_str(),
                                         "1;2;3;4;5",
                                         "11;22;",
                                         ""};
    const std::vector<QString> emails = {
        "a@b.c", " me @ x.org;", "<x@y>", QString::fromUtf8("b@\xF0\x9F\x98\x80.de"), "a@b;c@d;e@f;g@h;i@j", "@x", ""};
    std::map<std::string, int> reached;

    for (int step = 0; step < 3000; ++step) {
        SCOPED_TRACE("step " + std::to_string(step));
        std::map<int, std::string> before;
        for (int id : kEdits)
            before[id] = page.text(id);
        user.boxes.clear();
        user.details.clear();
        int typed_into = 0, typed_also = 0;
        bool wrote_back = false;
        bool defaulted = false;
        switch (rng() % 11) {
        case 0:
        case 1: { // a radio
            const int id = pick(kRadios);
            if (id == kToEmail && page.selection(kSmsSwitch) == 1 && page.is_enabled(id))
                ++reached["Email with SMS on"];
            QTest::mouseClick(qobject_cast<QRadioButton*>(page.control(id)), Qt::LeftButton);
            wrote_back = id == kMms || id == kGprs;
            break;
        }
        case 2: { // a number edit, emptied or typed over
            typed_into = pick(std::vector<int>{kInstantMax, kDailyHour, kDailyMinute, kMaxSize});
            auto* e = qobject_cast<QLineEdit*>(page.control(typed_into));
            if (!e->isEnabled())
                break;
            e->setFocus();
            e->selectAll();
            QTest::keyClick(e, Qt::Key_Backspace);
            QTest::keyClicks(e, pick(numbers));
            wrote_back = typed_into == kDailyMinute;
            break;
        }
        case 3: { // a recipient box, with a line break now and then
            typed_into = rng() % 2 ? kPhones : kEmails;
            auto* e = qobject_cast<QPlainTextEdit*>(page.control(typed_into));
            if (!e->isEnabled())
                break;
            e->setFocus();
            e->selectAll();
            QTest::keyClick(e, Qt::Key_Backspace);
            if (rng() % 3 != 0) { // left empty otherwise
                tqr::test::type(e, pick(typed_into == kPhones ? phones : emails));
            } else if (auto* other = qobject_cast<QPlainTextEdit*>(page.control(typed_into ^ kPhones ^ kEmails));
                       other->isEnabled() && rng() % 2) { // and the other one too
                typed_also = typed_into ^ kPhones ^ kEmails;
                for (QPlainTextEdit* box : {e, other}) {
                    box->setFocus();
                    box->selectAll();
                    QTest::keyClick(box, Qt::Key_Backspace);
                }
                break;
            }
            if (rng() % 4 == 0) {
                QTest::keyClick(e, Qt::Key_Return, Qt::ControlModifier);
                tqr::test::type(e, pick(typed_into == kPhones ? phones : emails));
            }
            break;
        }
        case 7: { // a paste into the rename text keeps what fits
            auto* e = qobject_cast<QLineEdit*>(page.control(kRenameText));
            if (!e->isEnabled())
                break;
            typed_into = kRenameText;
            e->setFocus();
            e->selectAll();
            const QString text = pick(std::vector<QString>{"cam1", "camera12345", "x"});
            tqr::test::paste(e, text);
            EXPECT_EQ(e->text(), text.left(8));
            break;
        }
        case 4: // a list
            page.choose(pick(std::vector<int>{kSmsSwitch, kRename, kCountry}),
                        static_cast<int>(rng() % (rng() % 2 ? 2 : kCountryCount)));
            break;
        case 5: // Default, answered at random
            QTest::mouseClick(qobject_cast<QPushButton*>(page.control(kDefault)), Qt::LeftButton);
            defaulted = user.last_answer == IDYES;
            break;
        case 6: { // the gateway of a custom operator, typed over what it shows
            page.choose(kCountry, kCustomerCountry);
            const QString address = rng() % 2 ? "192.168.1.1" : "10.256.0.1";
            std::string shown;
            user.in_dialog = [&](CDialog& d) {
                tqr::test::show_active(d.window());
                auto* ip = dynamic_cast<IpAddressWidget*>(d.control(operator_param_ids::kGateway));
                const bool filled = ip->filled_fields() == 4;
                ASSERT_TRUE(tqr::test::tab_to(ip->field(0)));
                tqr::test::type(QApplication::focusWidget(), address);
                QTest::mouseClick(qobject_cast<QPushButton*>(d.control(res::kIdOk)), Qt::LeftButton);
                if (filled)
                    ++reached[address == "192.168.1.1" ? "address over a filled one" : "a field of 256"];
            };
            QTest::mouseClick(qobject_cast<QPushButton*>(page.control(kCustom)), Qt::LeftButton);
            user.in_dialog = nullptr;
            shown = read_text(current_profile.gsm.operator_entry.mms_gateway);
            EXPECT_EQ(shown, address == "192.168.1.1" ? "192.168.1.1" : "10.255.0.1");
            break;
        }
        case 8: { // Email Set, the account typed in, with a port of any size
            if (!page.is_enabled(kEmailSet))
                break;
            typed_into = kEmails; // OK puts the sender in front of the addresses
            const std::string port = pick(std::vector<std::string>{"25", "587", "65535", "70000", "0", "99999"});
            bool ended = false;
            user.in_dialog = [&](CDialog& d) {
                using namespace email_set_ids;
                tqr::test::show_active(d.window());
                d.choose(kProvider, kProviderCount - 1);
                d.choose(kSecureType, 0);
                for (const auto& [id, text] : std::vector<std::pair<int, std::string>>{{kServer, "smtp.example.org"},
                                                                                       {kPort, port},
                                                                                       {kEmail, "cam@example.org"},
                                                                                       {kAccount, "cam"},
                                                                                       {kPassword, "pw"}}) {
                    auto* e = qobject_cast<QLineEdit*>(d.control(id));
                    e->setFocus();
                    e->selectAll();
                    tqr::test::type(e, QString::fromStdString(text));
                }
                QTest::mouseClick(qobject_cast<QPushButton*>(d.control(res::kIdOk)), Qt::LeftButton);
                ended = d.has_ended();
            };
            QTest::mouseClick(qobject_cast<QPushButton*>(page.control(kEmailSet)), Qt::LeftButton);
            user.in_dialog = nullptr;
            const bool in_range = std::stoul(port) >= 1 && std::stoul(port) <= 65535;
            EXPECT_EQ(ended, in_range) << "port " << port;
            wrote_back = ended; // and writes every edit back
            if (!in_range && !user.boxes.empty()) {
                EXPECT_EQ(user.boxes.front(), rules::kPortRange);
                EXPECT_NE(user.details.front().find('"' + port + '"'), std::string::npos) << user.details.front();
            }
            ++reached[in_range ? "Email Set took a port" : "Email Set refused a port"];
            break;
        }
        default: { // OK
            const bool phones_empty =
                rules::remove_blanks(page.text(kPhones)).find_first_not_of(";") == std::string::npos;
            const bool emails_empty =
                rules::remove_blanks(page.text(kEmails)).find_first_not_of(";") == std::string::npos;
            const int to = checked(page, {kToPhone, kToEmail, kToBoth});
            // The boxes as they show, character for character.
            std::array<rules::Pieces, 2> shown;
            for (int k = 0; k < 2; ++k) {
                QString raw =
                    qobject_cast<QPlainTextEdit*>(page.control(k == 0 ? kPhones : kEmails))->document()->toRawText();
                raw.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
                shown[k] = rules::split_recipients(raw.toLatin1().toStdString());
            }
            if (page.validate_and_store() == 0) {
                for (std::size_t j = 0; j < 4; ++j)
                    for (int k = 0; k < 2; ++k) {
                        // Only the plain space is left out; a phone number is
                        // digits after an optional "+".
                        std::string piece = shown[k][j];
                        std::erase(piece, ' ');
                        const auto& g = current_profile.gsm;
                        EXPECT_EQ(k == 0 ? read_text(g.phones[j]) : read_text(g.emails[j]),
                                  piece.size() >= 2 ? piece : "")
                            << "what is stored is not what the box shows";
                        if (k == 0) {
                            EXPECT_EQ(piece.find_first_not_of("0123456789", piece.starts_with('+')), std::string::npos)
                                << "stored phone number \"" << piece << "\"";
                        }
                    }
                ProfileDocument card;
                card.record = current_profile;
                EXPECT_EQ(check_profile(card), std::vector<std::string>{}) << "a saved card fails tqrprofile check";
            } else {
                ASSERT_FALSE(user.boxes.empty());
                expect_explained(user.boxes.front(), user.details.front(), shown);
                if (user.details.front().find("no-break space") != std::string::npos)
                    ++reached["a no-break space refused"];
                if (phones_empty && emails_empty && to == 2 && user.boxes.size() == 1 &&
                    user.boxes.front().find("must not be null") != std::string::npos) {
                    ++reached["both recipients missing"];
                    EXPECT_EQ(user.boxes.front(), rules::kPhoneMissing) << "the phone message comes first";
                }
            }
            break;
        }
        }
        expect_rules_hold(page);
        if (::testing::Test::HasFailure())
            return;
        // No edit lost what was typed into it: an edit changes only by the
        // user's typing, by a successful write-back that renders its value,
        // or, for the minute, when a failed read brings back the last one.
        const bool failed_read = !user.boxes.empty() && user.boxes.front().rfind("Please enter", 0) == 0;
        for (int id : kEdits) {
            const std::string now = page.text(id);
            if (id == typed_into || id == typed_also || now == before[id])
                continue;
            const bool number = id != kPhones && id != kEmails && id != kRenameText;
            if (defaulted || (number && wrote_back && rendered(before[id], id) == now))
                continue;
            if (id == kDailyMinute && wrote_back && failed_read)
                continue;
            ADD_FAILURE() << "edit " << id << " lost \"" << before[id] << "\", shows \"" << now << "\"";
        }
    }
    for (const char* behaviour :
         {"Email with SMS on", "address over a filled one", "a field of 256", "both recipients missing",
          "Email Set took a port", "Email Set refused a port", "a no-break space refused"})
        EXPECT_GT(reached[behaviour], 0) << behaviour << " was never reached";
}
