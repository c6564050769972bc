#pragma once
// A word-wrapped readout that can grow long, such as the words a student
// cannot read yet in ten sentences or a page of a book, shown within a
// fixed number of lines: beyond them it scrolls.  A label that wraps onto
// more lines after its window has taken its size would otherwise be drawn
// over the window's other parts.

class QLabel;
class QScrollArea;

namespace moxlet::ui {

// Puts `label` (top-left aligned) in a frameless scroll area `lines` lines
// high, named after the label with "Area" added, and returns the area for
// the layout.  The area takes no focus: the label's text stays selectable
// by keyboard and the label keeps its accessible name.
QScrollArea* scrollWithin(QLabel* label, int lines);

}  // namespace moxlet::ui
