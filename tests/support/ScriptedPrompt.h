#pragma once
// A Prompt for tests: answers message boxes from a script and records every
// box shown.

#include <deque>
#include <string>
#include <vector>

#include "store/Prompt.h"

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
    };

    void answer(Answer a) { script_.push_back(a); }
    Answer message(const std::string& text, const std::string& title, Icon icon,
                   Buttons buttons) override;
    Answer messageWithDefault(const std::string& text, const std::string& title, Icon icon,
                              Buttons buttons, Answer defaultAnswer) override;

    const std::vector<Shown>& shown() const { return shown_; }
    void clear() { shown_.clear(); script_.clear(); }

private:
    std::deque<Answer> script_;
    std::vector<Shown> shown_;
};

}  // namespace moxlet
