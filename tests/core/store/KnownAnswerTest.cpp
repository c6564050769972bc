// Known answers for every stored format: committed PROFILES.DAT, a plan
// file, OPTION.PRM and a slice of a word base, read back field by field
// against values written out here by hand.  The codec and scrambling tests
// at the end (field offsets, round trips) cannot see a change that breaks
// old files (a key table entry, a
// permutation, a field offset); these do, because the files were written
// once by the code as it was and must decode the same for ever.
//
// The files were made by DISABLED_WriteTheKnownAnswerFiles below (run it with
// --gtest_also_run_disabled_tests).  Regenerating them is never a fix for a
// failing test: a tutor's files on disk cannot be regenerated.

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>

#include "core/options/OptionFile.h"
#include "core/plans/PlanFile.h"
#include "core/profiles/ProfileFile.h"
#include "core/store/DiskFileSystem.h"
#include "core/store/OptionCodec.h"
#include "core/store/PlanCodec.h"
#include "core/store/ProfileCodec.h"
#include "core/store/Scrambler.h"
#include "core/words/WordBase.h"
#include "support/DataDirFixture.h"
#include "support/ScriptedPrompt.h"
#include "support/ScriptedRandom.h"
#include "support/Segments.h"

namespace moxlet {
namespace {

const std::string kDir = MOXLET_TEST_DATA_DIR "/formats";

using test::DataDir;

struct Folder {
    DiskFileSystem fs{kDir};
    ScriptedPrompt prompt;
    SeededRandom random{2026};
    FileContext ctx{fs, prompt, random};
};

// ---- The values the files hold ------------------------------------------

StudentProfile ann()
{
    StudentProfile p = DataDir::profile(1, "Ames", "Ann", {0, 10, 17, 121, 124, 331});
    p.ParentName.assign("Jo Ames");
    p.Address.assign("12 Elm Street, Springfield");
    p.StudentSchool.assign("Oak Primary");
    p.StudentTeacher.assign("Mr Bell");
    p.StudentGrade.assign("3");
    p.HourlyRate.assign("$25.00");
    p.HomePhone.assign("555-0101");
    p.WorkPhone.assign("555-0102");
    p.TeachPhone.assign("555-0103");
    p.StudentComments.assign("Reads well; spelling weak");
    p.SyllableMin = 1;
    p.SyllableMax = 3;
    return p;
}

StudentProfile zoe()
{
    StudentProfile p = DataDir::profile(3, "Z\xEBller", "", {159, 273, 330});  // ë in Windows-1252
    p.SyllableMin = 2;
    p.SyllableMax = 9;
    return p;
}

LessonPlan firstPlan()
{
    LessonPlan p = DataDir::plan(ann(), "09-14-26");
    p.AuditorySegments[0] = 0;
    p.AuditorySegments[1] = 1;
    p.ReviewSegments[0] = 0;
    p.ReviewSegments[1] = 2;
    p.SpellingSegments[0] = 3;
    p.NewSegments[0] = 5;
    p.SpellWord[0].assign("cat");
    p.SpellWordTag[0] = 0;
    p.SpellWord[1].assign("bat");
    p.SpellWordTag[1] = 1;
    p.SpellWord[3].assign("Zzz");
    p.SpellWordTag[3] = -9;
    p.ListWord[0][0][0].assign("cab");
    p.ListWordPos[0][0][0] = 0;
    p.ListWord[0][0][1].assign("tab");
    p.ListWordPos[0][0][1] = 1;
    p.ListWord[0][0][2].assign("bad *");
    p.ListWordPos[0][0][2] = 2;
    p.ListWord[1][0][0].assign("blot");
    p.ListWordPos[1][0][0] = 4;
    p.ListWord[1][3][39].assign("abcdefghijklmnopqrst");
    p.ListWordPos[1][3][39] = 1124;
    p.Sentence[0].assign("The cat sat.");
    p.Sentence[10].assign("Book:  Frog and Toad    Page(s):  4-9");
    p.SpellingThinOffset[0] = 0;
    p.ReviewThinOffset = {0, 3, -1, -1};
    p.NewThinOffset = {2, -1, -1, 5};
    p.PlanReviewListSize = 2;
    p.PlanNewListSize = 1;
    return p;
}

LessonPlan secondPlan() { return DataDir::plan(ann(), "09-21-26"); }

OptionRecord options()
{
    OptionRecord r;
    r.PrintSection = {1, 0, 1, 1, 0, 1};
    r.ReviewListSize = 2;
    r.NewListSize = 1;
    r.PageBreak = 1;
    r.SegmentOrder = 1;
    r.HomophoneMode = 2;
    r.BlankLines = 1;
    r.FontSizeMode = 1;
    return r;
}

struct Word {
    std::string text;
    std::int16_t syllables;
    std::vector<int> segments;  // the flags as seg::RootFlag and seg::HomophoneFlag
    std::int16_t seed;
};

// 21 records: record j + 1 has a seed with seed mod 21 = j and seed mod 6 =
// j mod 6, so the seeds pick every key row and every permutation row, and
// the record numbers pick every key row again (n mod 21).  Together they use
// every key table entry a word record uses.
std::vector<Word> words()
{
    std::vector<Word> all = {
        {"a", 1, {1, 120}, 0},
        {"cat", 1, {0, 11, 93, 121}, 0},
        {"their", 1, {26, 84, 95, seg::HomophoneFlag}, 0},
        {"transport", 2, {157, 149, 121, 123, 311, seg::RootFlag}, 0},
        {"abcdefghijklmnopqrst", 9, {331, seg::RootFlag, seg::HomophoneFlag}, 0},
    };
    const char* more[] = {"mop", "sit", "hen", "rug", "fox", "jam", "wig", "bed",
                          "cup", "dot", "kit", "log", "nap", "pen", "zip", "vet"};
    for (const char* w : more) all.push_back({w, 1, {121, static_cast<int>(all.size())}, 0});
    for (std::size_t j = 0; j < all.size(); ++j)
        all[j].seed = static_cast<std::int16_t>(j + 42 * (j * 37 % 780));  // 42 = lcm(21, 6)
    return all;
}

WordRecord wordRecord(const Word& w)
{
    WordRecord r;
    r.OrderKey = w.syllables;
    r.Length = static_cast<std::int16_t>(w.text.size());
    for (int id : w.segments) r.Segments.add(id);
    r.WordText.assign(w.text);
    return r;
}

// ---- The test ---------------------------------------------------------------

// Whole records compare equal to the values above: every field as written,
// and no trace of the scrambling (seeds, noise) in memory.
TEST(KnownAnswer, ProfilesDecodeFieldByField)
{
    Folder f;
    auto live = listProfiles(f.ctx);
    ASSERT_EQ(profileCount(f.ctx), 3);
    ASSERT_EQ(live.size(), 2u);
    EXPECT_TRUE(f.prompt.shown().empty());
    EXPECT_EQ(live[0].record, 1);
    EXPECT_EQ(live[0].profile, ann());
    EXPECT_EQ(live[1].record, 3);
    EXPECT_EQ(live[1].profile, zoe());
    // Record 2 is a free slot, the next new profile's place.
    EXPECT_EQ(newProfileSlot(f.ctx), 2);
}

TEST(KnownAnswer, PlansDecodeFieldByField)
{
    Folder f;
    auto plans = listPlans(f.ctx, 1);
    ASSERT_EQ(plans.size(), 2u);
    EXPECT_TRUE(f.prompt.shown().empty());
    EXPECT_EQ(plans[0].record, 2);
    EXPECT_EQ(plans[0].date, "09-21-26");
    EXPECT_EQ(plans[0].plan, secondPlan());
    EXPECT_EQ(plans[1].record, 1);
    EXPECT_EQ(plans[1].plan, firstPlan());
}

TEST(KnownAnswer, OptionsDecodeFieldByField)
{
    Folder f;
    OptionSettings settings;
    loadOptions(f.ctx, settings);
    EXPECT_TRUE(f.prompt.shown().empty());
    EXPECT_EQ(settings.stored, options());
    EXPECT_EQ(settings.values, (Options{{1, 0, 1, 1, 0, 1}, 2, 1, 1, 1, 2, 1, 1}));
}

TEST(KnownAnswer, WordRecordsDecodeFieldByFieldAndEncodeToTheSameBytes)
{
    Folder f;
    auto wb = WordBase::open(f.ctx);
    ASSERT_NE(wb, nullptr);
    const auto all = words();
    ASSERT_EQ(wb->recordCount(), static_cast<std::int32_t>(all.size()));
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(wb->readRaw(1, wb->recordCount(), bytes));
    std::int32_t n = 1;
    for (const Word& w : all) {
        WordRecord r;
        ASSERT_TRUE(wb->read(n, r)) << n;
        EXPECT_EQ(r.WordText.trimmed(), w.text) << n;
        EXPECT_EQ(r.Length, static_cast<std::int16_t>(w.text.size())) << n;
        EXPECT_EQ(r.OrderKey, w.syllables) << n;
        EXPECT_EQ(r.WordSeed, 0) << n;
        EXPECT_EQ(r.Segments, wordRecord(w).Segments) << n;
        // The builder's side: the same word and seed give the stored bytes,
        // unused text positions included.
        const RawWordRecord raw = encodeWordRecord(wordRecord(w), n, w.seed);
        EXPECT_TRUE(std::equal(raw.begin(), raw.end(),
                               bytes.begin() + static_cast<std::ptrdiff_t>(n - 1) * kWordRecordLength))
            << n;
        ++n;
    }
}

// ---- How the files were made ------------------------------------------------

TEST(KnownAnswer, DISABLED_WriteTheKnownAnswerFiles)
{
    Folder f;
    StudentProfile gone = newProfileDefaults();
    gone.ProfileNo = 2;
    gone.LastName.assign("Gone");
    gone.InUse = 0;
    std::vector<std::uint8_t> profiles;
    for (const StudentProfile& p : {ann(), gone, zoe()}) {
        auto r = encodeProfileRecord(p, f.random);
        profiles.insert(profiles.end(), r.begin(), r.end());
    }
    f.fs.write(kProfileFileName, profiles);

    std::vector<std::uint8_t> plans;
    for (const LessonPlan& p : {firstPlan(), secondPlan()}) {
        auto r = encodePlanRecord(p, f.random);
        plans.insert(plans.end(), r.begin(), r.end());
    }
    f.fs.write("PLNS0001.DAT", plans);

    f.fs.write(kOptionFileName, OptionCodec::encode(options()));

    std::vector<std::uint8_t> bytes;
    std::int32_t n = 1;
    for (const Word& w : words()) {
        auto raw = encodeWordRecord(wordRecord(w), n++, w.seed);
        bytes.insert(bytes.end(), raw.begin(), raw.end());
    }
    f.fs.write(kWordBaseFileName, bytes);
}

// ---- The codecs and the scrambling, field by field ---------------------------

// The raw codecs give back the stored bytes, record by record: every field
// is written where it is read, including the fillers and the scrambled
// blocks (the field-by-field tests above pin where they are read).
template <class Codec>
void expectRecordsEncodeBack(const char* name, std::size_t size)
{
    std::ifstream in(kDir + "/" + name, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    ASSERT_GE(bytes.size(), size) << name;
    for (std::size_t at = 0; at + size <= bytes.size(); at += size) {
        const std::span<const std::uint8_t> record(bytes.data() + at, size);
        EXPECT_TRUE(std::ranges::equal(Codec::encode(Codec::decode(record)), record)) << name << " at " << at;
    }
}

TEST(KnownAnswer, StoredRecordsEncodeBackToTheirBytes)
{
    expectRecordsEncodeBack<ProfileCodec>("PROFILES.DAT", 640);
    expectRecordsEncodeBack<PlanCodec>("PLNS0001.DAT", 9600);
    expectRecordsEncodeBack<OptionCodec>("OPTION.PRM", 118);
}

TEST(Codecs, ShortInputDecodesAsZerosWithoutReadingPastIt)
{
    std::vector<std::uint8_t> three{1, 0, 'A'};
    StudentProfile p = ProfileCodec::decode(three);
    EXPECT_EQ(p.ProfileNo, 1);
    EXPECT_EQ(p.LastName.bytes()[0], 'A');
    EXPECT_EQ(p.LastName.bytes()[1], '\0');
    EXPECT_EQ(p.InUse, 0);
    EXPECT_EQ(PlanCodec::decode({}).InUse, 0);
}

TEST(Scrambler, RecordsReadBackEqualWhileTheirStoredBytesDiffer)
{
    DataDir d;
    StudentProfile p = DataDir::profile(3, "Ames", "Ann", {0, 17, 30, 124, 331});
    auto first = encodeProfileRecord(p, d.random);
    auto second = encodeProfileRecord(p, d.random);
    EXPECT_NE(first, second);
    EXPECT_EQ(decodeProfileRecord(first), p);
    EXPECT_EQ(decodeProfileRecord(second), p);
    // The studied block is not stored plainly.
    StudentProfile stored = ProfileCodec::decode(first);
    EXPECT_NE(stored.StudiedSegments, p.StudiedSegments);
    EXPECT_NE(stored.Seed1 | stored.Seed2 | stored.Seed3, 0);

    LessonPlan plan = DataDir::plan(p, "01-02-03");
    auto a = encodePlanRecord(plan, d.random);
    auto b = encodePlanRecord(plan, d.random);
    EXPECT_NE(a, b);
    EXPECT_EQ(decodePlanRecord(a), plan);
    EXPECT_EQ(decodePlanRecord(b), plan);
}

TEST(Scrambler, EverySeedRowCombinationRoundTrips)
{
    // Seeds 0..6 in all combinations reach every (a, b, c) row triple.
    for (int a = 0; a < 7; ++a)
        for (int b = 0; b < 7; ++b)
            for (int c = 0; c < 7; ++c) {
                ScriptedRandom rnd({a / 32000.0 + 1e-9, b / 32000.0 + 1e-9, c / 32000.0 + 1e-9, 0.5});
                StudentProfile p;
                for (int w = 1; w <= 24; ++w) p.StudiedSegments.word(w) = static_cast<std::int16_t>(w * 1111);
                StudentProfile s = p;
                scrambleProfile(s, rnd);
                unscrambleProfile(s);
                ASSERT_EQ(s, p) << a << b << c;
                LessonPlan q;
                q.PlanStudiedSegments = p.StudiedSegments;
                LessonPlan t = q;
                scramblePlan(t, rnd);
                unscramblePlan(t);
                ASSERT_EQ(t, q) << a << b << c;
            }
}

}  // namespace
}  // namespace moxlet
