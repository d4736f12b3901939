#include "tests/support/tmpfs_mount.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>
#include <vector>

namespace tqr::test {

TmpfsMount::TmpfsMount(const std::filesystem::path& dir, std::size_t bytes) : dir_(dir)
{
    std::filesystem::create_directories(dir);
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
    if (::mount("tmpfs", dir.c_str(), "tmpfs", 0, options.c_str()) == 0)
        mounted_ = true;
    else
        reason_ = std::string("cannot mount a tmpfs here (") + std::strerror(errno) +
                  "), so no full or "
                  "read-only medium can be made";
}

TmpfsMount::~TmpfsMount()
{
    if (mounted_)
        ::umount2(dir_.c_str(), MNT_DETACH);
}

void TmpfsMount::fill()
{
    const auto path = dir_ / "padding";
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return;
    std::vector<char> block(4096, 'p');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    // Single bytes too, so not even a short write fits afterwards.
    while (::write(fd, block.data(), 1) > 0) {
    }
    ::close(fd);
}

std::string enter_private_mount_namespace()
{
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return std::string("no mount namespace of its own (") + std::strerror(errno) + ")";
    return {};
}

bool TmpfsMount::make_read_only()
{
    return ::mount("tmpfs", dir_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

} // namespace tqr::test
