#pragma once
// "Check a Word" (object name WordCheck): the tutor types a word and is told
// why it is, or is not, in the list at hand: not in the word base, outside
// the student's syllable range, without the list's segment, needing
// segments the student has not studied (named), thinned out of a long list,
// or offered.  The word dialogs and the word list tool open it with the
// question bound to the list they show.

#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;

namespace moxlet::ui {

class WordCheckDialog : public QDialog {
    Q_OBJECT
public:
    // answer: the word (stored bytes) -> the answer (stored bytes, with the
    // segments' pronunciation marks).
    using Answerer = std::function<std::string(const std::string& word)>;
    WordCheckDialog(Answerer answer, const QString& word, QWidget* parent = nullptr);

    QLabel* answerLabel() const { return answer_; }

public Q_SLOTS:
    void check();

private:
    Answerer answerer_;
    QLineEdit* word_ = nullptr;
    QLabel* answer_ = nullptr;
};

}  // namespace moxlet::ui
