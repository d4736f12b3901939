#pragma once

#include <filesystem>
#include <string>

namespace tqr::test {

// A small ext4 image with a label, attached to a loop device and mounted
// by the kernel on `mount_point`: a card as real as a machine without a
// card reader allows. Needs root, losetup and mkfs.ext4; where any is
// missing, `mounted()` is false and `reason()` says why.
class LoopMount {
  public:
    LoopMount(const std::filesystem::path& image, const std::filesystem::path& mount_point, const std::string& label);
    ~LoopMount();
    LoopMount(const LoopMount&) = delete;
    LoopMount& operator=(const LoopMount&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& reason() const { return reason_; }
    const std::string& device() const { return device_; }
    // Unmounts and leaves the mount folder in place, as fstab mounts do.
    void unmount();

  private:
    std::filesystem::path mount_point_;
    std::string device_;
    bool mounted_ = false;
    std::string reason_;
};

} // namespace tqr::test
