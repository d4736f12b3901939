#include "settings/settings_files.h"

#include "settings/factory_defaults.h"
#include "settings/file_exception.h"
#include "settings/file_ops.h"
#include "settings/profile_record.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <random>
#include <span>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tqr {

namespace fs = std::filesystem;

std::uint16_t scramble_word(std::uint16_t w)
{
    const auto rotated = static_cast<std::uint16_t>((w << 4) | (w >> 12));
    return static_cast<std::uint16_t>(~rotated);
}

std::uint16_t unscramble_word(std::uint16_t s)
{
    const auto inverted = static_cast<std::uint16_t>(~s);
    return static_cast<std::uint16_t>((inverted >> 4) | (inverted << 12));
}

namespace {

constexpr std::size_t kCustomBytes = sizeof(OperatorEntry) * kCustomOperatorCount;
static_assert(sizeof(ProfileRecord) + kCustomBytes == kStoreFileSize);

template <typename Fn> void transform_words(std::span<std::uint8_t> bytes, Fn fn)
{
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto w = static_cast<std::uint16_t>(bytes[i] | (bytes[i + 1] << 8));
        const std::uint16_t t = fn(w);
        bytes[i] = static_cast<std::uint8_t>(t & 0xFF);
        bytes[i + 1] = static_cast<std::uint8_t>(t >> 8);
    }
}

std::array<std::uint8_t, sizeof(ProfileRecord)> scrambled_copy(const ProfileRecord& record)
{
    std::array<std::uint8_t, sizeof(ProfileRecord)> copy;
    const auto src = bytes_of(record);
    std::copy(src.begin(), src.end(), copy.begin());
    transform_words(copy, scramble_word);
    return copy;
}

std::optional<fs::path> absolute_env_dir(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0')
        return std::nullopt;
    fs::path p(value);
    if (!p.is_absolute())
        return std::nullopt;
    return p;
}

// Creates `dir` and any missing parents, each new folder owner-only.
void make_private_dirs(const fs::path& dir)
{
    std::error_code ec;
    if (fs::is_directory(dir, ec))
        return;
    if (dir.has_parent_path() && dir.parent_path() != dir)
        make_private_dirs(dir.parent_path());
    if (file_ops().mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
        throw CFileException(CFileException::cause_from_errno(errno), dir.string());
}

std::string full_path(const fs::path& p)
{
    std::error_code ec;
    const fs::path abs = fs::absolute(p, ec);
    return ec ? p.string() : abs.string();
}

fs::path folder_of(const fs::path& p)
{
    return p.has_parent_path() ? p.parent_path() : fs::path(".");
}

// Refuses, before anything is written, a target the rename would replace
// although the user may not write it: renaming only needs the folder's
// permission, so without this a write-protected PROFILE.BIN (or a FAT
// file with the read-only attribute) would silently give way. A folder in
// the file's place is refused the same way. Returns whether the target
// exists.
bool check_replaceable(const fs::path& target, const std::string& name)
{
    struct stat st {};
    if (file_ops().stat(target.c_str(), &st) != 0) {
        if (errno == ENOENT)
            return false;
        throw CFileException(CFileException::cause_from_errno(errno), name);
    }
    if (S_ISDIR(st.st_mode))
        throw CFileException(CFileException::access_denied, name);
    if (file_ops().access(target.c_str(), W_OK) != 0)
        throw CFileException(CFileException::cause_from_errno(errno), name);
    return true;
}

// A file of our own beside `target`, named `target` + `tag` + six letters,
// removed again unless released. Upper-case letters and digits only, so
// that a case-insensitive card cannot see two of our names as one.
class FileBeside {
  public:
    FileBeside(const fs::path& target, const char* tag, mode_t mode, const std::string& open_name)
    {
        static std::mt19937 random{std::random_device{}()};
        static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = target.string() + tag;
            for (int i = 0; i < 6; ++i)
                name.push_back(kLetters[pick(random)]);
            // The mode is given at creation and never changed afterwards: a
            // card's file system may refuse any later change (FUSE exFAT
            // answers EPERM to a user who does not own the mount), and a
            // file that holds secrets must not be readable for a moment.
            fd_ = file_ops().open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (fd_ >= 0) {
                name_ = std::move(name);
                return;
            }
            if (errno != EEXIST)
                break;
        }
        throw CFileException(CFileException::cause_from_errno(errno), open_name);
    }

    FileBeside(const FileBeside&) = delete;
    FileBeside& operator=(const FileBeside&) = delete;

    ~FileBeside()
    {
        if (fd_ >= 0)
            file_ops().close(fd_);
        if (!name_.empty())
            file_ops().unlink(name_.c_str());
    }

    int fd() const { return fd_; }
    const std::string& name() const { return name_; }

    void close()
    {
        const int fd = fd_;
        fd_ = -1;
        if (file_ops().close(fd) != 0)
            throw CFileException(CFileException::cause_from_errno(errno), std::string());
    }

    // The name now belongs to something else (a rename moved a file onto it
    // or away from it); it is no longer ours to remove.
    void release() { name_.clear(); }

  private:
    int fd_ = -1;
    std::string name_;
};

// A new file written beside its target, flushed to the medium, waiting to
// replace the target. Removed again unless put in place.
class PendingFile {
  public:
    PendingFile(const fs::path& target, const std::string& open_name, mode_t mode,
                std::span<const std::span<const std::uint8_t>> parts)
        : target_(target), file_(target, ".", mode, open_name)
    {
        for (const auto& part : parts)
            write_all(part);
        if (file_ops().fsync(file_.fd()) != 0)
            throw CFileException(CFileException::cause_from_errno(errno), std::string());
        file_.close();
    }

    const fs::path& target() const { return target_; }

    // Renames the new file over the target; false, with errno set, when
    // the rename fails and the file is still waiting.
    bool put_in_place()
    {
        if (file_ops().rename(file_.name().c_str(), target_.c_str()) != 0)
            return false;
        file_.release();
        return true;
    }

  private:
    void write_all(std::span<const std::uint8_t> data)
    {
        std::size_t done = 0;
        while (done < data.size()) {
            const ssize_t n = file_ops().write(file_.fd(), data.data() + done, data.size() - done);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                throw CFileException(CFileException::cause_from_errno(errno), full_path(target_));
            }
            if (n == 0)
                throw CFileException(CFileException::disk_full, full_path(target_));
            done += static_cast<std::size_t>(n);
        }
    }

    fs::path target_;
    FileBeside file_;
};

// Makes the renames in `dir` durable: a card pulled right after a save then
// holds the new files, not folder entries that were never written. A card
// whose driver cannot sync a folder still has the files, so a refusal here
// does not fail the save.
void sync_folder(const fs::path& dir)
{
    const int dfd = file_ops().open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (dfd >= 0) {
        file_ops().fsync(dfd);
        file_ops().close(dfd);
    }
}

// Reads `target` back from its medium and compares it with `meant`. The
// file has been synced, so its pages in the cache are clean and can be
// dropped: the read then comes from the card itself, and a card that
// accepted the write but kept other bytes (a failing card, or a counterfeit
// one that is smaller than it claims) is caught here, not by the camera.
void read_back(const fs::path& target, std::span<const std::uint8_t> meant)
{
    const std::string name = full_path(target);
    const int fd = file_ops().open(target.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW, 0);
    if (fd < 0)
        throw CFileException(CFileException::cause_from_errno(errno), name);
    // One byte more than meant, so that a longer file differs too.
    std::vector<std::uint8_t> got(meant.size() + 1);
    std::size_t done = 0;
    int err = file_ops().drop_cached_pages(fd) == 0 ? 0 : errno;
    while (err == 0 && done < got.size()) {
        const ssize_t n = file_ops().pread(fd, got.data() + done, got.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            err = errno;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    file_ops().close(fd);
    if (err != 0)
        throw CFileException(CFileException::cause_from_errno(err), name);
    if (done != meant.size() || !std::equal(meant.begin(), meant.end(), got.begin()))
        throw CFileException(CFileException::not_kept, name);
}

// Puts the new PROFILE.BIN and then the new store file (when there is one)
// in place so that, as long as the process lives, either both are replaced
// or neither: the previous PROFILE.BIN is kept aside under a name of its
// own until the new one has been read back from the card and the store
// file is in place, and put back if either fails. Renaming the previous
// file away rather than over also gives a case-insensitive card's
// "profile.bin" the new file's name.
void put_in_place(PendingFile& profile, std::span<const std::uint8_t> meant, bool profile_exists, PendingFile* store)
{
    const fs::path& target = profile.target();
    std::optional<FileBeside> kept;
    if (profile_exists) {
        kept.emplace(target, ".previous-", 0600, full_path(target));
        kept->close();
        if (file_ops().rename(target.c_str(), kept->name().c_str()) != 0)
            throw CFileException(CFileException::cause_from_errno(errno), full_path(target));
    }
    // Undoes what was done on the card when a later rename fails. Should
    // putting the previous file back fail too, its kept copy stays: it then
    // holds the only copy of the card's previous settings.
    const auto restore = [&] {
        if (kept) {
            file_ops().rename(kept->name().c_str(), target.c_str());
            kept->release();
        }
        sync_folder(folder_of(target));
    };

    if (!profile.put_in_place()) {
        const int err = errno;
        restore();
        throw CFileException(CFileException::cause_from_errno(err), full_path(target));
    }
    // The new PROFILE.BIN goes again, the previous one (if any) comes back.
    const auto take_back = [&] {
        if (!kept)
            file_ops().unlink(target.c_str());
        restore();
    };
    sync_folder(folder_of(target));
    try {
        read_back(target, meant);
    } catch (const CFileException&) {
        take_back();
        throw;
    }
    if (store != nullptr) {
        if (!store->put_in_place()) {
            const int err = errno;
            take_back();
            throw CFileException(CFileException::cause_from_errno(err), full_path(store->target()));
        }
        sync_folder(folder_of(store->target()));
    }
    // Both new files are in place: leaving scope removes the kept copy. A
    // removal the card refuses leaves it beside them and fails nothing.
}

} // namespace

void scramble_bytes(std::span<std::uint8_t> bytes)
{
    transform_words(bytes, scramble_word);
}

void unscramble_bytes(std::span<std::uint8_t> bytes)
{
    transform_words(bytes, unscramble_word);
}

std::optional<fs::path> store_file_path()
{
    auto base = absolute_env_dir("XDG_CONFIG_HOME");
    if (!base) {
        const auto home = absolute_env_dir("HOME");
        if (!home)
            return std::nullopt;
        base = *home / ".config";
    }
    return *base / "TQRSetup" / kStoreFileName;
}

void load_settings()
{
    const auto path = store_file_path();
    if (!path) {
        apply_factory_defaults();
        return;
    }
    // Opened without waiting and kept only when it is a regular file: a FIFO
    // or a device in its place would block start-up or never end.
    const int fd = ::open(path->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    std::FILE* f = nullptr;
    if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
        f = ::fdopen(fd, "rb");
    if (f == nullptr) {
        if (fd >= 0)
            ::close(fd);
        apply_factory_defaults();
        return;
    }
    auto record = bytes_of(current_profile);
    const std::size_t got = std::fread(record.data(), 1, record.size(), f);
    std::array<std::uint8_t, 1024> custom{};
    if (std::fseek(f, static_cast<long>(sizeof(ProfileRecord)), SEEK_SET) == 0)
        std::fread(custom.data(), 1, kCustomBytes, f);
    std::fclose(f);

    if (got < sizeof(ProfileRecord)) {
        apply_factory_defaults();
        return;
    }
    transform_words(record, unscramble_word);
    if (std::memcmp(current_profile.magic, kMagicText, kMagicSize) != 0) {
        apply_factory_defaults();
        return;
    }
    std::memcpy(CustomOperators, custom.data(), kCustomBytes);
}

namespace {

fs::path profile_path_in(const std::string& folder)
{
    return folder + "/" + kProfileFileName;
}

// The card's file gets whatever mode a new file gets there: 0666 less the
// umask on a Unix file system, the mount's choice on a FAT or exFAT card.
constexpr mode_t kCardFileMode = 0666;
constexpr mode_t kStoreFileMode = 0600;

std::span<const std::uint8_t> profile_bytes(const std::array<std::uint8_t, sizeof(ProfileRecord)>& scrambled)
{
    return {scrambled.data() + offsetof(ProfileRecord, camera), kProfileFileSize};
}

} // namespace

void save_profile_bin(const std::string& folder, const ProfileRecord& record)
{
    const auto scrambled = scrambled_copy(record);
    const fs::path target = profile_path_in(folder);
    const bool exists = check_replaceable(target, target.string());
    const std::span<const std::uint8_t> parts[] = {profile_bytes(scrambled)};
    PendingFile profile(target, target.string(), kCardFileMode, parts);
    put_in_place(profile, parts[0], exists, nullptr);
}

void save_profile(std::string folder)
{
    const auto scrambled = scrambled_copy(current_profile);
    const fs::path target = profile_path_in(folder);
    const auto store_path = store_file_path();

    const bool profile_exists = check_replaceable(target, target.string());
    if (store_path)
        check_replaceable(*store_path, store_path->string());

    const std::span<const std::uint8_t> profile_parts[] = {profile_bytes(scrambled)};
    PendingFile profile(target, target.string(), kCardFileMode, profile_parts);
    if (!store_path) {
        put_in_place(profile, profile_parts[0], profile_exists, nullptr);
        return;
    }
    make_private_dirs(store_path->parent_path());
    const std::span<const std::uint8_t> store_parts[] = {
        scrambled, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(CustomOperators), kCustomBytes)};
    PendingFile store(*store_path, store_path->string(), kStoreFileMode, store_parts);
    put_in_place(profile, profile_parts[0], profile_exists, &store);
}

} // namespace tqr
