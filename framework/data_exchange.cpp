#include "framework/data_exchange.h"

#include "framework/cdialog.h"
#include "framework/ip_address_ctrl.h"
#include "framework/number_text.h"
#include "framework/tab_ctrl.h"
#include "framework/text_codec.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace tqr::fw {

void CDataExchange::prepare(int id, bool is_edit)
{
    prepared_ = id;
    prepared_is_edit_ = is_edit;
}

void CDataExchange::fail()
{
    if (prepared_ >= 0)
        dialog_.focus_control(prepared_);
    throw ExchangeFailure{};
}

namespace {
void report(CDataExchange& dx, const char* message, const std::vector<std::string>& args = {})
{
    dx.dialog().message_box(message, args, MB_ICONEXCLAMATION | MB_OK);
    dx.fail();
}
} // namespace

void DDX_Text(CDataExchange& dx, int id, std::string& value)
{
    dx.prepare(id, true);
    if (dx.saving())
        value = dx.dialog().text(id);
    else
        dx.dialog().set_text(id, value);
}

void DDX_Text(CDataExchange& dx, int id, int& value)
{
    dx.prepare(id, true);
    if (dx.saving()) {
        const auto parsed = parse_int_text(dx.dialog().text(id));
        if (!parsed)
            report(dx, kMsgParseInt);
        value = *parsed;
    } else {
        dx.dialog().set_text(id, std::to_string(value));
    }
}

void DDX_Text(CDataExchange& dx, int id, unsigned& value)
{
    dx.prepare(id, true);
    if (dx.saving()) {
        const auto parsed = parse_uint_text(dx.dialog().text(id));
        if (!parsed)
            report(dx, kMsgParseUInt);
        value = *parsed;
    } else {
        dx.dialog().set_text(id, std::to_string(value));
    }
}

void DDX_Radio(CDataExchange& dx, int first_id, int& value)
{
    dx.prepare(first_id, false);
    const std::vector<int>& group = dx.dialog().radio_group(first_id);
    if (dx.saving()) {
        value = -1;
        for (std::size_t i = 0; i < group.size(); ++i)
            if (dx.dialog().check_state(group[i]) != 0) {
                value = static_cast<int>(i);
                break;
            }
    } else {
        for (std::size_t i = 0; i < group.size(); ++i)
            dx.dialog().set_check(group[i], static_cast<int>(i) == value ? 1 : 0);
    }
}

void DDX_Check(CDataExchange& dx, int id, int& value)
{
    dx.prepare(id, false);
    if (dx.saving()) {
        value = dx.dialog().check_state(id);
    } else {
        if (value < 0 || value > 2)
            value = 0;
        dx.dialog().set_check(id, value);
    }
}

void DDX_CBIndex(CDataExchange& dx, int id, int& value)
{
    dx.prepare(id, false);
    if (dx.saving())
        value = dx.dialog().selection(id);
    else
        dx.dialog().set_selection(id, value);
}

void DDX_Control(CDataExchange& dx, int id, CIPAddressCtrl& control)
{
    // Each window of a reused dialog has controls of its own.
    auto* widget = dynamic_cast<IpAddressWidget*>(dx.dialog().control(id));
    if (control.widget() != widget)
        control.attach(widget);
}

void DDX_Control(CDataExchange& dx, int id, CTabCtrl& control)
{
    auto* widget = dynamic_cast<TabControlWidget*>(dx.dialog().control(id));
    if (control.widget() != widget)
        control.attach(widget);
}

void DDV_MaxChars(CDataExchange& dx, const std::string& value, int max_chars)
{
    if (dx.saving()) {
        // A record text has one byte a character; a path is UTF-8, and its
        // limit counts what the user sees.
        const bool path = dx.prepared_id() >= 0 && dx.dialog().is_path_control(dx.prepared_id());
        const qsizetype length = path ? from_path_bytes(value).toUcs4().size() : static_cast<qsizetype>(value.size());
        if (length > max_chars)
            report(dx, kMsgMaxChars, {std::to_string(max_chars)});
    } else if (dx.prepared_is_edit()) {
        dx.dialog().limit_text(dx.prepared_id(), max_chars);
    }
}

void DDV_MinMaxInt(CDataExchange& dx, int value, int min, int max)
{
    if (dx.saving() && (value < min || value > max))
        report(dx, kMsgRange, {std::to_string(min), std::to_string(max)});
}

void DDV_MinMaxUInt(CDataExchange& dx, unsigned value, unsigned min, unsigned max)
{
    if (dx.saving() && (value < min || value > max))
        report(dx, kMsgRange, {std::to_string(min), std::to_string(max)});
}

} // namespace tqr::fw
