#include "providers/operator_fill.h"
#include "providers/provider_database.h"
#include "settings/bounded_read.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

using namespace tqr::providers;

namespace {

// The odd cases the real database holds, one operator each.
constexpr const char* kOddCases = R"(<?xml version="1.0"?>
<serviceproviders format="2.0">
<country code="zz"><name>Testland</name>
  <provider><name>Named Proxy</name><gsm>
    <apn value="web"><usage type="internet"/><username>u</username><password>p</password></apn>
    <apn value="web2"><usage type="internet"/></apn>
    <apn value="mms1"><usage type="mms"/><mmsc>http://mms.example/</mmsc><mmsproxy>proxy.example:8080</mmsproxy></apn>
    <apn value="mms2"><usage type="mms"/><mmsc>http://mms2/</mmsc><mmsproxy>10.0.0.2:80</mmsproxy></apn>
  </gsm></provider>
  <provider><name>No Port</name><gsm>
    <apn value="data"/>
    <apn value="mms"><usage type="mms"/><mmsc>http://m/</mmsc><mmsproxy>10.1.2.3</mmsproxy></apn>
  </gsm></provider>
  <provider><name>No MMS</name><gsm><apn value="only.data"><usage type="internet"/></apn></gsm></provider>
  <provider><name>Long</name><gsm>
    <apn value="mms"><usage type="mms"/><mmsc>http://0123456789012345678901234567890123456789012345678901234567890123/</mmsc><mmsproxy>10.0.0.1:10001</mmsproxy><password>€€€€€€€€€€€€€€€</password></apn>
  </gsm></provider>
  <provider><name>Hostile</name><gsm>
    <apn value="we&#27;b"/><apn value="fine"/>
    <apn value="m&#x85;s"><usage type="mms"/><mmsc>http://m/</mmsc><mmsproxy>10.0.0.3:8080</mmsproxy></apn>
    <apn value="mms"><usage type="mms"/><mmsc>http://m/</mmsc><mmsproxy>10.0.0.3:0</mmsproxy></apn>
    <apn value="mms"><usage type="mms"/><mmsc>http://m/</mmsc><mmsproxy>10.0.0.4:65535</mmsproxy><username>&#x202E;u</username></apn>
    <apn value="mms"><usage type="mms"/><mmsc>http://m/</mmsc><mmsproxy>10.0.0.4:65535</mmsproxy></apn>
  </gsm></provider>
  <provider><name>CDMA only</name><cdma><sid value="1"/></cdma></provider>
</country>
</serviceproviders>
)";

Database parsed(const char* xml)
{
    LoadResult r = parse_database(xml);
    EXPECT_TRUE(r.database) << r.error.english();
    return r.database.value_or(Database{});
}

} // namespace

TEST(ProviderDatabase, ReadsTheInstalledDatabase)
{
    LoadResult r = load_database(kStandardDatabasePath);
    ASSERT_TRUE(r.database) << r.error.english();
    const Database& db = *r.database;
    EXPECT_EQ(db.countries.size(), 154u);
    const Country* de = db.find_country("GERMANY");
    ASSERT_TRUE(de);
    EXPECT_EQ(de, db.find_country("De"));
    const Operator* telekom = find_operator(*de, "t-mobile(telekom)");
    ASSERT_TRUE(telekom);
    ASSERT_FALSE(telekom->mms_apns.empty());
    EXPECT_EQ(telekom->mms_apns[0].mms_proxy, "172.28.23.131:8008");
    OperatorFill fill = plan_fill(*telekom, &telekom->data_apns.at(0), &telekom->mms_apns[0]);
    EXPECT_EQ(fill.gateway, (std::array<int, 4>{172, 28, 23, 131}));
    EXPECT_EQ(fill.port, 8008u);
    EXPECT_EQ(fill.url, "http://mms.t-mobile.de/servlets/mms");

    // Every MMS access point either fills a field whole, within its width,
    // or is named in a note.
    std::size_t mms = 0;
    for (const Country& c : db.countries)
        for (const Operator& op : c.operators)
            for (const AccessPoint& ap : op.mms_apns) {
                ++mms;
                OperatorFill f = plan_fill(op, nullptr, &ap);
                for (auto [value, limit] : {std::pair{&f.url, kUrlLimit},
                                            {&f.mms_apn, kApnLimit},
                                            {&f.mms_account, kAccountLimit},
                                            {&f.mms_password, kPasswordLimit}})
                    EXPECT_LE(value->size(), limit) << op.name;
                bool proxy_ok = f.gateway != std::array<int, 4>{} && f.port != 0;
                bool noted = f.notes.size() > 1; // the first says no data APN was chosen
                EXPECT_TRUE(proxy_ok || noted) << op.name << " " << ap.mms_proxy;
                EXPECT_TRUE(f.url == ap.mmsc || noted) << op.name;
            }
    EXPECT_GT(mms, 250u);
}

TEST(ProviderDatabase, OddCasesFillWhatFitsAndSayWhy)
{
    Database db = parsed(kOddCases);
    ASSERT_EQ(db.countries.size(), 1u);
    const Country& c = db.countries[0];
    ASSERT_EQ(c.operators.size(), 5u) << "an operator without GSM access points is left out";

    ASSERT_EQ(c.operators[0].data_apns.size(), 2u);
    ASSERT_EQ(c.operators[0].mms_apns.size(), 2u);

    // Every field, filled or emptied: nothing of an earlier choice may stay.
    // A control character in an access point's APN, account or password
    // fills nothing of its kind; a refused port fills neither gateway nor port.
    struct FillCase {
        std::size_t op;
        int data, mms;      // -1: none
        const char* fields; // URL|gateway|port|APN|account|password, MMS then GPRS
        const char* note;   // "": none
    } fills[] = {
        {0, 0, 0, "http://mms.example/|0.0.0.0|0|mms1|||web|u|p",
         "is a host name, which the gateway address cannot "
         "hold; gateway and port are left empty."},
        {0, 1, 1, "http://mms2/|10.0.0.2|80|mms2|||web2||", ""},
        {1, 0, 0, "http://m/|0.0.0.0|0|mms|||data||", "\"10.1.2.3\" gives no port; gateway and port are left empty."},
        {2, 0, -1, "|0.0.0.0|0||||only.data||",
         "No MMS has no MMS data in the database; the MMS fields are left empty."},
        {3, -1, 0, "|0.0.0.0|0|mms||€€€€€€€€€€€€€€€|||",
         "MMS URL: the database's value is longer than 63 characters; the field is left empty."},
        {3, -1, 0, "", "Long has no data APN in the database; the GPRS fields are left empty."},
        {4, 0, 3, "http://m/|0.0.0.0|0|mms|||||", "data access point has a control character"},
        {4, 1, 0, "|0.0.0.0|0||||fine||", "MMS access point has a control character"},
        {4, 1, 1, "http://m/|0.0.0.0|0|mms|||fine||", "not between 1 and 10000; gateway and port are left empty."},
        {4, 1, 3, "http://m/|0.0.0.0|0|mms|||fine||", "not between 1 and 10000"},
        {4, 1, 2, "|0.0.0.0|0||||fine||", "MMS access point has a control character"},
    };
    for (const FillCase& fc : fills) {
        const Operator& op = c.operators.at(fc.op);
        const auto pick = [](const std::vector<AccessPoint>& aps, int i) { return i < 0 ? nullptr : &aps.at(i); };
        const OperatorFill f = plan_fill(op, pick(op.data_apns, fc.data), pick(op.mms_apns, fc.mms));
        const auto& g = f.gateway;
        const std::string fields = f.url + "|" + std::to_string(g[0]) + "." + std::to_string(g[1]) + "." +
                                   std::to_string(g[2]) + "." + std::to_string(g[3]) + "|" + std::to_string(f.port) +
                                   "|" + f.mms_apn + "|" + f.mms_account + "|" + f.mms_password + "|" + f.gprs_apn +
                                   "|" + f.gprs_account + "|" + f.gprs_password;
        std::string notes;
        for (const tqr::Phrase& n : f.notes)
            notes += n.english() + "\n";
        EXPECT_TRUE(*fc.fields == '\0' || fields == fc.fields) << fields;
        EXPECT_TRUE(*fc.note ? notes.find(fc.note) != std::string::npos : notes.empty()) << notes;
    }
}

TEST(ProviderDatabase, RefusesHostileAndBrokenFiles)
{
    const std::string deep(100000, '<'); // not XML at all
    std::string nested = "<serviceproviders>";
    for (int i = 0; i < 20; ++i)
        nested += "<country code='x'>";
    const std::string huge =
        "<serviceproviders>" + std::string(tqr::kProviderDatabaseLimit, ' ') + "</serviceproviders>";
    // `countries` x `operators` x `each` access points.
    auto apns = [](int countries, int operators, int each) {
        std::string provider = "<provider><gsm>";
        for (int a = 0; a < each; ++a)
            provider += "<apn value='a'/>";
        std::string country = "<country code='x'>";
        for (int o = 0; o < operators; ++o)
            country += provider + "</gsm></provider>";
        std::string xml = "<serviceproviders>";
        for (int c = 0; c < countries; ++c)
            xml += country + "</country>";
        return xml + "</serviceproviders>";
    };
    const std::string entities =
        R"(<?xml version="1.0"?><!DOCTYPE s [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;">]>
<serviceproviders><country code="xx"><name>&b;</name></country></serviceproviders>)";
    struct Case {
        std::string xml;
        const char* message;
    } cases[] = {
        {deep, "not valid XML"},
        {nested, "not valid XML"},
        {huge, "larger than"},
        {entities, "declares entities"},
        {"<other/>", "not a provider database"},
        {R"(<?xml version="1.0" encoding="ISO-8859-1"?><serviceproviders/>)", "not UTF-8"},
        {"<serviceproviders><country code='xx'><name>Caf\xE9</name></country></serviceproviders>", "not UTF-8"},
        {"<serviceproviders><c n='" + std::string(2048, 'a') + "'/></serviceproviders>", "longer than 1024"},
        {"<serviceproviders>" + std::string(7 << 20, 'a') + "</serviceproviders>", "longer than 1024"},
        {apns(1, 1, 101), "more than 100 access points of an operator"},
        {apns(3, 200, 40), "more than 20000 access points"},
        {apns(25, 200, 100), "more than 200000 tags"},
    };
    for (const Case& c : cases) {
        auto start = std::chrono::steady_clock::now();
        LoadResult r = parse_database(c.xml);
        EXPECT_FALSE(r.database);
        EXPECT_NE(r.error.english().find(c.message), std::string::npos) << r.error.english();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    }
    // Well-formed but deeper than any real database.
    for (int i = 0; i < 20; ++i)
        nested += "</country>";
    nested += "</serviceproviders>";
    EXPECT_NE(parse_database(nested).error.english().find("nested deeper"), std::string::npos);

    // A reference to an undeclared entity stays as written, never expanded.
    Database db = parsed("<!DOCTYPE serviceproviders SYSTEM \"x.dtd\"><serviceproviders><country "
                         "code='xx'><name>&b;</name></country></serviceproviders>");
    ASSERT_EQ(db.countries.size(), 1u);
    EXPECT_EQ(db.countries[0].name, "&b;");

    EXPECT_NE(load_database("/nonexistent/serviceproviders.xml").error.english().find(kDatabasePackage),
              std::string::npos);
    EXPECT_FALSE(load_database(std::filesystem::temp_directory_path()).database);
    const auto fifo = std::filesystem::temp_directory_path() / ("providers-fifo-" + std::to_string(getpid()));
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_NE(load_database(fifo).error.english().find("not a regular file"), std::string::npos);
    std::filesystem::remove(fifo);
}
