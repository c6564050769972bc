#pragma once
// The file routines' context for the data directory.  The data directory is
// the working directory, taken when a DataFiles is made: a window makes one
// for each operation, as each file is opened, used and closed within one
// operation.  Also the hourglass a window shows while a file operation runs.

#include "DataFile.h"
#include "DiskFileSystem.h"
#include "Services.h"

namespace moxlet::ui {

class DataFiles {
public:
    explicit DataFiles(Services& services);
    const FileContext& context() const { return ctx_; }
    FileSystem& fs() { return fs_; }

private:
    DiskFileSystem fs_;
    FileContext ctx_;
};

// The hourglass pointer for the lifetime of the object.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace moxlet::ui
