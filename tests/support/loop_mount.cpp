#include "tests/support/loop_mount.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

namespace tqr::test {

namespace {

// The command's standard output, or nothing when it failed.
bool run_command(const std::string& command, std::string& output)
{
    FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr)
        return false;
    char buf[256];
    while (std::fgets(buf, sizeof buf, pipe) != nullptr)
        output += buf;
    while (!output.empty() && (output.back() == '\n' || output.back() == ' '))
        output.pop_back();
    return ::pclose(pipe) == 0;
}

} // namespace

LoopMount::LoopMount(const std::filesystem::path& image, const std::filesystem::path& mount_point,
                     const std::string& label)
    : mount_point_(mount_point)
{
    if (::geteuid() != 0) {
        reason_ = "mounting a loop device needs root";
        return;
    }
    std::filesystem::create_directories(mount_point);
    std::string out;
    if (!run_command("truncate -s 8M '" + image.string() + "' && mkfs.ext4 -q -F -L '" + label + "' '" +
                         image.string() + "'",
                     out)) {
        reason_ = "mkfs.ext4 could not make an image";
        return;
    }
    if (!run_command("losetup --find --show '" + image.string() + "'", out) || out.rfind("/dev/", 0) != 0) {
        reason_ = "no loop device could be attached (losetup)";
        return;
    }
    device_ = out;
    if (::mount(device_.c_str(), mount_point.c_str(), "ext4", 0, nullptr) != 0) {
        reason_ = std::string("the kernel refused to mount ext4 from a loop device (") + std::strerror(errno) + ")";
        return;
    }
    mounted_ = true;
}

void LoopMount::unmount()
{
    if (mounted_ && ::umount2(mount_point_.c_str(), 0) == 0)
        mounted_ = false;
}

LoopMount::~LoopMount()
{
    if (mounted_)
        ::umount2(mount_point_.c_str(), MNT_DETACH);
    if (!device_.empty()) {
        std::string out;
        run_command("losetup -d '" + device_ + "'", out);
    }
}

} // namespace tqr::test
