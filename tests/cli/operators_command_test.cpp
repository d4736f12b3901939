#include "cli/commands.h"
#include "cli/operators_command.h"
#include "providers/provider_database.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <sstream>

using namespace tqr::cli;

namespace {
OperatorsOptions opts(std::string country, std::string op = {}, std::string mms_apn = {}, std::string database = {},
                      bool json = false)
{
    OperatorsOptions o;
    o.country = std::move(country);
    o.op = std::move(op);
    o.mms_apn = std::move(mms_apn);
    o.database = std::move(database);
    o.json = json;
    return o;
}
} // namespace

// What a script preparing a card abroad runs, against the installed database.
TEST(OperatorsCommand, ListsLooksUpAndExitsByOutcome)
{
    struct Case {
        OperatorsOptions o;
        int code;
        const char* in_out;
        const char* in_err = "";
    } cases[] = {
        {opts(""), 0, "de\tGermany\n"},
        {opts("GERMANY"), 0, "T-Mobile(Telekom)\tdata: "},
        {opts("de", "t-mobile(telekom)"), 0, "mms_gateway: 172.28.23.131\nmms_port: 8008\n"},
        {opts("de", "t-mobile(telekom)", "nope"), 1, ""},
        {opts("Nowhere"), 1, ""},
        {opts("de", "Nobody"), 1, ""},
        {opts("de", "telekom"), 0, "mms_port: 8008\n"},
        {opts("de", "t mobile"), 0, "mms_port: 8008\n"},
        {opts("de", "telekon"), 1, "", "no operator of Germany \"telekon\"; did you mean: T-Mobile(Telekom)?"},
        {opts("germny"), 1, "", "no country \"germny\"; did you mean: Germany?"},
        {opts("de", "o"), 1, "", "\"o\" matches several; name one: "},
        {opts("de", "", "", "/nonexistent.xml"), 1, ""},
        {opts("de", "", "", "", true), kUsageError, ""},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(run_operators(c.o, out, err), c.code) << c.o.country << " " << err.str();
        EXPECT_NE(out.str().find(c.in_out), std::string::npos) << out.str();
        EXPECT_NE(err.str().find(c.in_err), std::string::npos) << err.str();
        EXPECT_EQ(err.str().empty(), c.code == 0);
    }
    std::ostringstream out, err;
    const OperatorsOptions o = opts("fr", "sfr", "", "", true);
    ASSERT_EQ(run_operators(o, out, err), 0);
    const auto j = nlohmann::json::parse(out.str());
    EXPECT_EQ(j.size(), 9u) << "every field but the name, filled or emptied";
    EXPECT_EQ(j.value("mms_gateway", ""), "0.0.0.0") << "a proxy without port empties both";
    EXPECT_EQ(j.value("mms_port", ""), "0");
    EXPECT_FALSE(j.contains("name"));
    EXPECT_NE(err.str().find("gives no port; gateway and port are left empty."), std::string::npos);
}
