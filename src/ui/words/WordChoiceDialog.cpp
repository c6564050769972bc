#include "ui/words/WordChoiceDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/catalogue/Catalogue.h"
#include "core/wordlist/WordListTool.h"
#include "core/words/WordCheck.h"
#include "core/words/WordCheckText.h"
#include "ui/common/CellGrid.h"
#include "ui/common/DataFiles.h"
#include "ui/common/DialogButtons.h"
#include "ui/common/MarkFont.h"
#include "ui/common/Text.h"
#include "ui/plans/PlanDocument.h"
#include "ui/words/TypedWordsDialog.h"
#include "ui/words/WordCheckDialog.h"

namespace moxlet::ui {

namespace {
// Eats the second click of a double click: a double click counts once.
class SingleClicks : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* e) override { return e->type() == QEvent::MouseButtonDblClick; }
};
}  // namespace

WordChoiceDialog::WordChoiceDialog(PlanDocument& document, Services& services, PlanSection section, int index,
                                   QWidget* parent)
    : QDialog(parent), document_(document), services_(services),
      unit_(document.session(), section, index, services.options.values), choice_(unit_.cellCount())
{
    const int cells = choice_.cellCount();
    const bool spelling = section == PlanSection::Spelling;
    setObjectName(spelling ? QStringLiteral("SelWord") : QStringLiteral("SelWrd%1").arg(cells));
    setWindowTitle(spelling                         ? QStringLiteral("Select Words for Spelling Dictation")
                   : section == PlanSection::Review ? QStringLiteral("Edit Review Word List")
                                                    : QStringLiteral("Edit New Word List"));

    instruction_ = new QLabel(this);
    instruction_->setObjectName(QStringLiteral("Label1"));
    instruction_->setFont(MarkFont::font(10));
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("Note"));
    note_->setWordWrap(true);
    note_->hide();
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("WList"));
    list_->setAccessibleName(QStringLiteral("Words"));
    list_->setFont(MarkFont::font(10));
    list_->setSelectionMode(QAbstractItemView::MultiSelection);
    // The words flow in rows, left to right, and the list scrolls down,
    // never sideways (load() sets the columns' width).
    list_->setFlow(QListView::LeftToRight);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->viewport()->installEventFilter(new SingleClicks(list_));
    instruction_->setBuddy(list_);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &WordChoiceDialog::selectionEdited);
    grid_ = new CellGrid(std::max(1, cells / 4), 4, QStringLiteral("WGrid"), QStringLiteral("Chosen words"),
                         this);

    auto button = [this](const QString& caption, const char* name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    auto* type = button(QStringLiteral("&Type..."), "Type");
    previous_ = button(QStringLiteral("< &Prev List"), "PrevList");
    next_ = button(QStringLiteral("&Next List >"), "NextList");
    auto* clear = button(QStringLiteral("C&lear"), "Clear");
    auto* check = button(QStringLiteral("Check a &Word..."), "CheckWord");
    connect(check, &QPushButton::clicked, this, &WordChoiceDialog::checkWord);
    connect(type, &QPushButton::clicked, this, &WordChoiceDialog::typeWords);
    connect(previous_, &QPushButton::clicked, this, &WordChoiceDialog::previousUnit);
    connect(next_, &QPushButton::clicked, this, &WordChoiceDialog::nextUnit);
    connect(clear, &QPushButton::clicked, this, &WordChoiceDialog::clearCells);
    QDialogButtonBox* buttons = okCancelButtons(this);

    auto* commands = new QHBoxLayout;
    for (QPushButton* b : {type, previous_, next_, clear, check}) commands->addWidget(b);
    commands->addStretch();
    commands->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instruction_);
    layout->addWidget(note_);
    layout->addWidget(list_, 1);
    layout->addWidget(grid_);
    layout->addLayout(commands);
    resize(620, spelling ? 420 : 520);

    load();
}

void WordChoiceDialog::load()
{
    WaitCursor wait;
    const QString name = markedText(segmentName(unit_.segment()));
    const int cells = choice_.cellCount();
    instruction_->setText((cells == 4 ? QStringLiteral("Select up to four words containing ")
                                      : QStringLiteral("Select up to %1 words containing ").arg(cells)) +
                          name + QLatin1Char(':'));
    previous_->setEnabled(unit_.hasPrevious());
    next_->setEnabled(unit_.hasNext());
    {
        WordBaseFiles files(services_);
        auto wordBase = files.open();
        unit_.load(choice_, wordBase.get(), services_.words.index, services_.random,
                   services_.options.values.HomophoneMode);
        // An empty list says why, as the word list summary does.
        const std::string why =
            choice_.list().empty() ? emptyListNote(wordBase.get(), services_.words.index,
                                                   document_.session().masks, unit_.query(), services_.random)
                                   : std::string();
        note_->setText(QString::fromStdString(why));
        note_->setVisible(!why.empty());
    }
    tickingByProgram_ = true;
    list_->clear();
    int widest = 0;
    for (const ListedWord& w : choice_.list()) {
        list_->addItem(fromStored(w.text));
        widest =
            std::max(widest, list_->fontMetrics().horizontalAdvance(list_->item(list_->count() - 1)->text()));
    }
    tickingByProgram_ = false;
    // Columns as wide as the longest word (20 letters at most, well inside
    // the dialog).
    list_->setGridSize(QSize(widest + 24, list_->fontMetrics().height() + 6));
    showCells();
    list_->scrollToTop();
    list_->setFocus();
    Q_EMIT unitShown(unit_.index());
}

void WordChoiceDialog::showCells()
{
    tickingByProgram_ = true;
    const std::vector<bool> ticked = choice_.tickedLines();
    for (int i = 0; i < list_->count(); ++i) list_->item(i)->setSelected(ticked[static_cast<std::size_t>(i)]);
    tickingByProgram_ = false;
    const auto& cells = choice_.cells();
    for (std::size_t k = 0; k < cells.size(); ++k)
        grid_->setCell(static_cast<int>(k / 4), static_cast<int>(k % 4), fromStored(cells[k].text));
}

void WordChoiceDialog::selectionEdited(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (tickingByProgram_) return;
    for (const QModelIndex& i : selected.indexes()) choice_.toggle(i.row(), true);
    for (const QModelIndex& i : deselected.indexes()) choice_.toggle(i.row(), false);
    showCells();  // a refused word is unticked again
}

void WordChoiceDialog::acceptUnit()
{
    unit_.store(choice_.cells());
    document_.wordsEdited(unit_.section(), unit_.index());
}

void WordChoiceDialog::accept()
{
    acceptUnit();
    QDialog::accept();
}

void WordChoiceDialog::step(int delta)
{
    if (!(delta < 0 ? unit_.hasPrevious() : unit_.hasNext())) return;
    acceptUnit();
    unit_.step(delta);
    load();
}

void WordChoiceDialog::previousUnit() { step(-1); }

void WordChoiceDialog::nextUnit() { step(+1); }

void WordChoiceDialog::clearCells()
{
    choice_.clear();
    showCells();
    list_->setFocus();
}

void WordChoiceDialog::checkWord()
{
    // The word under the cursor, if any, to begin with.
    const QListWidgetItem* current = list_->currentItem();
    QString word = current ? current->text() : QString();
    if (word.endsWith(QStringLiteral(" *"))) word.chop(2);
    auto* dialog = new WordCheckDialog(
        [this](const std::string& typed) {
            const WordCheckQuery q = unit_.checkQuery(typed);
            WordBaseFiles files(services_);
            auto wordBase = files.open();
            if (!wordBase) return std::string();
            return wordCheckText(moxlet::checkWord(*wordBase, services_.words.index, q));
        },
        word, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void WordChoiceDialog::typeWords()
{
    auto* dialog = new TypedWordsDialog(choice_.cells(), false, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        choice_.applyTyped(dialog->boxes());
        showCells();
    });
    connect(dialog, &QDialog::finished, this, [this] { list_->setFocus(); });
    dialog->open();
}

}  // namespace moxlet::ui
