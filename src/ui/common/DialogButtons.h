#pragma once
// The OK and Cancel buttons most dialogs end with.

#include <Qt>

class QDialog;
class QDialogButtonBox;

namespace moxlet::ui {

// OK (the default button, object name OK) and Cancel (object name Cancel)
// in a button box of `dialog`, wired to its accept() and reject(), which
// the dialog may override.
QDialogButtonBox* okCancelButtons(QDialog* dialog, Qt::Orientation orientation = Qt::Horizontal);

}  // namespace moxlet::ui
