#pragma once

// What each field of the JSON description means and which values it takes,
// from the record's schema: the messages of `check` and `write` and the
// manual page read it, so neither can drift from the record.

#include "settings/record_schema.h"

#include <string>

namespace tqr::cli {

// One sentence on what the field holds.
std::string field_meaning(schema::Id id);

// `text` as roff prints it.
std::string roff(const std::string& text);

// The manual's section on the JSON description, in roff.
std::string json_fields_manual();

} // namespace tqr::cli
