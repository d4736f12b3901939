#pragma once

#include <cstddef>
#include <sys/stat.h>
#include <sys/types.h>

namespace tqr {

// The file-system calls a save makes, in one place, so that a test can make
// any one of them fail where no real medium can be made to fail that way
// (a rename refused after the one before it worked, an fsync that reports an
// I/O error, a card that gives back other bytes than it was given). Each
// returns what the POSIX call of its name returns and sets errno the same
// way.
class FileOps {
  public:
    virtual ~FileOps() = default;

    virtual int open(const char* path, int flags, mode_t mode);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual ssize_t pread(int fd, void* data, std::size_t size, off_t offset);
    // posix_fadvise(POSIX_FADV_DONTNEED) over the whole file: its clean
    // pages leave the page cache, so the next read comes from the medium.
    // Returns 0, or -1 with errno set.
    virtual int drop_cached_pages(int fd);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int unlink(const char* path);
    virtual int mkdir(const char* path, mode_t mode);
    virtual int stat(const char* path, struct stat* st);
    virtual int access(const char* path, int mode);
};

// The calls in use: the real ones unless a ScopedFileOps is alive.
FileOps& file_ops();

// Puts `ops` in place of the real calls for the object's lifetime.
class ScopedFileOps {
  public:
    explicit ScopedFileOps(FileOps& ops);
    ~ScopedFileOps();
    ScopedFileOps(const ScopedFileOps&) = delete;
    ScopedFileOps& operator=(const ScopedFileOps&) = delete;

  private:
    FileOps* previous_;
};

} // namespace tqr
