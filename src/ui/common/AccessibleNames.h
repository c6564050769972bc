#pragma once
// Names for controls whose caption does not say what they do, as a screen
// reader announces them and as a tooltip shows them.

#include <QString>

class QAbstractButton;
class QComboBox;

namespace moxlet::ui {

// A combo box and its drop-down list, which is a window of its own and is
// announced apart from the box when it opens.
void nameComboBox(QComboBox* combo, const QString& name);

// A button whose caption is only "..." or a picture: the name is announced
// and shown as its tooltip.
void nameEllipsisButton(QAbstractButton* button, const QString& name);

}  // namespace moxlet::ui
