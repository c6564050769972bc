#pragma once
// The change mark the two option dialogs share: any change of a control's
// value sets it, whether made by a click, a key, or an accessibility
// client's Toggle action (a screen reader, switch access, voice control);
// closing either dialog clears it, and OK writes OPTION.PRM only while it
// is set.  The main window owns the one mark and hands it to both dialogs.

class QWidget;

namespace moxlet::ui {

struct OptionChangeMark {
    bool changed = false;
};

// Sets the mark on every later change of value of the dialog's check boxes,
// option buttons, combo boxes and spin boxes, so that a control added to an
// option dialog is watched without wiring of its own.  Call it once the
// controls show the options in force: what the dialog sets while filling
// itself is not a change.
void watchForChanges(QWidget* dialog, OptionChangeMark& mark);

}  // namespace moxlet::ui
