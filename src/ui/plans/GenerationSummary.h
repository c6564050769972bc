#pragma once
// The word list summary (object name WordCnt, caption "Review Word Segments"
// or "New Word Segments"): while a section's lists are made it names each
// slot's segment and shows its word count as soon as that slot is done;
// then it says so and its OK closes it.  It is modeless: the tutor can look
// at the plan while it stays open.  A list that came out empty is
// explained below the counts (object name Note), in the word list tool's
// words.

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace moxlet::ui {

class GenerationSummary : public QDialog {
    Q_OBJECT
public:
    explicit GenerationSummary(QWidget* parent = nullptr);

    // Starts a run: the caption, all names and counts cleared, the status
    // "Generating Word Lists...", OK not yet usable.
    void begin(const QString& caption);
    void setName(int slot, const QString& name);
    void setCount(int slot, const QString& count);
    // Why lists came out empty, one sentence a line (hidden when empty).
    void setNote(const QString& note);
    // "Word List Generation Completed."; OK becomes usable.
    void finish();

    QLabel* count(int slot) const { return counts_[static_cast<std::size_t>(slot)]; }
    QLabel* name(int slot) const { return names_[static_cast<std::size_t>(slot)]; }
    QLabel* status() const { return status_; }
    QLabel* note() const { return note_; }

private:
    std::array<QLabel*, 4> names_{};
    std::array<QLabel*, 4> counts_{};
    QLabel* status_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace moxlet::ui
