#pragma once
// The change mark the two option dialogs share: a click on any of their
// controls sets it, closing either dialog clears it, and OK writes
// OPTION.PRM only while it is set.  The main window owns the one mark and
// hands it to both dialogs.

namespace moxlet::ui {

struct OptionChangeMark {
    bool changed = false;
};

}  // namespace moxlet::ui
