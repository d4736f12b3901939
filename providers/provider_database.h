#pragma once

#include "settings/translatable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tqr::providers {

// Where Debian's mobile-broadband-provider-info puts its database.
inline constexpr const char* kStandardDatabasePath = "/usr/share/mobile-broadband-provider-info/serviceproviders.xml";
inline constexpr const char* kDatabasePackage = "mobile-broadband-provider-info";
// Overrides the standard path (for a database kept elsewhere, and tests).
inline constexpr const char* kDatabaseEnvironment = "TQR_PROVIDER_DATABASE";

// The real file (Debian 12) is 362 KB of UTF-8, nested 6 deep, with 154
// countries, at most 24 operators in a country, 11 access points of an
// operator, 1304 access points in all, 18906 tags, and no text longer than
// 105 bytes.
// A file far beyond any of these is not that database, and would only make
// the look-up's lists freeze the dialog: it is refused whole. (The size
// limit is the bounded reader's kProviderDatabaseLimit.)
inline constexpr int kMaxDepth = 16;
// Counted before parsing: the parser's tree costs some 64 bytes a node
// however short its tag, so 8 MB of "<a/>" would take over 100 MB.
inline constexpr std::size_t kMaxTags = 200000;
inline constexpr std::size_t kMaxTextBytes = 1024;
inline constexpr std::size_t kMaxCountries = 400;
inline constexpr std::size_t kMaxOperatorsPerCountry = 200;
inline constexpr std::size_t kMaxAccessPointsPerOperator = 100;
inline constexpr std::size_t kMaxAccessPoints = 20000;

// One access point. MMS access points carry their centre and proxy.
struct AccessPoint {
    std::string apn;
    std::string username;
    std::string password;
    std::string label;     // the database's display name, may be empty
    std::string mmsc;      // MMS only
    std::string mms_proxy; // MMS only: "host[:port]"
};

struct Operator {
    std::string name;
    std::vector<AccessPoint> data_apns;
    std::vector<AccessPoint> mms_apns;
};

struct Country {
    std::string code; // ISO 3166 alpha-2, lower case as in the file
    std::string name; // English
    std::vector<Operator> operators;
};

struct Database {
    std::vector<Country> countries;

    // By code or English name, any case.
    const Country* find_country(std::string_view code_or_name) const;
};

// By name, any case.
const Operator* find_operator(const Country& country, std::string_view name);

// A control character (C0, DEL or C1), a mark that reorders text, or bytes
// that are not UTF-8 (a character reference can make those). Such a value
// would reach the camera as something other than what anyone can read.
bool has_unusable_character(std::string_view text);
// Whether the APN, user name and password can go into the camera's fields.
bool is_usable(const AccessPoint& ap);

struct LoadResult {
    std::optional<Database> database;
    Phrase error; // set when database is empty
};

// The environment's override, else the standard path.
std::string database_path();

// Reads and parses a database file; never throws.
LoadResult load_database(const std::string& path);
// Parses database text already in memory (size limit included).
LoadResult parse_database(std::string_view xml);

} // namespace tqr::providers
