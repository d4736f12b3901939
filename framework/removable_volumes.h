#pragma once

// Mounted SD cards and USB readers, so the folder browser can offer a card
// with one click and a save can notice that a card went away. The system is
// read through MountTable, which tests replace for their scope.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tqr::fw {

struct MountEntry {
    std::string device;      // what was mounted, e.g. "/dev/sdb1"
    std::string mount_point; // absolute, without escapes
    std::string fs_type;
    std::string dev_id; // "major:minor" of the files on it; two mounts of one medium share it
};

class MountTable {
  public:
    virtual ~MountTable() = default;
    // The mounts in the order they were made (a later one hides an earlier
    // one on the same folder).
    virtual std::vector<MountEntry> mounts() const = 0;
    // Whether the block device says its medium can be taken out.
    virtual bool removable_device(const std::string& device) const = 0;
    // The file system's label, or nothing when it has none or cannot be read.
    virtual std::optional<std::string> fs_label(const std::string& device) const = 0;
    // Capacity of the medium mounted on `mount_point`, in bytes.
    virtual std::uint64_t size_bytes(const std::string& mount_point) const = 0;
};

// The table in force: the innermost ScopedMountTable, or the system's.
const MountTable& current_mount_table();

class ScopedMountTable {
  public:
    explicit ScopedMountTable(const MountTable& table);
    ~ScopedMountTable();
    ScopedMountTable(const ScopedMountTable&) = delete;
    ScopedMountTable& operator=(const ScopedMountTable&) = delete;

  private:
    const MountTable* previous_;
};

struct RemovableVolume {
    std::string root; // the mount point
    std::string label;
    std::uint64_t size_bytes = 0;
    std::string device;
    std::string dev_id;
    bool operator==(const RemovableVolume&) const = default;
};

// Removable volumes in mount order: mounted under /media/<user>/ or
// /run/media/<user>/, or on a device flagged removable.
std::vector<RemovableVolume> removable_volumes(const MountTable& table);

// The removable volumes without their labels and sizes, in mount order:
// nothing is read from the devices, so this is cheap enough for start-up.
std::vector<RemovableVolume> unlabelled_removable_volumes(const MountTable& table);

// The removable volume that holds `folder` (the volume's root included).
std::optional<RemovableVolume> removable_volume_of(const MountTable& table, const std::string& folder);

// Whether `folder` names the volume's root or a folder inside it.
bool within_volume(const RemovableVolume& volume, const std::string& folder);

// Whether `folder` is still on `volume`: inside its root, and the medium
// mounted there is the same one.
bool still_on_volume(const MountTable& table, const RemovableVolume& volume, const std::string& folder);

// The system's mount table opened for change events (see MountWatcher);
// -1 when it cannot be opened.
int open_mount_events();

// Decodes the octal escapes of /proc/self/mountinfo ("\040" for a space).
std::string unescape_mount_field(const std::string& field);

// Parses /proc/self/mountinfo text.
std::vector<MountEntry> parse_mountinfo(const std::string& text);

} // namespace tqr::fw
