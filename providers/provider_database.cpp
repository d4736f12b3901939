#include "providers/provider_database.h"

#include "settings/bounded_read.h"
#include "settings/profile_document.h"
#include "settings/translatable.h"
#include "settings/utf8_text.h"
#include "settings/value_rules.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace tqr::providers {

namespace {

bool same_text_any_case(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

LoadResult failure(Phrase message)
{
    return LoadResult{std::nullopt, std::move(message)};
}

// pugixml never expands entities it does not know, but a document type with an
// internal subset is where entity tricks live, and the real database has none:
// such a file is not the database.
bool declares_entities(std::string_view xml)
{
    if (xml.find("<!ENTITY") != std::string_view::npos)
        return true;
    auto doctype = xml.find("<!DOCTYPE");
    if (doctype == std::string_view::npos)
        return false;
    auto end = xml.find('>', doctype);
    auto bracket = xml.find('[', doctype);
    return bracket != std::string_view::npos && (end == std::string_view::npos || bracket < end);
}

// pugixml is told the bytes are UTF-8 whatever the file declares, so a file
// in another encoding would come out with wrong names rather than an error.
std::optional<Phrase> not_utf8(std::string_view xml)
{
    std::string_view head = xml.starts_with("\xEF\xBB\xBF") ? xml.substr(3) : xml;
    if (head.starts_with("<?xml")) {
        std::string_view decl = head.substr(0, head.find("?>"));
        if (auto at = decl.find("encoding"); at != std::string_view::npos) {
            decl.remove_prefix(at);
            const auto open = decl.find_first_of("\"'");
            const auto close = open == std::string_view::npos ? open : decl.find(decl[open], open + 1);
            const std::string_view name =
                close == std::string_view::npos ? decl : decl.substr(open + 1, close - open - 1);
            if (!same_text_any_case(name, "UTF-8"))
                return Phrase(TQR_TR_NOOP("TQRSetup", "The provider database is not UTF-8 text (it declares "
                                                      "another encoding); it is not read."));
        }
    }
    // A NUL byte is no XML character and would cut a value short unseen.
    for (std::size_t i = 0; i < xml.size();) {
        char32_t cp = 0;
        const std::size_t n = utf8::decode(xml, i, cp);
        if (n == 0 || cp == 0)
            return Phrase(TQR_TR_NOOP("TQRSetup", "The provider database is not UTF-8 text (byte %1); it is not read."),
                          {std::to_string(i)});
        i += n;
    }
    return std::nullopt;
}

// Depth, and the length of every name, text and attribute value, checked in
// one walk (pugixml walks without recursion).
class ShapeCheck : public pugi::xml_tree_walker {
  public:
    std::optional<Phrase> problem;

    bool for_each(pugi::xml_node& node) override
    {
        if (depth() > kMaxDepth) {
            problem = Phrase(TQR_TR_NOOP("TQRSetup", "The provider database is nested deeper than %1 levels."),
                             {std::to_string(kMaxDepth)});
            return false;
        }
        bool too_long = std::strlen(node.name()) > kMaxTextBytes || std::strlen(node.value()) > kMaxTextBytes;
        for (pugi::xml_attribute a : node.attributes())
            too_long = too_long || std::strlen(a.name()) > kMaxTextBytes || std::strlen(a.value()) > kMaxTextBytes;
        if (too_long) {
            problem = Phrase(
                TQR_TR_NOOP("TQRSetup", "The provider database holds a text longer than %1 bytes; it is not read."),
                {std::to_string(kMaxTextBytes)});
            return false;
        }
        return true;
    }
};

// `sentence` names the count as %1: one whole sentence for each kind of
// entry, as languages word them differently.
Phrase too_many(std::size_t limit, const char* sentence)
{
    return Phrase(sentence, {std::to_string(limit)});
}

// Counted before anything is copied out of the tree.
std::optional<Phrase> too_many_entries(pugi::xml_node root)
{
    std::size_t countries = 0;
    std::size_t access_points = 0;
    for (pugi::xml_node country : root.children("country")) {
        if (++countries > kMaxCountries)
            return too_many(kMaxCountries,
                            TQR_TR_NOOP("TQRSetup", "The provider database lists more than %1 countries, "
                                                    "more than the real one could; it is not read."));
        std::size_t operators = 0;
        for (pugi::xml_node provider : country.children("provider")) {
            if (++operators > kMaxOperatorsPerCountry)
                return too_many(kMaxOperatorsPerCountry,
                                TQR_TR_NOOP("TQRSetup", "The provider database lists more than %1 operators in a "
                                                        "country, more than the real one could; it is not read."));
            std::size_t own = 0;
            for ([[maybe_unused]] pugi::xml_node apn : provider.child("gsm").children("apn")) {
                if (++own > kMaxAccessPointsPerOperator)
                    return too_many(kMaxAccessPointsPerOperator,
                                    TQR_TR_NOOP("TQRSetup", "The provider database lists more than %1 access points "
                                                            "of an operator, more than the real one could; it is not "
                                                            "read."));
                if (++access_points > kMaxAccessPoints)
                    return too_many(kMaxAccessPoints,
                                    TQR_TR_NOOP("TQRSetup", "The provider database lists more than %1 access points, "
                                                            "more than the real one could; it is not read."));
            }
        }
    }
    return std::nullopt;
}

std::string child_text(pugi::xml_node node, const char* name)
{
    std::string text = node.child(name).text().get();
    auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

AccessPoint read_access_point(pugi::xml_node apn)
{
    AccessPoint ap;
    ap.apn = apn.attribute("value").value();
    ap.username = child_text(apn, "username");
    ap.password = child_text(apn, "password");
    ap.label = child_text(apn, "name");
    ap.mmsc = child_text(apn, "mmsc");
    ap.mms_proxy = child_text(apn, "mmsproxy");
    return ap;
}

Operator read_operator(pugi::xml_node provider)
{
    Operator op;
    op.name = child_text(provider, "name");
    for (pugi::xml_node apn : provider.child("gsm").children("apn")) {
        std::string_view usage = apn.child("usage").attribute("type").value();
        if (usage == "mms")
            op.mms_apns.push_back(read_access_point(apn));
        else if (usage.empty() || usage == "internet")
            op.data_apns.push_back(read_access_point(apn));
    }
    return op;
}

} // namespace

const Country* Database::find_country(std::string_view code_or_name) const
{
    for (const Country& c : countries)
        if (same_text_any_case(c.code, code_or_name) || same_text_any_case(c.name, code_or_name))
            return &c;
    return nullptr;
}

const Operator* find_operator(const Country& country, std::string_view name)
{
    for (const Operator& op : country.operators)
        if (same_text_any_case(op.name, name))
            return &op;
    return nullptr;
}

bool has_unusable_character(std::string_view text)
{
    if (rules::has_control_character(text))
        return true;
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const std::size_t n = utf8::decode(text, i, cp);
        if (n == 0 || utf8::is_control_or_direction_mark(cp))
            return true;
        i += n;
    }
    return false;
}

bool is_usable(const AccessPoint& ap)
{
    return !has_unusable_character(ap.apn) && !has_unusable_character(ap.username) &&
           !has_unusable_character(ap.password);
}

std::string database_path()
{
    const char* env = std::getenv(kDatabaseEnvironment);
    return (env && *env) ? std::string(env) : std::string(kStandardDatabasePath);
}

LoadResult parse_database(std::string_view xml)
{
    if (xml.size() > kProviderDatabaseLimit)
        return failure(Phrase(TQR_TR_NOOP("TQRSetup", "The provider database is larger than %1 MB."),
                              {std::to_string(kProviderDatabaseLimit >> 20)}));
    if (auto problem = not_utf8(xml))
        return failure(*problem);
    if (static_cast<std::size_t>(std::ranges::count(xml, '<')) > kMaxTags)
        return failure(too_many(kMaxTags, TQR_TR_NOOP("TQRSetup", "The provider database lists more than %1 tags, "
                                                                  "more than the real one could; it is not read.")));
    if (declares_entities(xml))
        return failure(Phrase(TQR_TR_NOOP("TQRSetup", "The provider database declares entities; it is not read.")));
    pugi::xml_document doc;
    // Default parsing skips the document type and expands only the five
    // predefined entities and character references.
    pugi::xml_parse_result parsed = doc.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed)
        return failure(Phrase(TQR_TR_NOOP("TQRSetup", "The provider database is not valid XML: %1 at byte %2."),
                              {parsed.description(), std::to_string(parsed.offset)}));
    ShapeCheck shape;
    doc.traverse(shape);
    if (shape.problem)
        return failure(*shape.problem);
    pugi::xml_node root = doc.child("serviceproviders");
    if (!root)
        return failure(Phrase(TQR_TR_NOOP("TQRSetup", "The file is not a provider database (no <serviceproviders>).")));
    if (auto problem = too_many_entries(root))
        return failure(*problem);
    Database db;
    for (pugi::xml_node country : root.children("country")) {
        Country c;
        c.code = country.attribute("code").value();
        c.name = child_text(country, "name");
        if (c.name.empty())
            c.name = c.code;
        for (pugi::xml_node provider : country.children("provider")) {
            Operator op = read_operator(provider);
            if (!op.name.empty() && (!op.data_apns.empty() || !op.mms_apns.empty()))
                c.operators.push_back(std::move(op));
        }
        if (!c.code.empty())
            db.countries.push_back(std::move(c));
    }
    std::ranges::stable_sort(db.countries, {}, &Country::name);
    return LoadResult{std::move(db), {}};
}

LoadResult load_database(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return failure(Phrase(TQR_TR_NOOP("TQRSetup", "The provider database %1 cannot be opened. Install the "
                                                      "package %2 or name the file."),
                              {path, kDatabasePackage}));
    std::string text;
    // A FIFO or device named as the database is refused, never waited on.
    try {
        text = read_bounded(path, kProviderDatabaseLimit, TQR_TR_NOOP("TQRSetup", "a provider database"));
    } catch (const ProfileError& e) {
        Phrase why(TQR_TR_NOOP("TQRSetup", "The provider database cannot be read: "));
        why.then = {e.phrase()};
        return failure(std::move(why));
    }
    return parse_database(text);
}

} // namespace tqr::providers
