#pragma once

// Every setting of a profile as JSON and back, byte for byte: numbers as
// numbers, texts as strings (the record's 8-bit characters in UTF-8), and a text
// field that is not plain text followed by zeros as {"hex": "..."}.

#include "settings/profile_document.h"

#include <nlohmann/json.hpp>

#include <map>
#include <string>

namespace tqr::cli {

using Json = nlohmann::ordered_json;

Json to_json(const ProfileDocument& doc);
// Throws ProfileError naming the key that is unknown, missing or wrong.
ProfileDocument from_json(const Json& json);
// Parses JSON text; a syntax error names its line.
Json parse_json_text(const std::string& text);

// The leaves of a JSON value as path -> value ("gsm.phones[0]" -> "\"0170\"");
// a text given as {"hex": ...} is one leaf.
std::map<std::string, std::string> flatten(const Json& json);

} // namespace tqr::cli
