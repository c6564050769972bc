#pragma once
// FileError: turns a file error into the tutor's message box and a decision
// whether to repeat the failing step.  withRetry() is the error handler every
// file routine shares: run a step, report a failure under the routine's
// context message, repeat the step while the answer is Retry.

#include <cstdint>
#include <optional>
#include <string>

#include "core/store/FileSystem.h"
#include "core/store/Prompt.h"

namespace moxlet {

enum class FileErrorAction : std::int16_t {
    Retry = 0,  // repeat the failing statement
    Ignore = 1,
    GiveUp = 2,
    Unrecognised = 3,  // not a file error FileError knows; nothing was shown
};

inline const std::string kFileErrorTitle = "File Error";

// The text FileError appends to the context message for an error number
// (each begins with two blanks), or nothing for a number it does not know.
std::optional<std::string> fileErrorText(int errorNumber);

// Shows context + text under the title "File Error" with the exclamation icon
// and OK (Retry and Cancel for error 68) and maps the answer: Retry 0,
// Ignore 1, OK/Cancel/Abort 2.  An unknown number returns 3 without a box.
FileErrorAction reportFileError(Prompt& prompt, int errorNumber, const std::string& contextMessage);

// Runs step(); on a FileException reports it through FileError under
// contextMessage and runs the step again while the answer is Retry.
// Returns true when the step ran to its end.  An error FileError does not
// recognise is passed over as if OK had been pressed (the step gives up).
template <class Step>
bool withRetry(Prompt& prompt, const std::string& contextMessage, Step&& step)
{
    for (;;) {
        try {
            step();
            return true;
        } catch (const FileException& e) {
            if (reportFileError(prompt, e.number(), contextMessage) != FileErrorAction::Retry) return false;
        }
    }
}

}  // namespace moxlet
