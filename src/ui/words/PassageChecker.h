#pragma once
// A passage check as the windows ask it while a tutor types (the skills
// application's sentence lines, the passage window).  The word base is
// opened on the first check and kept open for the checker's life, and the
// word base by text is built then too (and kept by the WordSource for the
// program's run), so every later check reads almost nothing: a 1,000-word
// passage takes a few milliseconds and typing never waits.  A word base
// that cannot be opened or read is reported once; the checker then stays
// quiet (no marks, no summary) rather than asking again at each keystroke.
//
// The windows hold QStrings, the check reads Windows-1252: a character the
// code page lacks is one character, and every mark is given in the
// QString's own positions.  Line breaks are kept, so a passage is read
// line by line where the caller asks for it.

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "core/store/Records.h"
#include "core/words/PassageCheck.h"
#include "ui/common/MarkedLineEdit.h"
#include "ui/common/Services.h"

namespace moxlet::ui {

class WordBaseFiles;

// The level the tutor offers words up to ("Offer words up to").
inline WordLevel offeredWordLevel(const Services& services) { return services.options.values.OfferUpTo; }

struct CheckedText {
    PassageReport report;
    std::string stored;  // the text as checked (Windows-1252)
    // The words the student cannot read yet, each time they occur, with
    // why in the words of Check a Word (pronunciation marks drawn).
    std::vector<TextMark> marks;
};

// The marks of a text made of `lines` joined by line breaks, line by line
// in each line's own positions.
std::vector<std::vector<TextMark>> marksByLine(const std::vector<TextMark>& marks, const QStringList& lines);

class PassageChecker {
public:
    // offerUpTo: words above it are marked as beyond the word level.
    PassageChecker(Services& services, WordLevel offerUpTo);
    ~PassageChecker();
    PassageChecker(const PassageChecker&) = delete;
    PassageChecker& operator=(const PassageChecker&) = delete;

    // Nothing when the word base could not be opened or read.
    std::optional<CheckedText> check(const QString& text, PassageStudent student, SentenceStarts starts);

private:
    bool open();

    Services& services_;
    WordLevel offerUpTo_;
    std::unique_ptr<WordBaseFiles> files_;
    std::unique_ptr<WordBase> wordBase_;
    const WordTextIndex* texts_ = nullptr;
    bool failed_ = false;
};

}  // namespace moxlet::ui
