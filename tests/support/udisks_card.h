#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>

namespace tqr::test {

// A card that the desktop's disk service manages, with the real parts: a
// private system bus (dbus-daemon with its configuration in `dir`, reached
// through DBUS_SYSTEM_BUS_ADDRESS for the object's lifetime), UDisks2's
// udisksd on it, systemd-udevd where no udev runs, and an ext4 image that
// UDisks2 attaches to a loop device and mounts (under /media). Where the
// machine cannot (not root, a part missing, no loop devices, no uevents),
// `mounted()` is false and `reason()` says why. Everything it started is
// stopped again; one such card at a time on the machine.
class UdisksCard {
  public:
    UdisksCard(const std::filesystem::path& dir, const std::string& label);
    ~UdisksCard();
    UdisksCard(const UdisksCard&) = delete;
    UdisksCard& operator=(const UdisksCard&) = delete;

    bool mounted() const { return !mount_point_.empty(); }
    const std::string& reason() const { return reason_; }
    const std::string& mount_point() const { return mount_point_; }
    // Whether the card's loop device is mounted anywhere now.
    bool in_mount_table() const;
    // A file's bytes in the image's file system, read without mounting it.
    std::string file_in_image(const std::string& name) const;

  private:
    bool start(const std::string& label);
    bool fail(const std::string& why);

    std::filesystem::path dir_, image_;
    std::string old_bus_, loop_object_, loop_device_, mount_point_, reason_;
    bool had_bus_ = false;
    int lock_fd_ = -1;
    pid_t bus_pid_ = -1, udevd_pid_ = -1, udisksd_pid_ = -1;
};

} // namespace tqr::test
