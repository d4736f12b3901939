#pragma once

// Finding a country or an operator by a name typed from memory: "telekom"
// or "t mobile" for "T-Mobile(Telekom)". Case, punctuation and spacing do
// not count, and a part of the name is enough.

#include <string>
#include <string_view>
#include <vector>

namespace tqr::providers {

struct NameMatch {
    // The one name meant, or -1.
    int found = -1;
    // Several names match the query equally well: the user picks.
    std::vector<int> candidates;
    // None matches: the closest few, for a suggestion.
    std::vector<int> nearest;
};

// Indices into `names`. A name equal to the query (any case) wins outright;
// else every name the query is part of matches.
NameMatch match_name(const std::vector<std::string>& names, std::string_view query);

} // namespace tqr::providers
