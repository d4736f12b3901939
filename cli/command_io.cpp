#include "cli/command_io.h"

#include "settings/profile_document.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

namespace tqr::cli {

namespace fs = std::filesystem;

void write_private(const std::string& path, const std::string& text)
{
    if (path == "-") {
        std::cout << text << std::flush;
        if (!std::cout)
            throw ProfileError("standard output: cannot be written");
        return;
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        throw ProfileError(path + ": cannot be written (" + std::strerror(errno) + ")");
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            throw ProfileError(path + ": cannot be written (" + std::strerror(err) + ")");
        }
        done += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0)
        throw ProfileError(path + ": cannot be written (" + std::strerror(errno) + ")");
}

void require_folder(const std::string& path)
{
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (!fs::exists(st))
        throw ProfileError(path + ": no such folder");
    if (!fs::is_directory(st))
        throw ProfileError(path + ": is a file, not a folder (the SD card's folder comes second)");
}

} // namespace tqr::cli
