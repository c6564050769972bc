#pragma once
// Draws a grid cell as usual, then the red wavy line under the stretches of
// its text that a caller marked (MarkedLineEdit.h), on screen only.  The
// marks are the cell's data in kTextMarksRole: a list of QPoint(begin, end)
// character positions.

#include <QStyledItemDelegate>

namespace moxlet::ui {

inline constexpr int kTextMarksRole = Qt::UserRole + 20;

class MarkedCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace moxlet::ui
