#pragma once
// The word list tool: a stand-alone list of up to 40 words for one student,
// drawn from up to five word segments, to print or copy.  Nothing of it is
// saved.
//
// - The student: chosen from the live profiles.  Their studied segments give
//   the two candidate lists the segment picker shows (Review: studied;
//   New: not yet studied, every catalogue segment in id order) and the two
//   masks that decide which words fit (words/Eligibility.h).
// - The list type, Review or New: which candidate list the picker shows,
//   and whether a segment's own bit is admitted when its words are
//   collected.  Changing it empties the chosen segments.
// - The chosen segments: up to five, in order.  The picker (words/
//   SegmentPicker.h, startPicking()) works on positions in the candidate
//   list of the current type, starting from the chosen segments that list
//   has; OK makes its picks the chosen segments (keepPicked()), Cancel
//   leaves them as they were.  Choosing another student keeps the chosen
//   segments, the words and the grid as they are, so one list can be
//   printed for several students, and the next generation draws the same
//   segments for the new student: a Review segment the student has not
//   studied then gives no words, and the generation note says why.
// - Generation: for each chosen segment in order, the candidates over the
//   student's syllable range (words/CandidateCollector.h, thinned as plan
//   lists are, from a fresh offset), each word's text with " *" after a
//   homophone when the homophone option is 1 or 2.  With two or more
//   segments the whole table is then sorted and its repeats removed
//   (wordlist/WordListSort.h), so a word two segments share is listed
//   once.  A single segment's words stay in word-base order: the word base
//   keeps a block's words in a fixed random order, so that a list drawn at
//   an even step (automatic selection) comes out mixed, as tutors want it
//   on a page for a child.  Each segment contributes at most kMaxCandidates
//   words, so the table holds at most 5 x 1500.
// - The grid: 40 cells over the generated list, a WordChoice (words/
//   WordChoice.h): a ticked word goes to the first empty cell, a 41st is
//   refused, an unticked word's cell is taken out and the later cells move
//   back one; typed words keep the cell they were typed into.
// - Automatic selection: below 40 words every word in order; otherwise the
//   step is count / 40 and the start a random index in [0, step).

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/plans/PlanFile.h"
#include "core/store/Random.h"
#include "core/store/Records.h"
#include "core/words/CandidateCollector.h"
#include "core/words/SegmentPicker.h"
#include "core/words/WordChoice.h"

namespace moxlet {

inline constexpr int kWordListSegments = 5;
inline constexpr int kWordListCells = 40;

// What one chosen segment gave in a generation.
struct SegmentYield {
    SegmentId segment = kNoSegment;
    std::int32_t records = 0;   // records of the segment in the syllable range
    std::int32_t eligible = 0;  // of them, words the student can decode
    std::int32_t listed = 0;    // words added to the table (after thinning)
};

struct GenerationReport {
    bool wordBaseRead = true;  // false: the word base could not be opened
    std::vector<SegmentYield> segments;
    std::size_t words = 0;  // in the list, sorted and without repeats
};

// A note for the tutor on the segments that gave no words (empty when each
// gave some): why, in one sentence per segment.  UTF-8.
std::string generationNote(const GenerationReport& report, int syllableMin, int syllableMax);

// Why the list of one segment for a student came out empty, in the words
// of generationNote, for the plan window's Review and New lists: it reads
// the segment's run again (short work, since an empty list comes from a
// small run or from words the student cannot decode).  Empty when the list
// has words after all.
std::string emptyListNote(WordBase* wordBase, const OffsetIndex& index, const StudentMasks& masks,
                          const CandidateQuery& query, Random& random);

// The positions automatic selection takes from a list of `count` words.
std::vector<int> automaticSelection(std::size_t count, Random& random);

class WordListTool {
public:
    WordListTool();

    // The student whose lists are made (checked profile, flag bits set).
    void chooseStudent(const StudentProfile& student);
    bool hasStudent() const { return hasStudent_; }
    const StudentProfile& student() const { return student_; }

    // The list made: PlanSection::Review (from the studied segments) or
    // PlanSection::New (from the others).
    PlanSection listType() const { return type_; }
    // Sets the list type; a change empties the chosen segments.  Returns
    // whether it changed.
    bool setListType(PlanSection type);

    // The candidate list of the current type (the picker's lines).
    const std::vector<SegmentId>& candidates() const;
    // The chosen segments, in order.
    const std::vector<SegmentId>& chosenSegments() const { return chosen_; }
    // Chooses segments directly (at most five are kept).
    void chooseSegments(std::vector<SegmentId> segments);

    // A picker over the candidate list, holding the chosen segments the
    // list has (valid until the next startPicking, student or type).
    SegmentPicker& startPicking();
    // What the picker holds now, in order.
    std::vector<SegmentId> pickedSegments() const;
    // OK in the picker: its segments become the chosen ones.
    void keepPicked();

    // Generates the list for the chosen segments: the grid is emptied, the
    // list replaced.  A null word base gives an empty list.
    GenerationReport generate(WordBase* wordBase, const OffsetIndex& index, Random& random,
                              int homophoneMode);
    // Fills the grid from the list at an even step (after generate).
    void selectAutomatically(Random& random);

    // The list type and segments of the last generation (Review and none
    // before the first).
    PlanSection generatedType() const { return generatedType_; }
    const std::vector<SegmentId>& generatedSegments() const { return generatedSegments_; }

    // The list and the grid.
    WordChoice& grid() { return grid_; }
    const WordChoice& grid() const { return grid_; }
    const std::vector<ListedWord>& words() const { return grid_.list(); }
    // Whether cell k holds a homophone from the list.
    bool cellIsHomophone(int k) const;

private:
    bool hasStudent_ = false;
    StudentProfile student_;
    PlanSegmentLists lists_;
    StudentMasks masks_;
    PlanSection type_ = PlanSection::Review;
    std::vector<SegmentId> chosen_;
    std::array<std::int16_t, kWordListSegments> slots_;  // the picker's
    std::unique_ptr<SegmentPicker> picker_;
    PlanSection generatedType_ = PlanSection::Review;
    std::vector<SegmentId> generatedSegments_;
    WordChoice grid_{kWordListCells};
};

}  // namespace moxlet
