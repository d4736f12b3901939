#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace tqr {

struct ProfileRecord;

inline constexpr std::size_t kProfileFileSize = 860;
inline constexpr std::size_t kStoreFileSize = 1672;
inline constexpr const char* kProfileFileName = "PROFILE.BIN";
inline constexpr const char* kStoreFileName = "TQRSetup.DAT";

// Every 16-bit word of both files is rotated left by four bits and inverted.
std::uint16_t scramble_word(std::uint16_t w);
std::uint16_t unscramble_word(std::uint16_t s);

// $XDG_CONFIG_HOME/TQRSetup/TQRSetup.DAT, or under $HOME/.config when
// XDG_CONFIG_HOME is unset or relative; nothing when neither is absolute.
std::optional<std::filesystem::path> store_file_path();

// Scrambles or unscrambles every 16-bit little-endian word of `bytes` in
// place (an odd last byte stays as it is).
void scramble_bytes(std::span<std::uint8_t> bytes);
void unscramble_bytes(std::span<std::uint8_t> bytes);

// Reads the store file into current_profile and the custom rows; any
// problem with the file falls back to the factory defaults, silently.
void load_settings();

// Writes PROFILE.BIN into `folder` and then the store file. Nothing is
// replaced until both new files are safely on their media, an existing
// file the user may not write (or a folder in its place) is refused with
// cause 5, and the new PROFILE.BIN is read back from the card (not from the
// cache): other bytes than were written fail the save with cause 15. The
// previous PROFILE.BIN is put back when the read-back fails or the store
// file cannot be put in place. A failure throws CFileException and leaves
// the previous files as they were, with no file of the save left behind.
void save_profile(std::string folder);

// Writes only PROFILE.BIN of `record` into `folder`, with the same checks,
// the same read-back and the same safe replacement; the store file is not
// touched.
void save_profile_bin(const std::string& folder, const ProfileRecord& record);

} // namespace tqr
