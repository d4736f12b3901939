#include "tests/support/udisks_card.h"

#include "tests/support/temp_env.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <thread>

extern char** environ;

namespace tqr::test {

namespace fs = std::filesystem;

namespace {

constexpr const char* kService = "org.freedesktop.UDisks2";
constexpr const char* kUdisksd = "/usr/libexec/udisks2/udisksd";
constexpr const char* kDbusDaemon = "/usr/bin/dbus-daemon";
constexpr const char* kUdevd = "/lib/systemd/systemd-udevd";

bool wait_for(const std::function<bool()>& done, int seconds = 10)
{
    for (int i = 0; i < seconds * 20; ++i) {
        if (done())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return done();
}

// Starts `program` (with its arguments) as our child, its output going to
// `log`; its process id.
pid_t spawn(const std::string& program, const fs::path& log)
{
    const std::string command = "exec " + program + " >'" + log.string() + "' 2>&1";
    const char* argv[] = {"/bin/sh", "-c", command.c_str(), nullptr};
    pid_t pid = -1;
    return ::posix_spawn(&pid, argv[0], nullptr, nullptr, const_cast<char**>(argv), environ) == 0 ? pid : -1;
}

void stop(pid_t& pid)
{
    if (pid <= 0)
        return;
    ::kill(pid, SIGTERM);
    int status = 0;
    if (!wait_for([&] { return ::waitpid(pid, &status, WNOHANG) != 0; }, 5)) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    }
    pid = -1;
}

bool shell(const std::string& command, std::string* output = nullptr)
{
    FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr)
        return false;
    char buf[4096];
    std::string out;
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;)
        out.append(buf, n);
    if (output != nullptr)
        *output = out;
    return ::pclose(pipe) == 0;
}

// Calls a method through gdbus, which passes the image's descriptor as a
// handle ("@h 3") too; its reply, or nothing when the call fails.
std::optional<std::string> gdbus(const std::string& object, const std::string& method, const std::string& args,
                                 const std::string& dest = kService)
{
    std::string reply;
    if (!shell("gdbus call --system -d " + dest + " -o " + object + " -m " + method + " " + args, &reply))
        return std::nullopt;
    return reply;
}

// The first quoted text of a reply: "('/media/root/CARD',)".
std::string quoted(const std::string& reply)
{
    const auto from = reply.find('\'') + 1, to = reply.find('\'', from);
    return from == 0 || to == std::string::npos ? std::string() : reply.substr(from, to - from);
}

} // namespace

UdisksCard::UdisksCard(const fs::path& dir, const std::string& label) : dir_(dir), image_(dir / "card.img")
{
    if (const char* bus = std::getenv("DBUS_SYSTEM_BUS_ADDRESS")) {
        had_bus_ = true;
        old_bus_ = bus;
    }
    if (!start(label))
        mount_point_.clear();
}

bool UdisksCard::fail(const std::string& why)
{
    reason_ = why;
    return false;
}

bool UdisksCard::start(const std::string& label)
{
    if (::geteuid() != 0)
        return fail("UDisks2 and a private system bus need root");
    if (::access(kDbusDaemon, X_OK) != 0 || ::access(kUdisksd, X_OK) != 0 || ::access(kUdevd, X_OK) != 0 ||
        !shell("command -v debugfs && command -v gdbus"))
        return fail("dbus-daemon, udisksd, systemd-udevd, debugfs or gdbus is missing (packages dbus, udisks2, udev, "
                    "e2fsprogs, libglib2.0-bin)");
    // udev and the mounts under /media are the machine's: one card at a time.
    lock_fd_ = ::open("/run/lock/tqr-udisks-card.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock_fd_ < 0 || ::flock(lock_fd_, LOCK_EX) != 0)
        return fail("cannot take /run/lock/tqr-udisks-card.lock");

    const fs::path socket = dir_ / "system_bus";
    write_file(dir_ / "bus.conf",
               "<busconfig><type>system</type><listen>unix:path=" + socket.string() +
                   "</listen><auth>EXTERNAL</auth>\n"
                   "<policy context=\"default\"><allow user=\"*\"/><allow own=\"*\"/>"
                   "<allow send_destination=\"*\"/><allow receive_sender=\"*\"/></policy></busconfig>\n");
    bus_pid_ =
        spawn(std::string(kDbusDaemon) + " --nofork --nopidfile --config-file='" + (dir_ / "bus.conf").string() + "'",
              dir_ / "dbus.log");
    if (bus_pid_ < 0 || !wait_for([&] { return fs::exists(socket); }))
        return fail("dbus-daemon does not start: " + read_file(dir_ / "dbus.log"));
    ::setenv("DBUS_SYSTEM_BUS_ADDRESS", ("unix:path=" + socket.string()).c_str(), 1);

    // UDisks2 learns of a card's file system through udev's events.
    if (!shell("udevadm control --ping --timeout=2")) {
        udevd_pid_ = spawn(kUdevd, dir_ / "udevd.log");
        if (udevd_pid_ < 0 || !wait_for([] { return shell("udevadm control --ping --timeout=1"); }))
            return fail("systemd-udevd does not start here: " + read_file(dir_ / "udevd.log"));
    }
    udisksd_pid_ = spawn(kUdisksd, dir_ / "udisksd.log");
    if (udisksd_pid_ < 0 || !wait_for([] {
            return gdbus("/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", kService,
                         "org.freedesktop.DBus") == "(true,)\n";
        }))
        return fail("udisksd does not start: " + read_file(dir_ / "udisksd.log"));

    if (!shell("truncate -s 8M '" + image_.string() + "' && mkfs.ext4 -q -F -L '" + label + "' '" + image_.string() +
               "'"))
        return fail("mkfs.ext4 could not make an image");
    const auto loop = gdbus("/org/freedesktop/UDisks2/Manager", "org.freedesktop.UDisks2.Manager.LoopSetup",
                            "'@h 3' '{}' 3<>'" + image_.string() + "'");
    if (!loop)
        return fail("UDisks2 cannot attach the image to a loop device");
    loop_object_ = quoted(*loop);
    loop_device_ = "/dev/" + fs::path(loop_object_).filename().string();
    if (!wait_for([this] {
            return gdbus(loop_object_, "org.freedesktop.DBus.Properties.Get",
                         "org.freedesktop.UDisks2.Filesystem MountPoints")
                .has_value();
        }))
        return fail("UDisks2 never sees the file system on " + loop_device_ + ": udev sends no events for it here");
    mount_point_ = quoted(gdbus(loop_object_, "org.freedesktop.UDisks2.Filesystem.Mount", "'{}'").value_or(""));
    if (mount_point_.empty())
        return fail("UDisks2 cannot mount the card");
    return true;
}

UdisksCard::~UdisksCard()
{
    if (in_mount_table() && !gdbus(loop_object_, "org.freedesktop.UDisks2.Filesystem.Unmount", "'{}'"))
        ::umount2(mount_point_.c_str(), MNT_DETACH);
    if (!loop_object_.empty() && !gdbus(loop_object_, "org.freedesktop.UDisks2.Loop.Delete", "'{}'"))
        shell("losetup -d '" + loop_device_ + "'");
    stop(udisksd_pid_);
    stop(udevd_pid_);
    stop(bus_pid_);
    if (had_bus_)
        ::setenv("DBUS_SYSTEM_BUS_ADDRESS", old_bus_.c_str(), 1);
    else
        ::unsetenv("DBUS_SYSTEM_BUS_ADDRESS");
    if (lock_fd_ >= 0)
        ::close(lock_fd_);
}

bool UdisksCard::in_mount_table() const
{
    return !loop_device_.empty() &&
           read_file("/proc/self/mountinfo").find(" " + loop_device_ + " ") != std::string::npos;
}

std::string UdisksCard::file_in_image(const std::string& name) const
{
    std::string bytes;
    shell("debugfs -R 'cat /" + name + "' '" + image_.string() + "'", &bytes);
    return bytes;
}

} // namespace tqr::test
