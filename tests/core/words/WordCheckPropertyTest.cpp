// checkWord agrees with the candidate procedure: over many random students,
// segments, ranges, list kinds, offsets and levels, a word is
// Offered exactly when collectCandidates lists it (and, for a list thinned
// from a fresh offset, exactly when the drawn offset is the one checkWord
// names).  Then the same on the shipped word base for a few real words, and
// the rule by which a word is found without a segment, held against every
// word of the shipped word base.  Finding a word by its text answers as
// reading runs does, and a passage's verdict on a word is `why`'s.

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <tuple>

#include "core/catalogue/Catalogue.h"
#include "core/words/PassageCheck.h"
#include "core/words/WordCheck.h"
#include "core/words/WordCheckText.h"
#include "support/ShippedWordBase.h"
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

using Shipped = test::ShippedWordBase;

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

// ---- The word base by text, and passages -----------------------------

TEST(WordCheckProperty, TextIndexFindsWhatReadingFinds)
{
    std::mt19937 rng(23);
    auto lexicon = randomLexicon(rng, 400);
    lexicon.push_back(lexicon[5]);  // one text twice, its records unlike
    lexicon.back().segments.add(seg::E_Short);
    lexicon.back().syllables = lexicon[5].syllables % 3 + 1;
    test::TestWordBase base(lexicon);
    const auto texts = WordTextIndex::build(*base.wordBase, base.index);
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->wordCount(), 400U);
    EXPECT_EQ(texts->recordCount(), static_cast<std::size_t>(base.next - 1));

    Shipped shipped;
    std::vector<std::string> shippedWords;
    for (std::int32_t n = 1; n <= shipped.wordBase->recordCount(); n += 1999) {
        WordRecord w;
        ASSERT_TRUE(shipped.wordBase->read(n, w));
        shippedWords.push_back(w.WordText.trimmed());
    }
    std::vector<std::string> words = {"tzzzz", "", "abcdefghijklmnopqrstu"};
    for (const auto& w : lexicon) words.push_back(w.text);
    for (auto [wb, index, index2, list] :
         {std::tuple{base.wordBase.get(), &base.index, texts.get(), &words},
          std::tuple{shipped.wordBase.get(), &shipped.index, &shipped.texts(), &shippedWords}}) {
        for (const std::string& word : *list) {
            for (SegmentId skip : {kNoSegment, keySegments(word).front()}) {
                FoundWord read, looked;
                std::int32_t records = 0, lookups = 0;
                ASSERT_TRUE(findWord(*wb, *index, word, skip, read, records));
                ASSERT_TRUE(findWord(*wb, *index, word, skip, looked, lookups, index2));
                EXPECT_EQ(std::tie(looked.record, looked.syllables, looked.word),
                          std::tie(read.record, read.syllables, read.word))
                    << word << " skipping " << skip;
                EXPECT_LE(lookups, 1) << word;
            }
        }
    }
}

TEST(WordCheckProperty, TextIndexGivesUpWithTheWordBase)
{
    test::TestWordBase base(
        std::vector<test::LexiconWord>{test::lexiconWord("cat", 1, {seg::C_K, seg::A_Short, seg::T})});
    base.fs.failReadAt(3, FileErrorNo::PermissionDenied);  // after the opening's two
    base.prompt.answer(Answer::Cancel);
    EXPECT_FALSE(WordTextIndex::build(*base.wordBase, base.index));
    const auto texts = WordTextIndex::build(*base.wordBase, base.index);  // a retry reads
    ASSERT_TRUE(texts);
    EXPECT_TRUE(texts->find("cat"));
}

// A passage's verdict on each word is `why`'s answer without a segment:
// decodable exactly when a Review list offers the word, otherwise the
// same reason and segments.
void expectPassageIsWhy(WordBase& wb, const OffsetIndex& index, const WordTextIndex& texts,
                        const std::set<std::string>& words, const WordCheckQuery& student,
                        std::map<PassageVerdict, int>& seen)
{
    PassageStudent s;
    s.studied = student.studied;
    s.syllableMin = student.syllableMin;
    s.syllableMax = student.syllableMax;
    std::string text;
    for (const auto& w : words) text += w + " ";
    const PassageReport report = checkPassage(wb, index, texts, text, s);
    ASSERT_EQ(report.words.size(), words.size());
    for (const PassageWord& pw : report.words) {
        WordCheckQuery q = student;
        q.word = pw.text;
        const WordCheckResult why = checkWord(wb, index, q);
        const bool offered =
            why.verdict == WordVerdict::Offered || why.verdict == WordVerdict::ThinnedAtRandom;
        ++seen[pw.verdict];
        EXPECT_EQ(pw.verdict == PassageVerdict::Decodable, offered) << pw.text;
        if (offered) continue;
        EXPECT_EQ(pw.reason, wordCheckText(why)) << pw.text;
        EXPECT_EQ(pw.unstudied, why.unstudied) << pw.text;
    }
}

// Students drawn at random; the words of every Review list they can be
// given, and others of the word base.  On the shipped word base `why` is
// asked with eligibilityOnly too (reading its long runs for every word
// would take minutes in a debug build): there it holds the lookup by text
// to the reading of runs.
TEST(WordCheckProperty, PassageVerdictIsWhyForTheWordsOfGeneratedLists)
{
    std::mt19937 rng(26);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const auto lexicon = randomLexicon(rng, 700);
    test::TestWordBase base(lexicon);
    const auto texts = WordTextIndex::build(*base.wordBase, base.index);
    Shipped shipped;
    SeededRandom random(3);
    std::map<PassageVerdict, int> seen;
    for (int trial = 0; trial < 10; ++trial) {
        const bool real = trial >= 7;
        WordBase& wb = real ? *shipped.wordBase : *base.wordBase;
        const OffsetIndex& index = real ? shipped.index : base.index;
        WordCheckQuery q;
        if (real) {  // most phonograms and the syllable types; up to the chameleon prefixes; everything
            q.studied.addRange(0, trial == 7 ? 80 : trial == 8 ? seg::LastChameleon : seg::Count - 1);
            q.studied.addRange(seg::KindOldWords, seg::RControlled);
        }
        for (const auto& p : kParts)
            if (!real && u(rng) < 0.7) q.studied.add(p.segment);
        q.syllableMin = 1 + static_cast<int>(u(rng) * 2);
        q.syllableMax = q.syllableMin + static_cast<int>(u(rng) * 2);
        q.eligibilityOnly = real;
        std::set<std::string> words = {"tzzzz"};
        std::vector<SegmentId> lists = listSet(q.studied);
        if (real) {  // a dozen of its lists: reading them all would read the word base thrice over
            std::shuffle(lists.begin(), lists.end(), rng);
            lists.resize(12);
        }
        for (SegmentId s : lists) {
            WordCheckQuery list = q;
            list.segment = s;
            const Listing l = collect(wb, index, list, s, random);
            std::sample(l.words.begin(), l.words.end(), std::inserter(words, words.end()), real ? 3 : 12,
                        rng);
        }
        for (int k = 0; k < 40; ++k) {
            WordRecord w;
            if (real) {
                ASSERT_TRUE(wb.read(1 + static_cast<std::int32_t>(rng() % wb.recordCount()), w));
            }
            words.insert(real ? w.WordText.trimmed() : lexicon[rng() % lexicon.size()].text);
        }
        expectPassageIsWhy(wb, index, real ? shipped.texts() : *texts, words, q, seen);
    }
    for (PassageVerdict v : {PassageVerdict::Decodable, PassageVerdict::NeedsUnstudied,
                             PassageVerdict::OutsideSyllableRange, PassageVerdict::NotInWordBase})
        EXPECT_GT(seen[v], 5) << static_cast<int>(v);
}

}  // namespace
}  // namespace moxlet
