#pragma once
// The word list tool (object name WordList, caption "Create Word List"): a
// stand-alone list of up to 40 words for one student, to print as a sheet
// to hand to the student or to copy as text.  Nothing of it is saved.
//
// The tutor chooses a student, Review or New, up to five segments (the
// picker SelPhn), generates the list (WList), and picks words into the
// 10 x 4 grid (WGrid): by hand (a click or the space bar; a double click
// counts once; a 41st word is refused without a word), automatically
// ("Automatic List Selection" when generating), or by typing words the list
// lacks ("&Type...").  "C&lear" empties the grid.  "Chec&k a Word..."
// says why a word is, or is not, in the list (wordlist/WordListCheck.h).
//
// When a generation leaves a segment without words, or a Review list has
// nothing to choose from, a note under the list (object name Note) says
// why, so an empty list never goes unexplained.
//
// The window is a child of the main window's MDI area, opened once at a
// time; the main window keeps its plan and profile entries disabled while
// it is open and learns through closed() when it is gone.  The logic is
// the core's WordListTool; this class holds the widgets and the wiring.

#include <QWidget>
#include <vector>

#include "core/profiles/ProfileFile.h"
#include "core/wordlist/WordListPrintout.h"
#include "core/wordlist/WordListTool.h"
#include "ui/common/Services.h"
#include "ui/output/PrintJob.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QItemSelection;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace moxlet::ui {

class CellGrid;

class WordListWindow : public QWidget {
    Q_OBJECT
public:
    // Its size on a screen that is not small, in twips.
    static constexpr int kWidthTwips = 11920;
    static constexpr int kHeightTwips = 8220;

    // smallScreen: the main window's flag, which places the picker.
    WordListWindow(Services& services, bool smallScreen, QWidget* parent = nullptr);

    WordListTool& tool() { return tool_; }
    QListWidget* studentList() const { return students_; }
    QListWidget* wordList() const { return words_; }
    CellGrid* segmentGrid() const { return segments_; }
    CellGrid* wordGrid() const { return grid_; }
    QGroupBox* wordFrame() const { return wordFrame_; }
    QLabel* note() const { return note_; }

    // What "&Print..." prints: the student, the last generation's type and
    // segments, the grid, the chosen font size and the homophone option.
    WordListSheet sheet() const;

Q_SIGNALS:
    void closed();

public Q_SLOTS:
    void chooseSegments();
    void generate();
    void typeWords();
    void clearWords();
    void checkWord();
    void copyList();
    void print();
    void preview();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void layoutControls();
    void loadStudents();
    void studentChosen();
    void listTypeChosen();
    void showSegments();
    void showSegments(const std::vector<SegmentId>& segments);
    void showWords();
    void showCells();
    void selectionEdited(const QItemSelection& selected, const QItemSelection& deselected);
    void showNote();
    void information(const std::string& text, const std::string& title, QWidget* focus);

    Services& services_;
    bool smallScreen_;
    WordListTool tool_;
    std::vector<ProfileEntry> profiles_;
    QListWidget* students_ = nullptr;
    QRadioButton* review_ = nullptr;
    QRadioButton* newList_ = nullptr;
    QPushButton* chooseSegments_ = nullptr;
    CellGrid* segments_ = nullptr;
    QCheckBox* automatic_ = nullptr;
    QPushButton* generate_ = nullptr;
    QGroupBox* criteriaFrame_ = nullptr;
    QWidget* typeHolder_ = nullptr;
    QGroupBox* typeFrame_ = nullptr;
    QGroupBox* wordFrame_ = nullptr;
    QListWidget* words_ = nullptr;
    QLabel* note_ = nullptr;
    CellGrid* grid_ = nullptr;
    QComboBox* fontSize_ = nullptr;
    QPushButton* type_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* checkWord_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* preview_ = nullptr;
    QPushButton* exit_ = nullptr;
    QString generationNote_;  // why the last generation left segments without words
    bool tickingByProgram_ = false;
    bool closed_ = false;
};

// The word list printout as a print job ("Print Word List", "Printing Word
// List...").
PrintJob wordListPrintJob(const WordListSheet& sheet);

}  // namespace moxlet::ui
