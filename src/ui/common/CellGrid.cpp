#include "ui/common/CellGrid.h"

#include <QHeaderView>

#include "ui/common/MarkFont.h"

namespace moxlet::ui {

CellGrid::CellGrid(int rows, int columns, const QString& objectName, const QString& accessibleName,
                   QWidget* parent)
    : QTableWidget(rows, columns, parent)
{
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setFont(MarkFont::font(9));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) setItem(r, c, new QTableWidgetItem);
    setFixedHeight(fullHeight());
}

QString CellGrid::cell(int row, int column) const
{
    const QTableWidgetItem* it = item(row, column);
    if (!it) return {};
    QString text = it->text();
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    return text;
}

void CellGrid::setCell(int row, int column, const QString& text)
{
    QTableWidgetItem* it = item(row, column);
    if (!it) return;
    it->setText(text);
    it->setToolTip(text);  // a long word or sentence can be read in full
}

void CellGrid::clearCells()
{
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c) setCell(r, c, {});
}

void CellGrid::markRow(int row)
{
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c) {
            QTableWidgetItem* it = item(r, c);
            if (!it) continue;
            QFont f = it->font();
            f.setBold(r == row);
            it->setFont(f);
        }
    if (row >= 0 && row < rowCount()) scrollToItem(item(row, 0));
}

int CellGrid::rowPixels() const { return verticalHeader()->defaultSectionSize(); }

int CellGrid::fullHeight() const { return rowCount() * rowPixels() + 2 * frameWidth(); }

}  // namespace moxlet::ui
