#pragma once
// "Why is this word not in my list?": for a student (a profile's studied
// segments, or the studied set a plan keeps), a syllable range, a list
// segment and a word, says whether the word is offered in that segment's
// list and, when it is not, why: it is not in the word base; its syllable
// count is outside the range; it does not contain the segment; it contains
// segments the student has not studied (named); it is above the level of
// words offered (everyday, common, wider: the tutor's choice); or it fell
// out when a long list was thinned (and which offset would keep it).
//
// The answer follows the candidate procedure itself (collectCandidates):
// the segment's record run over the range, the eligibility test against
// the normal or, for root-flagged words, the extended mask, segment 160
// admitted in the list of 159, a New list's own segment admitted, the level
// filter before thinning (a word above the level is no candidate and is
// not counted), and thinning from 1000 candidates with step count / 750.  A
// word is Offered exactly when that procedure, with the same remembered
// offset, lists it.  When the list would be thinned from a fresh random
// offset (none remembered) its words are ThinnedAtRandom instead, each
// with the one offset whose list holds it.
//
// What is read.  With a segment the check reads that segment's run over
// syllables 1..9 (the range's records and those on either side, so that a
// word outside the range is told apart from a missing one) and counts the
// candidates on the way, as the collection does.  Only when the word is
// not in that run does it look further (findWord below).  Without a
// segment it finds the word (findWord), then for each segment of the word
// that could carry the list (Review: the studied ones; New: the others)
// decides from the word's own segments, reading that segment's run only
// when the list could be thinned (its position in the run decides then).
//
// Finding a word without knowing its segments (findWord).  The word base
// is ordered by segment, not by text, and nothing scans all of it.  Every
// word carries a segment that explains a spelling inside it: a phonogram
// whose letters occur in the word, or Rote Words for a part no segment
// explains; the exception is a word of one letter saying a long vowel
// ("a", "I", "o"), which only its syllable type may explain (Open
// Syllable).  So the word is looked for in the runs of those segments
// (keySegments), smallest run first, stopping at the first record that
// holds it; a word that none of them holds is not in the word base.  A
// test holds every word of the shipped word base to this rule.  Measured
// on the shipped word base (247,462 records; one word in ten): a word that
// is there is found after about 2,550 records on average (median 1,051,
// at most 31,764), a word that is not costs about 52,500 (at most 103,834,
// every phonogram spelled in it), a fifth of a whole scan.  In a Release
// build a check reads about ten million records a second: a word in the
// list of the largest run (Closed Syllable) takes about 3 ms, as long as
// building that list; a missing word 4 to 12 ms.  Given the word base by
// text (WordTextIndex), findWord reads nothing and gives the same answer:
// the first record of the word in the first of those runs that holds one.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/Records.h"
#include "core/words/CandidateCollector.h"
#include "core/words/OffsetIndex.h"
#include "core/words/WordBase.h"
#include "core/words/WordTextIndex.h"

namespace moxlet {

enum class WordVerdict {
    Offered,               // the list holds the word
    NotInWordBase,         // no record of the word base holds it
    OutsideSyllableRange,  // its syllable count is outside the student's range
    LacksSegment,          // it does not contain the list's segment
    NeedsUnstudied,        // it contains segments the student has not studied
    BeyondLevel,           // its level is above the level offered (it fits the student otherwise)
    ThinnedOut,            // the long list was thinned from the remembered offset without it
    ThinnedAtRandom,       // the long list is thinned from a fresh random offset: only some lists hold it
    NoListSegment,         // without a segment: none of its segments carries a list of this kind
    Unreadable,            // the word base could not be read (already reported)
};

struct WordCheckQuery {
    std::string word;    // as the tutor typed it (Windows-1252)
    SegmentSet studied;  // StudiedSegments or PlanStudiedSegments
    int syllableMin = 1;
    int syllableMax = 9;
    SegmentId segment = kNoSegment;  // the list's segment (0..331), or kNoSegment: any list
    bool newList = false;            // a New list: the segment's own bit is admitted
    // The list's remembered offset (a plan slot's ThinOffset, a spelling
    // row's SpellingThinOffset), or -1 when the list draws a fresh one each
    // time it is made (the word list tool, a slot not generated yet).
    // Without a segment it is not used: every list is taken as fresh.
    std::int16_t thinOffset = -1;
    WordLevel upTo = kDefaultOfferLevel;  // the level words are offered up to
    // Without a segment: whether the word fits each list is decided from
    // its segments alone, and no long list is read to find the word's
    // place in it, so a list the word fits counts as offering it
    // (Offered, never ThinnedAtRandom).  Whether a student can decode a
    // word needs no more (PassageCheck).
    bool eligibilityOnly = false;
};

// How a long list was or would be thinned around the word.
struct ThinningDetail {
    bool thinned = false;              // the list is thinned (1000 candidates or more)
    std::int32_t candidates = 0;       // eligible words of the run before thinning (0: not counted)
    std::int32_t position = 0;         // the word's 1-based place among them
    std::int32_t step = 1;             // candidates / 750
    std::int16_t offset = -1;          // the offset in use (-1: a fresh one each time)
    std::int16_t includingOffset = 0;  // the offset in [0, step) whose list holds the word
};

// The answer for one list segment.
struct ListVerdict {
    SegmentId segment = kNoSegment;
    WordVerdict verdict = WordVerdict::Offered;
    std::vector<SegmentId> unstudied;  // NeedsUnstudied: outside the student's mask, id order
    ThinningDetail thinning;
};

struct WordCheckResult {
    WordVerdict verdict = WordVerdict::NotInWordBase;
    std::string word;  // as the word base holds it (lower case), or as typed when it holds none
    SegmentId segment = kNoSegment;
    bool newList = false;
    int syllableMin = 1;
    int syllableMax = 9;

    bool found = false;                     // the word base holds the word
    int syllables = 0;                      // its syllable count (its block in the index)
    SegmentSet segments;                    // its segments and flags
    WordLevel level = WordLevel::Everyday;  // its level
    WordLevel upTo = kDefaultOfferLevel;    // the level asked about
    bool inRange = false;
    bool containsSegment = false;
    std::vector<SegmentId> unstudied;  // segments outside the student's mask (with the list's admissions)
    ThinningDetail thinning;

    // Without a segment: one entry per segment of the word that could carry
    // a list of this kind, in id order.
    std::vector<ListVerdict> lists;

    std::int32_t recordsRead = 0;  // word base records read for the answer

    bool offered() const { return verdict == WordVerdict::Offered; }
};

// `texts`, when given, finds words by their text (findWord).
WordCheckResult checkWord(WordBase& wordBase, const OffsetIndex& index, const WordCheckQuery& query,
                          const WordTextIndex* texts = nullptr);

// A query for a student's profile, as the word list tool builds its lists
// (a fresh offset each time, words up to `upTo`).
WordCheckQuery profileQuery(const StudentProfile& profile, std::string word, SegmentId segment, bool newList,
                            WordLevel upTo);

// The word as the word base would hold it: blanks around it and a
// homophone mark (" *", as lists show homophones) removed, A..Z lowered.
std::string normalizedWord(std::string_view typed);

// The segments in whose runs findWord looks for a word (see above), in id
// order.
std::vector<SegmentId> keySegments(std::string_view word);

// Where a word was found.
struct FoundWord {
    std::int32_t record = 0;  // 0: not found
    int syllables = 0;
    WordRecord word;
};

// Looks for `word` (normalized) in the runs of its key segments, smallest
// first, leaving out the run of `skip` (already read by the caller): by
// reading them, or with `texts` by looking the word up, which reads a
// record only for a text whose records differ.  `recordsRead` is increased
// by the records read.  False when a read was given up.
bool findWord(WordBase& wordBase, const OffsetIndex& index, std::string_view word, SegmentId skip,
              FoundWord& found, std::int32_t& recordsRead, const WordTextIndex* texts = nullptr);

}  // namespace moxlet
