#include "cli/profile_input.h"

#include "cli/command_io.h"
#include "cli/profile_json.h"

namespace tqr::cli {

ProfileDocument read_file_or_description(const std::string& path)
{
    const std::string bytes = read_bounded(path, kJsonLimit, "a settings file or JSON description");
    const auto first = bytes.find_first_not_of(" \t\r\n");
    if (first != std::string::npos && bytes[first] == '{')
        return from_json(parse_json_text(bytes));
    const std::string name = path == "-" ? "standard input" : path;
    if (bytes.size() > kSettingsFileLimit)
        throw ProfileError(name + ": larger than " + std::to_string(kSettingsFileLimit) +
                           " bytes, not a settings file (nor a JSON description)");
    return parse_profile_bytes(bytes, name);
}

} // namespace tqr::cli
