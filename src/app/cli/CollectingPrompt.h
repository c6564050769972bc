#pragma once
// The message boxes of the data file routines, answered without a window:
// each box's text is kept, for moxlet-cli to print as a problem, and the
// answer is the one that gives up (OK, or Cancel where Retry is offered).

#include <string>
#include <vector>

#include "core/store/Prompt.h"

namespace moxlet::cli {

class CollectingPrompt : public Prompt {
public:
    Answer message(const std::string& text, const std::string&, Icon, Buttons buttons) override
    {
        texts.push_back(text);
        return buttons == Buttons::RetryCancel ? Answer::Cancel : Answer::Ok;
    }
    std::vector<std::string> texts;  // Windows-1252, as the routines word them
};

}  // namespace moxlet::cli
