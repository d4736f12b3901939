#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tqr::test {

// A private folder for one test: XDG_CONFIG_HOME points into it and it is
// the working folder for the test's lifetime; everything goes on exit.
class TempEnv {
  public:
    TempEnv();
    ~TempEnv();
    TempEnv(const TempEnv&) = delete;
    TempEnv& operator=(const TempEnv&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path config_home() const { return root_ / "config"; }
    std::filesystem::path work() const { return root_ / "work"; }
    std::filesystem::path store_file() const { return config_home() / "TQRSetup" / "TQRSetup.DAT"; }

  private:
    std::filesystem::path root_;
    std::filesystem::path old_cwd_;
    std::string old_xdg_;
    bool had_xdg_ = false;
};

std::string read_file(const std::filesystem::path& p);

// The names in `dir` other than the two settings files and a medium's
// padding: leftovers such as temporary files of a failed save.
std::vector<std::string> stray_files(const std::filesystem::path& dir);
void write_file(const std::filesystem::path& p, const std::string& bytes);

} // namespace tqr::test
