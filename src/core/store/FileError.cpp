#include "core/store/FileError.h"

namespace moxlet {

std::optional<std::string> fileErrorText(int errorNumber)
{
    switch (errorNumber) {
    case 52: return "  That file name or number is illegal.";
    case 53: return "  File not found.";
    case 54: return "  Can't open the file for that type of access.";
    case 55: return "  File already open.";
    case 57: return "  The disk is full.";
    case 58: return "  File already exists.";
    case 59: return "  File I/O was attempted with the wrong record length.";
    case 61: return "  The disk is full.";
    case 62:
        // Three pieces joined as they stand: no blank between "," and "or".
        return std::string("  This file has a nonstandard end-of-file marker,") +
               "or an attempt was made to read beyond " + "the end-of-file marker.";
    case 63: return "  File I/O was attempted with an incorrect record number.";
    case 64: return "  That file name is illegal.";
    case 67:
        // The original advice named a start-up file of another system; this
        // is the same advice for this one.
        return std::string("  Too many open files.  Close other programs and try again; if it ") +
               "keeps happening, raise the open-file limit (ulimit -n) and log in again.";
    case 68: return "  That device appears to be unavailable.";
    case 70: return "  File access was denied.  The file has been defined as read-only or hidden.";
    case 71: return "  The disk is not ready.";
    case 75: return "  File access not allowed.";
    case 76: return "  Path does not exist.";
    default: return std::nullopt;
    }
}

FileErrorAction reportFileError(Prompt& prompt, int errorNumber, const std::string& contextMessage)
{
    auto text = fileErrorText(errorNumber);
    if (!text) return FileErrorAction::Unrecognised;
    Buttons buttons = errorNumber == 68 ? Buttons::RetryCancel : Buttons::Ok;
    switch (prompt.message(contextMessage + *text, kFileErrorTitle, Icon::Exclamation, buttons)) {
    case Answer::Retry: return FileErrorAction::Retry;
    case Answer::Ignore: return FileErrorAction::Ignore;
    case Answer::Ok:
    case Answer::Cancel:
    case Answer::Abort: return FileErrorAction::GiveUp;
    default: return FileErrorAction::Unrecognised;
    }
}

}  // namespace moxlet
