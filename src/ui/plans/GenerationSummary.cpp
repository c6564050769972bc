#include "ui/plans/GenerationSummary.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/common/MarkFont.h"

namespace moxlet::ui {

GenerationSummary::GenerationSummary(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WordCnt"));  // the form name
    setWindowTitle(QStringLiteral("Word List Summary"));
    setModal(false);

    auto* grid = new QGridLayout(this);
    auto* segmentHeading = new QLabel(QStringLiteral("Word Segment"), this);
    auto* sizeHeading = new QLabel(QStringLiteral("List Size"), this);
    QFont bold = segmentHeading->font();
    bold.setBold(true);
    segmentHeading->setFont(bold);
    sizeHeading->setFont(bold);
    grid->addWidget(segmentHeading, 0, 0);
    grid->addWidget(sizeHeading, 0, 1);
    // Counts are right-aligned numbers padded with blanks: a fixed-pitch
    // font keeps the digits in their columns.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int i = 0; i < 4; ++i) {
        auto* name = new QLabel(this);
        name->setObjectName(QStringLiteral("PhnName_%1").arg(i));
        name->setFont(MarkFont::font(11));
        name->setMinimumWidth(name->fontMetrics().horizontalAdvance(QStringLiteral("Consonant-le (x)")) + 8);
        auto* count = new QLabel(this);
        count->setObjectName(QStringLiteral("Count_%1").arg(i));
        count->setFont(fixed);
        names_[static_cast<std::size_t>(i)] = name;
        counts_[static_cast<std::size_t>(i)] = count;
        grid->addWidget(name, i + 1, 0);
        grid->addWidget(count, i + 1, 1);
    }
    status_ = new QLabel(QStringLiteral("Generating Word Lists..."), this);
    status_->setObjectName(QStringLiteral("Status"));
    grid->addWidget(status_, 5, 0, 1, 2);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("Note"));
    note_->setWordWrap(true);
    note_->setMinimumWidth(320);
    note_->setMaximumWidth(420);
    note_->hide();
    grid->addWidget(note_, 6, 0, 1, 2);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("OK"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &GenerationSummary::close);
    grid->addWidget(ok_, 7, 1);
}

void GenerationSummary::begin(const QString& caption)
{
    setWindowTitle(caption);
    for (int i = 0; i < 4; ++i) {
        names_[static_cast<std::size_t>(i)]->clear();
        counts_[static_cast<std::size_t>(i)]->clear();
    }
    status_->setText(QStringLiteral("Generating Word Lists..."));
    setNote({});
    ok_->setEnabled(false);
}

void GenerationSummary::setName(int slot, const QString& name)
{
    names_[static_cast<std::size_t>(slot)]->setText(name);
}

void GenerationSummary::setCount(int slot, const QString& count)
{
    counts_[static_cast<std::size_t>(slot)]->setText(count);
}

void GenerationSummary::setNote(const QString& note)
{
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
    adjustSize();  // room for the wrapped lines
}

void GenerationSummary::finish()
{
    status_->setText(QStringLiteral("Word List Generation Completed."));
    ok_->setEnabled(true);
    ok_->setFocus();
}

}  // namespace moxlet::ui
