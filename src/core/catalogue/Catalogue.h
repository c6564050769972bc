#pragma once
// The word segment catalogue: the fixed, built-in table of the 332 word
// segments (phonograms, syllable types, consonant blends, spelling rules,
// prefixes, suffixes, Latin roots and two word categories) that every
// profile, plan and word of the word base refers to by SegmentId.
//
// The id numbering is part of every stored file format and never changes:
//
//   0..116    phonograms            165..205  prefixes, 206 "Number Prefixes"
//   117       "Kind Old Words"      207..214  chameleon prefixes ("(+ cons)")
//   118..123  syllable types        215..272  suffixes
//   124..158  consonant blends      273..330  Latin roots
//   159..164  spelling rules        331       "Rote Words"
//                                   332..360  empty slots
//
// Names and meanings are Windows-1252 byte strings exactly as stored; they
// contain pronunciation-mark bytes 0xA1..0xB4 that only display and print
// map to visible marks (see Marks.h). "EU ()" and "EW ()" hold the mark byte
// 0xAD (long u) between their parentheses.
//
// The tables are constant-initialised, so they may be read from any static
// initialiser. Id order is the only order in which segments are ever listed.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/FixedText.h"
#include "core/catalogue/SegmentIds.h"
#include "core/catalogue/SegmentSet.h"

namespace moxlet {

inline constexpr std::size_t kSegmentSlots = seg::Slots;  // ids 0..360
inline constexpr int kSegmentCount = seg::Count;          // ids 0..331 carry a name
inline constexpr int kFirstBlend = seg::FirstBlend;
inline constexpr int kLastBlend = seg::LastBlend;
inline constexpr int kFirstWithMeaning = seg::FirstPrefix;  // prefixes, chameleon prefixes,
inline constexpr int kLastWithMeaning = seg::LastRoot;      // suffixes and roots
inline constexpr std::size_t kMeaningSlots = 196;           // index id - kFirstWithMeaning
inline constexpr std::size_t kGroupCount = 21;
inline constexpr std::size_t kBlendCount = kLastBlend - kFirstBlend + 1;

// Display names, blank-padded to 18 bytes; entries 332..360 are blank.
extern const std::array<FixedText<18>, kSegmentSlots> SegmentName;
// Meanings of ids 165..330 at index id - 165, blank-padded to 42 bytes;
// entries 166..195 are blank, and so are the meanings of 206, 209, 213, 246
// and 254.
extern const std::array<FixedText<42>, kMeaningSlots> SegmentMeaning;
// The 21 groups that lesson-plan output names by title when all of a group's
// members are present. No segment belongs to more than one group.
extern const std::array<FixedText<25>, kGroupCount> GroupTitle;
extern const std::array<SegmentSet, kGroupCount> GroupMask;
// Row r: the component consonants of blend 124 + r; the third is -1 for a
// two-component blend.
extern const std::array<std::array<SegmentId, 3>, kBlendCount> BlendPart;

// The stored name of id with its trailing blanks removed; empty for ids
// outside 0..360 and for the empty slots 332..360.
std::string segmentName(int id);

// Whether id lies in the range that carries meanings (165..330). The meaning
// itself may still be empty (206, 209, 213, 246, 254).
bool hasMeaning(int id);

// The stored meaning of id, trimmed; empty outside 165..330.
std::string segmentMeaning(int id);

// Every segment in id order: walks up from 0 and stops at the first id with
// an empty name, so position i of the result is segment i (332 entries).
std::vector<SegmentId> listAllSegments();

// The named segments of a set in id order (words 1..24, bits 0..14
// ascending). Ids without a name, such as the word flags 358 and 359, are
// never listed.
std::vector<SegmentId> listSet(const SegmentSet& set);

// The group index (0..20) that id belongs to, or -1.
int groupOf(int id);

// The trimmed title of group g; empty outside 0..20.
std::string groupTitle(int g);

// A set prepared for listing with complete groups named by their title.
struct CollapsedSet {
    std::vector<int> groups;          // complete groups, ascending
    std::vector<SegmentId> segments;  // the remaining named segments, id order
};

// Names every group whose members are all in p and lists the rest one by
// one. A partly present group is not named; its present members are listed
// individually. Because groups do not overlap, the order of the test does not
// matter.
CollapsedSet collapseGroups(SegmentSet p);

// A heading of a list of every segment: one of the 21 groups, or the
// segments of one kind that no group holds.
struct SegmentHeading {
    std::string title;
    int group = -1;                  // 0..20, or -1 for segments no group holds
    std::vector<SegmentId> members;  // id order
};

// Every named segment once, under headings in the order a course teaches
// them: the groups in their order, the phonograms, prefixes and suffixes
// that no group holds after the last group of their kind ("Other
// Phonograms", "Other Prefixes", "Other Suffixes"), and the word
// categories ("Kind Old Words", "Rote Words") last.
std::vector<SegmentHeading> segmentHeadings();

// Whether id is a consonant blend (124..158), the only segments with
// components.
bool isBlend(int id);

// Whether the components of blend are all in have: the first two, and the
// third when the blend has one. A segment that is not a blend has no
// components, so the answer for it is true.
bool blendComponentsPresent(int blend, const SegmentSet& have);

namespace catalogue_detail {
// A catalogue text checked at compile time: a text longer than its field
// does not compile instead of being cut silently.
template <std::size_t N>
consteval FixedText<N> fixedText(std::string_view s)
{
    if (s.size() > N) throw "catalogue text longer than its field";
    return FixedText<N>(s);
}
}  // namespace catalogue_detail

}  // namespace moxlet
