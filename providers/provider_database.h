#pragma once

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

// The real file is about 360 KB; anything far larger is not that database.
inline constexpr std::size_t kMaxDatabaseBytes = 8u << 20;
inline constexpr int kMaxDepth = 16;

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

struct LoadResult {
    std::optional<Database> database;
    std::string error; // set when database is empty
};

// The environment's override, else the standard path.
std::string database_path();

// Reads and parses a database file; never throws.
LoadResult load_database(const std::string& path);
// Parses database text already in memory (size limit included).
LoadResult parse_database(std::string_view xml);

} // namespace tqr::providers
