#pragma once

#include "framework/removable_volumes.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace tqr::test {

// Mounts and media as a test describes them; installed for its lifetime.
class FakeMountTable final : public fw::MountTable {
  public:
    FakeMountTable() : scope_(*this) {}

    // Mounts `device` on `mount_point`; a new dev_id unless one is given.
    FakeMountTable& mount(std::string device, std::string mount_point, std::string dev_id = {})
    {
        if (dev_id.empty())
            dev_id = "8:" + std::to_string(++next_minor_);
        entries.push_back({std::move(device), std::move(mount_point), "vfat", std::move(dev_id)});
        return *this;
    }
    void unmount(const std::string& mount_point)
    {
        for (auto it = entries.rbegin(); it != entries.rend(); ++it)
            if (it->mount_point == mount_point) {
                entries.erase(std::next(it).base());
                return;
            }
    }

    std::vector<fw::MountEntry> entries;
    std::set<std::string> removable;
    std::map<std::string, std::string> labels;
    std::map<std::string, std::uint64_t> sizes;

    std::vector<fw::MountEntry> mounts() const override { return entries; }
    bool removable_device(const std::string& device) const override { return removable.count(device) != 0; }
    std::optional<std::string> fs_label(const std::string& device) const override
    {
        const auto it = labels.find(device);
        return it == labels.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    std::uint64_t size_bytes(const std::string& mount_point) const override
    {
        const auto it = sizes.find(mount_point);
        return it == sizes.end() ? 0 : it->second;
    }

  private:
    int next_minor_ = 0;
    fw::ScopedMountTable scope_;
};

} // namespace tqr::test
