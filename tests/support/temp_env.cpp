#include "tests/support/temp_env.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace tqr::test {

namespace fs = std::filesystem;

TempEnv::TempEnv()
{
    std::string pattern = (fs::temp_directory_path() / "tqr-test-XXXXXX").string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (::mkdtemp(buf.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    root_ = buf.data();
    fs::create_directories(work());
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME")) {
        had_xdg_ = true;
        old_xdg_ = xdg;
    }
    ::setenv("XDG_CONFIG_HOME", config_home().c_str(), 1);
    old_cwd_ = fs::current_path();
    fs::current_path(work());
}

TempEnv::~TempEnv()
{
    std::error_code ec;
    fs::current_path(old_cwd_, ec);
    if (had_xdg_)
        ::setenv("XDG_CONFIG_HOME", old_xdg_.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(root_, ec);
}

std::string read_file(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> stray_files(const fs::path& dir)
{
    std::vector<std::string> stray;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const auto name = entry.path().filename().string();
        if (name != "PROFILE.BIN" && name != "TQRSetup.DAT" && name != "padding")
            stray.push_back(name);
    }
    return stray;
}

void write_file(const fs::path& p, const std::string& bytes)
{
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace tqr::test
