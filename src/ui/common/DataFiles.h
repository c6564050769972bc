#pragma once
// The file routines' context for the data folder, and for the folder that
// holds the word base.  A window makes one for each operation, as each file
// is opened, used and closed within one operation.  Also the hourglass a
// window shows while a file operation runs.

#include <memory>

#include "core/store/DataFile.h"
#include "core/store/DiskFileSystem.h"
#include "ui/common/Services.h"

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

// The word base, opened for one operation (a generation, one dialog).
class WordBaseFiles {
public:
    explicit WordBaseFiles(Services& services);
    // Opens WORDBASE.WDB, reporting failures; nullptr when given up.
    std::unique_ptr<WordBase> open() { return WordBase::open(ctx_); }
    const FileContext& context() const { return ctx_; }

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
