#pragma once
// The records every window shares, as plain structures in the field order of
// their files.  The byte layouts live in the codecs (ProfileCodec, PlanCodec,
// OptionCodec, WordCodec); nothing here is copied to disk as raw memory.

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/catalogue/FixedText.h"
#include "core/catalogue/SegmentSet.h"

namespace moxlet {

inline constexpr std::int16_t kFormatVersion = 30100;

// Word positions and thinning offsets index a candidate list of at most
// this many entries.
inline constexpr int kMaxListPosition = 6000;

// One student (PROFILES.DAT, 640 bytes a record).
struct StudentProfile {
    std::int16_t ProfileNo = 0;
    FixedText<25> LastName;
    FixedText<25> FirstName;
    FixedText<40> ParentName;
    FixedText<60> Address;
    FixedText<60> StudentSchool;
    FixedText<40> StudentTeacher;
    FixedText<2> StudentGrade;
    FixedText<6> HourlyRate;
    FixedText<15> HomePhone;
    FixedText<15> WorkPhone;
    FixedText<15> TeachPhone;
    FixedText<80> StudentComments;
    std::array<FixedText<7>, 7> Reserved;
    std::int16_t SyllableMin = 0;
    std::int16_t SyllableMax = 0;
    std::array<std::int16_t, 13> ProfileNoise{};
    std::int16_t Seed1 = 0;
    std::int16_t Seed2 = 0;
    std::int16_t Seed3 = 0;
    SegmentSet StudiedSegments;
    std::int16_t FormatVersion = 0;
    std::array<std::int16_t, 58> ProfileFiller{};
    std::int16_t InUse = 0;
    std::int16_t Reserved2 = 0;

    friend bool operator==(const StudentProfile&, const StudentProfile&) = default;
};

// The four sections of a lesson plan, in the order of the record and the
// window.  Review and New also name the two kinds of word list a plan keeps
// per slot, and the two lists the word list tool makes.
enum class PlanSection { Auditory = 0, Review = 1, Spelling = 2, New = 3 };
inline constexpr std::array<PlanSection, 4> kPlanSections = {PlanSection::Auditory, PlanSection::Review,
                                                             PlanSection::Spelling, PlanSection::New};
inline constexpr std::array<PlanSection, 2> kListSections = {PlanSection::Review, PlanSection::New};

// The index of a section in arrays over all four, 0..3 in the order above.
constexpr std::size_t sectionIndex(PlanSection section) { return static_cast<std::size_t>(section); }
// The first index of ListWord and ListWordPos: 0 for Review, 1 for New.
constexpr std::size_t listIndex(PlanSection list) { return list == PlanSection::New ? 1 : 0; }

// One lesson of one student (a plan file, 9600 bytes a record).
struct LessonPlan {
    std::int16_t ProfileNo = 0;
    FixedText<25> Reserved1;
    FixedText<25> Reserved2;
    FixedText<8> LessonDate{"  -  -  "};
    std::int16_t SyllableMin = 0;
    std::int16_t SyllableMax = 0;
    std::array<std::int16_t, 10> AuditorySegments{};  // SectionSegments(0, 0..9)
    std::array<std::int16_t, 5> ReviewSegments{};     // SectionSegments(1, 0..4)
    std::array<std::int16_t, 15> SpellingSegments{};  // SectionSegments(2, 0..14)
    std::array<std::int16_t, 5> NewSegments{};        // SectionSegments(3, 0..4)
    std::array<std::int16_t, 61> SpellWordTag{};
    std::array<FixedText<20>, 61> SpellWord;
    // ListWordPos(i, j, k) / ListWord(i, j, k): i 0 Review, 1 New; j slot 0..3; k position 0..39.
    std::array<std::array<std::array<std::int16_t, 40>, 4>, 2> ListWordPos{};
    std::array<std::array<std::array<FixedText<20>, 40>, 4>, 2> ListWord;
    std::array<FixedText<80>, 11> Sentence;
    std::array<std::int16_t, 15> SpellingThinOffset{};
    std::array<std::int16_t, 4> ReviewThinOffset{};
    std::array<std::int16_t, 4> NewThinOffset{};
    std::int16_t Seed1 = 0;
    std::int16_t Seed2 = 0;
    std::int16_t Seed3 = 0;
    std::array<std::int16_t, 13> PlanNoise{};
    SegmentSet PlanStudiedSegments;
    std::array<std::int16_t, 34> PlanFiller{};
    std::int16_t PlanReviewListSize = 0;
    std::int16_t PlanNewListSize = 0;
    std::int16_t FormatVersion = 0;
    std::int16_t InUse = 0;
    std::int16_t Reserved3 = 0;

    friend bool operator==(const LessonPlan&, const LessonPlan&) = default;
};

// The options record (OPTION.PRM, one 118-byte record).
struct OptionRecord {
    std::array<std::int16_t, 6> PrintSection{};  // sections 1..6 at index 0..5
    std::int16_t ReviewListSize = 0;
    std::int16_t NewListSize = 0;
    std::int16_t PageBreak = 0;
    std::int16_t SegmentOrder = 0;
    std::int16_t HomophoneMode = 0;
    std::int16_t BlankLines = 0;
    std::int16_t FontSizeMode = 0;
    std::array<std::int16_t, 45> Reserved{};
    std::int16_t Reserved2 = 0;

    friend bool operator==(const OptionRecord&, const OptionRecord&) = default;
};

// How familiar a word is to a child (words/WordLevel.h): Everyday words a
// beginner meets daily, Common words, and Wider ones (rare words and words of
// adult domains such as medicine, law or alcohol).  Ordered: a list offered
// "up to Common" holds Everyday and Common words.
enum class WordLevel : std::uint8_t { Everyday = 0, Common = 1, Wider = 2 };

// One word of the word base, decoded (WORDBASE.WDB, 74 bytes a record).
struct WordRecord {
    std::int16_t WordSeed = 0;
    std::int16_t OrderKey = 0;  // number of syllables
    std::int16_t Length = 0;
    SegmentSet Segments;  // plus the two word flags in word 24
    FixedText<20> WordText;
    WordLevel Level = WordLevel::Everyday;  // carried by the stored seed, not a field of its own

    friend bool operator==(const WordRecord&, const WordRecord&) = default;
};

}  // namespace moxlet
