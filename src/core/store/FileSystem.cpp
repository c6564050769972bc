#include "core/store/FileSystem.h"

#include <cerrno>

namespace moxlet {

int fileErrorFromErrno(int err)
{
    switch (err) {
    case ENOENT: return FileErrorNo::FileNotFound;
    case EACCES:
    case EPERM: return FileErrorNo::PermissionDenied;
    case EROFS:
    case EISDIR: return FileErrorNo::PathFileAccessError;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG: return FileErrorNo::DiskFull;
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ: return FileErrorNo::BadFileName;
    case EMFILE:
    case ENFILE: return FileErrorNo::TooManyFiles;
    case EIO: return FileErrorNo::DeviceIoError;
    case ENODEV:
    case ENXIO:
    case ETIMEDOUT:
#ifdef ESTALE
    case ESTALE:
#endif
        return FileErrorNo::DeviceUnavailable;
    case ENOTDIR: return FileErrorNo::PathNotFound;
    case EEXIST: return FileErrorNo::FileAlreadyExists;
    case EBUSY:
    case ETXTBSY: return FileErrorNo::FileAlreadyOpen;
    default: return FileErrorNo::PathFileAccessError;
    }
}

std::string temporaryNameFor(const std::string& name) { return name + ".NEW"; }

void replaceFileAtomically(FileSystem& fs, const std::string& name, std::span<const std::uint8_t> bytes,
                           const std::string& temporaryName)
{
    fs.write(temporaryName, bytes);
    fs.flush(temporaryName);
    fs.rename(temporaryName, name);
}

}  // namespace moxlet
