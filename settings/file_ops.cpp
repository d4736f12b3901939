#include "settings/file_ops.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace tqr {

int FileOps::open(const char* path, int flags, mode_t mode)
{
    return ::open(path, flags, mode);
}

ssize_t FileOps::write(int fd, const void* data, std::size_t size)
{
    return ::write(fd, data, size);
}

ssize_t FileOps::pread(int fd, void* data, std::size_t size, off_t offset)
{
    return ::pread(fd, data, size, offset);
}

int FileOps::drop_cached_pages(int fd)
{
    const int err = ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    if (err == 0)
        return 0;
    errno = err;
    return -1;
}

int FileOps::fsync(int fd)
{
    return ::fsync(fd);
}

int FileOps::close(int fd)
{
    return ::close(fd);
}

int FileOps::rename(const char* from, const char* to)
{
    return ::rename(from, to);
}

int FileOps::unlink(const char* path)
{
    return ::unlink(path);
}

int FileOps::mkdir(const char* path, mode_t mode)
{
    return ::mkdir(path, mode);
}

int FileOps::stat(const char* path, struct stat* st)
{
    return ::stat(path, st);
}

int FileOps::access(const char* path, int mode)
{
    return ::access(path, mode);
}

namespace {
FileOps real_ops;
FileOps* current_ops = &real_ops;
} // namespace

FileOps& file_ops()
{
    return *current_ops;
}

ScopedFileOps::ScopedFileOps(FileOps& ops) : previous_(current_ops)
{
    current_ops = &ops;
}

ScopedFileOps::~ScopedFileOps()
{
    current_ops = previous_;
}

} // namespace tqr
