#pragma once

// What each field of the JSON description means and which values it takes,
// from the record's schema: the messages of `check` and `write` and the
// manual page read it, so neither can drift from the record.

#include "settings/record_schema.h"

#include <string>

namespace tqr::cli {

// The values a field takes: "0 (MMS) or 1 (GPRS)", "0 (5 sec) to 55 (60 sec)", "35 to 120".
std::string accepted_values(const schema::Field& f);

// One sentence on what the field holds.
std::string field_meaning(schema::Id id);

// `text` as roff prints it.
std::string roff(const std::string& text);

// The manual's section on the JSON description, in roff.
std::string json_fields_manual();

} // namespace tqr::cli
