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
        const bool by_name = !failed && fail_op_ == op && path.size() >= fail_path_end_.size() &&
                             path.compare(path.size() - fail_path_end_.size(), std::string::npos, fail_path_end_) == 0;
        if (!by_index && !by_name)
            return false;
        failed = true;
        errno = error_;
        return true;
    }

    std::size_t fail_at_ = static_cast<std::size_t>(-1);
    std::string fail_op_;
    std::string fail_path_end_;
    int error_ = 0;
    std::vector<std::string> paths_;
};

} // namespace tqr::test
