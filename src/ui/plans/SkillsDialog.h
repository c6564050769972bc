#pragma once
// The skills application dialog (object name READING, caption "Skills
// Application"): ten sentences for dictation and the book (title and pages)
// for vocal reading.  It edits a copy of the plan's sentence lines and
// writes them into the plan only on OK; Cancel leaves the plan as it was.
// The page box is usable only while a title is given: clearing the title
// empties it.
//
// With checkSentences the sentence lines are checked against the plan's
// student as the tutor types (a moment after the last key, so typing never
// waits): a word the student cannot read yet gets a wavy underline on
// screen and a tooltip that says why, and a line under the sentences sums
// it up ("All words decodable", "2 words beyond Sam: thought (OUGH (aw)),
// great (EA (ā))").  "Check a &Passage..." beside the book line opens the
// passage window for the plan's student, for a page of the book.

#include <QDialog>
#include <array>
#include <memory>

#include "core/store/Records.h"
#include "core/words/PassageCheck.h"
#include "ui/common/Services.h"

class QLabel;
class QScrollArea;
class QLineEdit;
class QPushButton;
class QTimer;

namespace moxlet::ui {

class MarkedLineEdit;
class PassageChecker;

class SkillsDialog : public QDialog {
    Q_OBJECT
public:
    // Fills the boxes from the plan's sentences and reading line.
    SkillsDialog(LessonPlan& plan, QWidget* parent = nullptr);
    ~SkillsDialog() override;

    // Checks the sentence lines for `reader` from now on, words offered up
    // to `offerUpTo`.
    void checkSentences(Services& services, PassageStudent reader, WordLevel offerUpTo);
    MarkedLineEdit* sentence(int k) const { return sentences_[static_cast<std::size_t>(k)]; }
    QLabel* summary() const { return summary_; }

public Q_SLOTS:
    // OK: the sentences (trailing blanks removed) and the reading line go
    // into the plan.
    void accept() override;
    // C&lear: empties every box; nothing reaches the plan until OK.
    void clearAll();

private:
    void titleEdited();
    void showCheck();
    void openPassageWindow();

    LessonPlan& plan_;
    std::array<MarkedLineEdit*, 10> sentences_{};
    QLabel* summary_ = nullptr;
    QScrollArea* summaryArea_ = nullptr;  // the summary, scrolling within three lines
    QPushButton* passageButton_ = nullptr;
    QTimer* checkTimer_ = nullptr;
    Services* services_ = nullptr;
    std::unique_ptr<PassageChecker> checker_;
    PassageStudent reader_;
    WordLevel offerUpTo_ = WordLevel::Common;
    QLineEdit* bookName_ = nullptr;
    QLineEdit* bookPage_ = nullptr;
};

}  // namespace moxlet::ui
