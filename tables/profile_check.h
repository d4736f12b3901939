#pragma once

// The dialog's rules applied to a settings file or description, with the
// same code the dialog runs: `check` lists what is wrong, `write` refuses
// the first of it or makes the changes the dialog's OK makes.

#include "settings/profile_document.h"

#include <optional>
#include <string>
#include <vector>

namespace tqr {

struct Finding {
    std::string key; // JSON path of the field
    std::string message;
    // Which entry and what it may hold, where the dialog says so too.
    std::string detail = {};
};

// Everything wrong with the document: first what the dialog's OK would
// refuse, in the order it checks (so the first finding is the message the
// dialog shows first), then the values that no control of the dialog can
// produce, texts without their terminator and an operator block that is
// not the table's row.
std::vector<Finding> find_faults(const ProfileDocument& doc);

// find_faults in the order check lists them: what write refuses first.
std::vector<Finding> check_findings(const ProfileDocument& doc);

// check_findings as "key: message" lines.
std::vector<std::string> check_profile(const ProfileDocument& doc);

// The values of `record` that no control of the dialog can produce and
// its OK would not write over: a record the dialog cannot have written.
std::vector<Finding> values_no_control_produces(const ProfileRecord& record);

// The dialog's OK on a description about to be written: refuses with the
// first finding, or stores the recipients as the dialog
// does, puts the table's operator row in place and the hidden band,
// command log and debug flag as the dialog writes them.
std::optional<Finding> prepare_for_writing(ProfileRecord& record);

} // namespace tqr
