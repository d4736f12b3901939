#pragma once

#include <cstddef>
#include <sys/stat.h>
#include <sys/types.h>

namespace tqr {

// The file-system calls a save makes, in one place, so that a test can make
// any one of them fail where no real medium can be made to fail that way
// (a rename refused after the one before it worked, an fsync that reports an
// I/O error). Each returns what the POSIX call of its name returns and sets
// errno the same way.
class FileOps {
  public:
    virtual ~FileOps() = default;

    virtual int open(const char* path, int flags, mode_t mode);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
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
