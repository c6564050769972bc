// checkWord agrees with the candidate procedure: over many random students,
// segments, ranges, list kinds, offsets and levels, a word is
// Offered exactly when collectCandidates lists it (and, for a list thinned
// from a fresh offset, exactly when the drawn offset is the one checkWord
// names).  Then the same on the shipped word base for a few real words, and
// the rule by which a word is found without a segment, held against every
// word of the shipped word base.

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>
#include <tuple>

#include "core/catalogue/Catalogue.h"
#include "core/store/DiskFileSystem.h"
#include "core/words/WordCheck.h"
#include "support/TestWordBase.h"

namespace moxlet {
namespace {

using test::LexiconWord;
using test::TestWordBase;

// The segments of the random words: a few phonograms (spelled in the word),
// a syllable type the masks always admit, Silent E, a blend, both doubling
// rules, a prefix, two roots and Rote Words.
struct Part {
    int segment;
    const char* letters;
    double chance;
};
constexpr Part kParts[] = {
    {seg::ClosedSyllable, "", 0.93}, {seg::T, "t", 0.6},         {seg::A_Short, "a", 0.5},
    {seg::E_Short, "e", 0.2},        {seg::I_Short, "i", 0.3},   {seg::S, "s", 0.3},
    {seg::VowelPair, "", 0.1},       {seg::SilentE, "", 0.1},    {154 /* STR */, "", 0.1},
    {seg::Rule111, "", 0.06},        {seg::Rule211, "", 0.05},   {203 /* TRANS- */, "", 0.05},
    {273 /* AUD */, "", 0.04},       {309 /* PORT */, "", 0.05}, {seg::RoteWords, "", 0.03},
};

std::vector<LexiconWord> randomLexicon(std::mt19937& rng, int count)
{
    std::uniform_real_distribution<double> u(0.0, 1.0);
    std::vector<LexiconWord> words;
    for (int i = 0; i < count; ++i) {
        LexiconWord w;
        w.syllables = 1 + static_cast<int>(u(rng) * 3);
        for (const auto& p : kParts) {
            if (u(rng) >= p.chance) continue;
            w.segments.add(p.segment);
            w.text += p.letters;
        }
        if (w.segments.contains(seg::Rule111) && u(rng) < 0.5) w.segments.add(seg::Rule211);  // forgotten
        if (w.text.empty()) {  // every word has a phonogram spelled in it
            w.segments.add(seg::T);
            w.text = "t";
        }
        if (u(rng) < 0.4) w.segments.add(seg::RootFlag);
        if (u(rng) < 0.1) w.segments.add(seg::HomophoneFlag);
        const double level = u(rng);
        w.level = level < 0.6 ? WordLevel::Everyday : level < 0.85 ? WordLevel::Common : WordLevel::Wider;
        // Unique: three letters that no part uses, numbering the word.
        static constexpr char kDigits[] = "bcdfghjklmnpqrvwxyz";
        for (int n = i, k = 0; k < 3; ++k, n /= 19) w.text += kDigits[n % 19];
        words.push_back(w);
    }
    return words;
}

// One list as the program builds it, and the words it holds.
struct Listing {
    std::set<std::string> words;
    std::int16_t offset = -1;  // after the collection: the drawn or kept offset
};

Listing collect(WordBase& wb, const OffsetIndex& index, const WordCheckQuery& q, SegmentId segment,
                Random& random)
{
    Listing l;
    l.offset = q.segment == kNoSegment ? std::int16_t{-1} : q.thinOffset;
    const CandidateQuery cq{segment, q.syllableMin, q.syllableMax, q.newList, q.upTo};
    const Candidates c =
        collectCandidates(wb, index, StudentMasks::fromStudied(q.studied), cq, l.offset, random);
    for (std::size_t k = 0; k < c.size(); ++k) {
        WordRecord w;
        EXPECT_TRUE(c.word(k, w));
        l.words.insert(w.WordText.trimmed());
    }
    return l;
}

// What checkWord says about one list must be what the list holds.
void expectAgreement(WordVerdict verdict, const ThinningDetail& t, const Listing& listing,
                     const std::string& word, const std::string& context)
{
    const bool listed = listing.words.count(word) > 0;
    if (verdict == WordVerdict::ThinnedAtRandom)
        EXPECT_EQ(listed, t.includingOffset == listing.offset) << context;
    else
        EXPECT_EQ(listed, verdict == WordVerdict::Offered) << context;
}

TEST(WordCheckProperty, AgreesWithTheCandidateProcedure)
{
    std::mt19937 rng(20240611);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const auto lexicon = randomLexicon(rng, 1800);
    TestWordBase base(lexicon);
    SeededRandom random(99);
    std::map<WordVerdict, int> seen;

    for (int trial = 0; trial < 24; ++trial) {
        // Half the trials ask about the long run of Closed Syllable over every
        // syllable count, for a student who knows most parts, so that long
        // lists are thinned; the others about each segment in turn, over any
        // range.
        const bool longList = trial % 2 == 0;
        WordCheckQuery q;
        for (const auto& p : kParts)
            if (u(rng) < (longList ? 0.95 : 0.75)) q.studied.add(p.segment);
        q.syllableMin = longList ? 1 : 1 + static_cast<int>(u(rng) * 3);
        q.syllableMax = longList ? 3 : q.syllableMin + static_cast<int>(u(rng) * (4 - q.syllableMin));
        q.segment = static_cast<SegmentId>(longList ? seg::ClosedSyllable
                                                    : kParts[trial / 2 % std::size(kParts)].segment);
        if (q.segment == seg::Rule111) q.studied.remove(seg::Rule211);  // so that its admission counts
        q.newList = u(rng) < 0.3;
        q.thinOffset = static_cast<std::int16_t>(trial % 3 - 1);  // -1 .. 1
        q.upTo = static_cast<WordLevel>(trial / 2 % 3);
        const Listing listing = collect(*base.wordBase, base.index, q, q.segment, random);
        const std::string context =
            "trial " + std::to_string(trial) + " segment " + std::to_string(q.segment);

        // Every listed word, and a sample of the others and of words not in the base.
        std::vector<std::string> words(listing.words.begin(), listing.words.end());
        if (words.size() > 8) words.resize(8);
        for (int k = 0; k < 8; ++k)
            words.push_back(lexicon[static_cast<std::size_t>(u(rng) * lexicon.size())].text);
        words.push_back("tzzzz");
        for (const auto& w : words) {
            q.word = w;
            const WordCheckResult r = checkWord(*base.wordBase, base.index, q);
            ++seen[r.verdict];
            expectAgreement(r.verdict, r.thinning, listing, w, context + " " + w);
        }

        // Without a segment: each list the answer names, against that list.
        q.segment = kNoSegment;
        for (int k = 0; k < 3; ++k) {
            q.word = lexicon[static_cast<std::size_t>(u(rng) * lexicon.size())].text;
            const WordCheckResult r = checkWord(*base.wordBase, base.index, q);
            for (const auto& l : r.lists) {
                const Listing other = collect(*base.wordBase, base.index, q, l.segment, random);
                expectAgreement(l.verdict, l.thinning, other, q.word, context + " any list " + q.word);
            }
        }
    }
    // The answers covered every kind of reason.
    for (WordVerdict v : {WordVerdict::Offered, WordVerdict::NotInWordBase, WordVerdict::OutsideSyllableRange,
                          WordVerdict::LacksSegment, WordVerdict::NeedsUnstudied, WordVerdict::BeyondLevel,
                          WordVerdict::ThinnedOut, WordVerdict::ThinnedAtRandom})
        EXPECT_GT(seen[v], 0) << static_cast<int>(v);
}

// The shipped word base, where the program reads it.
struct Shipped {
    OffsetIndex index;
    DiskFileSystem fs{MOXLET_WORDBASE_DIR};
    ScriptedPrompt prompt;
    SeededRandom random{5};
    std::unique_ptr<WordBase> wordBase;
    Shipped()
    {
        fillOffsetIndex(index);
        wordBase = WordBase::open(FileContext{fs, prompt, random});
    }
};

TEST(WordCheckProperty, AgreesOnTheShippedWordBase)
{
    Shipped shipped;
    ASSERT_TRUE(shipped.wordBase);
    SegmentSet everything;
    everything.addRange(0, seg::Count - 1);
    SegmentSet beginner;
    for (int s : {seg::A_Short, seg::B, seg::C_K, seg::D, seg::I_Short, seg::M, seg::N, seg::P, seg::R,
                  seg::S, seg::T, seg::ClosedSyllable})
        beginner.add(s);
    SegmentSet noRoots = everything;
    for (int s = seg::FirstRoot; s <= seg::LastRoot; ++s) noRoots.remove(s);

    int offered = 0;
    // The student who knows no root is asked only about words with roots
    // (one flagged, one not).
    const std::pair<SegmentSet, std::vector<const char*>> students[] = {
        {everything, {"cat", "stripe", "transport", "audience", "hummed"}},
        {beginner, {"cat", "stripe", "transport", "hummed"}},
        {noRoots, {"transport", "audience"}},
    };
    for (std::size_t who = 0; who < std::size(students); ++who) {
        std::map<std::pair<SegmentId, int>, Listing> listings;  // each list collected once
        for (const char* word : students[who].second) {
            WordCheckQuery q;
            q.word = word;
            q.studied = students[who].first;
            q.syllableMin = 1;
            q.syllableMax = 2;
            const WordCheckResult any = checkWord(*shipped.wordBase, shipped.index, q);
            for (const auto& l : any.lists) {
                for (const int offset : {-1, 1}) {
                    q.segment = l.segment;
                    q.thinOffset = static_cast<std::int16_t>(offset);
                    const WordCheckResult r = checkWord(*shipped.wordBase, shipped.index, q);
                    const auto key = std::pair{l.segment, offset};
                    if (!listings.count(key))
                        listings[key] =
                            collect(*shipped.wordBase, shipped.index, q, l.segment, shipped.random);
                    expectAgreement(r.verdict, r.thinning, listings[key], word,
                                    std::string(word) + " in the list of " + std::to_string(l.segment));
                    offered += r.offered();
                }
            }
        }
    }
    EXPECT_GT(offered, 20);
}

TEST(WordCheckProperty, EveryShippedWordIsFoundByItsKeySegments)
{
    Shipped shipped;
    ASSERT_TRUE(shipped.wordBase);
    std::map<std::string, SegmentSet> words;
    shipped.wordBase->readRun(1, shipped.wordBase->recordCount(), [&](std::int32_t, const WordRecord& w) {
        words.emplace(w.WordText.trimmed(), w.Segments);
    });
    ASSERT_GT(words.size(), 18000U);
    std::vector<std::string> lost;
    for (const auto& [word, segments] : words) {
        const auto keys = keySegments(word);
        if (std::none_of(keys.begin(), keys.end(), [&](SegmentId s) { return segments.contains(s); }))
            lost.push_back(word);
    }
    EXPECT_TRUE(lost.empty()) << lost.size() << " words, the first " << (lost.empty() ? "" : lost.front());
}

}  // namespace
}  // namespace moxlet
