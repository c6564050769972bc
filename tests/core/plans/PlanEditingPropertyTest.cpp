// Editing a plan never puts a word list out of step with its dialog.
//
// Random students over a word base with long runs (up to 2,300 candidates,
// thinned with steps 1 to 3) go through random sequences of what a tutor
// does: picker edits on Review, New and Spelling (add, remove, reorder,
// replace, Cancel, Clear) each followed by generation, and word dialogs
// that tick, untick and type words and end with OK or Cancel.  After every
// step each slot's and each spelling row's rebuilt dialog list ticks
// exactly the words the unit holds, every one at its stored position.
//
// Then a plan saved against one word base and opened against a changed one,
// or under a lower level option, keeps its words in their cells, ticked
// where they now stand.

#include <gtest/gtest.h>
#include <random>

#include "core/plans/ListGeneration.h"
#include "core/plans/SectionEdit.h"
#include "core/plans/WordChoiceUnit.h"
#include "support/DataDirFixture.h"
#include "support/TestWordBase.h"

namespace moxlet {
using enum moxlet::PlanSection;
namespace {

// B, D, I, L, T: eligible words per segment at one syllable (each block
// also has 40 words with E, which no student here has studied), thinned
// with steps 1, 1, 2, 2 and 3; B has a few words of two syllables.
constexpr std::pair<SegmentId, int> kBlocks[] = {{10, 30}, {17, 1000}, {43, 1600}, {51, 1500}, {93, 2300}};

struct Editing {
    test::TestWordBase tb;
    std::unique_ptr<WordBase> wordBase;
    std::mt19937 rng{20260611};
    SeededRandom random{20260611};
    ScriptedPrompt prompt;
    PlanSession s;
    Options options;

    Editing()
    {
        for (const auto& [segment, eligible] : kBlocks) {
            tb.addBlock(segment, 1, eligible, 40);
            if (eligible < 1000) tb.addBlock(segment, 2, 20, 10);
        }
        tb.closeIndex();
        wordBase = tb.open();
    }

    int below(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    bool chance(int percent) { return below(100) < percent; }

    void newStudent()
    {
        std::vector<int> studied{0};  // A: every eligible word has it
        for (const auto& [segment, eligible] : kBlocks)
            if (chance(65)) studied.push_back(segment);
        s = PlanSession{};
        s.student = test::DataDir::profile(1, "Lee", "Ann", {});
        for (int id : studied) s.student.StudiedSegments.add(id);
        s.student.SyllableMax = static_cast<std::int16_t>(1 + below(2));
        s.plan = newPlanRecord(s.student);
        s.prepare();
        options.ReviewListSize = static_cast<std::int16_t>(1 + below(2));
        options.NewListSize = static_cast<std::int16_t>(1 + below(2));
        options.HomophoneMode = static_cast<std::int16_t>(below(2));
    }

    // A line the picker does not hold yet, mostly one whose segment has
    // words; -1 when there is none.
    int freeLine(SectionEdit& edit)
    {
        const auto& lines = edit.lines();
        std::vector<int> free;
        for (int x = 0; x < static_cast<int>(lines.size()); ++x) {
            const bool hasWords = std::any_of(std::begin(kBlocks), std::end(kBlocks), [&](const auto& b) {
                return b.first == lines[static_cast<std::size_t>(x)];
            });
            if (hasWords && !edit.picker().holds(x)) free.push_back(x);
        }
        if (free.empty() || chance(10)) {
            const int line = below(static_cast<int>(lines.size()));
            return edit.picker().holds(line) ? -1 : line;
        }
        return free[static_cast<std::size_t>(below(static_cast<int>(free.size())))];
    }
    int heldLine(SectionEdit& edit)
    {
        std::vector<int> held;
        for (std::int16_t x : edit.picker().slots())
            if (x >= 0) held.push_back(x);
        return held.empty() ? -1 : held[static_cast<std::size_t>(below(static_cast<int>(held.size())))];
    }

    void editSection(PlanSection section)
    {
        SectionEdit edit(s, section);
        if (edit.lines().empty()) return;
        auto& picker = edit.picker();
        for (int n = 1 + below(4); n > 0; --n) {
            const int held = heldLine(edit);
            switch (below(4)) {
            case 0: picker.toggle(freeLine(edit), true, prompt); break;  // add
            case 1:                                                      // remove
                if (held >= 0) picker.toggle(held, false, prompt);
                break;
            case 2:  // reorder: out and in again at the end
                if (held >= 0 && picker.toggle(held, false, prompt)) picker.toggle(held, true, prompt);
                break;
            default:  // replace
                if (held >= 0) picker.toggle(held, false, prompt);
                picker.toggle(freeLine(edit), true, prompt);
            }
        }
        const int ending = below(10);
        if (ending < 2) return edit.cancel();
        if (ending == 2) picker.clear();
        const int used = edit.accept(options);
        for (int slot = 0; slot < used; ++slot)
            generateSlot(s, section, slot, wordBase.get(), tb.index, options, random);
    }

    void chooseWords(PlanSection section, int index)
    {
        WordChoiceUnit unit(s, section, index, options);
        if (unit.segment() == kNoSegment) return;
        WordChoice choice(unit.cellCount());
        unit.load(choice, wordBase.get(), tb.index, random, options.HomophoneMode);
        const int lines = static_cast<int>(choice.list().size());
        for (int n = below(6); n > 0 && lines > 0; --n) {
            const int line = below(lines);
            choice.toggle(line, !choice.tickedLines()[static_cast<std::size_t>(line)]);
        }
        if (chance(20)) {
            std::vector<std::string> boxes(static_cast<std::size_t>(choice.cellCount()));
            boxes[static_cast<std::size_t>(below(choice.cellCount()))] = "typed";
            choice.applyTyped(boxes);
        }
        if (chance(75)) unit.store(choice.cells());  // OK; otherwise Cancel
    }

    // Every unit's rebuilt list ticks exactly its words, at their positions.
    void expectInStep(const std::string& context)
    {
        for (PlanSection section : {Review, New, Spelling}) {
            const int units = section == Spelling ? kSpellingRows : kListSlots;
            for (int index = 0; index < units; ++index) {
                WordChoiceUnit unit(s, section, index, options);
                if (unit.segment() == kNoSegment) continue;
                const std::vector<WordCell> stored = unit.storedCells();
                WordChoice choice(unit.cellCount());
                unit.load(choice, wordBase.get(), tb.index, random, options.HomophoneMode);
                int words = 0;
                for (std::size_t k = 0; k < stored.size(); ++k) {
                    ASSERT_EQ(choice.cells()[k], stored[k])
                        << context << ": section " << sectionIndex(section) << " unit " << index << " cell "
                        << k;
                    words += stored[k].tag >= 0;
                }
                const auto ticked = choice.tickedLines();
                ASSERT_EQ(std::count(ticked.begin(), ticked.end(), true), words) << context;
            }
        }
    }
};

TEST(PlanEditingProperty, EveryDialogTicksExactlyItsUnitsWords)
{
    Editing e;
    int steps = 0;
    for (int student = 0; student < 5; ++student) {
        e.newStudent();
        for (int step = 0; step < 20; ++step, ++steps) {
            const PlanSection section =
                std::array{Review, New, Spelling}[static_cast<std::size_t>(e.below(3))];
            if (e.chance(55))
                e.editSection(section);
            else
                e.chooseWords(section, e.below(section == Spelling ? 6 : kListSlots));
            e.expectInStep("student " + std::to_string(student) + " step " + std::to_string(step));
            if (testing::Test::HasFatalFailure()) return;
        }
    }
    EXPECT_EQ(steps, 100);
}

// The same when the tutor lowers the level option: a plan made at Wider,
// opened at Common, whose every fifth word is a wider one.
TEST(PlanEditingProperty, APlanKeepsItsWordsWhenTheWordBaseOrTheLevelChanges)
{
    constexpr SegmentId kT = 93;
    // The second word base lacks every fifth word of the first and has three
    // new words in front, so every position moves.
    auto wordBase = [](bool changed) {
        auto tb = std::make_unique<test::TestWordBase>();
        const SegmentSet t = test::segmentSet({kT, 0});
        std::vector<std::pair<std::string, SegmentSet>> words;
        if (changed)
            for (const char* w : {"new1", "new2", "new3"}) words.emplace_back(w, t);
        for (int i = 0; i < 60; ++i) {
            if (i % 5 == 2) tb->levels["t" + std::to_string(i)] = WordLevel::Wider;
            if (!changed || i % 5 != 2) words.emplace_back("t" + std::to_string(i), t);
        }
        tb->addWords(kT, 1, words);
        tb->closeIndex();
        return tb;
    };
    for (const bool byLevel : {false, true}) {
        SCOPED_TRACE(byLevel ? "the level lowered" : "the word base changed");
        auto before = wordBase(false);
        auto after = byLevel ? wordBase(false) : wordBase(true);

        test::DataDir d;
        d.options.values.OfferUpTo = WordLevel::Wider;
        d.putProfiles({test::DataDir::profile(1, "Lee", "Ann", {0, kT})});
        PlanSession s;
        ASSERT_EQ(beginStudentPlan(d.ctx, 1, s), PlanStart::Ready);
        {
            SectionEdit edit(s, Review);
            ScriptedPrompt prompt;
            edit.picker().toggle(1, true, prompt);  // T (line 1 after A)
            ASSERT_EQ(edit.accept(d.options.values), 1);
        }
        auto wb = before->open();
        ASSERT_EQ(generateSlot(s, Review, 0, wb.get(), before->index, d.options.values, d.random), 40);
        {
            WordChoiceUnit unit(s, Review, 0, d.options.values);  // the tutor types a word in place of one
            WordChoice choice(unit.cellCount());
            unit.load(choice, wb.get(), before->index, d.random, 0);
            choice.toggle(39, false);
            std::vector<std::string> typed(40);
            typed[39] = "zip";
            choice.applyTyped(typed);
            unit.store(choice.cells());
        }
        s.plan.LessonDate.assign("06-11-26");
        ASSERT_TRUE(savePlan(d.ctx, s, d.options.values));

        if (byLevel) d.options.values.OfferUpTo = WordLevel::Common;
        PlanSession opened;
        ASSERT_EQ(openStudentPlan(d.ctx, 1, 1, opened), PlanStart::Ready);
        WordChoiceUnit unit(opened, Review, 0, d.options.values);
        const std::vector<WordCell> stored = unit.storedCells();
        auto changedBase = after->open();
        WordChoice choice(unit.cellCount());
        unit.load(choice, changedBase.get(), after->index, d.random, 0);
        int ticked = 0;
        for (std::size_t k = 0; k < stored.size(); ++k) {
            const WordCell& cell = choice.cells()[k];
            EXPECT_EQ(cell.text, stored[k].text) << k;  // every word stays in its cell
            const int i = k < 39 ? std::stoi(stored[k].text.substr(1)) : -1;
            if (k == 39)
                EXPECT_EQ(cell.tag, kCellTyped);
            else if (i % 5 == 2)
                EXPECT_EQ(cell.tag, kCellTyped) << stored[k].text;  // no longer a candidate: kept as typed
            else
                EXPECT_EQ(choice.list()[static_cast<std::size_t>(cell.tag)].text, stored[k].text);
            ticked += cell.tag >= 0;
        }
        EXPECT_EQ(ticked, 39 - 8);
        // OK stores the checked positions: the next dialog finds every word in place.
        unit.store(choice.cells());
        const std::vector<WordCell> fixed = unit.storedCells();
        WordChoice again(unit.cellCount());
        unit.load(again, changedBase.get(), after->index, d.random, 0);
        EXPECT_EQ(again.cells(), fixed);
    }
}

}  // namespace
}  // namespace moxlet
