#include "core/wordlist/WordListCheck.h"

#include "core/words/WordCheck.h"
#include "core/words/WordCheckText.h"

namespace moxlet {

std::string wordListCheckText(WordBase& wordBase, const OffsetIndex& index, const WordListTool& tool,
                              std::string_view word)
{
    const bool generated = !tool.generatedSegments().empty();
    const std::vector<SegmentId> segments = generated ? tool.generatedSegments() : tool.chosenSegments();
    const bool newList = (generated ? tool.generatedType() : tool.listType()) == PlanSection::New;
    const WordLevel upTo = generated ? tool.generatedLevel() : tool.offeredLevel();
    const auto check = [&](SegmentId segment) {
        return checkWord(wordBase, index,
                         profileQuery(tool.student(), std::string(word), segment, newList, upTo));
    };

    if (segments.empty()) return wordCheckText(check(kNoSegment));
    std::vector<WordCheckResult> results;
    for (SegmentId segment : segments) {
        results.push_back(check(segment));
        const WordCheckResult& r = results.back();
        if (r.offered()) return wordCheckText(r);
        // The same answer for every segment.
        if (r.verdict == WordVerdict::NotInWordBase || r.verdict == WordVerdict::Unreadable)
            return wordCheckText(r);
    }
    // Outside the range is outside it for every segment: told once, for a
    // segment the word contains if it has one.
    if (results.front().verdict == WordVerdict::OutsideSyllableRange) {
        for (const WordCheckResult& r : results)
            if (r.containsSegment) return wordCheckText(r);
        return wordCheckText(results.front());
    }
    std::string text;
    for (const WordCheckResult& r : results) {
        if (!text.empty()) text += '\n';
        text += wordCheckText(r);
    }
    return text;
}

}  // namespace moxlet
