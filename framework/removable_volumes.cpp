#include "framework/removable_volumes.h"

#include "removable/media_folder.h"

#include <blkid/blkid.h>
#include <dlfcn.h>
#include <sys/statvfs.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <map>

namespace tqr::fw {

namespace fs = std::filesystem;
using removable::canonical_or_same;
using removable::inside;

namespace {

// POSIX reads, not streams: the mount table is read at start-up, where
// setting up iostreams alone would cost a third of a megabyte.
std::string read_small_file(const fs::path& p)
{
    std::string text;
    const int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return text;
    char buf[4096];
    for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        text.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return text;
}

// udev names its /dev/disk/by-label links with "\x20" for a space.
std::string unescape_udev(const std::string& name)
{
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x') {
            const std::string hex = name.substr(i + 2, 2);
            char* end = nullptr;
            const long v = std::strtol(hex.c_str(), &end, 16);
            if (end == hex.c_str() + 2) {
                out += static_cast<char>(v);
                i += 3;
                continue;
            }
        }
        out += name[i];
    }
    return out;
}

// libblkid is loaded when a label is first probed, not at start-up: only
// the folder browser and a card's title need it, and most labels come from
// udev's links anyway.
struct Blkid {
    decltype(&blkid_new_probe_from_filename) new_probe;
    decltype(&blkid_probe_enable_superblocks) enable_superblocks;
    decltype(&blkid_probe_set_superblocks_flags) set_superblocks_flags;
    decltype(&blkid_do_safeprobe) do_safeprobe;
    decltype(&blkid_probe_lookup_value) lookup_value;
    decltype(&blkid_free_probe) free_probe;
};

template <typename F> bool resolve(void* handle, const char* name, F& fn)
{
    fn = reinterpret_cast<F>(dlsym(handle, name));
    return fn != nullptr;
}

const Blkid* blkid()
{
    static const Blkid* lib = []() -> const Blkid* {
        void* handle = dlopen("libblkid.so.1", RTLD_NOW | RTLD_LOCAL);
        static Blkid b{};
        if (handle == nullptr || !resolve(handle, "blkid_new_probe_from_filename", b.new_probe) ||
            !resolve(handle, "blkid_probe_enable_superblocks", b.enable_superblocks) ||
            !resolve(handle, "blkid_probe_set_superblocks_flags", b.set_superblocks_flags) ||
            !resolve(handle, "blkid_do_safeprobe", b.do_safeprobe) ||
            !resolve(handle, "blkid_probe_lookup_value", b.lookup_value) ||
            !resolve(handle, "blkid_free_probe", b.free_probe))
            return nullptr;
        return &b;
    }();
    return lib;
}

class SystemMountTable final : public MountTable {
  public:
    std::vector<MountEntry> mounts() const override { return parse_mountinfo(read_small_file("/proc/self/mountinfo")); }

    bool removable_device(const std::string& device) const override
    {
        if (device.rfind("/dev/", 0) != 0)
            return false;
        const fs::path sys = fs::path("/sys/class/block") / fs::path(canonical_or_same(device)).filename();
        std::error_code ec;
        if (fs::exists(sys / "removable", ec))
            return read_small_file(sys / "removable").rfind('1', 0) == 0;
        // A partition: its disk says whether the medium can be taken out.
        const fs::path disk = fs::canonical(sys, ec).parent_path();
        return !ec && read_small_file(disk / "removable").rfind('1', 0) == 0;
    }

    std::optional<std::string> fs_label(const std::string& device) const override
    {
        if (device.rfind("/dev/", 0) != 0)
            return std::nullopt;
        const std::string target = canonical_or_same(device);
        // udev's links need no access to the device itself, which a desktop
        // user usually lacks.
        std::error_code ec;
        for (const auto& link : fs::directory_iterator("/dev/disk/by-label", ec))
            if (canonical_or_same(link.path().string()) == target)
                return unescape_udev(link.path().filename().string());
        return probe_label(target);
    }

    std::uint64_t size_bytes(const std::string& mount_point) const override
    {
        struct statvfs st {};
        if (::statvfs(mount_point.c_str(), &st) != 0)
            return 0;
        return static_cast<std::uint64_t>(st.f_blocks) * st.f_frsize;
    }

  private:
    static std::optional<std::string> probe_label(const std::string& device)
    {
        const Blkid* lib = blkid();
        if (lib == nullptr)
            return std::nullopt;
        blkid_probe probe = lib->new_probe(device.c_str());
        if (probe == nullptr)
            return std::nullopt;
        std::optional<std::string> label;
        lib->enable_superblocks(probe, 1);
        lib->set_superblocks_flags(probe, BLKID_SUBLKS_LABEL);
        const char* value = nullptr;
        if (lib->do_safeprobe(probe) == 0 && lib->lookup_value(probe, "LABEL", &value, nullptr) == 0 &&
            value != nullptr && *value != '\0')
            label = value;
        lib->free_probe(probe);
        return label;
    }
};

const MountTable*& installed()
{
    static const MountTable* table = nullptr;
    return table;
}

// The visible mounts, one per folder: the last one made on it.
std::vector<MountEntry> visible_mounts(const MountTable& table)
{
    std::vector<MountEntry> out;
    std::map<std::string, std::size_t> at;
    for (auto& m : table.mounts()) {
        const auto it = at.find(m.mount_point);
        if (it != at.end()) {
            out[it->second] = m;
            continue;
        }
        at[m.mount_point] = out.size();
        out.push_back(std::move(m));
    }
    return out;
}

std::optional<MountEntry> mount_holding(const std::vector<MountEntry>& mounts, const std::string& folder)
{
    std::optional<MountEntry> best;
    for (const auto& m : mounts)
        if (inside(folder, m.mount_point) && (!best || m.mount_point.size() > best->mount_point.size()))
            best = m;
    return best;
}

bool is_removable(const MountTable& table, const MountEntry& m)
{
    return removable::in_media_folder(m.mount_point) || table.removable_device(m.device);
}

RemovableVolume volume_from(const MountTable& table, const MountEntry& m)
{
    RemovableVolume v;
    v.root = m.mount_point;
    v.device = m.device;
    v.dev_id = m.dev_id;
    v.label = table.fs_label(m.device).value_or(fs::path(m.mount_point).filename().string());
    v.size_bytes = table.size_bytes(m.mount_point);
    return v;
}

} // namespace

const MountTable& current_mount_table()
{
    static const SystemMountTable system;
    const MountTable* t = installed();
    return t != nullptr ? *t : system;
}

ScopedMountTable::ScopedMountTable(const MountTable& table) : previous_(installed())
{
    installed() = &table;
}

ScopedMountTable::~ScopedMountTable()
{
    installed() = previous_;
}

int open_mount_events()
{
    return ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
}

std::string unescape_mount_field(const std::string& field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string oct = field.substr(i + 1, 3);
            if (oct.find_first_not_of("01234567") == std::string::npos) {
                out += static_cast<char>(std::stoi(oct, nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

std::vector<MountEntry> parse_mountinfo(const std::string& text)
{
    std::vector<MountEntry> out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::vector<std::string> fields;
        for (std::size_t i = start; i < end;) {
            const std::size_t from = text.find_first_not_of(" \t", i);
            if (from == std::string::npos || from >= end)
                break;
            std::size_t to = text.find_first_of(" \t", from);
            to = to == std::string::npos || to > end ? end : to;
            fields.push_back(text.substr(from, to - from));
            i = to;
        }
        start = end + 1;
        // id parent major:minor root mount-point options [optional...] - type source super-options
        std::size_t dash = 6;
        while (dash < fields.size() && fields[dash] != "-")
            ++dash;
        if (fields.size() < 5 || dash + 2 >= fields.size())
            continue;
        MountEntry m;
        m.dev_id = fields[2];
        m.mount_point = unescape_mount_field(fields[4]);
        m.fs_type = fields[dash + 1];
        m.device = unescape_mount_field(fields[dash + 2]);
        out.push_back(std::move(m));
    }
    return out;
}

std::vector<RemovableVolume> removable_volumes(const MountTable& table)
{
    std::vector<RemovableVolume> out;
    for (const auto& m : visible_mounts(table))
        if (is_removable(table, m))
            out.push_back(volume_from(table, m));
    return out;
}

std::vector<RemovableVolume> unlabelled_removable_volumes(const MountTable& table)
{
    std::vector<RemovableVolume> out;
    for (const auto& m : visible_mounts(table))
        if (is_removable(table, m))
            out.push_back({m.mount_point, {}, 0, m.device, m.dev_id});
    return out;
}

std::optional<RemovableVolume> removable_volume_of(const MountTable& table, const std::string& folder)
{
    const auto m = mount_holding(visible_mounts(table), canonical_or_same(folder));
    if (!m || !is_removable(table, *m))
        return std::nullopt;
    return volume_from(table, *m);
}

bool within_volume(const RemovableVolume& volume, const std::string& folder)
{
    return inside(canonical_or_same(folder), volume.root);
}

bool still_on_volume(const MountTable& table, const RemovableVolume& volume, const std::string& folder)
{
    const std::string where = canonical_or_same(folder);
    if (!inside(where, volume.root))
        return false;
    const auto m = mount_holding(visible_mounts(table), where);
    return m && m->mount_point == volume.root && m->dev_id == volume.dev_id && m->device == volume.device;
}

} // namespace tqr::fw
