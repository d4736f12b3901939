#include "tests/support/card_image.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <linux/loop.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tqr::test {

namespace fs = std::filesystem;

namespace {

constexpr off_t kCardBytes = 4 * 1024 * 1024;

// Runs a tool quietly; true when it ran and succeeded.
bool run(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = ::posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return false;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool on_path(const std::string& tool)
{
    const char* path = std::getenv("PATH");
    std::string dirs = std::string(path ? path : "") + ":/usr/sbin:/sbin";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        const std::size_t end = std::min(dirs.find(':', start), dirs.size());
        if (end > start && ::access((dirs.substr(start, end - start) + "/" + tool).c_str(), X_OK) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace

CardImage::CardImage(Kind kind, const fs::path& dir, const std::string& mount_options) : dir_(dir)
{
    const std::string mkfs = kind == Kind::exfat ? "mkfs.exfat" : "mkfs.vfat";
    if (::geteuid() != 0) {
        reason_ = "attaching a card image to a loop device needs root";
        return;
    }
    std::vector<std::string> tools = {mkfs};
    if (kind == Kind::exfat)
        tools.push_back("mount.exfat-fuse");
    for (const auto& tool : tools) {
        if (!on_path(tool)) {
            reason_ = tool + " is not installed";
            return;
        }
    }
    fs::create_directories(dir);
    const fs::path image = dir.string() + ".img";
    {
        const int fd = ::open(image.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0 || ::ftruncate(fd, kCardBytes) != 0) {
            reason_ = "cannot create the card image";
            if (fd >= 0)
                ::close(fd);
            return;
        }
        ::close(fd);
    }
    if (!run({mkfs, image.string()})) {
        reason_ = mkfs + " failed";
        return;
    }
    int loop_fd = -1;
    std::string device;
    if (!attach(image, loop_fd, device))
        return;
    if (kind == Kind::exfat) {
        std::vector<std::string> args = {"mount.exfat-fuse"};
        if (!mount_options.empty())
            args.insert(args.end(), {"-o", mount_options});
        args.insert(args.end(), {device, dir.string()});
        mounted_ = run(args);
        if (!mounted_)
            reason_ = "the FUSE exFAT driver cannot mount the card here (no /dev/fuse?)";
    } else {
        mounted_ = ::mount(device.c_str(), dir.c_str(), "vfat", 0, mount_options.c_str()) == 0;
        if (!mounted_)
            reason_ = std::string("the kernel cannot mount a FAT card (") + std::strerror(errno) + ")";
    }
    // The device was attached to clear itself once nobody holds it: from
    // here the mount alone keeps it.
    ::close(loop_fd);
    fs::remove(image);
}

bool CardImage::attach(const fs::path& image, int& loop_fd, std::string& device)
{
    const int control = ::open("/dev/loop-control", O_RDWR | O_CLOEXEC);
    if (control < 0) {
        reason_ = std::string("no loop devices here (") + std::strerror(errno) + ")";
        return false;
    }
    const int image_fd = ::open(image.c_str(), O_RDWR | O_CLOEXEC);
    for (int attempt = 0; attempt < 10 && image_fd >= 0; ++attempt) {
        const int number = ::ioctl(control, LOOP_CTL_GET_FREE);
        if (number < 0)
            break;
        device = "/dev/loop" + std::to_string(number);
        loop_fd = ::open(device.c_str(), O_RDWR | O_CLOEXEC);
        if (loop_fd < 0)
            break;
        if (::ioctl(loop_fd, LOOP_SET_FD, image_fd) == 0) {
            loop_info64 info{};
            info.lo_flags = LO_FLAGS_AUTOCLEAR;
            ::ioctl(loop_fd, LOOP_SET_STATUS64, &info);
            ::close(image_fd);
            ::close(control);
            return true;
        }
        ::close(loop_fd);
        loop_fd = -1;
        if (errno != EBUSY)
            break;
    }
    reason_ = std::string("cannot attach a loop device (") + std::strerror(errno) + ")";
    if (image_fd >= 0)
        ::close(image_fd);
    ::close(control);
    return false;
}

CardImage::~CardImage()
{
    if (mounted_ && ::umount2(dir_.c_str(), 0) != 0)
        ::umount2(dir_.c_str(), MNT_DETACH);
}

void CardImage::fill()
{
    const auto path = dir_ / "padding";
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return;
    std::vector<char> block(4096, 'p');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    while (::write(fd, block.data(), 1) > 0) {
    }
    ::close(fd);
}

} // namespace tqr::test
