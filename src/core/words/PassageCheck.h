#pragma once
// Can this student read this text?  Each distinct word of a text (read as
// PassageReading.h says) gets a verdict and a reason in the words of Check
// a Word (wordCheckText).  A word is decodable exactly when one of the
// student's Review lists would offer it: the same check as `moxlet-cli
// why` without a segment (checkWord, deciding from the word's segments
// alone: eligibilityOnly), so the passage, the word check and the lists
// never disagree.  That also settles rote words: a word tagged Rote Words
// is known once the student has studied Rote Words (and the word's other
// segments), like any other segment.
//
// Not failures of the student, and never marked:
// - numbers;
// - names: a capitalised word the word base lacks, when it is capitalised
//   somewhere it does not start a sentence and never written in lower
//   case, or when it is the student's own first name.  A capitalised word
//   the word base holds is read as that word ("Jack", "Rose").  A word the
//   word base lacks that only ever starts sentences cannot be told from a
//   word Moxlet does not know, so it is marked as not in the word base.
//
// Marked (isMarked): words that need unstudied segments, lie outside the
// syllable range, are not in the word base, or are beyond the word level
// the tutor chose, and words whose word base records could not be read.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/SegmentSet.h"
#include "core/store/Records.h"
#include "core/words/OffsetIndex.h"
#include "core/words/PassageReading.h"
#include "core/words/WordBase.h"
#include "core/words/WordLevel.h"
#include "core/words/WordTextIndex.h"

namespace moxlet {

enum class PassageVerdict {
    Decodable,
    NeedsUnstudied,        // it contains segments the student has not studied
    OutsideSyllableRange,  // its syllable count is outside the student's range
    BeyondLevel,           // decodable, but beyond the word level the tutor chose
    NotInWordBase,
    Name,
    Number,
    Unreadable,  // the word base could not be read (already reported)
};

// Whether a word with this verdict is one the student cannot read yet.
bool isMarked(PassageVerdict verdict);

struct PassageStudent {
    std::string name;  // the first name (Windows-1252); empty: "this student"
    SegmentSet studied;
    int syllableMin = 1;
    int syllableMax = 9;
    // The word level the tutor chose ("Offer words up to"): a word above it
    // that the student could decode is BeyondLevel, with Check a Word's reason.
    WordLevel upTo = kDefaultOfferLevel;
};

// A profile's student (its studied segments and syllable range).
PassageStudent passageStudent(const StudentProfile& profile);

struct PassageWord {
    std::string text;  // a word: as looked up (lower case); a name or a number: as first written
    PassageVerdict verdict = PassageVerdict::NotInWordBase;
    std::vector<SegmentId> unstudied;  // the segments it needs that are not studied, id order
    std::string reason;                // Windows-1252
    int occurrences = 0;
};

struct PassageReport {
    std::vector<PassageWord> words;  // distinct, in order of first appearance
    struct Place {
        std::size_t begin = 0;  // bytes of the text
        std::size_t end = 0;
        std::size_t word = 0;  // into words
    };
    std::vector<Place> places;  // every word and number of the text, in order
    int runningWords = 0;       // words of the text, names and numbers left out
    int decodableWords = 0;     // of those, the decodable ones

    bool allDecodable() const;
};

PassageReport checkPassage(WordBase& wordBase, const OffsetIndex& index, const WordTextIndex& texts,
                           std::string_view text, const PassageStudent& student,
                           SentenceStarts starts = SentenceStarts::AfterSentenceEnds);

}  // namespace moxlet
