#pragma once
// The plan window (object name Plan): one lesson plan of one student, laid
// out in the order of the printed plan: the lesson date and the commands
// on top; then Auditory; Review and New with their four slots and word list
// buttons; Spelling Dictation with its 15 rows; and the skills application.
//
// The window shows the PlanSession it is given, held by its PlanDocument;
// every grid is redrawn from the session, which is what a save writes, when
// the document says that part changed (whoever changed it: a picker, a word
// dialog, the skills dialog).  It is a child of the main window's MDI area
// and exists once; the main window opens it and learns through closed()
// when it is gone.
//
// The caption carries Qt's "[*]" mark while the plan has unsaved changes.
// Closing with unsaved changes asks "Save changes to the lesson plan?":
// Cancel keeps the window open, No closes it, Yes saves first when the
// lesson date is complete (and otherwise says the date must be entered and
// keeps the window open; so does a date the calendar lacks).  A save that
// fails keeps the window open too, so nothing the tutor did is lost.

#include <QWidget>
#include <array>

#include "core/output/PlanOutput.h"
#include "core/plans/PlanSession.h"
#include "ui/common/Services.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace moxlet::ui {

class CellGrid;
class LessonDateField;
class PlanDocument;
class SectionEditor;
class SentenceSummary;

class PlanWindow : public QWidget {
    Q_OBJECT
public:
    PlanWindow(Services& services, PlanSession session, QWidget* parent = nullptr);

    PlanDocument& document() { return *document_; }
    PlanSession& session();
    const PlanSession& session() const;

    // PhnGrid(index), index 0..9: 0 Auditory, 2 Spelling, 1/4/5/6 Review
    // slots 0..3, 3/7/8/9 New slots 0..3.
    CellGrid* segmentGrid(int index) const { return segmentGrids_[static_cast<std::size_t>(index)]; }
    // The grid that shows slot `slot` of section Review or New.
    CellGrid* slotGrid(PlanSection section, int slot) const;
    CellGrid* wordGrid() const { return wordGrid_; }
    CellGrid* readGrid() const { return readGrid_; }
    // The word list font size chosen for printing (0 Small, 1 Medium, 2 Large).
    int wordListFontSize() const;

    QPushButton* sectionButton(PlanSection section) const { return sectionButtons_[sectionIndex(section)]; }
    QPushButton* spellingButton(int row) const { return spellingButtons_[static_cast<std::size_t>(row)]; }
    // The "..." button of a Review or New slot.
    QPushButton* listButton(PlanSection section, int slot) const;
    SectionEditor* sections() const { return sections_; }

    // Redraws the grids of a section, a spelling row, the skills application.
    void showSection(PlanSection section);
    void showSpellingRow(int row);
    void showSkills();
    // Enables the word list and spelling buttons from what the slots hold.
    void updateWordButtons();

Q_SIGNALS:
    void closed();

public Q_SLOTS:
    // Save: writes the plan (its lesson date must be complete).
    bool save();
    // S&kills...: the sentences and the book for vocal reading.
    void editSkills();
    // Offers new word lists when the plan's were made under other list
    // sizes (asked once after each change of the options).
    void offerRegeneration();
    // &Print..., Print Pre&view... and &Copy Plan: what the window shows,
    // with the word list font size chosen in it.
    void print();
    void preview();
    void copy();
    // The "..." buttons: a Review or New slot's list, a spelling row's words.
    void editList(PlanSection section, int slot);
    void chooseSpellingWords(int row);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void layoutControls();
    void showPlan();
    void dateEdited();
    void openWordChoice(QDialog* dialog, int topTwips);
    PlanOutput output() const;
    bool saveNow();
    bool mayClose();
    // Says why the lesson date is no date, if it is not, and keeps it.
    bool refuseImpossibleDate();

    Services& services_;
    PlanDocument* document_ = nullptr;
    std::array<CellGrid*, 10> segmentGrids_{};
    CellGrid* wordGrid_ = nullptr;
    CellGrid* readGrid_ = nullptr;
    std::array<QPushButton*, 4> sectionButtons_{};
    std::array<QPushButton*, 4> reviewListButtons_{};
    std::array<QPushButton*, 4> newListButtons_{};
    std::array<QPushButton*, 15> spellingButtons_{};
    QPushButton* skillsButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* previewButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    LessonDateField* lessonDate_ = nullptr;
    QComboBox* fontSize_ = nullptr;
    SectionEditor* sections_ = nullptr;
    SentenceSummary* sentenceSummary_ = nullptr;
    bool closed_ = false;
};

// "Lesson Plan for First Last", or the first name alone without a last name.
QString planWindowTitle(const StudentProfile& student);

}  // namespace moxlet::ui
