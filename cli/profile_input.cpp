#include "cli/profile_input.h"

#include "cli/command_io.h"
#include "cli/profile_json.h"

namespace tqr::cli {

namespace {

std::string name_of(const std::string& path)
{
    return path == "-" ? "standard input" : path;
}

// What is wrong inside a description is told with the file it is in.
ProfileDocument description_from(const std::string& bytes, const std::string& path)
{
    try {
        return from_json(parse_json_text(bytes));
    } catch (const ProfileError& e) {
        throw ProfileError(name_of(path) + ": " + e.what());
    }
}

} // namespace

ProfileDocument read_description(const std::string& path)
{
    return description_from(read_bounded(path, kJsonLimit, "a JSON description"), path);
}

ProfileDocument read_file_or_description(const std::string& path)
{
    const std::string file = settings_file_named(path);
    const BoundedInput in = read_bounded_prefix(file, kJsonLimit, "a settings file or JSON description");
    const auto first = in.bytes.find_first_not_of(" \t\r\n");
    if (first != std::string::npos && in.bytes[first] == '{') {
        if (in.size > kJsonLimit)
            throw ProfileError(name_of(file) + ": larger than " + std::to_string(kJsonLimit) +
                               " bytes, not a JSON description");
        return description_from(in.bytes, file);
    }
    return parse_profile_input(in, name_of(file));
}

} // namespace tqr::cli
