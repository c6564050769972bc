#pragma once
// Every message box goes through a Prompt, so windows and file routines can
// be driven by tests that answer the boxes from a script.  Texts are
// Windows-1252, as stored; the Qt implementation converts them for display.

#include <string>

namespace moxlet {

enum class Icon { None, Information, Exclamation, Question, Critical };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class Answer { Ok, Cancel, Yes, No, Retry, Ignore, Abort };

class Prompt {
public:
    virtual ~Prompt() = default;
    virtual Answer message(const std::string& text, const std::string& title, Icon icon, Buttons buttons) = 0;
    // The same box with defaultAnswer's button as the one Enter presses (a
    // question whose safe answer is No).  Prompts without default buttons
    // show it through message().
    virtual Answer messageWithDefault(const std::string& text, const std::string& title, Icon icon,
                                      Buttons buttons, Answer defaultAnswer)
    {
        (void)defaultAnswer;
        return message(text, title, icon, buttons);
    }
};

}  // namespace moxlet
