#include "ui/common/FindField.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTreeView>

namespace moxlet::ui {

FindField::FindField(QAbstractItemView* view, QWidget* parent)
    : QWidget(parent), view_(view), selection_(view->selectionModel()), model_(view->model())
{
    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("Find"));
    field_->setClearButtonEnabled(true);
    field_->setToolTip(QStringLiteral("Type letters to show only the lines that hold them"));
    field_->installEventFilter(this);
    auto* label = new QLabel(QStringLiteral("&Find:"), this);
    label->setBuddy(field_);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("SelectedCount"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(field_, 1);
    layout->addSpacing(12);
    layout->addWidget(count_);

    connect(field_, &QLineEdit::textChanged, this, &FindField::applyFilter);
    connect(selection_, &QItemSelectionModel::selectionChanged, this, &FindField::showCount);
    // A model reset (a list filled again) keeps the count true.
    connect(model_, &QAbstractItemModel::modelReset, this, &FindField::showCount);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &FindField::showCount);
    showCount();
}

int FindField::selectedCount() const
{
    // Lines, not the headings of a tree.
    int n = 0;
    if (!selection_ || !model_) return n;
    for (const QModelIndex& i : selection_->selectedIndexes())
        if (i.column() == 0 && model_->rowCount(i) == 0) ++n;
    return n;
}

void FindField::showCount() { count_->setText(QStringLiteral("%1 selected").arg(selectedCount())); }

void FindField::applyFilter()
{
    const QString text = field_->text().trimmed();
    const QAbstractItemModel* model = view_->model();
    const auto matches = [&](const QModelIndex& i) {
        return text.isEmpty() || i.data().toString().contains(text, Qt::CaseInsensitive);
    };
    if (auto* tree = qobject_cast<QTreeView*>(view_)) {
        for (int r = 0; r < model->rowCount(); ++r) {
            const QModelIndex top = model->index(r, 0);
            const int lines = model->rowCount(top);
            if (lines == 0) {
                tree->setRowHidden(r, {}, !matches(top));
                continue;
            }
            bool any = false;
            for (int c = 0; c < lines; ++c) {
                const bool shown = matches(model->index(c, 0, top));
                tree->setRowHidden(c, top, !shown);
                any = any || shown;
            }
            tree->setRowHidden(r, {}, !any);
            if (any && !text.isEmpty()) tree->expand(top);
        }
    } else if (auto* list = qobject_cast<QListView*>(view_)) {
        for (int r = 0; r < model->rowCount(); ++r) list->setRowHidden(r, !matches(model->index(r, 0)));
    }
}

void FindField::moveToFirstShown()
{
    view_->scrollToTop();
    QModelIndex first = view_->indexAt(QPoint(1, 1));
    // The first line shown, past a heading.
    if (auto* tree = qobject_cast<QTreeView*>(view_);
        tree && first.isValid() && tree->model()->rowCount(first) > 0)
        first = tree->indexBelow(first);
    view_->setFocus();
    if (first.isValid()) view_->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
}

bool FindField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down) {
            moveToFirstShown();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace moxlet::ui
