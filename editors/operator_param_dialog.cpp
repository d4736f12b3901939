#include "editors/operator_param_dialog.h"

#include "editors/operator_lookup_dialog.h"
#include "framework/data_exchange.h"
#include "framework/text_codec.h"
#include "framework/translation.h"
#include "providers/operator_fill.h"
#include "resources/operator_param_ids.h"
#include "resources/resource_ids.h"
#include "settings/ansi_text.h"
#include "settings/record_schema.h"
#include "settings/stored_numbers.h"

#include <QTextDocument>
#include <QWidget>

#include <cstring>
#include <filesystem>

namespace tqr {

namespace {
using namespace operator_param_ids;
using schema::Id;
using schema::max_chars;
} // namespace

OperatorParamDialog::OperatorParamDialog() : CDialog(res::kOperatorParamForm)
{
    on_clicked(kLookUp, [this] { on_look_up(); });
}

void OperatorParamDialog::apply_look_up_rule()
{
    const std::string path = providers::database_path();
    std::error_code ec;
    const bool present = std::filesystem::is_regular_file(path, ec);
    enable(kLookUp, present);
    // The path is the environment's, so it is shown as it is, never as markup.
    control(kLookUp)->setToolTip(Qt::convertFromPlainText(fw::plain_text(
        present
            ? fw::translated_utf8(TQR_TR_NOOP(
                  "TQRSetup", "Fill in the parameters of an operator from the mobile broadband provider database."))
            : fw::translated_utf8(TQR_TR_NOOP("TQRSetup", "The operator look-up needs the package %1 (%2 is missing)."),
                                  {providers::kDatabasePackage, path}))));
}

void OperatorParamDialog::on_look_up()
{
    const std::string path = providers::database_path();
    if (!database_ || database_path_ != path) {
        providers::LoadResult loaded = providers::load_database(path);
        if (!loaded.database) {
            message_box(loaded.error.text, loaded.error.args, fw::MB_ICONEXCLAMATION);
            return;
        }
        database_ = std::move(loaded.database);
        database_path_ = path;
    }
    OperatorLookupDialog picker(*database_);
    picker.start_at(last_country_, last_operator_);
    if (picker.do_modal(window()) != fw::IDOK)
        return;
    last_country_ = picker.chosen_country()->code;
    last_operator_ = picker.chosen_operator()->name;
    const providers::OperatorFill fill =
        providers::plan_fill(*picker.chosen_operator(), picker.chosen_data_apn(), picker.chosen_mms_apn());
    // Only the controls change: OK stores them, Cancel forgets them. Every
    // one of them changes, so no value of the operator before stays.
    const std::pair<int, const std::string*> texts[] = {
        {kUrl, &fill.url},
        {kMmsApn, &fill.mms_apn},
        {kMmsAccount, &fill.mms_account},
        {kMmsPassword, &fill.mms_password},
        {kGprsApn, &fill.gprs_apn},
        {kGprsAccount, &fill.gprs_account},
        {kGprsPassword, &fill.gprs_password},
    };
    for (const auto& [id, value] : texts)
        set_text(id, ansi::from_utf8(*value).value_or(""));
    const auto& gw = fill.gateway;
    gateway_.SetAddress(gw[0], gw[1], gw[2], gw[3]);
    set_text(kPort, std::to_string(fill.port));
    // Notes quote the database's names, cleaned as the look-up's lists show them.
    if (!fill.notes.empty()) {
        std::string text;
        for (const Phrase& note : fill.notes)
            text += (text.empty() ? "" : "\n") + fw::plain_utf8(fw::translated_utf8(note));
        message_box(text);
    }
}

void OperatorParamDialog::exchange_data(fw::CDataExchange& dx)
{
    fw::DDX_Control(dx, kGateway, gateway_);
    fw::DDX_Text(dx, kGprsAccount, gprs_account_);
    fw::DDV_MaxChars(dx, gprs_account_, max_chars(Id::gprs_account));
    fw::DDX_Text(dx, kGprsApn, gprs_apn_);
    fw::DDV_MaxChars(dx, gprs_apn_, max_chars(Id::gprs_apn));
    fw::DDX_Text(dx, kGprsPassword, gprs_password_);
    fw::DDV_MaxChars(dx, gprs_password_, max_chars(Id::gprs_password));
    fw::DDX_Text(dx, kMmsAccount, mms_account_);
    fw::DDV_MaxChars(dx, mms_account_, max_chars(Id::mms_account));
    fw::DDX_Text(dx, kMmsApn, mms_apn_);
    fw::DDV_MaxChars(dx, mms_apn_, max_chars(Id::mms_apn));
    fw::DDX_Text(dx, kMmsPassword, mms_password_);
    fw::DDV_MaxChars(dx, mms_password_, max_chars(Id::mms_password));
    fw::DDX_Text(dx, kPort, port_);
    fw::DDV_MinMaxUInt(dx, port_, 0, 10000);
    fw::DDX_Text(dx, kUrl, url_);
    fw::DDV_MaxChars(dx, url_, max_chars(Id::mms_url));
}

bool OperatorParamDialog::on_init()
{
    if (target_ == nullptr)
        return true;
    const OperatorEntry& e = *target_;
    url_ = read_text(e.mms_url);
    mms_apn_ = read_text(e.mms_apn);
    mms_account_ = read_text(e.mms_account);
    mms_password_ = read_text(e.mms_password);
    // A port text without a number leaves the previous value in place.
    if (const auto port = leading_int(read_text(e.mms_port)))
        port_ = static_cast<unsigned>(*port);
    const Octets gw = parse_gateway(read_text(e.mms_gateway));
    gateway_.SetAddress(gw[0], gw[1], gw[2], gw[3]);
    gprs_apn_ = read_text(e.gprs_apn);
    gprs_account_ = read_text(e.gprs_account);
    gprs_password_ = read_text(e.gprs_password);
    UpdateData(false);
    apply_look_up_rule();
    return true;
}

void OperatorParamDialog::on_ok()
{
    if (!UpdateData(true) || target_ == nullptr)
        return;
    OperatorEntry& e = *target_;
    // Everything after the name is rewritten; the name stays as it is.
    std::memset(reinterpret_cast<char*>(&e) + sizeof e.name, 0, sizeof e - sizeof e.name);
    write_text(e.mms_url, url_);
    write_text(e.mms_apn, mms_apn_);
    write_text(e.mms_account, mms_account_);
    write_text(e.mms_password, mms_password_);
    write_text(e.mms_port, std::to_string(port_));
    std::uint8_t a, b, c, d;
    gateway_.GetAddress(a, b, c, d);
    write_text(e.mms_gateway, format_gateway({a, b, c, d}));
    write_text(e.gprs_apn, gprs_apn_);
    write_text(e.gprs_account, gprs_account_);
    write_text(e.gprs_password, gprs_password_);
    end_dialog(fw::IDOK);
}

} // namespace tqr
