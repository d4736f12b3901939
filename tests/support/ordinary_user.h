#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tqr::test {

// Runs the rest of a scope as an ordinary user, so that file permissions
// count as they do for the people who use the tool (root may write any
// file). Run as root, the process becomes "nobody" for the object's
// lifetime and `tree` is handed to that user; run as an ordinary user
// already, nothing changes. Where the switch is refused, `active()` is
// false and `reason()` says why.
class OrdinaryUser {
  public:
    explicit OrdinaryUser(const std::filesystem::path& tree);
    ~OrdinaryUser();
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

    bool active() const { return active_; }
    const std::string& reason() const { return reason_; }

  private:
    bool switched_ = false;
    bool active_ = false;
    std::string reason_;
    std::vector<gid_t> groups_;
};

} // namespace tqr::test
