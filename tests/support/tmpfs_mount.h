#pragma once

#include <filesystem>
#include <string>

namespace tqr::test {

// A small tmpfs mounted for one test, to play a full or write-protected SD
// card. Mounting needs root and a kernel that lets us; where it is refused,
// `mounted()` is false and `reason()` says why.
class TmpfsMount {
  public:
    TmpfsMount(const std::filesystem::path& dir, std::size_t bytes);
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& reason() const { return reason_; }
    const std::filesystem::path& dir() const { return dir_; }

    // Fills the medium until nothing more fits.
    void fill();
    // Turns the medium read-only; false when the kernel refuses.
    bool make_read_only();

  private:
    std::filesystem::path dir_;
    bool mounted_ = false;
    std::string reason_;
};

// Moves the test process into a mount namespace of its own, with no mount
// shared with the machine's: what it mounts then, no other program sees,
// and what others mount, it does not. Returns why not when it cannot.
std::string enter_private_mount_namespace();

} // namespace tqr::test
