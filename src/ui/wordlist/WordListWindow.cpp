#include "ui/wordlist/WordListWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/catalogue/Catalogue.h"
#include "core/profiles/ProfileEdit.h"
#include "core/shell/WindowSize.h"
#include "core/wordlist/WordListCheck.h"
#include "core/wordlist/WordListText.h"
#include "ui/common/AccessibleNames.h"
#include "ui/common/CellGrid.h"
#include "ui/common/DataFiles.h"
#include "ui/common/MarkFont.h"
#include "ui/common/Text.h"
#include "ui/profiles/StudentListFill.h"
#include "ui/words/SegmentPickerDialog.h"
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

QPushButton* button(QWidget* parent, const QString& caption, const char* name)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}  // namespace

PrintJob wordListPrintJob(const WordListSheet& sheet)
{
    return {QStringLiteral("Print Word List"), QStringLiteral("Word List Preview"),
            QStringLiteral("Printing Word List..."),
            [sheet](PrintLayer& layer, const PrintStatusFn&) { printWordList(layer, sheet); }};
}

WordListWindow::WordListWindow(Services& services, bool smallScreen, QWidget* parent)
    : QWidget(parent), services_(services), smallScreen_(smallScreen)
{
    setObjectName(QStringLiteral("WordList"));  // the form name
    setWindowTitle(QStringLiteral("Create Word List"));
    buildControls();
    layoutControls();
    fontSize_->setCurrentIndex(std::clamp<int>(services_.options.values.FontSizeMode, 0, 2));
    loadStudents();
    showSegments();
    showWords();
}

void WordListWindow::buildControls()
{
    students_ = new QListWidget(this);
    students_->setObjectName(QStringLiteral("StudentList"));
    students_->setAccessibleName(QStringLiteral("Students"));
    students_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(students_, &QListWidget::itemSelectionChanged, this, &WordListWindow::studentChosen);

    criteriaFrame_ = new QGroupBox(QStringLiteral("Select Word List Criteria"), this);
    criteriaFrame_->setObjectName(QStringLiteral("Frame1"));
    // A group box directly inside another is announced by screen readers
    // with the outer one's title (the outer one labels its children), so
    // the list type's group stands in a plain holder.
    typeHolder_ = new QWidget(criteriaFrame_);
    typeFrame_ = new QGroupBox(QStringLiteral("Word List Type"), typeHolder_);
    typeFrame_->setObjectName(QStringLiteral("SegType"));
    review_ = new QRadioButton(QStringLiteral("&Review"), typeFrame_);
    review_->setObjectName(QStringLiteral("RevPhoneme"));
    review_->setChecked(true);
    newList_ = new QRadioButton(QStringLiteral("&New"), typeFrame_);
    newList_->setObjectName(QStringLiteral("NewPhoneme"));
    auto* types = new QButtonGroup(this);
    types->addButton(review_);
    types->addButton(newList_);
    connect(review_, &QRadioButton::toggled, this, &WordListWindow::listTypeChosen);

    chooseSegments_ = button(criteriaFrame_, QStringLiteral("Select Word &Segment(s)..."), "PhnCmd");
    connect(chooseSegments_, &QPushButton::clicked, this, &WordListWindow::chooseSegments);
    segments_ = new CellGrid(kWordListSegments, 1, QStringLiteral("PhnSel"),
                             QStringLiteral("Chosen word segments"), criteriaFrame_);
    automatic_ = new QCheckBox(QStringLiteral("&Automatic List Selection"), criteriaFrame_);
    automatic_->setObjectName(QStringLiteral("AutoSel"));
    generate_ = button(criteriaFrame_, QStringLiteral("&Generate Word List"), "GenerateWordList");
    connect(generate_, &QPushButton::clicked, this, &WordListWindow::generate);

    wordFrame_ = new QGroupBox(QStringLiteral("Select Up To 40 Words"), this);
    wordFrame_->setObjectName(QStringLiteral("Frame2"));
    wordFrame_->setFont(MarkFont::font(10));  // the caption names segments, marks and all
    words_ = new QListWidget(wordFrame_);
    words_->setObjectName(QStringLiteral("WList"));
    words_->setAccessibleName(QStringLiteral("Words"));
    words_->setSelectionMode(QAbstractItemView::MultiSelection);
    words_->setFlow(QListView::TopToBottom);
    words_->setWrapping(true);
    words_->setResizeMode(QListView::Adjust);
    words_->setUniformItemSizes(true);  // lists of several thousand words lay out at once (see showWords)
    words_->viewport()->installEventFilter(new SingleClicks(words_));
    connect(words_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &WordListWindow::selectionEdited);
    note_ = new QLabel(wordFrame_);
    note_->setObjectName(QStringLiteral("Note"));
    note_->setWordWrap(true);
    grid_ = new CellGrid(kWordListCells / 4, 4, QStringLiteral("WGrid"), QStringLiteral("Chosen words"),
                         wordFrame_);

    fontSize_ = new QComboBox(this);
    fontSize_->setObjectName(QStringLiteral("ComboFontSize"));
    nameComboBox(fontSize_, QStringLiteral("Font Size"));
    fontSize_->addItems({QStringLiteral("Small"), QStringLiteral("Medium"), QStringLiteral("Large")});

    type_ = button(this, QStringLiteral("&Type..."), "Type");
    clear_ = button(this, QStringLiteral("C&lear"), "Clear");
    // Alt+W belongs to the list's label here, so the word dialogs' "Check
    // a &Word..." takes its k.
    checkWord_ = button(this, QStringLiteral("Chec&k a Word..."), "CheckWord");
    checkWord_->setToolTip(QStringLiteral("Why is a word in this list, or not?"));
    copy_ = button(this, QStringLiteral("&Copy List"), "Copy");
    print_ = button(this, QStringLiteral("&Print..."), "Print");
    preview_ = button(this, QStringLiteral("Print Pre&view..."), "Preview");
    exit_ = button(this, QStringLiteral("E&xit"), "Close");
    connect(type_, &QPushButton::clicked, this, &WordListWindow::typeWords);
    connect(clear_, &QPushButton::clicked, this, &WordListWindow::clearWords);
    connect(checkWord_, &QPushButton::clicked, this, &WordListWindow::checkWord);
    connect(copy_, &QPushButton::clicked, this, &WordListWindow::copyList);
    connect(print_, &QPushButton::clicked, this, &WordListWindow::print);
    connect(preview_, &QPushButton::clicked, this, &WordListWindow::preview);
    connect(exit_, &QPushButton::clicked, this, [this] {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
            sub->close();
        else
            close();
    });
}

void WordListWindow::layoutControls()
{
    auto label = [](QWidget* parent, const char* name, const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, parent);
        l->setObjectName(QString::fromLatin1(name));
        l->setBuddy(buddy);
        return l;
    };

    auto* studentBox = new QVBoxLayout;
    studentBox->addWidget(label(this, "Label1", QStringLiteral("St&udents:"), students_));
    studentBox->addWidget(students_, 1);

    auto* typeBox = new QVBoxLayout(typeFrame_);
    typeBox->addWidget(review_);
    typeBox->addWidget(newList_);
    auto* holder = new QVBoxLayout(typeHolder_);
    holder->setContentsMargins(0, 0, 0, 0);
    holder->addWidget(typeFrame_);
    // Wide enough for the longest segment name.
    segments_->setMinimumWidth(
        segments_->fontMetrics().horizontalAdvance(QStringLiteral("Consonant-le (x)")) + 40);
    // The chosen names stand at the right, where the picker (which opens
    // near the main window's top left corner) leaves them in view.
    auto* criteria = new QGridLayout(criteriaFrame_);
    criteria->addWidget(typeHolder_, 0, 0, 2, 1);
    criteria->addWidget(chooseSegments_, 2, 0);
    criteria->addWidget(automatic_, 0, 1);
    criteria->addWidget(generate_, 1, 1);
    criteria->addWidget(segments_, 0, 2, 3, 1, Qt::AlignTop);
    criteria->setColumnStretch(2, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(studentBox, 2);
    top->addWidget(criteriaFrame_, 5);

    auto* listBox = new QVBoxLayout;
    listBox->addWidget(label(wordFrame_, "Label2", QStringLiteral("&Words:"), words_));
    listBox->addWidget(words_, 1);
    listBox->addWidget(note_);
    auto* gridBox = new QVBoxLayout;
    auto* gridLabel = new QLabel(QStringLiteral("Chosen words:"), wordFrame_);
    gridLabel->setObjectName(QStringLiteral("Label4"));
    gridBox->addWidget(gridLabel);
    gridBox->addWidget(grid_);
    gridBox->addStretch();
    auto* words = new QHBoxLayout(wordFrame_);
    words->addLayout(listBox, 1);
    words->addLayout(gridBox, 1);

    auto* commands = new QHBoxLayout;
    commands->addWidget(label(this, "Label3", QStringLiteral("F&ont Size:"), fontSize_));
    commands->addWidget(fontSize_);
    commands->addStretch();
    for (QPushButton* b : {type_, clear_, checkWord_, copy_, print_, preview_, exit_}) commands->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->addLayout(top);
    layout->addWidget(wordFrame_, 1);
    layout->addLayout(commands);

    QWidget* order[] = {students_,  review_, newList_,  chooseSegments_, automatic_,
                        generate_,  words_,  fontSize_, type_,           clear_,
                        checkWord_, copy_,   print_,    preview_,        exit_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void WordListWindow::loadStudents()
{
    WaitCursor wait;
    DataFiles files(services_);
    profiles_ = listProfiles(files.context());
    fillStudentList(students_, moxlet::studentList(profiles_));
}

void WordListWindow::information(const std::string& text, const std::string& title, QWidget* focus)
{
    services_.prompt.message(text, title, Icon::Information, Buttons::Ok);
    if (focus) focus->setFocus();
}

void WordListWindow::studentChosen()
{
    const QList<QListWidgetItem*> selected = students_->selectedItems();
    if (selected.isEmpty()) return;
    const int record = selected.first()->data(Qt::UserRole).toInt();
    for (const ProfileEntry& e : profiles_)
        if (e.record == record) tool_.chooseStudent(e.profile);
    showSegments();
    showNote();
}

void WordListWindow::listTypeChosen()
{
    tool_.setListType(review_->isChecked() ? PlanSection::Review : PlanSection::New);
    showSegments();
    showNote();
}

void WordListWindow::showNote()
{
    if (tool_.hasStudent() && tool_.listType() == PlanSection::Review && tool_.candidates().empty())
        note_->setText(
            QStringLiteral("This student has not studied any word segments yet, so there are none to "
                           "review: choose New."));
    else
        note_->setText(generationNote_);
}

void WordListWindow::showSegments() { showSegments(tool_.chosenSegments()); }

void WordListWindow::showSegments(const std::vector<SegmentId>& chosen)
{
    for (int row = 0; row < kWordListSegments; ++row)
        segments_->setCell(row, 0,
                           static_cast<std::size_t>(row) < chosen.size()
                               ? markedText(segmentName(chosen[static_cast<std::size_t>(row)]))
                               : QString());
}

void WordListWindow::showWords()
{
    tickingByProgram_ = true;
    words_->clear();
    // Columns as wide as the longest word, so no word is cut.
    const QFontMetrics metrics(words_->font());
    int widest = metrics.horizontalAdvance(QStringLiteral("mmmm"));
    for (const ListedWord& w : tool_.words()) {
        const QString text = fromStored(w.text);
        widest = std::max(widest, metrics.horizontalAdvance(text));
        words_->addItem(text);
    }
    words_->setGridSize(QSize(widest + 14, metrics.height() + 4));
    tickingByProgram_ = false;
    showCells();
    if (words_->count() > 0) words_->scrollToTop();
}

void WordListWindow::showCells()
{
    tickingByProgram_ = true;
    const std::vector<bool> ticked = tool_.grid().tickedLines();
    for (int i = 0; i < words_->count(); ++i) {
        QListWidgetItem* item = words_->item(i);
        const bool tick = ticked[static_cast<std::size_t>(i)];
        if (item->isSelected() != tick) item->setSelected(tick);  // only changes: lists run to thousands
    }
    tickingByProgram_ = false;
    const auto& cells = tool_.grid().cells();
    for (std::size_t k = 0; k < cells.size(); ++k)
        grid_->setCell(static_cast<int>(k / 4), static_cast<int>(k % 4), fromStored(cells[k].text));
}

void WordListWindow::selectionEdited(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (tickingByProgram_) return;
    for (const QModelIndex& i : selected.indexes()) tool_.grid().toggle(i.row(), true);
    for (const QModelIndex& i : deselected.indexes()) tool_.grid().toggle(i.row(), false);
    showCells();  // a refused 41st word is unticked again
}

void WordListWindow::chooseSegments()
{
    if (!tool_.hasStudent()) {
        information("You must make a selection from the Student List before selecting a Word Segment.",
                    "Word Segment Selection", students_);
        return;
    }
    WaitCursor wait;
    auto* picker =
        new SegmentPickerDialog(SegmentPickerDialog::Kind::WordList, services_, tool_.startPicking(), this);
    picker->setAttribute(Qt::WA_DeleteOnClose);
    // The caption keeps its blank before the number: "Select Up to  5 ...".
    picker->setWindowTitle(tool_.listType() == PlanSection::New
                               ? QStringLiteral("Select Up to  5 New Word Segments")
                               : QStringLiteral("Select Up to  5 Review Word Segments"));
    // A little in from the main window's top left corner, where tutors
    // know to find it.
    const QWidget* main = window();
    const QPoint offset(pixelsFromTwips(smallScreen_ ? 2900 : 3000, logicalDpiX()),
                        pixelsFromTwips(smallScreen_ ? 1000 : 1450, logicalDpiY()));
    picker->move(main->geometry().topLeft() + offset);
    connect(picker, &SegmentPickerDialog::slotsChanged, this,
            [this] { showSegments(tool_.pickedSegments()); });
    connect(picker, &QDialog::finished, this, [this](int result) {
        if (result == QDialog::Accepted) tool_.keepPicked();
        showSegments();
        automatic_->setFocus();
    });
    picker->open();
}

void WordListWindow::generate()
{
    const bool noSegments = tool_.chosenSegments().empty();
    const std::string title = "Generate Word List";
    if (!tool_.hasStudent() || noSegments) {
        if (!tool_.hasStudent() && noSegments)
            information("You must select a Student and one or more Word Segments.", title, students_);
        else if (!tool_.hasStudent())
            information("You must select a Student.", title, students_);
        else
            information("You must select one or more Word Segments.", title, chooseSegments_);
        return;
    }

    WaitCursor wait;
    wordFrame_->setTitle(QString::fromStdString(wordFrameCaption(tool_.chosenSegments())));
    GenerationReport report;
    {
        WordBaseFiles files(services_);
        auto wordBase = files.open();
        report = tool_.generate(wordBase.get(), services_.words.index, services_.random,
                                services_.options.values.HomophoneMode);
    }
    if (automatic_->isChecked()) tool_.selectAutomatically(services_.random);
    showWords();
    const StudentProfile& s = tool_.student();
    generationNote_ = QString::fromStdString(generationNote(report, s.SyllableMin, s.SyllableMax));
    showNote();
    if (words_->count() > 0) words_->setFocus();
}

void WordListWindow::typeWords()
{
    auto* dialog = new TypedWordsDialog(tool_.grid().cells(), true, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        tool_.grid().applyTyped(dialog->boxes());
        showCells();
    });
    connect(dialog, &QDialog::finished, this, [this] { words_->setFocus(); });
    dialog->open();
}

void WordListWindow::clearWords()
{
    tool_.grid().clear();
    showCells();
    words_->setFocus();
}

WordListSheet WordListWindow::sheet() const
{
    return wordListSheet(tool_, fontSize_->currentIndex(), services_.options.values.HomophoneMode);
}

void WordListWindow::checkWord()
{
    if (!tool_.hasStudent()) {
        information("You must select a Student.", "Check a Word", students_);
        return;
    }
    // The word under the cursor, if any, to begin with.
    const QListWidgetItem* current = words_->currentItem();
    QString word = current ? current->text() : QString();
    auto* dialog = new WordCheckDialog(
        [this](const std::string& typed) {
            WordBaseFiles files(services_);
            auto wordBase = files.open();
            if (!wordBase) return std::string();
            return wordListCheckText(*wordBase, services_.words.index, tool_, typed);
        },
        word, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this] { words_->setFocus(); });
    dialog->open();
}

void WordListWindow::copyList()
{
    WaitCursor wait;
    services_.clipboard.clear();
    services_.clipboard.setText(QString::fromStdString(wordListText(tool_.grid().cells())));
}

void WordListWindow::print() { printWithDialog(this, services_, wordListPrintJob(sheet())); }

void WordListWindow::preview() { previewJob(this, services_, wordListPrintJob(sheet())); }

void WordListWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (closed_) return;
    closed_ = true;
    Q_EMIT closed();
}

}  // namespace moxlet::ui
