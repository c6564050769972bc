#include "ui/options/PrintOptionsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/options/OptionFile.h"
#include "ui/common/DialogButtons.h"

namespace moxlet::ui {

namespace {

QGroupBox* frame(QWidget* parent, const char* name, const char* caption)
{
    auto* box = new QGroupBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    new QVBoxLayout(box);
    return box;
}

template <class Control>
Control* control(QGroupBox* box, const QString& name, const char* caption)
{
    auto* c = new Control(QString::fromLatin1(caption), box);
    c->setObjectName(name);
    box->layout()->addWidget(c);
    return c;
}

// The button of a group for a value: 1 the first, 2 the second, any other
// value the last (list sizes).
int sizeButton(std::int16_t value) { return value == 1 ? 0 : value == 2 ? 1 : 2; }
std::int16_t sizeValue(QRadioButton* const buttons[3])
{
    return buttons[0]->isChecked() ? 1 : buttons[1]->isChecked() ? 2 : 0;
}

}  // namespace

unsigned PrintOptionsDialog::ownedFields()
{
    return kPrintSectionFields | kReviewListSizeField | kNewListSizeField | kPageBreakField |
           kBlankLinesField | kFontSizeModeField;
}

PrintOptionsDialog::PrintOptionsDialog(Services& services, OptionChangeMark& mark, QWidget* parent)
    : OptionDialog(services, mark, ownedFields(), parent)
{
    setObjectName(QStringLiteral("PrntOpts"));
    setWindowTitle(QStringLiteral("Lesson Print Options"));

    QGroupBox* visual = frame(this, "VisualFrame", "Included in Visual Section");
    const char* visualCaptions[6] = {"&Phonograms", "&Consonant Blends", "&Rules",
                                     "Pre&fixes",   "&Suffixes",         "Roo&ts"};
    for (int i = 0; i < 6; ++i)
        visual_[i] = control<QCheckBox>(visual, QStringLiteral("Visual%1").arg(i + 1), visualCaptions[i]);

    QGroupBox* review = frame(this, "ReviewFrame", "Review Word List Size");
    const char* reviewCaptions[3] = {"Print &40 Words", "Print &24 Words", "&Do Not Print List"};
    for (int i = 0; i < 3; ++i)
        reviewSize_[i] =
            control<QRadioButton>(review, QStringLiteral("ReviewSize%1").arg(i + 1), reviewCaptions[i]);

    QGroupBox* fresh = frame(this, "NewFrame", "New Word List Size");
    const char* newCaptions[3] = {"Print 4&0 Words", "Print 24 &Words", "Do &Not Print List"};
    for (int i = 0; i < 3; ++i)
        newSize_[i] = control<QRadioButton>(fresh, QStringLiteral("NewSize%1").arg(i + 1), newCaptions[i]);

    QGroupBox* font = frame(this, "FontFrame", "Word List Font Size");
    const char* pitchNames[3] = {"Pitch14", "Pitch18", "Pitch24"};
    const char* pitchCaptions[3] = {"Sm&all", "&Medium", "&Large (39 Word Limit)"};
    for (int i = 0; i < 3; ++i)
        pitch_[i] = control<QRadioButton>(font, QString::fromLatin1(pitchNames[i]), pitchCaptions[i]);

    pageBreak_ = new QCheckBox(QStringLiteral("Form Feed &Between Review and New Word Lists"), this);
    pageBreak_->setObjectName(QStringLiteral("PageBreak"));
    blanks_ = new QCheckBox(QStringLiteral("Print &Underlines for Blank Selections"), this);
    blanks_->setObjectName(QStringLiteral("Blanks"));

    QDialogButtonBox* buttons = okCancelButtons(this);

    auto* grid = new QGridLayout;
    grid->addWidget(visual, 0, 0, 2, 1);
    grid->addWidget(review, 0, 1);
    grid->addWidget(fresh, 1, 1);
    grid->addWidget(font, 0, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(pageBreak_);
    layout->addWidget(blanks_);
    layout->addWidget(buttons);

    fillFromOptions();
    watchForChanges();
}

void PrintOptionsDialog::fillFromOptions()
{
    const Options o = dialogOptions(services_.options);
    for (std::size_t i = 0; i < 6; ++i) visual_[i]->setChecked(o.PrintSection[i] != 0);
    reviewSize_[sizeButton(o.ReviewListSize)]->setChecked(true);
    newSize_[sizeButton(o.NewListSize)]->setChecked(true);
    pageBreak_->setChecked(o.PageBreak != 0);
    blanks_->setChecked(o.BlankLines != 0);
    pitch_[o.FontSizeMode == 0 ? 0 : o.FontSizeMode == 1 ? 1 : 2]->setChecked(true);
}

void PrintOptionsDialog::storeIntoOptions()
{
    Options& o = services_.options.values;
    for (std::size_t i = 0; i < 6; ++i) o.PrintSection[i] = visual_[i]->isChecked() ? 1 : 0;
    o.FontSizeMode = pitch_[0]->isChecked() ? 0 : pitch_[1]->isChecked() ? 1 : 2;
    o.ReviewListSize = sizeValue(reviewSize_);
    o.NewListSize = sizeValue(newSize_);
    o.PageBreak = pageBreak_->isChecked() ? 1 : 0;
    o.BlankLines = blanks_->isChecked() ? 1 : 0;
}

}  // namespace moxlet::ui
