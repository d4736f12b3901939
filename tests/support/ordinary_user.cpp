#include "tests/support/ordinary_user.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <grp.h>
#include <unistd.h>

namespace tqr::test {

namespace {
constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

void hand_over(const std::filesystem::path& tree)
{
    ::lchown(tree.c_str(), kNobody, kNoGroup);
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(tree, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        ::lchown(it->path().c_str(), kNobody, kNoGroup);
}
} // namespace

OrdinaryUser::OrdinaryUser(const std::filesystem::path& tree)
{
    if (::geteuid() != 0) {
        active_ = true;
        return;
    }
    hand_over(tree);
    const int count = ::getgroups(0, nullptr);
    groups_.resize(static_cast<std::size_t>(count > 0 ? count : 0));
    if (count > 0)
        ::getgroups(count, groups_.data());
    // The saved ids stay root's so that the destructor can switch back;
    // permissions are checked against the effective ids alone.
    if (::setgroups(0, nullptr) != 0 || ::setresgid(kNoGroup, kNoGroup, 0) != 0 ||
        ::setresuid(kNobody, kNobody, 0) != 0) {
        reason_ = std::string("cannot switch to an ordinary user (") + std::strerror(errno) + ")";
        ::setresuid(0, 0, 0);
        ::setresgid(0, 0, 0);
        ::setgroups(groups_.size(), groups_.data());
        return;
    }
    switched_ = true;
    active_ = true;
}

OrdinaryUser::~OrdinaryUser()
{
    if (!switched_)
        return;
    if (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0 || ::setgroups(groups_.size(), groups_.data()) != 0)
        std::abort();
}

} // namespace tqr::test
