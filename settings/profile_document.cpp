#include "settings/profile_document.h"

#include "settings/bounded_read.h"
#include "settings/settings_files.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace tqr {

namespace fs = std::filesystem;

namespace {

// A PROFILE.BIN holds the two blocks; the header is the magic text and the
// GSM model.
ProfileRecord record_of_profile_bin(const std::vector<std::uint8_t>& bytes)
{
    ProfileRecord r{};
    auto record = bytes_of(r);
    std::copy(bytes.begin(), bytes.end(), record.begin() + offsetof(ProfileRecord, camera));
    unscramble_bytes(record);
    std::memcpy(r.magic, kMagicText, kMagicSize);
    r.model_index = kGsmModel;
    r.header_reserved = 0;
    return r;
}

} // namespace

std::string settings_file_named(const std::string& name)
{
    std::error_code ec;
    if (name == "-" || !fs::is_directory(name, ec))
        return name;
    const fs::path inside = fs::path(name) / kProfileFileName;
    if (!fs::exists(inside, ec))
        throw ProfileError(name + ": is a folder without a " + kProfileFileName);
    return inside.string();
}

ProfileDocument read_profile_file(const fs::path& path)
{
    const std::string name = settings_file_named(path.string());
    return parse_profile_input(
        read_bounded_prefix(name, kSettingsFileLimit, TQR_TR_NOOP("TQRSetup", "a settings file")), name);
}

ProfileDocument parse_profile_input(const BoundedInput& in, const std::string& name)
{
    ProfileDocument doc = parse_profile_bytes(in.bytes.substr(0, kSettingsFileLimit), name);
    doc.ignored_bytes = in.size - std::min<std::uintmax_t>(in.size, kSettingsFileLimit);
    return doc;
}

ProfileDocument parse_profile_bytes(const std::string& data, const std::string& name)
{
    const std::vector<std::uint8_t> bytes(data.begin(), data.end());

    ProfileDocument doc;
    auto record = bytes_of(doc.record);
    if (bytes.size() == kProfileFileSize) {
        doc.kind = FileKind::profile_bin;
        doc.record = record_of_profile_bin(bytes);
        return doc;
    }
    if (bytes.size() < sizeof(ProfileRecord))
        throw ProfileError(name + ": wrong size, " + std::to_string(bytes.size()) +
                           " bytes (a PROFILE.BIN has 860, a store file 1672)");
    std::copy_n(bytes.begin(), sizeof(ProfileRecord), record.begin());
    unscramble_bytes(record);
    if (std::memcmp(doc.record.magic, kMagicText, kMagicSize) != 0)
        throw ProfileError(name + ": bad magic text, not a TQR Setup store file");
    doc.kind = FileKind::store_file;
    std::array<OperatorEntry, kCustomOperatorCount> custom{};
    const std::size_t rest = std::min(bytes.size() - sizeof(ProfileRecord), sizeof custom);
    std::memcpy(custom.data(), bytes.data() + sizeof(ProfileRecord), rest);
    doc.custom = custom;
    return doc;
}

ProfileRecord read_card_file(const fs::path& path)
{
    const std::string data = read_bounded(path.string(), kProfileFileSize, TQR_TR_NOOP("TQRSetup", "a PROFILE.BIN"));
    if (data.size() != kProfileFileSize)
        throw ProfileError(Phrase(TQR_TR_NOOP("TQRSetup", "%1: wrong size, %2 bytes (a PROFILE.BIN has 860)"),
                                  {path.string(), std::to_string(data.size())}));
    return record_of_profile_bin(std::vector<std::uint8_t>(data.begin(), data.end()));
}

} // namespace tqr
