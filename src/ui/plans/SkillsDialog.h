#pragma once
// The skills application dialog (object name READING, caption "Skills
// Application"): ten sentences for dictation and the book (title and pages)
// for vocal reading.  It edits a copy of the plan's sentence lines and
// writes them into the plan only on OK; Cancel leaves the plan as it was.
// The page box is usable only while a title is given: clearing the title
// empties it.

#include <QDialog>
#include <array>

#include "core/store/Records.h"

class QLineEdit;

namespace moxlet::ui {

class SkillsDialog : public QDialog {
    Q_OBJECT
public:
    // Fills the boxes from the plan's sentences and reading line.
    SkillsDialog(LessonPlan& plan, QWidget* parent = nullptr);

public Q_SLOTS:
    // OK: the sentences (trailing blanks removed) and the reading line go
    // into the plan.
    void accept() override;
    // C&lear: empties every box; nothing reaches the plan until OK.
    void clearAll();

private:
    void titleEdited();

    LessonPlan& plan_;
    std::array<QLineEdit*, 10> sentences_{};
    QLineEdit* bookName_ = nullptr;
    QLineEdit* bookPage_ = nullptr;
};

}  // namespace moxlet::ui
