// What reading PROFILE.BIN back costs a save: saves it N times into FOLDER
// (the card) and times the whole save and, within it, the read-back (open,
// dropping the cached pages, reading, closing). It overwrites FOLDER's
// PROFILE.BIN with factory settings: give it a spare card.
//   read_back_bench FOLDER [N]
#include "settings/factory_defaults.h"
#include "settings/file_ops.h"
#include "settings/profile_record.h"
#include "settings/settings_files.h"

#include <fcntl.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

using namespace tqr;
using Clock = std::chrono::steady_clock;

namespace {

// The real calls, with the time spent on the file read back added up.
class TimedReadBack final : public FileOps {
  public:
    double seconds = 0;
    template <typename F> auto timed(F call) -> decltype(call())
    {
        const auto start = Clock::now();
        const auto result = call();
        add(start, true);
        return result;
    }
    int open(const char* path, int flags, mode_t mode) override
    {
        // The save opens nothing else for reading but folders to sync.
        const bool read_back = (flags & O_ACCMODE) == O_RDONLY && (flags & O_DIRECTORY) == 0;
        const auto start = Clock::now();
        const int fd = FileOps::open(path, flags, mode);
        if (read_back)
            reading_ = fd;
        add(start, read_back);
        return fd;
    }
    int drop_cached_pages(int fd) override
    {
        return timed([&] { return FileOps::drop_cached_pages(fd); });
    }
    ssize_t pread(int fd, void* data, std::size_t size, off_t offset) override
    {
        return timed([&] { return FileOps::pread(fd, data, size, offset); });
    }
    int close(int fd) override
    {
        const bool read_back = fd == reading_;
        const auto start = Clock::now();
        const int rc = FileOps::close(fd);
        add(start, read_back);
        return rc;
    }

  private:
    void add(Clock::time_point start, bool counts)
    {
        if (counts)
            seconds += std::chrono::duration<double>(Clock::now() - start).count();
    }
    int reading_ = -1;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: read_back_bench FOLDER [N]\n";
        return 2;
    }
    const std::string folder = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
    apply_factory_defaults();
    std::vector<double> saves, read_backs;
    for (int i = 0; i < runs; ++i) {
        TimedReadBack timed;
        ScopedFileOps scope(timed);
        current_profile.gsm.max_size = static_cast<std::uint16_t>(40 + i % 20); // new bytes each time
        const auto start = Clock::now();
        save_profile_bin(folder, current_profile);
        saves.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        read_backs.push_back(timed.seconds * 1000);
    }
    std::cout << folder << ": " << runs << " saves, median " << median(saves) << " ms per save, of which the read-back "
              << median(read_backs) << " ms (max " << *std::max_element(read_backs.begin(), read_backs.end())
              << " ms)\n";
    return 0;
}
