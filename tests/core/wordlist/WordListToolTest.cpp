// The word list tool's model: the candidate lists of a student, the chosen
// segments across a change of type or student, generation over one or more
// segments (thinning, sorting, shared words, homophones, segments that give
// nothing and why), automatic selection, the grid's 40 cells, Check a Word,
// and over the shipped word base: every listed word fits its student.

#include "core/wordlist/WordListTool.h"

#include <gtest/gtest.h>

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Marks.h"
#include "core/wordlist/WordListCheck.h"
#include "core/wordlist/WordListText.h"
#include "support/ScriptedRandom.h"
#include "support/Segments.h"
#include "support/ShippedWordBase.h"
#include "support/TestWordBase.h"

namespace moxlet {
namespace {

using test::TestWordBase;

// Test word base blocks put A (segment 0) into every word.
constexpr SegmentId kA = 0, kB = 10, kD = 17, kE = 19, kT = 93, kI = 43;

StudentProfile studentWith(std::initializer_list<int> studied, int low = 1, int high = 9)
{
    StudentProfile p;
    p.SyllableMin = static_cast<std::int16_t>(low);
    p.SyllableMax = static_cast<std::int16_t>(high);
    p.StudiedSegments = test::segmentSet(studied);
    return p;
}

using test::segmentSet;

std::vector<test::LexiconWord> lexicon()
{
    using namespace seg;
    return {
        test::lexiconWord("cat", 1, {A_Short, C_K, T, ClosedSyllable}),
        test::lexiconWord("stripe", 1, {P, R, S, T, SilentE, 154 /* STR */}),
        test::lexiconWord("transport", 2,
                          {A_Short, N, OR, P, R, S, T, ClosedSyllable, RControlled, 149, 157, 203, 309},
                          true),
    };
}

std::vector<std::string> listed(const WordListTool& tool)
{
    std::vector<std::string> t;
    for (const auto& w : tool.words()) t.push_back(w.text);
    return t;
}

TEST(WordListTool, CandidateListsComeFromTheStudiedSegments)
{
    WordListTool tool;
    tool.chooseStudent(studentWith({}));
    EXPECT_TRUE(tool.candidates().empty());  // nothing to review
    tool.setListType(PlanSection::New);
    ASSERT_EQ(tool.candidates().size(), 332u);
    EXPECT_EQ(tool.candidates().front(), 0);
    EXPECT_EQ(tool.candidates().back(), 331);

    tool.chooseStudent(studentWith({kT, kB}));
    EXPECT_EQ(tool.candidates().size(), 330u);
    tool.setListType(PlanSection::Review);
    EXPECT_EQ(tool.candidates(), (std::vector<SegmentId>{kB, kT}));
    EXPECT_EQ(tool.student().StudiedSegments.word(24) & 0x6000,
              0x6000);  // the flag bits, as every profile read
}

TEST(WordListTool, ChosenSegmentsFollowTheTypeAndTheStudent)
{
    WordListTool tool;
    tool.chooseStudent(studentWith({kB, kD, kT}));
    tool.chooseSegments({kT, kB, kD});
    EXPECT_EQ(tool.chosenSegments(), (std::vector<SegmentId>{kT, kB, kD}));
    EXPECT_FALSE(tool.setListType(PlanSection::Review));  // no change: kept
    EXPECT_EQ(tool.chosenSegments().size(), 3u);

    // Another student who has not studied B: the chosen segments stay; the
    // picker starts from those the student's list has, and Cancel (no
    // keepPicked) leaves B chosen.
    tool.chooseStudent(studentWith({kD, kT, kI}));
    EXPECT_EQ(tool.chosenSegments(), (std::vector<SegmentId>{kT, kB, kD}));
    SegmentPicker& picker = tool.startPicking();
    EXPECT_EQ(tool.pickedSegments(), (std::vector<SegmentId>{kT, kD}));
    ScriptedPrompt prompt;
    picker.toggle(1, true, prompt);  // I
    EXPECT_EQ(tool.chosenSegments(), (std::vector<SegmentId>{kT, kB, kD}));
    tool.keepPicked();  // OK
    EXPECT_EQ(tool.chosenSegments(), tool.pickedSegments());

    EXPECT_TRUE(tool.setListType(PlanSection::New));
    EXPECT_TRUE(tool.chosenSegments().empty());
}

struct Generated {
    TestWordBase base;
    WordListTool tool;
    ScriptedRandom random{{0.0}};
    GenerationReport report;

    void run(int homophoneMode = 0)
    {
        base.closeIndex();
        auto wb = base.open();
        report = tool.generate(wb.get(), base.index, random, homophoneMode);
    }
};

TEST(WordListTool, SharedWordsAreListedOnceInSyllableAndLetterOrder)
{
    Generated g;
    const SegmentSet bd = segmentSet({kB, kD, kI}), b = segmentSet({kB, kI}), d = segmentSet({kD, kI});
    g.base.addWords(kB, 1, {{"bid", b}, {"bib", b}, {"dib", bd}});
    g.base.addWords(kB, 2, {{"bidding", bd}});
    g.base.addWords(kD, 1, {{"dib", bd}, {"did", d}});
    g.base.addWords(kD, 2, {{"bidding", bd}, {"ad-lib", bd}});
    g.tool.chooseStudent(studentWith({kB, kD, kI}));
    g.tool.chooseSegments({kB, kD});
    g.run();
    EXPECT_EQ(listed(g.tool), (std::vector<std::string>{"bib", "bid", "dib", "did", "ad-lib", "bidding"}));
    ASSERT_EQ(g.report.segments.size(), 2u);
    EXPECT_EQ(g.report.segments[0].listed, 4);
    EXPECT_EQ(g.report.segments[1].listed, 4);
    EXPECT_EQ(g.report.words, 6u);
    EXPECT_EQ(g.tool.generatedSegments(), (std::vector<SegmentId>{kB, kD}));
    EXPECT_TRUE(generationNote(g.report, 1, 9).empty());
}

TEST(WordListTool, LongRunsAreThinnedAndEveryRunIsBounded)
{
    struct Case {
        int eligible, other;
        double random;
        std::size_t words;
        const char* kept;     // a word the list has
        const char* dropped;  // a word it has not
    };
    // Test blocks put the unfit records first, one before each fit one, so
    // "w2" is the first fit word.  Below 1000 accepted words all are
    // listed; from 1000 on every step-th word from a random start in
    // [0, step), step = accepted / 750.  7000 accepted is past the 6000 the
    // tool was once limited to, and still bounded.  One segment's words
    // keep their word-base order.
    const Case cases[] = {
        {1100, 100, 0.0, 1100, "w2", "w1"},  // 1200 records: all 1100
        {1600, 1400, 0.0, 800, "w2", "w4"},  // step 2, from the first
        {1600, 1400, 0.9, 800, "w4", "w2"},  // step 2, from the second
        {999, 600, 0.5, 999, "w2", "w1"},    // a long run with few fit words: all
        {7000, 0, 0.0, 778, "w10", "w2"},    // step 9: 7000 / 9 rounded up
    };
    for (const Case& c : cases) {
        Generated g;
        g.random = ScriptedRandom({c.random});
        g.base.addBlock(kT, 2, c.eligible, c.other);
        g.tool.chooseStudent(studentWith({kA, kT}));
        g.tool.chooseSegments({kT});
        g.run();
        SCOPED_TRACE(std::to_string(c.eligible) + " of " + std::to_string(c.eligible + c.other));
        EXPECT_EQ(g.tool.words().size(), c.words);
        EXPECT_EQ(g.report.segments[0].eligible, c.eligible);
        const auto words = listed(g.tool);
        EXPECT_NE(std::find(words.begin(), words.end(), c.kept), words.end());
        EXPECT_EQ(std::find(words.begin(), words.end(), c.dropped), words.end());
        std::vector<int> records;
        for (const std::string& w : words) records.push_back(std::stoi(w.substr(1)));
        EXPECT_TRUE(std::is_sorted(records.begin(), records.end()));
    }
}

TEST(WordListTool, SegmentsThatGiveNoWordsAreExplained)
{
    Generated g;
    const SegmentSet te = segmentSet({kT, kE});  // E is not studied
    g.base.addWords(kT, 2, {{"ten", te}, {"tent", te}, {"test", te}, {"text", te}});
    g.base.addBlock(kD, 1, 3, 0);
    g.base.levels = {{"tat", WordLevel::Wider}, {"at", WordLevel::Common}};
    g.base.addWords(kA, 1, {{"at", segmentSet({kA, kT})}, {"tat", segmentSet({kA, kT})}});
    g.tool.chooseStudent(studentWith({kA, kT, kD, kB}, 1, 3));
    g.tool.chooseSegments({kB, kT, kD, kA});  // B has no words at all
    g.tool.setOfferedLevel(WordLevel::Everyday);
    g.run();
    EXPECT_EQ(g.tool.words().size(), 3u);
    EXPECT_EQ(
        generationNote(g.report, 1, 3),
        "The word base has no words containing B of 1 to 3 syllables.\n"
        "No word containing T fits this student: all 4 words of 1 to 3 syllables also contain segments "
        "not yet studied.\n"
        "No word containing A (\xC4\x83) of 1 to 3 syllables is offered at the chosen level: all 2 words "
        "that fit this student are beyond everyday (Options > Words Offered).");
    g.tool.setOfferedLevel(WordLevel::Common);
    g.run();
    EXPECT_EQ(g.tool.words().size(), 4u);  // "at"

    GenerationReport one;
    one.segments.push_back({kT, 1, 0, 0});
    EXPECT_EQ(generationNote(one, 2, 2),
              "No word containing T fits this student: the one word of 2 syllables "
              "also contains segments not yet studied.");
    g.tool.grid().toggle(0, true);
    const auto report = g.tool.generate(nullptr, g.base.index, g.random, 0);  // no word base
    EXPECT_TRUE(g.tool.words().empty());
    EXPECT_EQ(g.tool.grid().cells()[0], WordCell{});  // a generation empties the grid
    EXPECT_EQ(generationNote(report, 1, 3), "The word base could not be read, so no words were generated.");
}

TEST(WordListTool, NewListsAdmitTheSegmentAndMarkHomophones)
{
    for (int mode : {0, 1, 2}) {
        Generated g;
        const SegmentSet pair = segmentSet({kT, kI, seg::HomophoneFlag});
        g.base.addWords(kT, 1, {{"tit", segmentSet({kT, kI})}, {"tint", pair}});
        g.tool.chooseStudent(studentWith({kI}));
        g.tool.setListType(PlanSection::New);
        g.tool.chooseSegments({kT});
        g.run(mode);
        SCOPED_TRACE(mode);
        EXPECT_EQ(listed(g.tool), (std::vector<std::string>{"tit", mode ? "tint *" : "tint"}));
        EXPECT_EQ(g.tool.generatedType(), PlanSection::New);
        g.tool.grid().toggle(0, true);
        g.tool.grid().toggle(1, true);
        EXPECT_FALSE(g.tool.cellIsHomophone(0));
        EXPECT_TRUE(g.tool.cellIsHomophone(1));
    }
}

TEST(WordListTool, AutomaticSelectionTakesEveryStepthWordFromARandomStart)
{
    auto picks = [](std::size_t count, double r) {
        ScriptedRandom random({r});
        return automaticSelection(count, random);
    };
    std::vector<int> from0, from1;
    for (int k = 0; k < 40; ++k) from0.push_back(2 * k), from1.push_back(2 * k + 1);
    EXPECT_EQ(picks(100, 0.4), from0);  // step 2, start 0
    EXPECT_EQ(picks(100, 0.6), from1);  // step 2, start 1
    EXPECT_EQ(picks(5, 0.9), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(picks(79, 0.9).back(), 39);  // step 1: the first 40
    EXPECT_EQ(picks(160, 0.99).front(), 3);
    EXPECT_TRUE(picks(0, 0.5).empty());

    Generated g;
    g.random = ScriptedRandom({0.6});
    g.base.addBlock(kT, 1, 100, 0);
    g.tool.chooseStudent(studentWith({kA, kT}));
    g.tool.chooseSegments({kT});
    g.run();
    g.tool.selectAutomatically(g.random);
    const auto cells = g.tool.grid().cells();
    for (int k = 0; k < 40; ++k) {
        EXPECT_EQ(cells[static_cast<std::size_t>(k)].tag, 2 * k + 1);
        EXPECT_EQ(cells[static_cast<std::size_t>(k)].text,
                  g.tool.words()[static_cast<std::size_t>(2 * k + 1)].text);
    }
}

TEST(WordListTool, TheGridTakesFortyWordsAroundTypedOnes)
{
    Generated g;
    g.base.addBlock(kT, 1, 45, 0);
    g.tool.chooseStudent(studentWith({kA, kT}));
    g.tool.chooseSegments({kT});
    g.run();
    WordChoice& grid = g.tool.grid();
    for (int i = 0; i < 40; ++i) ASSERT_TRUE(grid.toggle(i, true));
    EXPECT_FALSE(grid.toggle(40, true));  // the 41st is refused
    EXPECT_FALSE(grid.tickedLines()[40]);

    // A typed word keeps its cell; a ticked word takes the first free one.
    grid.clear();
    std::vector<std::string> boxes(40);
    boxes[2] = "  zebra  ";
    grid.applyTyped(boxes);
    grid.toggle(7, true);
    grid.toggle(8, true);
    grid.toggle(9, true);
    EXPECT_EQ(grid.cells()[2].text, "zebra");
    EXPECT_EQ(grid.cells()[3].tag, 9);
    EXPECT_FALSE(g.tool.cellIsHomophone(2));
}

TEST(WordListText, NamesAreJoinedWithOrAndCommas)
{
    using S = std::vector<std::string>;
    EXPECT_EQ(joinNames(S{}), "");
    EXPECT_EQ(joinNames(S{"ST"}), "ST");
    EXPECT_EQ(joinNames(S{"ST", "SP"}), "ST or SP");
    EXPECT_EQ(joinNames(S{"ST", "SP", "SK"}), "ST, SP, or SK");
    EXPECT_EQ(joinNames(S{"a", "b", "c", "d", "e"}), "a, b, c, d, or e");
    EXPECT_EQ(wordFrameCaption({0, kB}), "Select 40 Words Containing A (\xC4\x83) or B");
}

TEST(WordListText, ASixWordGridIsTenLinesOfFourFields)
{
    std::vector<WordCell> cells(40);
    const char* words[] = {"cat", "hat", "mat", "sat", "bat", "r\xE9sum\xE9"};
    for (int k = 0; k < 6; ++k) cells[static_cast<std::size_t>(k)] = {words[k], static_cast<std::int16_t>(k)};
    std::string emptyRows;  // eight
    for (int line = 0; line < 8; ++line) emptyRows += "\t\t\t\r\n";
    EXPECT_EQ(wordListText(cells), "cat\that\tmat\tsat\r\nbat\tr\xC3\xA9sum\xC3\xA9\t\t\r\n" + emptyRows);
    EXPECT_EQ(wordListText({}), "\t\t\t\r\n\t\t\t\r\n" + emptyRows);
}

// Over the shipped word base: for random students, types, ranges and
// segments, every listed word contains a chosen segment, lies in the
// student's syllable range and passes the eligibility test for it.
TEST(WordListTool, EveryListedWordFitsTheStudent)
{
    test::ShippedWordBase shipped;
    ASSERT_NE(shipped.wordBase, nullptr);
    SeededRandom random(20260427);

    std::size_t checked = 0;
    for (int trial = 0; trial < 80; ++trial) {
        WordListTool tool;
        const int low = 1 + random.below(3);
        StudentProfile student = studentWith({}, low, low + random.below(4));
        // From a beginner to a student who has studied nearly everything.
        const double share = (1 + trial % 4) / 4.0 - 0.05;
        for (int id = 0; id < 332; ++id)
            if (random.next() < share) student.StudiedSegments.add(id);
        tool.setListType(trial % 2 ? PlanSection::New : PlanSection::Review);
        tool.chooseStudent(student);
        const auto& lines = tool.candidates();
        if (lines.empty()) continue;
        std::vector<SegmentId> chosen;
        for (int n = 1 + random.below(5); n > 0; --n)
            chosen.push_back(lines[static_cast<std::size_t>(random.below(static_cast<int>(lines.size())))]);
        tool.chooseSegments(chosen);
        tool.generate(shipped.wordBase.get(), shipped.index, random, 0);
        const StudentMasks masks = StudentMasks::fromStudied(tool.student().StudiedSegments);
        for (const ListedWord& listedWord : tool.words()) {
            const auto found = shipped.texts().find(listedWord.text);
            ASSERT_TRUE(found) << listedWord.text;
            const WordRecord& w = *found->word;
            bool fits = false;
            for (SegmentId s : chosen)
                fits = fits || test::fitsList(w, masks, s, tool.listType() == PlanSection::New);
            EXPECT_TRUE(fits) << listedWord.text << " in trial " << trial;
            EXPECT_GE(w.OrderKey, student.SyllableMin) << listedWord.text;
            EXPECT_LE(w.OrderKey, student.SyllableMax) << listedWord.text;
            ++checked;
        }
        // Sorted, each word once.
        for (std::size_t k = 1; k < tool.words().size(); ++k)
            EXPECT_NE(tool.words()[k - 1].text, tool.words()[k].text);
    }
    EXPECT_GT(checked, 5000u);
}

// Check a Word: one answer for a list of several segments, drawn from the
// last generation or, before one, the choice.  Ava has studied the short a
// and i, some consonants and closed syllables.
TEST(WordListCheck, OneAnswerForTheListsSegments)
{
    TestWordBase base(lexicon());
    const StudentProfile ava = studentWith({seg::A_Short, seg::B, seg::C_K, seg::D, seg::I_Short, seg::M,
                                            seg::N, seg::P, seg::R, seg::S, seg::T, seg::ClosedSyllable},
                                           1, 1);
    struct Case {
        const char* word;
        std::vector<SegmentId> chosen;
        const char* text;
    };
    const Case cases[] = {
        // Offered by the second segment: its answer alone.
        {"cat", {seg::D, seg::C_K}, "\223cat\224 is offered."},
        // Not in the word base: said once, not once per segment.
        {"hummed", {seg::T, seg::C_K}, "\x93hummed\x94 is not in Moxlet's word base."},
        // Outside the range: said once, for the segment the word contains.
        {"transport",
         {seg::C_K, seg::T},
         "\x93transport\x94 has 2 syllables; this student's range is 1 to 1. It also needs segments this "
         "student has not studied: OR, TRANS-."},
        // Otherwise an answer per segment, a line each.
        {"stripe",
         {seg::T, seg::C_K},
         "\x93stripe\x94 needs a segment this student has not studied: Silent E.\n"
         "\x93stripe\x94 does not contain C (k). It also needs a segment this student has not studied: "
         "Silent E."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        WordListTool tool;
        tool.chooseStudent(ava);
        tool.chooseSegments(c.chosen);
        EXPECT_EQ(wordListCheckText(*base.wordBase, base.index, tool, c.word), c.text);
    }
}

TEST(WordListCheck, TheGeneratedListIsCheckedNotTheNewChoice)
{
    TestWordBase base(lexicon());
    const StudentProfile ava =
        studentWith({seg::A_Short, seg::C_K, seg::D, seg::T, seg::ClosedSyllable}, 1, 1);
    WordListTool tool;
    tool.chooseStudent(ava);
    tool.chooseSegments({seg::C_K});
    tool.generate(base.wordBase.get(), base.index, base.random, 0);
    ASSERT_EQ(tool.words().size(), 1u);  // cat
    tool.chooseSegments({seg::D});
    EXPECT_EQ(wordListCheckText(*base.wordBase, base.index, tool, "cat"), "\223cat\224 is offered.");

    // With nothing chosen or generated, any list of the type.
    WordListTool fresh;
    fresh.chooseStudent(ava);
    const std::string any = wordListCheckText(*base.wordBase, base.index, fresh, "cat");
    EXPECT_NE(any.find("is offered"), std::string::npos) << any;

    // A word base that cannot be read is said once, not for each segment.
    fresh.chooseSegments({seg::T, seg::C_K});
    base.fs.failReadAt(base.fs.readSteps() + 1, 70);
    EXPECT_EQ(wordListCheckText(*base.wordBase, base.index, fresh, "cat"),
              "Moxlet could not read its word base, so it cannot tell whether \223cat\224 is offered.");
}

}  // namespace
}  // namespace moxlet
