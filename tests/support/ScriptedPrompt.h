#pragma once
// A Prompt for tests: answers message boxes from a script and records every
// box shown.

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/store/Prompt.h"

namespace moxlet {

// Answers from a script and records every box shown; for tests.  When the
// script runs out it answers with the box's default (the first button, or
// the default given to messageWithDefault).
class ScriptedPrompt : public Prompt {
public:
    struct Shown {
        std::string text;
        std::string title;
        Icon icon;
        Buttons buttons;
        friend bool operator==(const Shown&, const Shown&) = default;
        friend std::ostream& operator<<(std::ostream& out, const Shown& s)
        {
            return out << '"' << s.text << "\" (" << s.title << ", icon " << static_cast<int>(s.icon)
                       << ", buttons " << static_cast<int>(s.buttons) << ')';
        }
    };

    void answer(Answer a) { script_.push_back(a); }
    // Answers boxes the script does not cover (instead of their default),
    // e.g. at random; the answer must be one of the box's buttons.
    void answerOthersWith(std::function<Answer(Buttons)> chooser) { chooser_ = std::move(chooser); }
    // Keeps only the count of boxes shown, not their texts (long runs).
    void forgetTexts(bool forget = true) { forgetTexts_ = forget; }
    std::size_t count() const { return count_; }
    Answer message(const std::string& text, const std::string& title, Icon icon, Buttons buttons) override;
    Answer messageWithDefault(const std::string& text, const std::string& title, Icon icon, Buttons buttons,
                              Answer defaultAnswer) override;

    const std::vector<Shown>& shown() const { return shown_; }
    // The texts of the boxes shown, in order.
    std::vector<std::string> texts() const
    {
        std::vector<std::string> t;
        for (const Shown& s : shown_) t.push_back(s.text);
        return t;
    }
    void clear()
    {
        shown_.clear();
        script_.clear();
    }

private:
    void record(const std::string& text, const std::string& title, Icon icon, Buttons buttons);

    std::deque<Answer> script_;
    std::vector<Shown> shown_;
    std::function<Answer(Buttons)> chooser_;
    bool forgetTexts_ = false;
    std::size_t count_ = 0;
};

}  // namespace moxlet
