#include "settings/factory_defaults.h"
#include "tables/operator_table.h"
#include "tables/provider_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

using namespace tqr;

TEST(CountryTable, ListsTheCountriesInTheirFixedOrder)
{
    EXPECT_EQ(country_name(0), "Australia");
    EXPECT_EQ(country_name(6), "Danmark");
    EXPECT_EQ(country_name(7), "Europe");
    EXPECT_EQ(country_name(8), "Estonia");
    EXPECT_EQ(country_name(24), "Customer");
    int rows = 0;
    int single = 0;
    int most = 0;
    for (int c = 0; c < kCountryCount; ++c) {
        EXPECT_EQ(CountryTable[c].first_operator, rows) << c;
        rows += CountryTable[c].operator_count;
        single += CountryTable[c].operator_count == 1;
        most = std::max<int>(most, CountryTable[c].operator_count);
        EXPECT_LT(std::strlen(CountryTable[c].name), 16u);
    }
    EXPECT_EQ(rows, 71);
    EXPECT_EQ(single, 7);
    EXPECT_EQ(most, 12);
    EXPECT_EQ(CountryTable[6].operator_count, 12);
}

TEST(OperatorTable, RowsByCountryAndOperator)
{
    EXPECT_EQ(read_text(operator_row(0, 0).name), "Optus");
    EXPECT_EQ(read_text(operator_row(6, 0).name), "3.");
    EXPECT_EQ(read_text(operator_row(6, 11).name), "Telmore");
    EXPECT_EQ(&operator_row(7, 0), &kDefaultOperatorRow);
    EXPECT_EQ(read_text(operator_row(22, 1).name), "Vodafone(Contract)");
    EXPECT_EQ(read_text(operator_row(23, 0).name), "AT&T/Cingular");
    EXPECT_EQ(&operator_row(24, 2), &CustomOperators[2]);
    EXPECT_TRUE(valid_operator(6, 11));
    EXPECT_FALSE(valid_operator(6, 12));
    EXPECT_FALSE(valid_operator(25, 0));
    EXPECT_FALSE(valid_country(-1));
}

TEST(OperatorTable, BuiltInColumnsHaveTheirDocumentedShape)
{
    int mms_account_empty = 0, gprs_account_empty = 0, gprs_apn_empty = 0, leading_zero_rows = 0;
    for (int i = 0; i < kOperatorRowCount; ++i) {
        const OperatorEntry& e = OperatorTable::row(i);
        // Every field keeps its terminator inside its width.
        for (auto* f : {e.name, e.mms_gateway, e.mms_port})
            EXPECT_NE(std::strlen(f), 0u) << i;
        EXPECT_LT(std::strlen(e.mms_url), sizeof e.mms_url);
        EXPECT_LE(read_text(e.mms_port).size(), 4u);
        mms_account_empty += e.mms_account[0] == 0;
        gprs_account_empty += e.gprs_account[0] == 0;
        gprs_apn_empty += e.gprs_apn[0] == 0;
        const std::string gw = read_text(e.mms_gateway);
        bool leading_zero = false;
        for (std::size_t start = 0; start <= gw.size();) {
            const std::size_t dot = std::min(gw.find('.', start), gw.size());
            leading_zero |= dot - start > 1 && gw[start] == '0';
            start = dot + 1;
        }
        leading_zero_rows += leading_zero;
        const bool builtin = i != 22 && i < 68;
        if (builtin) {
            EXPECT_NE(e.mms_url[0], 0) << i;
            EXPECT_NE(e.mms_apn[0], 0) << i;
        }
        EXPECT_LE(read_text(e.mms_account).size(), 17u);
        EXPECT_LE(read_text(e.gprs_password).size(), 9u);
    }
    EXPECT_EQ(mms_account_empty, 54);
    EXPECT_EQ(gprs_account_empty, 57);
    EXPECT_EQ(gprs_apn_empty, 8);
    EXPECT_EQ(leading_zero_rows, 7);
    EXPECT_EQ(read_text(operator_row(6, 0).mms_gateway), "mmsproxy.3.dk");
}

TEST(ProviderTable, NamesRowsAndPrefixLookup)
{
    const char* names[] = {"birchwatch", "freenet", "gmail", "gmx", "hotmail", "web", "yahoo", "Other"};
    for (int i = 0; i < kProviderCount; ++i) {
        EXPECT_STREQ(ProviderNames[i], names[i]);
        EXPECT_EQ(ProviderTable[i].server.reserved, 0);
        if (i > 0) {
            EXPECT_EQ(ProviderTable[i].account.email[0], 0);
        }
    }
    EXPECT_EQ(ProviderTable[1].server.secure_type, 0x42);
    EXPECT_EQ(ProviderTable[2].server.secure_type, 0x41);
    EXPECT_EQ(read_text(ProviderTable[4].server.port), "25");
    EXPECT_EQ(ProviderTable[7].server.server[0], 0);

    EXPECT_EQ(find_provider_by_server("smtp.gmail.com"), 2);
    EXPECT_EQ(find_provider_by_server("smtp.gmail.com.example"), 2);
    EXPECT_EQ(find_provider_by_server("SMTP.gmail.com"), 7);
    EXPECT_EQ(find_provider_by_server(""), 7);
    EXPECT_EQ(find_provider_by_server("birchwatch.eu"), 0);

    EmailServer unterminated;
    std::memset(unterminated.server, 'x', sizeof unterminated.server);
    std::memcpy(unterminated.server, "mx.freenet.de", 13);
    EXPECT_EQ(find_provider_by_server(unterminated), 1);
}
