#include "ui/words/PassageChecker.h"

#include "ui/common/DataFiles.h"
#include "ui/common/Text.h"

namespace moxlet::ui {

namespace {

// The text as stored, line breaks kept, and for each stored byte the
// position in `text` of the character it came from (then the end).
void storeText(const QString& text, std::string& stored, std::vector<int>& positions)
{
    const auto size = static_cast<int>(text.size());
    for (int start = 0;;) {
        int lineEnd = static_cast<int>(text.indexOf(QLatin1Char('\n'), start));
        if (lineEnd < 0) lineEnd = size;
        const std::string line = toStored(text.mid(start, lineEnd - start));
        int at = start;
        for (std::size_t k = 0; k < line.size(); ++k) {
            positions.push_back(std::min(at, lineEnd));
            const bool pair = at + 1 < lineEnd && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate();
            at += pair ? 2 : 1;
        }
        stored += line;
        if (lineEnd == size) break;
        stored += '\n';
        positions.push_back(lineEnd);
        start = lineEnd + 1;
    }
    positions.push_back(size);
}

}  // namespace

std::vector<std::vector<TextMark>> marksByLine(const std::vector<TextMark>& marks, const QStringList& lines)
{
    std::vector<std::vector<TextMark>> byLine(static_cast<std::size_t>(lines.size()));
    int lineStart = 0;
    for (std::size_t k = 0; k < byLine.size(); ++k) {
        const int lineEnd = lineStart + static_cast<int>(lines[static_cast<qsizetype>(k)].size());
        for (const TextMark& m : marks)
            if (m.begin >= lineStart && m.end <= lineEnd)
                byLine[k].push_back({m.begin - lineStart, m.end - lineStart, m.tip});
        lineStart = lineEnd + 1;
    }
    return byLine;
}

PassageChecker::PassageChecker(Services& services, WordLevel offerUpTo)
    : services_(services), offerUpTo_(offerUpTo)
{
}

PassageChecker::~PassageChecker() = default;

bool PassageChecker::open()
{
    if (failed_) return false;
    if (texts_) return true;
    WaitCursor wait;  // the first check builds the word base by text
    files_ = std::make_unique<WordBaseFiles>(services_);
    wordBase_ = files_->open();
    if (wordBase_) texts_ = textIndexOf(services_.words, *wordBase_);
    failed_ = texts_ == nullptr;
    return !failed_;
}

std::optional<CheckedText> PassageChecker::check(const QString& text, PassageStudent student,
                                                 SentenceStarts starts)
{
    if (!open()) return std::nullopt;
    CheckedText checked;
    std::vector<int> positions;
    storeText(text, checked.stored, positions);
    student.upTo = offerUpTo_;
    checked.report =
        checkPassage(*wordBase_, services_.words.index, *texts_, checked.stored, student, starts);
    for (const auto& place : checked.report.places) {
        const PassageWord& word = checked.report.words[place.word];
        if (word.verdict == PassageVerdict::Unreadable) failed_ = true;  // reported once, not again
        if (isMarked(word.verdict))
            checked.marks.push_back({positions[place.begin], positions[place.end], markedText(word.reason)});
    }
    return checked;
}

}  // namespace moxlet::ui
