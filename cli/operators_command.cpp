#include "cli/operators_command.h"

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/manual_page.h"
#include "providers/name_match.h"
#include "providers/operator_fill.h"
#include "providers/provider_database.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iostream>
#include <memory>

namespace tqr::cli {

namespace {

using providers::AccessPoint;

std::string apn_list(const std::vector<AccessPoint>& aps)
{
    std::string out;
    for (const AccessPoint& ap : aps)
        out += (out.empty() ? "" : ", ") + ap.apn;
    return out.empty() ? "-" : out;
}

// The named access point, or the first; null when a name matches none.
const AccessPoint* choose(const std::vector<AccessPoint>& aps, const std::string& name, bool& missing)
{
    if (name.empty())
        return aps.empty() ? nullptr : &aps.front();
    for (const AccessPoint& ap : aps)
        if (ap.apn == name)
            return &ap;
    missing = true;
    return nullptr;
}

// The name the user meant, or null after saying on `err` which names match
// or come close. `what` is "country" or "operator of Germany".
template <typename T>
const T* pick(const std::vector<T>& items, const std::string& query, const std::string& what, std::ostream& err)
{
    std::vector<std::string> names;
    for (const T& item : items)
        names.push_back(item.name);
    const providers::NameMatch m = providers::match_name(names, query);
    if (m.found >= 0)
        return &items[static_cast<std::size_t>(m.found)];
    const auto listed = [&](const std::vector<int>& which) {
        std::string out;
        for (int i : which)
            out += (out.empty() ? "" : ", ") + names[static_cast<std::size_t>(i)];
        return out;
    };
    if (!m.candidates.empty())
        err << "tqrprofile: \"" << query << "\" matches several; name one: " << listed(m.candidates) << "\n";
    else if (!m.nearest.empty())
        err << "tqrprofile: no " << what << " \"" << query << "\"; did you mean: " << listed(m.nearest) << "?\n";
    else
        err << "tqrprofile: no " << what << " \"" << query << "\"\n";
    return nullptr;
}

} // namespace

int run_operators(const OperatorsOptions& o, std::ostream& out, std::ostream& err)
{
    if (o.op.empty() && (!o.apn.empty() || !o.mms_apn.empty() || o.json)) {
        err << "tqrprofile operators: --apn, --mms-apn and --json need a country and an operator\n";
        return kUsageError;
    }
    const std::string path = o.database.empty() ? providers::database_path() : o.database;
    const providers::LoadResult loaded = providers::load_database(path);
    if (!loaded.database) {
        err << "tqrprofile: " << loaded.error.english() << "\n";
        return 1;
    }
    const providers::Database& db = *loaded.database;
    if (o.country.empty()) {
        for (const providers::Country& c : db.countries)
            out << c.code << "\t" << c.name << "\n";
        return 0;
    }
    // A code names its country exactly; a name may be typed from memory.
    const providers::Country* country = db.find_country(o.country);
    if (!country)
        country = pick(db.countries, o.country, "country", err);
    if (!country)
        return 1;
    if (o.op.empty()) {
        for (const providers::Operator& op : country->operators)
            out << op.name << "\tdata: " << apn_list(op.data_apns) << "\tmms: " << apn_list(op.mms_apns) << "\n";
        return 0;
    }
    const providers::Operator* op = pick(country->operators, o.op, "operator of " + country->name, err);
    if (!op)
        return 1;
    bool missing = false;
    const AccessPoint* data = choose(op->data_apns, o.apn, missing);
    const AccessPoint* mms = choose(op->mms_apns, o.mms_apn, missing);
    if (missing) {
        err << "tqrprofile: " << op->name << " has no such APN; it has data: " << apn_list(op->data_apns)
            << "; mms: " << apn_list(op->mms_apns) << "\n";
        return 1;
    }
    const providers::OperatorFill fill = providers::plan_fill(*op, data, mms);
    // In the order of the dialog's fields, all of them, as the dialog's
    // look-up fills them: what it cannot fill goes out empty, so that
    // `write` replaces the operator whole.
    const auto& g = fill.gateway;
    const std::pair<const char*, std::string> fields[] = {
        {"mms_url", fill.url},
        {"mms_gateway",
         std::to_string(g[0]) + "." + std::to_string(g[1]) + "." + std::to_string(g[2]) + "." + std::to_string(g[3])},
        {"mms_port", std::to_string(fill.port)},
        {"mms_apn", fill.mms_apn},
        {"mms_account", fill.mms_account},
        {"mms_password", fill.mms_password},
        {"gprs_apn", fill.gprs_apn},
        {"gprs_account", fill.gprs_account},
        {"gprs_password", fill.gprs_password},
    };
    if (o.json) {
        nlohmann::ordered_json j = nlohmann::ordered_json::object();
        for (const auto& [key, value] : fields)
            j[key] = value;
        out << j.dump(2) << "\n";
    } else {
        for (const auto& [key, value] : fields)
            out << key << ": " << value << "\n";
    }
    for (const Phrase& note : fill.notes)
        err << "note: " << note.english() << "\n";
    return 0;
}

CLI::App* add_operators_command(CLI::App& app, int& exit_code)
{
    auto o = std::make_shared<OperatorsOptions>();
    auto* sub = app.add_subcommand("operators",
                                   "Look up countries, operators and their access parameters in the mobile broadband "
                                   "provider database");
    sub->add_option("country", o->country, "Country code or English name, any case");
    sub->add_option("operator", o->op, "Operator name, any case");
    sub->add_option("--apn", o->apn, "The data APN to use (default: the first)");
    sub->add_option("--mms-apn", o->mms_apn, "The MMS APN to use (default: the first)");
    sub->add_option("--database", o->database,
                    std::string("The database file (default: $") + providers::kDatabaseEnvironment + " or " +
                        providers::kStandardDatabasePath + ")");
    sub->add_flag("--json", o->json, "Print the operator object that write takes, without its name");
    set_exit_codes(*sub, "found", "not found, or the database cannot be read");
    sub->callback([o, &exit_code] { exit_code = run_operators(*o, standard_output(), standard_error()); });
    return sub;
}

} // namespace tqr::cli
