// tqrprofile: read, check, compare and prepare camera settings files.
#include "cli/mail_test_command.h"
#include "cli/profile_check.h"
#include "cli/profile_document.h"
#include "cli/profile_json.h"
#include "cli/profile_show.h"
#include "settings/file_exception.h"
#include "settings/settings_files.h"

#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>
#include <iterator>
#include <map>

using namespace tqr;
using namespace tqr::cli;

namespace {

constexpr int kUsageError = 2;

// Lists the leaves of a JSON value as "path: value".
void flatten(const Json& j, const std::string& path, std::map<std::string, std::string>& out)
{
    if (j.is_object() && !(j.size() == 1 && j.contains("hex"))) {
        for (auto it = j.begin(); it != j.end(); ++it)
            flatten(it.value(), path.empty() ? it.key() : path + "." + it.key(), out);
    } else if (j.is_array()) {
        for (std::size_t i = 0; i < j.size(); ++i)
            flatten(j[i], path + "[" + std::to_string(i) + "]", out);
    } else {
        out[path] = j.dump();
    }
}

std::string read_text_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ProfileError(path + ": no such file");
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"Reads, checks, compares and prepares TQR camera settings files "
                 "(PROFILE.BIN or the TQRSetup.DAT store file)."};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("tqrprofile ") + TQR_VERSION);

    std::string file, other, output, folder;
    bool as_json = false;
    bool show_passwords = false;

    auto* show = app.add_subcommand("show", "Print every setting the way the dialog names it");
    show->add_option("FILE", file, "PROFILE.BIN or store file")->required();
    show->add_flag("--json", as_json, "Print the same as JSON");
    show->add_flag("--show-passwords", show_passwords, "Show passwords instead of masking them");

    auto* check = app.add_subcommand("check", "List every value the dialog would refuse; exit 1 if any");
    check->add_option("FILE", file, "PROFILE.BIN or store file")->required();

    auto* exp = app.add_subcommand("export", "Describe all settings as JSON");
    exp->add_option("FILE", file, "PROFILE.BIN or store file")->required();
    exp->add_option("-o,--output", output, "JSON file to write (default: standard output)");

    auto* write = app.add_subcommand("write", "Check a JSON description like the dialog's OK and write PROFILE.BIN");
    write->add_option("JSON", file, "JSON description")->required();
    write->add_option("FOLDER", folder, "Folder to write PROFILE.BIN into (the SD card)")->required();

    auto* diff = app.add_subcommand("diff", "List the settings that differ between two files");
    diff->add_option("A", file, "First file")->required();
    diff->add_option("B", other, "Second file")->required();

    int mailtest_exit = 0;
    auto* mailtest = add_mail_test_command(app, mailtest_exit);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : kUsageError;
    }

    if (*mailtest)
        return mailtest_exit;

    try {
        if (*show) {
            const ProfileDocument doc = read_profile_file(file);
            if (as_json)
                std::cout << show_profile_json(doc, show_passwords).dump(2) << "\n";
            else
                std::cout << show_profile(doc, show_passwords);
            return 0;
        }
        if (*check) {
            const auto findings = check_profile(read_profile_file(file));
            for (const auto& line : findings)
                std::cout << line << "\n";
            return findings.empty() ? 0 : 1;
        }
        if (*exp) {
            const std::string text = to_json(read_profile_file(file)).dump(2) + "\n";
            if (output.empty()) {
                std::cout << text;
            } else {
                std::ofstream out(output, std::ios::binary | std::ios::trunc);
                out << text;
                if (!out)
                    throw ProfileError(output + ": cannot be written");
            }
            return 0;
        }
        if (*write) {
            ProfileDocument doc = from_json(parse_json_text(read_text_file(file)));
            if (const auto refusal = validate_for_writing(doc.record)) {
                std::cerr << "refused: " << *refusal << "\n";
                return 1;
            }
            save_profile_bin(folder, doc.record);
            std::cout << "PROFILE.BIN has been saved in " << folder << "\n";
            return 0;
        }
        if (*diff) {
            std::map<std::string, std::string> a, b;
            flatten(to_json(read_profile_file(file)), "", a);
            flatten(to_json(read_profile_file(other)), "", b);
            // Settings only: what one kind of file does not hold (the header,
            // the custom rows) is not a difference.
            int differences = 0;
            for (const auto& [key, value_a] : a) {
                const auto it = b.find(key);
                if (key == "file" || it == b.end() || it->second == value_a)
                    continue;
                std::cout << key << ": " << value_a << " -> " << it->second << "\n";
                ++differences;
            }
            return differences == 0 ? 0 : 1;
        }
    } catch (const ProfileError& e) {
        std::cerr << "tqrprofile: " << e.what() << "\n";
        return 1;
    } catch (const CFileException& e) {
        std::cerr << "tqrprofile: " << e.error_text() << "\n";
        return 1;
    }
    return kUsageError;
}
