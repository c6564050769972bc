#pragma once
// A one-line text box that can underline stretches of its text with a red
// wavy line, as a spelling checker does, and say why in a tooltip over
// them.  The marks are drawn over the ordinary box, on screen only: the
// text itself is untouched, so what is saved, printed or copied never
// carries them.  Marks are given in the text's character positions and are
// the caller's to keep current (setMarks after a change of the text).  A
// screen reader hears the marks' reasons as the box's accessible
// description.

#include <QLineEdit>
#include <vector>

namespace moxlet::ui {

// A stretch of text to mark: characters [begin, end) and why.
struct TextMark {
    int begin = 0;
    int end = 0;
    QString tip;
};

class MarkedLineEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    void setMarks(std::vector<TextMark> marks);
    const std::vector<TextMark>& marks() const { return marks_; }
    // The tooltip of the mark over point `pos` (widget coordinates), or an
    // empty string.
    QString markTipAt(QPoint pos) const;
    // Where character position `position` is drawn (widget x coordinate).
    int xOfPosition(int position) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::vector<TextMark> marks_;
};

// A red wavy line from x1 to x2 along y, as spelling checkers draw it.
void paintWavyLine(QPainter& painter, int x1, int x2, int y);

}  // namespace moxlet::ui
