// Writes the seed corpora of the fuzz targets:
//   make_seeds fuzz/corpus
#include "settings/factory_defaults.h"
#include "settings/settings_files.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using namespace tqr;
namespace fs = std::filesystem;

namespace {

void write(const fs::path& p, const std::string& bytes)
{
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string saved_store(const fs::path& scratch)
{
    ::setenv("XDG_CONFIG_HOME", (scratch / "config").c_str(), 1);
    fs::create_directories(scratch / "card");
    save_profile((scratch / "card").string());
    std::ifstream in(scratch / "config" / "TQRSetup" / "TQRSetup.DAT", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

int main(int argc, char** argv)
{
    const fs::path out = argc > 1 ? argv[1] : "fuzz/corpus";
    const fs::path scratch = fs::temp_directory_path() / "tqr-seeds";
    fs::remove_all(scratch);

    apply_factory_defaults();
    const std::string defaults = saved_store(scratch);
    write(out / "store_file" / "default.dat", defaults);

    write_text(current_profile.gsm.phones[0], "+4917012345");
    write_text(current_profile.gsm.phones[1], "0301234");
    write_text(current_profile.gsm.emails[1], "me@example.org");
    current_profile.gsm.operator_select = pack_operator_select(24, 1);
    current_profile.gsm.send_via = 0;
    current_profile.gsm.send_to = 2;
    current_profile.gsm.send_schedule = pack_send_schedule({1, 5, 18, 30});
    write_text(current_profile.gsm.rename_text, "Cam7");
    write_text(CustomOperators[1].mms_url, "http://mms.example.net");
    write_text(CustomOperators[1].mms_gateway, "010.000.000.001");
    write(out / "store_file" / "crafted.dat", saved_store(scratch));

    write(out / "store_file" / "short-879.dat", defaults.substr(0, 879));
    write(out / "store_file" / "record-only-880.dat", defaults.substr(0, 880));
    write(out / "store_file" / "all-ff.dat", std::string(1672, '\xFF'));
    write(out / "store_file" / "empty.dat", std::string());

    static const char numbers[] = "0\0 42 \0-1\0"
                                  "10001";
    static const char recipients[] = "+49 170 1;;0301\0a@b.c;@x;d@e\r\nf@g\0cam01\0"
                                     "40";
    write(out / "control_text" / "numbers", std::string(numbers, sizeof numbers - 1));
    write(out / "control_text" / "recipients", std::string(recipients, sizeof recipients - 1));
    fs::remove_all(scratch);
    return 0;
}
