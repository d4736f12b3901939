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
// The exchange's own message, and under it which edit and what it takes.
void report(CDataExchange& dx, const char* message, const Phrase& detail)
{
    dx.dialog().message_box_with_detail(message, MB_ICONEXCLAMATION | MB_OK, detail);
    dx.fail();
}

// What the prepared edit holds, as a refusal quotes it.
std::string shown(CDataExchange& dx)
{
    return rules::quoted(dx.dialog().text(dx.prepared_id()));
}

void report_not_a_number(CDataExchange& dx, const char* message)
{
    const int id = dx.prepared_id();
    const std::string typed = dx.dialog().text(id);
    // Blanks around a number are no number: the box shows as empty.
    const bool empty = typed.find_first_not_of(" \t") == std::string::npos;
    report(
        dx, message,
        rules::not_a_number_detail(dx.dialog().entry_name(id), empty ? "" : shown(dx), dx.dialog().number_range(id)));
}

bool conceals(CDataExchange& dx)
{
    const auto* edit = qobject_cast<const QLineEdit*>(dx.dialog().control(dx.prepared_id()));
    return edit != nullptr && edit->echoMode() != QLineEdit::Normal;
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
            report_not_a_number(dx, kMsgParseInt);
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
            report_not_a_number(dx, kMsgParseUInt);
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
        if (length > max_chars) {
            const int id = dx.prepared_id();
            const std::string name = id >= 0 ? dx.dialog().entry_name(id) : std::string();
            const std::string quoted = path ? std::string(plain_utf8(value)) : rules::quoted(value);
            dx.dialog().message_box(kMsgMaxChars, {std::to_string(max_chars)}, MB_ICONEXCLAMATION | MB_OK,
                                    rules::too_many_characters_detail(name, quoted, static_cast<std::size_t>(length),
                                                                      static_cast<std::size_t>(max_chars),
                                                                      id >= 0 && conceals(dx)));
            dx.fail();
        }
    } else if (dx.prepared_is_edit()) {
        dx.dialog().limit_text(dx.prepared_id(), max_chars);
    }
}

namespace {
void report_range(CDataExchange& dx, long long value, long long min, long long max)
{
    const int id = dx.prepared_id();
    dx.dialog().message_box(kMsgRange, {std::to_string(min), std::to_string(max)}, MB_ICONEXCLAMATION | MB_OK,
                            rules::out_of_range_detail(id >= 0 ? dx.dialog().entry_name(id) : "", value, min, max));
    dx.fail();
}
} // namespace

void DDV_MinMaxInt(CDataExchange& dx, int value, int min, int max)
{
    if (dx.saving() && (value < min || value > max))
        report_range(dx, value, min, max);
}

void DDV_MinMaxUInt(CDataExchange& dx, unsigned value, unsigned min, unsigned max)
{
    if (dx.saving() && (value < min || value > max))
        report_range(dx, value, min, max);
}

} // namespace tqr::fw
