#include "editors/operator_lookup_dialog.h"

#include "framework/text_codec.h"
#include "framework/translation.h"
#include "resources/operator_lookup_ids.h"
#include "resources/resource_ids.h"

#include <QComboBox>
#include <QLocale>

#include <algorithm>
#include <vector>

namespace tqr {

namespace {
using namespace operator_lookup_ids;

// The database's names are UTF-8 and need not fit the camera's code page,
// so the lists get them as plain text rather than through the record's text.
void fill_list(fw::CDialog& d, int id, const std::vector<std::string>& items, int selected = 0)
{
    auto* box = qobject_cast<QComboBox*>(d.control(id));
    box->clear();
    for (const std::string& item : items)
        box->addItem(fw::plain_text(item));
    box->setCurrentIndex(items.empty() ? -1 : selected);
}

// An access point the look-up will not fill stays in the list, so that the
// user sees the database has it and why it is not taken.
std::string describe(const providers::AccessPoint& ap)
{
    std::string text = ap.label.empty() || ap.label == ap.apn ? ap.apn : ap.apn + " (" + ap.label + ")";
    return providers::is_usable(ap)
               ? text
               : fw::translated_utf8(TQR_TR_NOOP("TQRSetup", "%1 (unusable: control character)"), {text});
}

template <typename T> const T* at(const std::vector<T>& v, int index)
{
    return index >= 0 && index < static_cast<int>(v.size()) ? &v[static_cast<std::size_t>(index)] : nullptr;
}
} // namespace

std::string locale_country_code()
{
    return QLocale::territoryToCode(QLocale::system().territory()).toLower().toStdString();
}

OperatorLookupDialog::OperatorLookupDialog(const providers::Database& database)
    : CDialog(res::kOperatorLookupForm), database_(database)
{
    on_selection_changed(kCountry, [this] { fill_operators(); });
    on_selection_changed(kOperator, [this] { fill_access_points(); });
}

void OperatorLookupDialog::start_at(std::string country_code, std::string operator_name)
{
    start_country_ = std::move(country_code);
    start_operator_ = std::move(operator_name);
}

bool OperatorLookupDialog::on_init()
{
    std::vector<std::string> names;
    int selected = 0;
    int last = -1;
    const std::string here = locale_country_code();
    for (const providers::Country& c : database_.countries) {
        if (c.code == here)
            selected = static_cast<int>(names.size());
        if (c.code == start_country_)
            last = static_cast<int>(names.size());
        names.push_back(c.name);
    }
    fill_list(*this, kCountry, names);
    set_selection(kCountry, last >= 0 ? last : selected);
    fill_operators();
    if (const providers::Country* c = at(database_.countries, selection(kCountry)); c && last >= 0) {
        const auto found = std::ranges::find(c->operators, start_operator_, &providers::Operator::name);
        if (found != c->operators.end()) {
            set_selection(kOperator, static_cast<int>(found - c->operators.begin()));
            fill_access_points();
        }
    }
    return true;
}

void OperatorLookupDialog::fill_operators()
{
    std::vector<std::string> names;
    if (const providers::Country* c = at(database_.countries, selection(kCountry)))
        for (const providers::Operator& op : c->operators)
            names.push_back(op.name);
    fill_list(*this, kOperator, names);
    fill_access_points();
}

void OperatorLookupDialog::fill_access_points()
{
    const providers::Country* c = at(database_.countries, selection(kCountry));
    const providers::Operator* op = c ? at(c->operators, selection(kOperator)) : nullptr;
    for (auto [id, list] :
         {std::pair{kDataApn, op ? &op->data_apns : nullptr}, std::pair{kMmsApn, op ? &op->mms_apns : nullptr}}) {
        std::vector<std::string> items;
        int first_usable = -1;
        if (list)
            for (const providers::AccessPoint& ap : *list) {
                if (first_usable < 0 && providers::is_usable(ap))
                    first_usable = static_cast<int>(items.size());
                items.push_back(describe(ap));
            }
        // An operator without access points of a kind says so in the list.
        const bool none = items.empty();
        if (none)
            items.push_back(fw::translated_utf8(TQR_TR_NOOP("TQRSetup", "(none in the database)")));
        fill_list(*this, id, items, std::max(first_usable, 0));
        enable(id, items.size() > 1);
    }
}

void OperatorLookupDialog::on_ok()
{
    country_ = selection(kCountry);
    operator_ = selection(kOperator);
    data_apn_ = selection(kDataApn);
    mms_apn_ = selection(kMmsApn);
    if (!chosen_operator())
        return;
    end_dialog(fw::IDOK);
}

const providers::Country* OperatorLookupDialog::chosen_country() const
{
    return at(database_.countries, country_);
}

const providers::Operator* OperatorLookupDialog::chosen_operator() const
{
    const providers::Country* c = chosen_country();
    return c ? at(c->operators, operator_) : nullptr;
}

const providers::AccessPoint* OperatorLookupDialog::chosen_data_apn() const
{
    const providers::Operator* op = chosen_operator();
    return op ? at(op->data_apns, data_apn_) : nullptr;
}

const providers::AccessPoint* OperatorLookupDialog::chosen_mms_apn() const
{
    const providers::Operator* op = chosen_operator();
    return op ? at(op->mms_apns, mms_apn_) : nullptr;
}

} // namespace tqr
