#include "settings/file_exception.h"

#include <cerrno>

namespace tqr {

namespace {
const char* cause_pattern(int cause)
{
    switch (cause) {
    case 2: return TQR_TR_NOOP("TQRSetup", "%1 was not found.");
    case 3: return TQR_TR_NOOP("TQRSetup", "%1 contains an invalid path.");
    case 4: return TQR_TR_NOOP("TQRSetup", "%1 could not be opened because there are too many open files.");
    case 5: return TQR_TR_NOOP("TQRSetup", "Access to %1 was denied.");
    case 6: return TQR_TR_NOOP("TQRSetup", "An invalid file handle was associated with %1.");
    case 7: return TQR_TR_NOOP("TQRSetup", "%1 could not be removed because it is the current directory.");
    case 8: return TQR_TR_NOOP("TQRSetup", "%1 could not be created because the directory is full.");
    case 9: return TQR_TR_NOOP("TQRSetup", "Seek failed on %1");
    case 10: return TQR_TR_NOOP("TQRSetup", "A hardware I/O error was reported while accessing %1.");
    case 11: return TQR_TR_NOOP("TQRSetup", "A sharing violation occurred while accessing %1.");
    case 12: return TQR_TR_NOOP("TQRSetup", "A locking violation occurred while accessing %1.");
    case 13: return TQR_TR_NOOP("TQRSetup", "Disk full while accessing %1.");
    case 14: return TQR_TR_NOOP("TQRSetup", "An attempt was made to access %1 past its end.");
    case 15:
        return TQR_TR_NOOP("TQRSetup", "The card did not keep %1: reading it back gave other bytes than were written. "
                                       "The card may be failing or counterfeit. Nothing was saved.");
    default: return TQR_TR_NOOP("TQRSetup", "An unknown error occurred while accessing %1.");
    }
}
} // namespace

CFileException::CFileException(int cause, std::string file_name)
    : std::runtime_error("file error"), cause_(cause), file_name_(std::move(file_name))
{
}

const char* CFileException::cause_text() const
{
    return cause_pattern(cause_);
}

std::string CFileException::error_text() const
{
    std::string text = cause_pattern(cause_);
    const std::string name = file_name_.empty() ? kUnnamedFile : file_name_;
    const auto pos = text.find("%1");
    if (pos != std::string::npos)
        text.replace(pos, 2, name);
    return text;
}

int CFileException::cause_from_errno(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return bad_path;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return access_denied;
    case EMFILE:
    case ENFILE: return too_many_open_files;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return disk_full;
    case EBUSY:
    case ETXTBSY: return sharing_violation;
    case EIO: return hard_io;
    default: return generic;
    }
}

} // namespace tqr
