#pragma once

// A settings file as the companion tool reads and writes it: either a
// camera's PROFILE.BIN (the two blocks) or a store file (the whole record
// and the custom operator rows).

#include "settings/bounded_read.h"
#include "settings/factory_defaults.h"
#include "settings/profile_record.h"
#include "settings/translatable.h"

#include <array>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

namespace tqr {

// A file or description that cannot be used, with a message for the user.
class ProfileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
    // A message the dialog can show in the user's language; what() is its
    // English.
    explicit ProfileError(Phrase message) : std::runtime_error(message.english()), message_(std::move(message)) {}

    // The message as a phrase: the translatable one, or what() as it is.
    Phrase phrase() const { return message_.text[0] != '\0' ? message_ : Phrase("%1", {what()}); }

  private:
    Phrase message_;
};

enum class FileKind { profile_bin, store_file };

struct ProfileDocument {
    FileKind kind = FileKind::profile_bin;
    // For PROFILE.BIN only bytes 20..879 come from the file; the header is
    // the magic text and the GSM model.
    ProfileRecord record{};
    // Store files only.
    std::optional<std::array<OperatorEntry, kCustomOperatorCount>> custom;
    // What a store file holds past its 1672 bytes, which the dialog's
    // loading ignores too.
    std::uintmax_t ignored_bytes = 0;
};

// Reads a PROFILE.BIN (860 bytes; a card's folder stands for the one in
// it) or a store file (880 bytes or more whose unscrambled record starts
// with the magic text; what lies past 1672 bytes is ignored, as the
// dialog's loading ignores it; "-" reads standard input).
ProfileDocument read_profile_file(const std::filesystem::path& path);
// The file a name stands for: a folder's PROFILE.BIN, else the name itself.
std::string settings_file_named(const std::string& name);
// The same for bytes already read; `name` names them in messages.
ProfileDocument parse_profile_bytes(const std::string& bytes, const std::string& name);
// The same for a bounded read of any length: what lies past a store file's
// 1672 bytes is counted as ignored, as the dialog's loading ignores it.
ProfileDocument parse_profile_input(const BoundedInput& in, const std::string& name);

// Reads a camera's PROFILE.BIN the same way; any other size is refused.
ProfileRecord read_card_file(const std::filesystem::path& path);

} // namespace tqr
