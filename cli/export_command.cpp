#include "cli/commands.h"
#include "cli/console.h"
#include "cli/manual_page.h"
#include "cli/printable.h"
#include "cli/profile_json.h"

#include <CLI/CLI.hpp>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>

namespace tqr::cli {

namespace {

// The description holds the passwords: it goes into a new file that only
// the user may read, beside `path`, and that file is renamed over `path`.
// So an old file's looser mode is never kept, and a symbolic link at
// `path` is replaced rather than written through.
void replace_private(const std::string& path, const std::string& text)
{
    // A device, FIFO or folder there is not a file to replace: renaming over
    // /dev/null would leave the passwords in a file where nobody expects one.
    std::error_code ec;
    const auto there = std::filesystem::symlink_status(path, ec);
    if (std::filesystem::exists(there) && !std::filesystem::is_regular_file(there) &&
        !std::filesystem::is_symlink(there))
        throw ProfileError(path + ": is not a regular file, not replaced (- writes to standard output)");
    const std::filesystem::path target(path);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const auto fail = [&](int err, bool made) {
        if (made)
            ::unlink(temp.c_str());
        throw ProfileError(path + ": cannot be written (" + std::strerror(err) + ")");
    };
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC); // mode 0600
    if (fd < 0)
        fail(errno, false);
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            fail(err, true);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        const int err = errno;
        ::close(fd);
        fail(err, true);
    }
    if (::close(fd) != 0)
        fail(errno, true);
    if (::rename(temp.c_str(), path.c_str()) != 0)
        fail(errno, true);
}

} // namespace

int run_export(const ExportOptions& o, std::ostream& out, std::ostream&)
{
    // Escaped like every output, though JSON needs it for C1 characters
    // only: "\u0085" reads back as the same character.
    const std::string text = printable_lines(to_json(read_profile_file(o.file)).dump(2)) + "\n";
    if (o.output == "-" || o.output == "/dev/stdout")
        out << text;
    else
        replace_private(o.output, text);
    return 0;
}

CLI::App* add_export_command(CLI::App& app, int& exit_code)
{
    auto o = std::make_shared<ExportOptions>();
    auto* sub = app.add_subcommand("export", "Describe all settings as JSON");
    sub->add_option("FILE", o->file, "PROFILE.BIN or store file (- for standard input)")->required();
    sub->add_option("-o,--output", o->output,
                    "JSON file to write, replaced by a new file readable by you only (default -: standard output)");
    set_exit_codes(*sub, "written", "the file cannot be read or the output written");
    sub->callback([o, &exit_code] { exit_code = run_export(*o, standard_output(), standard_error()); });
    return sub;
}

} // namespace tqr::cli
