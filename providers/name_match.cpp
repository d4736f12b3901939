#include "providers/name_match.h"

#include <algorithm>
#include <numeric>

namespace tqr::providers {

namespace {

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Letters and digits only, in lower case: "T-Mobile(Telekom)" is
// "tmobiletelekom". Bytes past ASCII (accented letters) are kept as they are.
std::string folded(std::string_view s)
{
    std::string out;
    for (char c : s)
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
            static_cast<unsigned char>(c) >= 0x80)
            out += lower(c);
    return out;
}

bool same_any_case(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return lower(x) == lower(y); });
}

std::size_t edit_distance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

NameMatch match_name(const std::vector<std::string>& names, std::string_view query)
{
    NameMatch m;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (same_any_case(names[i], query)) {
            m.found = static_cast<int>(i);
            return m;
        }
    const std::string q = folded(query);
    if (!q.empty())
        for (std::size_t i = 0; i < names.size(); ++i)
            if (folded(names[i]).find(q) != std::string::npos)
                m.candidates.push_back(static_cast<int>(i));
    if (m.candidates.size() == 1) {
        m.found = m.candidates.front();
        m.candidates.clear();
        return m;
    }
    if (!m.candidates.empty())
        return m;
    // A typing slip: the names within a third of the query's length.
    std::vector<std::pair<std::size_t, int>> scored;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string name = folded(names[i]);
        // Against the name's part as long as the query, so a short query
        // is not far from a long name only for its length.
        std::size_t best = edit_distance(q, name);
        for (std::size_t start = 0; start + q.size() <= name.size(); ++start)
            best = std::min(best, edit_distance(q, std::string_view(name).substr(start, q.size())));
        if (best * 3 <= std::max<std::size_t>(q.size(), 3))
            scored.emplace_back(best, static_cast<int>(i));
    }
    std::ranges::stable_sort(scored, {}, &std::pair<std::size_t, int>::first);
    for (std::size_t i = 0; i < scored.size() && i < 3; ++i)
        m.nearest.push_back(scored[i].second);
    return m;
}

} // namespace tqr::providers
