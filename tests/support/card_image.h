#pragma once

#include <filesystem>
#include <string>

namespace tqr::test {

// A small SD card for one test: an image formatted with a card's file
// system, attached to a loop device and mounted on `dir` the way a desktop
// mounts a card as root. exFAT goes through its FUSE driver, so it works on
// kernels without a FAT driver; FAT uses the kernel's vfat. Where anything
// of that is missing (root, a loop device, the tools, the driver),
// `mounted()` is false and `reason()` says what. Unmounted, and the loop
// device released, whatever the test did.
class CardImage {
  public:
    enum class Kind { exfat, vfat };

    CardImage(Kind kind, const std::filesystem::path& dir, const std::string& mount_options = {});
    ~CardImage();
    CardImage(const CardImage&) = delete;
    CardImage& operator=(const CardImage&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& reason() const { return reason_; }
    const std::filesystem::path& dir() const { return dir_; }

    // Fills the card until nothing more fits.
    void fill();

    static const char* name(Kind kind) { return kind == Kind::exfat ? "exFAT" : "FAT"; }

  private:
    bool attach(const std::filesystem::path& image, int& loop_fd, std::string& device);

    std::filesystem::path dir_;
    bool mounted_ = false;
    std::string reason_;
};

} // namespace tqr::test
