#pragma once

#include "settings/file_ops.h"

#include <cerrno>
#include <string>
#include <vector>

namespace tqr::test {

// The real file calls, with one of them made to fail: the call numbered
// `fail_at` (counting from 0 over every call a save makes) returns -1 with
// `error`, or every call that `matches` does. Records each call, so that a
// test can first learn the steps of a save and then fail each in turn.
class FaultyFileOps final : public FileOps {
  public:
    struct Call {
        std::string op;
        std::string path;
    };

    // Fails the first call of `op` on a path ending in `path_end` (for a
    // rename: the path it renames to).
    void fail(std::string op, std::string path_end, int error)
    {
        fail_op_ = std::move(op);
        fail_path_end_ = std::move(path_end);
        error_ = error;
    }
    void fail_call(std::size_t index, int error)
    {
        fail_at_ = index;
        error_ = error;
    }
    // Every read of a file whose path ends in `path_end` gives byte `at`
    // back inverted, as from a card that did not keep what it was given.
    void garble_reads(std::string path_end, std::size_t at)
    {
        garble_path_end_ = std::move(path_end);
        garble_at_ = at;
    }

    std::vector<Call> calls;
    bool failed = false;

    int open(const char* path, int flags, mode_t mode) override
    {
        if (should_fail("open", path))
            return -1;
        const int fd = FileOps::open(path, flags, mode);
        if (fd >= 0) {
            if (paths_.size() <= static_cast<std::size_t>(fd))
                paths_.resize(static_cast<std::size_t>(fd) + 1);
            paths_[static_cast<std::size_t>(fd)] = path;
        }
        return fd;
    }
    ssize_t write(int fd, const void* data, std::size_t size) override
    {
        return should_fail("write", path_of(fd)) ? -1 : FileOps::write(fd, data, size);
    }
    ssize_t pread(int fd, void* data, std::size_t size, off_t offset) override
    {
        const std::string path = path_of(fd);
        if (should_fail("pread", path))
            return -1;
        const ssize_t n = FileOps::pread(fd, data, size, offset);
        const auto at = static_cast<off_t>(garble_at_);
        if (!garble_path_end_.empty() && ends_with(path, garble_path_end_) && at >= offset && at < offset + n)
            static_cast<unsigned char*>(data)[at - offset] ^= 0xFF;
        return n;
    }
    int drop_cached_pages(int fd) override
    {
        return should_fail("drop_cached_pages", path_of(fd)) ? -1 : FileOps::drop_cached_pages(fd);
    }
    int fsync(int fd) override { return should_fail("fsync", path_of(fd)) ? -1 : FileOps::fsync(fd); }
    int close(int fd) override
    {
        // A failed close still releases the descriptor, as on Linux.
        const bool fail_now = should_fail("close", path_of(fd));
        const int rc = FileOps::close(fd);
        return fail_now ? -1 : rc;
    }
    int rename(const char* from, const char* to) override
    {
        return should_fail("rename", std::string(from) + " -> " + to) ? -1 : FileOps::rename(from, to);
    }
    int unlink(const char* path) override { return should_fail("unlink", path) ? -1 : FileOps::unlink(path); }
    int mkdir(const char* path, mode_t mode) override
    {
        return should_fail("mkdir", path) ? -1 : FileOps::mkdir(path, mode);
    }
    int stat(const char* path, struct stat* st) override
    {
        return should_fail("stat", path) ? -1 : FileOps::stat(path, st);
    }
    int access(const char* path, int mode) override
    {
        return should_fail("access", path) ? -1 : FileOps::access(path, mode);
    }

  private:
    std::string path_of(int fd) const
    {
        return fd >= 0 && static_cast<std::size_t>(fd) < paths_.size() ? paths_[static_cast<std::size_t>(fd)]
                                                                       : std::string();
    }

    bool should_fail(const char* op, const std::string& path)
    {
        const std::size_t index = calls.size();
        calls.push_back({op, path});
        const bool by_index = index == fail_at_;
        const bool by_name = !failed && fail_op_ == op && ends_with(path, fail_path_end_);
        if (!by_index && !by_name)
            return false;
        failed = true;
        errno = error_;
        return true;
    }

    static bool ends_with(const std::string& path, const std::string& end)
    {
        return path.size() >= end.size() && path.compare(path.size() - end.size(), std::string::npos, end) == 0;
    }

    std::size_t fail_at_ = static_cast<std::size_t>(-1);
    std::string fail_op_;
    std::string fail_path_end_;
    int error_ = 0;
    std::vector<std::string> paths_;
    std::string garble_path_end_;
    std::size_t garble_at_ = 0;
};

} // namespace tqr::test
