#include "ui/words/SegmentPickerDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/catalogue/Catalogue.h"
#include "ui/common/FindField.h"
#include "ui/common/MarkFont.h"
#include "ui/common/Text.h"

namespace moxlet::ui {

SegmentPickerDialog::SegmentPickerDialog(Kind kind, Services& services, SegmentPicker& picker,
                                         QWidget* parent)
    : QDialog(parent), services_(services), picker_(picker)
{
    const char* names[] = {"SelOldPh", "SelNewPh", "SelPhn"};
    setObjectName(QString::fromLatin1(names[static_cast<int>(kind)]));  // the form name
    setWindowTitle(kind == Kind::WordList ? QStringLiteral("Select Word Segment")
                                          : QStringLiteral("Select Word Segments"));

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("PList"));
    list_->setAccessibleName(QStringLiteral("Word segments"));
    list_->setFont(MarkFont::font(10));
    list_->setSelectionMode(QAbstractItemView::MultiSelection);
    for (SegmentId s : picker_.lines()) list_->addItem(markedText(segmentName(s)));
    list_->viewport()->installEventFilter(this);
    list_->installEventFilter(this);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SegmentPickerDialog::selectionEdited);

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    auto* clear =
        buttons->addButton(kind == Kind::WordList ? QStringLiteral("Clear") : QStringLiteral("C&lear"),
                           QDialogButtonBox::ResetRole);
    clear->setObjectName(QStringLiteral("Clear"));
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &SegmentPickerDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SegmentPickerDialog::reject);
    connect(clear, &QPushButton::clicked, this, &SegmentPickerDialog::clearSlots);

    auto* find = new FindField(list_, this);
    auto* column = new QVBoxLayout;
    column->addWidget(find);
    column->addWidget(list_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column, 1);
    layout->addWidget(buttons);
    resize(360, 420);

    showSlots();
    if (list_->count() > 0) list_->scrollToTop();
    list_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

void SegmentPickerDialog::showSlots()
{
    selectingByProgram_ = true;
    const std::vector<bool> selected = picker_.selectedLines();
    for (int i = 0; i < list_->count(); ++i)
        list_->item(i)->setSelected(selected[static_cast<std::size_t>(i)]);
    selectingByProgram_ = false;
}

void SegmentPickerDialog::toggle(int line, bool nowSelected)
{
    const bool changed = picker_.toggle(line, nowSelected, services_.prompt);
    showSlots();  // a refused line is unselected again, a kept repeat stays selected
    if (changed) Q_EMIT slotsChanged();
}

void SegmentPickerDialog::selectionEdited(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (selectingByProgram_) return;
    // One line at a time is the tutor's; take each change as its toggle.
    for (const QModelIndex& i : selected.indexes()) toggle(i.row(), true);
    for (const QModelIndex& i : deselected.indexes()) toggle(i.row(), false);
}

bool SegmentPickerDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex at = list_->indexAt(mouse->position().toPoint());
        if (at.isValid() && mouse->button() == Qt::LeftButton && mouse->modifiers() == Qt::ControlModifier &&
            picker_.addsRepeat(at.row())) {
            // Ctrl+click on a chosen line: one more occurrence, not a removal.
            list_->selectionModel()->setCurrentIndex(at, QItemSelectionModel::NoUpdate);
            toggle(at.row(), true);
            return true;
        }
    }
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonDblClick)
        return true;  // one click
    return QDialog::eventFilter(watched, event);
}

void SegmentPickerDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowTitleChange) {
        // The title bar's font is the window system's; the dialog's bold
        // font with room for the icon and the window buttons is near it.
        QFont bold = font();
        bold.setBold(true);
        const int wanted = QFontMetrics(bold).horizontalAdvance(windowTitle()) + 160;
        setMinimumWidth(std::max(minimumWidth(), wanted));
        if (width() < wanted) resize(wanted, height());
    }
    QDialog::changeEvent(event);
}

void SegmentPickerDialog::clearSlots()
{
    picker_.clear();
    showSlots();
    Q_EMIT slotsChanged();
    list_->setFocus();
}

void SegmentPickerDialog::reject()
{
    picker_.cancel();
    showSlots();
    Q_EMIT slotsChanged();
    QDialog::reject();
}

}  // namespace moxlet::ui
