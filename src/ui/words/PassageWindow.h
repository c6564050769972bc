#pragma once
// "Check a Passage" (object name Passage): can this student read this text?
// The tutor pastes or types any text (a page of the reading book) and
// chooses a student (the plan's student when it is opened from a plan);
// the window shows the text with the same marks as the sentence lines (a
// wavy underline under each word the student cannot read yet, the reason
// in its tooltip), the share of decodable words, the one-line summary, and
// what the student still needs, segment by segment with the segment that
// unlocks most words first, then the words beyond the syllable range, the
// word base or the word level, the names and the numbers.
//
// The text is checked a moment after the last key (and at once when the
// student changes), so typing and pasting never wait.  &Copy puts the
// report (PassagePrintout.h) on the clipboard; &Print... prints it and
// Print Pre&view... shows it, through the print flow of every printout.
// Marks are for the screen only.  The window is modeless, so it can stay
// open beside the plan.

#include <QDialog>
#include <optional>
#include <vector>

#include "core/output/PassagePrintout.h"
#include "core/profiles/ProfileFile.h"
#include "ui/common/Services.h"
#include "ui/words/PassageChecker.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QTimer;

namespace moxlet::ui {

struct PrintJob;

class PassageWindow : public QDialog {
    Q_OBJECT
public:
    // profileNo: the student chosen first (a record of PROFILES.DAT), or 0
    // for the first in the list.
    PassageWindow(Services& services, WordLevel offerUpTo, std::int32_t profileNo, QWidget* parent = nullptr);
    ~PassageWindow() override;

    QPlainTextEdit* text() const { return text_; }
    QComboBox* students() const { return students_; }
    QListWidget* needs() const { return needs_; }
    QLabel* share() const { return share_; }
    QLabel* summary() const { return summary_; }
    // The marks of the last check, in the text's character positions.
    std::vector<TextMark> marks() const;
    // The tooltip of the mark over a character position, or an empty string.
    QString markTipAt(int position) const;

public Q_SLOTS:
    void check();
    void copy();
    void print();
    void preview();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The report of the text as checked now; none while the text is empty.
    std::optional<PrintJob> reportJob();
    const ProfileEntry* chosenStudent() const;
    std::vector<PassageReportLine> reportLines() const;

    Services& services_;
    PassageChecker checker_;
    std::vector<ProfileEntry> profiles_;
    std::optional<CheckedText> checked_;
    QComboBox* students_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QLabel* share_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* needsLabel_ = nullptr;
    QListWidget* needs_ = nullptr;
    QTimer* checkTimer_ = nullptr;
};

}  // namespace moxlet::ui
