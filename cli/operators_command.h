#pragma once

#include <ostream>
#include <string>

namespace CLI {
class App;
}

namespace tqr::cli {

// Looks up countries, operators and their parameters in the mobile
// broadband provider database.
struct OperatorsOptions {
    std::string country;
    std::string op;
    std::string apn;
    std::string mms_apn;
    std::string database; // empty: the environment's or the standard path
    bool json = false;
};
int run_operators(const OperatorsOptions& o, std::ostream& out, std::ostream& err);
CLI::App* add_operators_command(CLI::App& app, int& exit_code);

} // namespace tqr::cli
