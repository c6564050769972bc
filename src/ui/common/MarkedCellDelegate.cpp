#include "ui/common/MarkedCellDelegate.h"

#include <QApplication>
#include <QPainter>

#include "ui/common/MarkedLineEdit.h"

namespace moxlet::ui {

void MarkedCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const QVariantList marks = index.data(kTextMarksRole).toList();
    if (marks.isEmpty()) return;
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QWidget* view = option.widget;
    QStyle* style = view ? view->style() : QApplication::style();
    // The text is drawn left-aligned inside the item's text rectangle,
    // after the style's margin.
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, view);
    const int left = text.left() + style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QFontMetrics metrics(cell.font);
    const int y = text.top() + (text.height() - metrics.height()) / 2 + metrics.ascent() + 2;
    painter->save();
    painter->setClipRect(text);
    for (const QVariant& mark : marks) {
        const QPoint range = mark.toPoint();
        paintWavyLine(*painter, left + metrics.horizontalAdvance(cell.text.left(range.x())),
                      left + metrics.horizontalAdvance(cell.text.left(range.y())), y);
    }
    painter->restore();
}

}  // namespace moxlet::ui
