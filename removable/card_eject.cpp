#include "removable/card_eject.h"

#include "removable/media_folder.h"
#include "removable/sd_bus_library.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <memory>
#include <vector>

namespace tqr::removable {

namespace fs = std::filesystem;

namespace {

constexpr const char* kService = "org.freedesktop.UDisks2";
constexpr const char* kRoot = "/org/freedesktop/UDisks2";
constexpr const char* kBlock = "org.freedesktop.UDisks2.Block";
constexpr const char* kFilesystem = "org.freedesktop.UDisks2.Filesystem";
constexpr const char* kDrive = "org.freedesktop.UDisks2.Drive";
// The question after a save is answered at once, or UDisks2 is not worth
// waiting for; unmounting waits for the card to take its last writes, and
// the desktop may ask for a password first.
constexpr std::uint64_t kLookupTimeoutUsec = 10ULL * 1000 * 1000;
constexpr std::uint64_t kEjectTimeoutUsec = 120ULL * 1000 * 1000;

constexpr const char* kRemovableNow = TQR_TR_NOOP("TQRSetup", "%1 can be removed now.");
constexpr const char* kBusy = TQR_TR_NOOP("TQRSetup", "%1 cannot be ejected yet: a program is still using it.");
constexpr const char* kNotAllowed = TQR_TR_NOOP("TQRSetup", "%1 cannot be ejected: the system does not allow you to.");
constexpr const char* kGone = TQR_TR_NOOP("TQRSetup", "%1 has been unmounted or removed already.");
constexpr const char* kNoService =
    TQR_TR_NOOP("TQRSetup", "%1 cannot be ejected: the disk service UDisks2 is not running.");
constexpr const char* kFailed = TQR_TR_NOOP("TQRSetup", "%1 cannot be ejected: %2.");
// Only tqrprofile says this: the dialog offers no Eject then.
constexpr const char* kNotManaged = "%1 is not on a file system that the disk service UDisks2 manages.";

// Only called once sd_bus_library() has been found.
const SdBusLibrary& sd()
{
    return *sd_bus_library();
}

struct BusUnref {
    void operator()(sd_bus* bus) const { sd().flush_close_unref(bus); }
};
struct MessageUnref {
    void operator()(sd_bus_message* m) const { sd().message_unref(m); }
};
using Bus = std::unique_ptr<sd_bus, BusUnref>;
using Message = std::unique_ptr<sd_bus_message, MessageUnref>;

// What a call's failure means to the user.
struct Failure {
    EjectOutcome::Kind kind = EjectOutcome::Kind::failed;
    std::string text;
};

Failure failure_of(const sd_bus_error& error, int r)
{
    using Kind = EjectOutcome::Kind;
    const std::string name = error.name != nullptr ? error.name : "";
    const auto is = [&name](std::initializer_list<const char*> names) {
        for (const char* n : names)
            if (name == n)
                return true;
        return false;
    };
    // No bus to talk to, or no one on it to answer.
    if (name.empty() || name.rfind("System.Error.", 0) == 0) {
        if (r == -ENOENT || r == -ECONNREFUSED || r == -ECONNRESET || r == -ENOTCONN)
            return {Kind::no_service, {}};
        return {Kind::failed, std::strerror(-r)};
    }
    if (is({"org.freedesktop.DBus.Error.ServiceUnknown", "org.freedesktop.DBus.Error.NameHasNoOwner",
            "org.freedesktop.DBus.Error.Disconnected", "org.freedesktop.DBus.Error.NoServer",
            "org.freedesktop.DBus.Error.Spawn.Failed", "org.freedesktop.DBus.Error.Spawn.ServiceNotFound"}))
        return {Kind::no_service, {}};
    if (is({"org.freedesktop.UDisks2.Error.DeviceBusy"}))
        return {Kind::busy, {}};
    if (is({"org.freedesktop.UDisks2.Error.NotAuthorized", "org.freedesktop.UDisks2.Error.NotAuthorizedCanObtain",
            "org.freedesktop.UDisks2.Error.NotAuthorizedDismissed", "org.freedesktop.DBus.Error.AccessDenied",
            "org.freedesktop.DBus.Error.InteractiveAuthorizationRequired"}))
        return {Kind::not_allowed, {}};
    // The object or its file system went with the card.
    if (is({"org.freedesktop.UDisks2.Error.NotMounted", "org.freedesktop.DBus.Error.UnknownObject",
            "org.freedesktop.DBus.Error.UnknownMethod", "org.freedesktop.DBus.Error.UnknownInterface"}))
        return {Kind::gone, {}};
    std::string text = error.message != nullptr && *error.message != '\0' ? error.message : name;
    while (!text.empty() && (text.back() == '.' || text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return {Kind::failed, text};
}

EjectOutcome outcome(const Failure& f, const std::string& name)
{
    using Kind = EjectOutcome::Kind;
    switch (f.kind) {
    case Kind::removable_now: return {f.kind, Phrase(kRemovableNow, {name})};
    case Kind::busy: return {f.kind, Phrase(kBusy, {name})};
    case Kind::not_allowed: return {f.kind, Phrase(kNotAllowed, {name})};
    case Kind::gone: return {f.kind, Phrase(kGone, {name})};
    case Kind::no_service: return {f.kind, Phrase(kNoService, {name})};
    case Kind::failed: break;
    }
    return {Kind::failed, Phrase(kFailed, {name, f.text})};
}

// The parts of UDisks2's objects that ejecting needs.
struct Object {
    bool block = false;
    bool filesystem = false;
    std::string label;
    std::string drive = "/";
    std::vector<std::string> mount_points;
    bool drive_removable = false;
    bool can_power_off = false;
};
using Objects = std::map<std::string, Object>;

std::string bytestring(const void* data, std::size_t size)
{
    std::string s(static_cast<const char*>(data), size);
    while (!s.empty() && s.back() == '\0')
        s.pop_back();
    return s;
}

// Reads a property's variant when it holds `signature`, else skips it.
template <typename Read> int read_variant(sd_bus_message* m, const char* signature, Read read)
{
    char type = 0;
    const char* contents = nullptr;
    int r = sd().message_peek_type(m, &type, &contents);
    if (r < 0)
        return r;
    if (type != SD_BUS_TYPE_VARIANT || contents == nullptr || std::strcmp(contents, signature) != 0)
        return sd().message_skip(m, "v");
    if ((r = sd().message_enter_container(m, SD_BUS_TYPE_VARIANT, signature)) < 0 || (r = read()) < 0)
        return r;
    return sd().message_exit_container(m);
}

int read_property(sd_bus_message* m, const std::string& interface, const std::string& property, Object& o)
{
    const auto text = [m](char type, std::string& out) {
        return read_variant(m, type == 's' ? "s" : "o", [m, type, &out] {
            const char* s = nullptr;
            const int r = sd().message_read_basic(m, type, &s);
            if (r >= 0 && s != nullptr)
                out = s;
            return r;
        });
    };
    const auto flag = [m](bool& out) {
        return read_variant(m, "b", [m, &out] {
            int b = 0;
            const int r = sd().message_read_basic(m, 'b', &b);
            out = b != 0;
            return r;
        });
    };
    if (interface == kBlock && property == "IdLabel")
        return text('s', o.label);
    if (interface == kBlock && property == "Drive")
        return text('o', o.drive);
    if (interface == kFilesystem && property == "MountPoints")
        return read_variant(m, "aay", [m, &o] {
            int r = sd().message_enter_container(m, SD_BUS_TYPE_ARRAY, "ay");
            const void* data = nullptr;
            std::size_t size = 0;
            while (r >= 0 && (r = sd().message_read_array(m, 'y', &data, &size)) > 0)
                o.mount_points.push_back(bytestring(data, size));
            return r < 0 ? r : sd().message_exit_container(m);
        });
    if (interface == kDrive && property == "Removable")
        return flag(o.drive_removable);
    if (interface == kDrive && property == "CanPowerOff")
        return flag(o.can_power_off);
    return sd().message_skip(m, "v");
}

// One object's interfaces and their properties: a{sa{sv}}.
int read_interfaces(sd_bus_message* m, Object& o)
{
    int r = sd().message_enter_container(m, SD_BUS_TYPE_ARRAY, "{sa{sv}}");
    while (r >= 0 && (r = sd().message_enter_container(m, SD_BUS_TYPE_DICT_ENTRY, "sa{sv}")) > 0) {
        const char* name = nullptr;
        if ((r = sd().message_read_basic(m, 's', &name)) < 0)
            break;
        const std::string interface = name;
        o.block = o.block || interface == kBlock;
        o.filesystem = o.filesystem || interface == kFilesystem;
        r = sd().message_enter_container(m, SD_BUS_TYPE_ARRAY, "{sv}");
        while (r >= 0 && (r = sd().message_enter_container(m, SD_BUS_TYPE_DICT_ENTRY, "sv")) > 0) {
            const char* property = nullptr;
            if ((r = sd().message_read_basic(m, 's', &property)) < 0 ||
                (r = read_property(m, interface, property, o)) < 0)
                break;
            r = sd().message_exit_container(m);
        }
        if (r < 0 || (r = sd().message_exit_container(m)) < 0 || (r = sd().message_exit_container(m)) < 0)
            break;
    }
    return r < 0 ? r : sd().message_exit_container(m);
}

class Udisks {
  public:
    Udisks()
    {
        // Without libsystemd there is no way to the disk service either.
        sd_bus* bus = nullptr;
        open_result_ = sd_bus_library() != nullptr ? sd().open_system(&bus) : -ENOENT;
        bus_.reset(bus);
    }

    // Every object UDisks2 has; nothing and `failure` set when it cannot say.
    std::optional<Objects> objects(Failure& failure)
    {
        const Message reply =
            call(kRoot, "org.freedesktop.DBus.ObjectManager", "GetManagedObjects", false, kLookupTimeoutUsec, failure);
        if (!reply)
            return std::nullopt;
        Objects all;
        sd_bus_message* m = reply.get();
        int r = sd().message_enter_container(m, SD_BUS_TYPE_ARRAY, "{oa{sa{sv}}}");
        while (r >= 0 && (r = sd().message_enter_container(m, SD_BUS_TYPE_DICT_ENTRY, "oa{sa{sv}}")) > 0) {
            const char* path = nullptr;
            if ((r = sd().message_read_basic(m, 'o', &path)) < 0 || (r = read_interfaces(m, all[path])) < 0)
                break;
            r = sd().message_exit_container(m);
        }
        if (r < 0) {
            failure = {EjectOutcome::Kind::failed, std::string("its answer cannot be read: ") + std::strerror(-r)};
            return std::nullopt;
        }
        return all;
    }

    // Calls a method that takes only options (left empty); true when done.
    bool act(const std::string& object, const char* interface, const char* method, Failure& failure)
    {
        return call(object, interface, method, true, kEjectTimeoutUsec, failure) != nullptr;
    }

  private:
    Message call(const std::string& object, const char* interface, const char* method, bool options,
                 std::uint64_t timeout_usec, Failure& failure)
    {
        sd_bus_error error{}; // all empty, as SD_BUS_ERROR_NULL has it
        if (open_result_ < 0) {
            failure = failure_of(error, open_result_);
            return nullptr;
        }
        sd_bus_message* m = nullptr;
        sd_bus_message* reply = nullptr;
        int r = sd().message_new_method_call(bus_.get(), &m, kService, object.c_str(), interface, method);
        const Message request(m);
        if (r >= 0 && options)
            r = sd().message_append(m, "a{sv}", 0);
        // A desktop asks for a password where its policy wants one.
        if (r >= 0)
            r = sd().message_set_allow_interactive_authorization(m, 1);
        if (r >= 0)
            r = sd().call(bus_.get(), m, timeout_usec, &error, &reply);
        Message answer(reply);
        if (r < 0)
            failure = failure_of(error, r);
        sd().error_free(&error);
        return r < 0 ? nullptr : std::move(answer);
    }

    Bus bus_;
    int open_result_ = 0;
};

bool same_file_system(const std::string& a, const std::string& b)
{
    struct stat sa {};
    struct stat sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev;
}

bool mounted_at(const Objects& all, const Volume& volume)
{
    const auto it = all.find(volume.object);
    if (it == all.end() || !it->second.filesystem)
        return false;
    for (const auto& m : it->second.mount_points)
        if (m == volume.mount_point)
            return true;
    return false;
}

} // namespace

Lookup volume_holding(const std::string& folder)
{
    Udisks udisks;
    Failure failure;
    const auto all = udisks.objects(failure);
    if (!all)
        return {std::nullopt, outcome(failure, folder).message};
    const std::string where = canonical_or_same(folder);
    const std::pair<const std::string, Object>* best = nullptr;
    std::string best_mount;
    for (const auto& entry : *all) {
        if (!entry.second.block || !entry.second.filesystem)
            continue;
        for (const auto& m : entry.second.mount_points)
            if (m.size() > best_mount.size() && inside(where, m)) {
                best = &entry;
                best_mount = m;
            }
    }
    // A file system mounted inside the card's (a tmpfs, a FUSE mount) is
    // none of UDisks2's.
    if (best == nullptr || !same_file_system(where, best_mount))
        return {std::nullopt, Phrase(kNotManaged, {folder})};
    const Object& o = best->second;
    Volume v;
    v.object = best->first;
    v.mount_point = best_mount;
    v.name = !o.label.empty() ? o.label : fs::path(best_mount).filename().string();
    const auto drive = all->find(o.drive);
    v.removable = in_media_folder(best_mount) || (drive != all->end() && drive->second.drive_removable);
    return {v, {}};
}

EjectOutcome eject(const Volume& volume)
{
    Udisks udisks;
    Failure failure;
    auto all = udisks.objects(failure);
    if (!all)
        return outcome(failure, volume.name);
    if (!mounted_at(*all, volume))
        return outcome({EjectOutcome::Kind::gone, {}}, volume.name);
    // One Unmount takes one of the file system's mounts; a card mounted
    // twice is pulled safely only once both are gone.
    for (int round = 0; round < 16 && all && !all->at(volume.object).mount_points.empty(); ++round) {
        if (!udisks.act(volume.object, kFilesystem, "Unmount", failure)) {
            if (round > 0 && failure.kind == EjectOutcome::Kind::gone)
                break; // the last mount went while we looked
            return outcome(failure, volume.name);
        }
        all = udisks.objects(failure);
        if (all && all->find(volume.object) == all->end())
            break;
    }
    // Where the drive allows, it is powered off as the desktop's eject
    // does; its file system is unmounted either way, so a drive that
    // refuses changes nothing for the card.
    if (all) {
        const auto object = all->find(volume.object);
        const auto drive = object != all->end() ? all->find(object->second.drive) : all->end();
        if (drive != all->end() && drive->second.can_power_off)
            udisks.act(drive->first, kDrive, "PowerOff", failure);
    }
    return outcome({EjectOutcome::Kind::removable_now, {}}, volume.name);
}

} // namespace tqr::removable
