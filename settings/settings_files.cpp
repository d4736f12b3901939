#include "settings/settings_files.h"

#include "settings/factory_defaults.h"
#include "settings/file_exception.h"
#include "settings/profile_record.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
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
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
        throw CFileException(CFileException::cause_from_errno(errno), dir.string());
}

std::string full_path(const fs::path& p)
{
    std::error_code ec;
    const fs::path abs = fs::absolute(p, ec);
    return ec ? p.string() : abs.string();
}

// A new file written beside its target, flushed to the medium, waiting to
// replace the target. Removed again unless committed.
class PendingFile {
  public:
    PendingFile(const fs::path& target, const std::string& open_name, mode_t mode,
                std::span<const std::span<const std::uint8_t>> parts)
        : target_(target)
    {
        std::string pattern = target.string() + ".XXXXXX";
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        // mkstemp creates the file owner-only, before any byte is written.
        const int fd = ::mkstemp(buf.data());
        if (fd < 0)
            throw CFileException(CFileException::cause_from_errno(errno), open_name);
        temp_ = buf.data();
        try {
            if (mode != 0600 && ::fchmod(fd, mode) != 0)
                fail(fd, errno, full_path(target));
            for (const auto& part : parts)
                write_all(fd, part);
            if (::fsync(fd) != 0)
                fail(fd, errno, std::string());
        } catch (...) {
            ::unlink(temp_.c_str());
            throw;
        }
        if (::close(fd) != 0) {
            const int err = errno;
            ::unlink(temp_.c_str());
            throw CFileException(CFileException::cause_from_errno(err), std::string());
        }
    }

    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    ~PendingFile()
    {
        if (!committed_)
            ::unlink(temp_.c_str());
    }

    void commit()
    {
        if (::rename(temp_.c_str(), target_.c_str()) != 0)
            throw CFileException(CFileException::cause_from_errno(errno), full_path(target_));
        committed_ = true;
        sync_folder();
    }

  private:
    [[noreturn]] static void fail(int fd, int err, const std::string& name)
    {
        ::close(fd);
        throw CFileException(CFileException::cause_from_errno(err), name);
    }

    void write_all(int fd, std::span<const std::uint8_t> data)
    {
        std::size_t done = 0;
        while (done < data.size()) {
            const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                fail(fd, errno, full_path(target_));
            }
            if (n == 0)
                fail(fd, ENOSPC, full_path(target_));
            done += static_cast<std::size_t>(n);
        }
    }

    // Makes the rename itself durable; a card pulled right after a save
    // then holds the new file, not a folder entry that was never written.
    void sync_folder() const
    {
        const fs::path dir = target_.has_parent_path() ? target_.parent_path() : fs::path(".");
        const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
        if (dfd >= 0) {
            ::fsync(dfd);
            ::close(dfd);
        }
    }

    fs::path target_;
    std::string temp_;
    bool committed_ = false;
};

mode_t default_file_mode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
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
    std::FILE* f = std::fopen(path->c_str(), "rb");
    if (f == nullptr) {
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
PendingFile pending_profile_bin(const std::string& folder, const std::array<std::uint8_t, 880>& scrambled)
{
    const fs::path profile_path = folder + "/" + kProfileFileName;
    const std::span<const std::uint8_t> blocks(scrambled.data() + offsetof(ProfileRecord, camera), kProfileFileSize);
    const std::span<const std::uint8_t> profile_parts[] = {blocks};
    return PendingFile(profile_path, profile_path.string(), default_file_mode(), profile_parts);
}
} // namespace

void save_profile_bin(const std::string& folder, const ProfileRecord& record)
{
    const auto scrambled = scrambled_copy(record);
    PendingFile profile = pending_profile_bin(folder, scrambled);
    profile.commit();
}

void save_profile(std::string folder)
{
    const auto scrambled = scrambled_copy(current_profile);
    PendingFile profile = pending_profile_bin(folder, scrambled);

    const auto store_path = store_file_path();
    if (!store_path) {
        profile.commit();
        return;
    }
    make_private_dirs(store_path->parent_path());
    const std::span<const std::uint8_t> store_parts[] = {
        scrambled, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(CustomOperators), kCustomBytes)};
    PendingFile store(*store_path, store_path->string(), 0600, store_parts);

    profile.commit();
    store.commit();
}

} // namespace tqr
