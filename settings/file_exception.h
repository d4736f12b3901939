#pragma once

#include "settings/translatable.h"

#include <stdexcept>
#include <string>

namespace tqr {

// A failed file operation: a cause code (1..14 as the platform has them,
// 15 for a card that did not keep what was written) and the name of the
// file, empty where the failing step has none. Shown to the user as the text of
// its cause with the file name filled in.
class CFileException : public std::runtime_error {
  public:
    enum Cause {
        generic = 1,
        file_not_found = 2,
        bad_path = 3,
        too_many_open_files = 4,
        access_denied = 5,
        invalid_file = 6,
        remove_current_dir = 7,
        directory_full = 8,
        bad_seek = 9,
        hard_io = 10,
        sharing_violation = 11,
        lock_violation = 12,
        disk_full = 13,
        end_of_file = 14,
        not_kept = 15,
    };

    CFileException(int cause, std::string file_name);

    int cause() const { return cause_; }
    const std::string& file_name() const { return file_name_; }

    // What stands for the file where the failing step has none.
    static constexpr const char* kUnnamedFile = TQR_TR_NOOP("TQRSetup", "an unnamed file");

    // The user-facing text of the cause with "%1" where the file name goes.
    const char* cause_text() const;
    // That text with "%1" replaced by the file name or kUnnamedFile.
    std::string error_text() const;

    // Maps an errno value to a cause.
    static int cause_from_errno(int err);

  private:
    int cause_;
    std::string file_name_;
};

} // namespace tqr
