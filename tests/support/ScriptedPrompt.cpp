#include "support/ScriptedPrompt.h"

namespace moxlet {

namespace {
Answer firstButton(Buttons b)
{
    switch (b) {
    case Buttons::Ok:
    case Buttons::OkCancel: return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel: return Answer::Yes;
    case Buttons::RetryCancel: return Answer::Retry;
    case Buttons::AbortRetryIgnore: return Answer::Abort;
    }
    return Answer::Ok;
}
}  // namespace

void ScriptedPrompt::record(const std::string& text, const std::string& title, Icon icon, Buttons buttons)
{
    ++count_;
    if (!forgetTexts_) shown_.push_back({text, title, icon, buttons});
}

Answer ScriptedPrompt::message(const std::string& text, const std::string& title, Icon icon, Buttons buttons)
{
    record(text, title, icon, buttons);
    if (script_.empty() && chooser_) return chooser_(buttons);
    if (script_.empty()) return buttons == Buttons::RetryCancel ? Answer::Cancel : firstButton(buttons);
    Answer a = script_.front();
    script_.pop_front();
    return a;
}

Answer ScriptedPrompt::messageWithDefault(const std::string& text, const std::string& title, Icon icon,
                                          Buttons buttons, Answer defaultAnswer)
{
    if (script_.empty() && !chooser_) {
        record(text, title, icon, buttons);
        return defaultAnswer;
    }
    return message(text, title, icon, buttons);
}

}  // namespace moxlet
