#include "settings/bounded_read.h"

#include "settings/profile_document.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace tqr {

namespace fs = std::filesystem;

namespace {

// "NAME: is a folder, not a PROFILE.BIN": the kind of file is a phrase of
// its own, so the dialog can show the whole in the user's language.
ProfileError refused(const char* text, std::vector<std::string> args, const char* what)
{
    Phrase message(text, std::move(args));
    message.then = {Phrase(what)};
    return ProfileError(std::move(message));
}

ProfileError too_large(const std::string& name, std::size_t limit, const char* what)
{
    return refused(TQR_TR_NOOP("TQRSetup", "%1: larger than %2 bytes, not "), {name, std::to_string(limit)}, what);
}

ProfileError not_regular(const std::string& name, const char* what)
{
    return refused(TQR_TR_NOOP("TQRSetup", "%1: is not a regular file (a FIFO, a device or a socket), not "), {name},
                   what);
}

ProfileError unreadable(const std::string& name, int error)
{
    return ProfileError(Phrase(TQR_TR_NOOP("TQRSetup", "%1: cannot be read (%2)"), {name, std::strerror(error)}));
}

std::string read_at_most(int fd, std::size_t limit, const std::string& name)
{
    std::string bytes;
    char buf[8192];
    // One byte past the limit tells a file that is too large.
    while (bytes.size() <= limit) {
        const ssize_t n = ::read(fd, buf, std::min(sizeof buf, limit + 1 - bytes.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw unreadable(name, errno);
        if (n == 0)
            break;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    return bytes;
}

} // namespace

BoundedInput read_bounded_prefix(const std::string& path, std::size_t limit, const char* what)
{
    if (path == "-") {
        // A pipe cannot say how long it is: what comes past the bound is
        // too much, as for read_bounded.
        std::string bytes = read_at_most(STDIN_FILENO, limit, "standard input");
        if (bytes.size() > limit)
            throw too_large("standard input", limit, what);
        const std::uintmax_t size = bytes.size();
        return {std::move(bytes), size};
    }
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (!fs::exists(st))
        throw ProfileError(Phrase(TQR_TR_NOOP("TQRSetup", "%1: no such file"), {path}));
    if (fs::is_directory(st))
        throw refused(TQR_TR_NOOP("TQRSetup", "%1: is a folder, not "), {path}, what);
    if (!fs::is_regular_file(st))
        throw not_regular(path, what);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        throw unreadable(path, errno);
    BoundedInput in;
    try {
        // The name may have been swapped for a FIFO since it was looked at.
        struct stat opened {};
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode))
            throw not_regular(path, what);
        in.size = static_cast<std::uintmax_t>(opened.st_size);
        in.bytes = read_at_most(fd, limit, path);
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::close(fd);
    if (in.bytes.size() > limit)
        in.bytes.resize(limit);
    in.size = std::max<std::uintmax_t>(in.size, in.bytes.size());
    return in;
}

std::string read_bounded(const std::string& path, std::size_t limit, const char* what)
{
    BoundedInput in = read_bounded_prefix(path, limit, what);
    if (in.size > limit)
        throw too_large(path == "-" ? "standard input" : path, limit, what);
    return std::move(in.bytes);
}

} // namespace tqr
