#include "tables/operator_table.h"

#include "settings/factory_defaults.h"

namespace tqr {

namespace {

// Rows 0..67 but "Kavetta" (row 22): built-in and constant. Values follow the
// public mobile-broadband provider database where it knows the operator.
using R = OperatorRowText;
constexpr OperatorRowText kBuiltIn[] = {
    // Australia
    R{"Optus", "http://mmsc.optus.com.au:8002/", "61.88.190.10", "8070", "mms", "", "", "internet", "", ""},
    R{"Telstra", "http://mmsc.telstra.com:8002", "10.1.1.180", "80", "telstra.mms", "", "", "telstra.internet", "", ""},
    // Austria
    R{"A1", "http://mmsc.A1.net", "194.48.124.71", "8001", "free.A1.net", "ppp@A1plus.at", "ppp", "a1.net",
      "ppp@a1plus.at", "ppp"},
    // Canada
    R{"Rogers", "http://mms.gprs.rogers.com", "10.128.1.69", "80", "media.com", "media", "mda01", "internet.com",
      "wapuser1", "wap"},
    // China
    R{"China Mobile", "http://mmsc.monternet.com", "10.0.0.172", "80", "cmwap", "guest", "guest", "cmnet", "guest",
      "guest"},
    R{"China Unicom", "http://mmsc.myuni.com.cn", "10.0.0.172", "80", "3gwap", "", "", "3gnet", "", ""},
    // Cyprus
    R{"MTN", "http://mms.mtn.com.cy", "212.31.96.161", "8080", "mms", "", "", "internet", "", ""},
    // Czech Repblic
    R{"O2", "http://mms.o2active.cz:8002", "160.218.160.218", "8080", "mms", "", "", "internet", "", ""},
    R{"T-mobile", "http://mms", "010.000.000.010", "9201", "mms.t-mobile.cz", "", "", "internet.t-mobile.cz", "", ""},
    R{"Vodafone", "http://mms", "010.011.010.111", "80", "mms", "", "", "internet", "", ""},
    // Danmark
    R{"3.", "http://mms.3.dk", "mmsproxy.3.dk", "8799", "data.tre.dk", "", "", "net.tre.dk", "", ""},
    R{"Tovexa", "http://mms.tovexa.dk", "10.10.10.10", "8080", "mms.tovexa.dk", "", "", "internet.tovexa.dk", "", ""},
    R{"Tovexa1", "http://mms.tovexa.dk", "010.010.010.010", "8080", "mms1.tovexa.dk", "", "", "", "", ""},
    R{"Tovexa2", "http://mms.tovexa.dk", "010.010.010.011", "8080", "mms2.tovexa.dk", "", "", "", "", ""},
    R{"callme", "http://mms.callme.dk", "212.88.64.199", "8080", "mms.callme.dk", "", "", "", "", ""},
    R{"Cbb", "http://mms.cbb.dk", "10.0.0.10", "8080", "mms.cbb.dk", "", "", "internet", "", ""},
    R{"Greentel", "http://mms.greentel.dk", "10.0.1.10", "8080", "mms.greentel.dk", "", "", "", "", ""},
    R{"M1", "http://mmsc.m1.dk", "195.249.26.201", "8080", "mms.m1.dk", "", "", "internet.m1.dk", "", ""},
    R{"TDC", "http://mmsc.tdc.fi", "10.1.12.2", "8080", "mms.tdc.fi", "", "", "internet", "", ""},
    R{"Telenor", "http://mms.telenor.dk", "212.88.64.8", "8080", "telenor", "", "", "internet", "", ""},
    R{"Telia", "http://mms.telia.dk", "193.209.134.131", "8080", "www.mms.mtelia.dk", "", "", "www.internet.mtelia.dk",
      "", ""},
    R{"Telmore", "http://192.168.241.114:8002", "194.182.251.15", "8080", "mms", "", "", "internet", "", ""},
    // Estonia
    R{"EMT PrePaid", "http://mms.emt.ee/servlets/mms", "217.71.32.82", "8080", "mms.emt.ee", "", "", "internet.emt.ee",
      "", ""},
    // Finland
    R{"DNA", "http://mmsc.dnafinland.fi", "10.1.1.2", "8080", "mms", "dna", "mms", "internet", "", ""},
    R{"Elisa", "http://mms.elisa.fi", "213.161.41.57", "80", "mms", "", "", "internet", "", ""},
    R{"Saunalahti", "http://mms.saunalahti.fi:8002/", "62.142.4.197", "8080", "mms.saunalahti.fi", "", "",
      "internet.saunalahti", "", ""},
    R{"Saunalahti PrePaid", "http://mms.saunalahti.fi:8002/", "062.142.004.197", "8080", "mms.saunalahti.fi", "", "",
      "", "", ""},
    R{"Sonera", "http://mms.sonera.net:8002", "195.156.25.33", "8080", "telefinland", "", "", "internet", "", ""},
    R{"Sonera NEW", "http://mms.sonera.net:8002", "195.156.025.033", "8080", "telefinland", "", "", "prointernet", "",
      ""},
    R{"Sonera Open G", "http://mms.sonera.net:8002", "195.156.025.033", "8080", "telefinland", "", "", "opengate", "",
      ""},
    // France
    R{"Orange", "http://mms.orange.fr", "192.168.10.200", "8080", "orange-acte", "orange", "orange", "orange.fr", "",
      ""},
    R{"Bouygues", "http://mms.bouyguestelecom.fr/mms/wapenc", "62.201.129.226", "8080", "mmsbouygtel.com", "", "",
      "ebouygtel.com", "", ""},
    R{"SFR", "http://mms65", "10.143.156.8", "8080", "mms65", "", "", "websfr", "", ""},
    // Germany
    R{"T-Mobile", "http://mms.t-mobile.de/servlets/mms", "172.28.23.131", "8008", "internet.t-mobile", "t-mobile", "tm",
      "internet.t-mobile", "t-mobile", "tm"},
    R{"T-Mobile2", "http://mms.t-mobile.de/servlets/mms", "172.28.23.131", "8008", "internet.telekom", "", "",
      "internet.telekom", "", ""},
    R{"Vodafone", "http://139.7.24.1/servlets/mms", "139.7.29.17", "80", "event.vodafone.de", "vodafone", "vodafone",
      "web.vodafone.de", "", ""},
    // Hong Kong
    R{"CSL", "http://192.168.58.171:8002", "192.168.59.51", "8080", "hkcsl", "", "", "internet", "", ""},
    R{"Peoples", "http://mmsc.mms.pccwmobile.com:8002/", "10.131.2.8", "8080", "pccwmms", "", "", "pccwdata", "", ""},
    R{"SmartOne", "http://mms.smartone.com/server", "10.9.9.9", "8080", "smartone", "", "", "internet", "", ""},
    // Israel
    R{"Cellcom", "http://mms.cellcom.co.il", "192.118.11.55", "8080", "mms", "", "", "internetg", "", ""},
    R{"Golantelecom", "http://mmsc.golantelecom.co.il", "10.224.228.81", "80", "mms.golantelecom.net.il", "", "",
      "internet.golantelecom.net.il", "", ""},
    R{"Hot mobile", "http://mms.hotmobile.co.il", "80.246.131.99", "80", "mms.hotm", "", "", "net.hotm", "", ""},
    R{"Orange", "http://192.168.220.15:8080/servlets/mms", "192.168.220.15", "8080", "wap.orange.co.il", "", "",
      "uinternet", "", ""},
    R{"youphone", "http://192.168.220.15/servlets/mms", "192.168.220.15", "8080", "data.youphone.co.il", "", "",
      "data.youphone.co.il", "", ""},
    // Italy
    R{"TIM", "http://mms.tim.it/servlets/mms", "213.230.130.89", "80", "unico.tim.it", "", "", "ibox.tim.it", "", ""},
    R{"Vodafone", "http://mms.vodafone.it/servlets/mms", "10.128.224.10", "80", "mms.vodafone.it", "", "",
      "web.omnitel.it", "", ""},
    R{"WIND", "http://mms.wind.it", "212.245.244.100", "8080", "mms.wind", "Wind", "Wind", "internet.wind", "Wind",
      "Wind"},
    // Netherland
    R{"KPN", "http://mp.mobiel.kpn/mmsc", "10.10.100.20", "5080", "portalmmm.nl", "KPN", "gprs", "internet", "KPN",
      "gprs"},
    // New Zealand
    R{"2Degrees", "http://mms.2degrees.net.nz:48090", "118.148.1.118", "8080", "mms", "", "", "internet", "", ""},
    R{"Vodafone", "http://pxt.vodafone.net.nz/pxtsend", "172.30.38.3", "8080", "live.vodafone.com", "", "",
      "www.vodafone.net.nz", "", ""},
    // Norge
    R{"Netcom", "http://mms/", "212.169.66.4", "8080", "mms.netcom.no", "mms", "netcom", "internet.netcom.no", "netcom",
      "netcom"},
    R{"Tele2", "http://mmsc.tele2.no", "193.12.40.66", "8080", "mms.tele2.no", "", "", "mobileinternet.tele2.no", "",
      ""},
    R{"telenor", "http://mmsc", "10.10.10.11", "8080", "telenor.smart", "", "", "telenor.smart", "", ""},
    // Russia
    R{"Beeline", "http://mms/", "192.168.94.23", "8080", "mms.beeline.ru", "beeline", "beeline", "internet.beeline.ru",
      "beeline", "beeline"},
    R{"Megafon", "http://mmsc:8002", "10.10.10.10", "8080", "mms", "mms", "mms", "internet", "gdata", "gdata"},
    R{"MTS", "http://mmsc", "192.168.192.192", "8080", "mms.mts.ru", "mts", "mts", "internet.mts.ru", "mts", "mts"},
    // Slovakia
    R{"O2", "http://mms.o2world.sk:8002", "10.97.1.11", "8080", "o2mms", "", "", "o2internet", "", ""},
    R{"Orange", "http://imms.orange.sk", "213.151.208.145", "8799", "mms", "", "", "internet", "", ""},
    R{"T-mobile", "http://mms", "192.168.1.1", "8080", "mms", "mms", "mms", "internet", "", ""},
    // Sweden
    R{"Telia", "http://mmss/", "193.209.134.132", "8080", "mms.telia.se", "", "", "online.telia.se", "", ""},
    // Swiss
    R{"Orange", "http://192.168.151.3:8002", "192.168.151.2", "8080", "mms", "", "", "internet", "", ""},
    R{"Swisscom", "http://mms.natel.ch:8079", "192.168.210.2", "8080", "event.swisscom.ch", "", "", "gprs.swisscom.ch",
      "", ""},
    // United Kingdom
    R{"Vodafone", "http://mms.vodafone.co.uk/servlets/mms", "212.183.137.12", "8799", "wap.vodafone.co.uk", "wap",
      "wap", "internet", "web", "web"},
    R{"Vodafone(Contract)", "http://mms.vodafone.co.uk/servlets/mms", "212.183.137.12", "8799", "wap.vodafone.co.uk",
      "wap", "wap", "internet", "web", "web"},
    R{"Vodafone(Prepay)", "http://mms.vodafone.co.uk/servlets/mms", "212.183.137.12", "8799", "pp.vodafone.co.uk",
      "wap", "wap", "pp.vodafone.co.uk", "web", "web"},
    // United States
    R{"AT&T/Cingular", "http://mmsc.mobile.att.net", "209.183.35.33", "80", "NXTGENPHONE", "", "", "broadband", "", ""},
    R{"T-Mobile", "http://mms.msg.eng.t-mobile.com/mms/wapenc", "216.155.165.50", "8080", "fast.t-mobile.com", "", "",
      "fast.t-mobile.com", "", ""},
};

constexpr int kEuropeRow = 22;
constexpr int kCustomFirstRow = kOperatorRowCount - kCustomOperatorCount;
static_assert(std::size(kBuiltIn) == kOperatorRowCount - kCustomOperatorCount - 1);

struct BuiltInRows {
    OperatorEntry rows[std::size(kBuiltIn)];
    constexpr BuiltInRows() : rows{}
    {
        for (std::size_t i = 0; i < std::size(kBuiltIn); ++i)
            rows[i] = make_operator_row(kBuiltIn[i]);
    }
};
constexpr BuiltInRows kRows;

constexpr CountryEntry country(std::string_view name, int first, std::uint16_t count)
{
    CountryEntry c{};
    detail::put_text(c.name, name);
    c.first_operator = first;
    c.operator_count = count;
    return c;
}

} // namespace

const CountryEntry CountryTable[kCountryCount] = {
    country("Australia", 0, 2),   country("Austria", 2, 1),         country("Canada", 3, 1),
    country("China", 4, 2),       country("Cyprus", 6, 1),          country("Czech Repblic", 7, 3),
    country("Danmark", 10, 12),   country("Europe", 22, 1),         country("Estonia", 23, 1),
    country("Finland", 24, 7),    country("France", 31, 3),         country("Germany", 34, 3),
    country("Hong Kong", 37, 3),  country("Israel", 40, 5),         country("Italy", 45, 3),
    country("Netherland", 48, 1), country("New Zealand", 49, 2),    country("Norge", 51, 3),
    country("Russia", 54, 3),     country("Slovakia", 57, 3),       country("Sweden", 60, 1),
    country("Swiss", 61, 2),      country("United Kingdom", 63, 3), country("United States", 66, 2),
    country("Customer", 68, 3),
};

const OperatorEntry& OperatorTable::row(int index)
{
    if (index == kEuropeRow)
        return kDefaultOperatorRow;
    if (index >= kCustomFirstRow)
        return CustomOperators[index - kCustomFirstRow];
    return kRows.rows[index < kEuropeRow ? index : index - 1];
}

bool valid_country(int country_index)
{
    return country_index >= 0 && country_index < kCountryCount;
}

bool valid_operator(int country_index, int operator_index)
{
    return valid_country(country_index) && operator_index >= 0 &&
           operator_index < CountryTable[country_index].operator_count;
}

const OperatorEntry& operator_row(int country_index, int operator_index)
{
    return OperatorTable::row(CountryTable[country_index].first_operator + operator_index);
}

std::string_view country_name(int country_index)
{
    return CountryTable[country_index].name;
}

} // namespace tqr
