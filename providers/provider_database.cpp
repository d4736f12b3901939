#include "providers/provider_database.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstdlib>
#include <fstream>
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

LoadResult failure(std::string message)
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

// Depth of the element tree, walked without recursion.
bool too_deep(const pugi::xml_document& doc)
{
    int depth = 0;
    pugi::xml_node node = doc.first_child();
    while (node) {
        if (node.first_child()) {
            if (++depth > kMaxDepth)
                return true;
            node = node.first_child();
            continue;
        }
        while (node && !node.next_sibling()) {
            node = node.parent();
            --depth;
            if (node == doc)
                return false;
        }
        if (node)
            node = node.next_sibling();
    }
    return false;
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

std::string database_path()
{
    const char* env = std::getenv(kDatabaseEnvironment);
    return (env && *env) ? std::string(env) : std::string(kStandardDatabasePath);
}

LoadResult parse_database(std::string_view xml)
{
    if (xml.size() > kMaxDatabaseBytes)
        return failure("The provider database is larger than " + std::to_string(kMaxDatabaseBytes >> 20) + " MB.");
    if (declares_entities(xml))
        return failure("The provider database declares entities; it is not read.");
    pugi::xml_document doc;
    // Default parsing skips the document type and expands only the five
    // predefined entities and character references.
    pugi::xml_parse_result parsed = doc.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed)
        return failure(std::string("The provider database is not valid XML: ") + parsed.description() + " at byte " +
                       std::to_string(parsed.offset) + ".");
    if (too_deep(doc))
        return failure("The provider database is nested deeper than " + std::to_string(kMaxDepth) + " levels.");
    pugi::xml_node root = doc.child("serviceproviders");
    if (!root)
        return failure("The file is not a provider database (no <serviceproviders>).");
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
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return failure("The provider database " + path + " cannot be opened. Install the package " + kDatabasePackage +
                       " or name the file.");
    std::string text;
    std::vector<char> chunk(64 * 1024);
    while (in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        text.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMaxDatabaseBytes)
            return failure("The provider database " + path + " is larger than " +
                           std::to_string(kMaxDatabaseBytes >> 20) + " MB.");
    }
    if (in.bad())
        return failure("The provider database " + path + " cannot be read.");
    return parse_database(text);
}

} // namespace tqr::providers
