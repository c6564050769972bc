// "Check a Word" in the word list tool: one answer for a list of several
// segments, drawn from the last generation or, before one, the choice.

#include "core/wordlist/WordListCheck.h"

#include <gtest/gtest.h>

#include "core/words/WordListBase.h"

namespace moxlet {
namespace {

using test::listedWord;
using test::WordListBase;

std::vector<test::ListedWord> lexicon()
{
    using namespace seg;
    return {
        listedWord("cat", 1, {A_Short, C_K, T, ClosedSyllable}),
        listedWord("stripe", 1, {P, R, S, T, SilentE, 154 /* STR */}),
        listedWord("transport", 2,
                   {A_Short, N, OR, P, R, S, T, ClosedSyllable, RControlled, 149, 157, 203, 309}, true),
    };
}

// Ava has studied the short a and i, some consonants and closed syllables.
StudentProfile ava()
{
    StudentProfile p;
    p.SyllableMin = 1;
    p.SyllableMax = 1;
    for (int id : {seg::A_Short, seg::B, seg::C_K, seg::D, seg::I_Short, seg::M, seg::N, seg::P, seg::R,
                   seg::S, seg::T, seg::ClosedSyllable})
        p.StudiedSegments.add(id);
    return p;
}

void choose(WordListTool& tool, std::initializer_list<SegmentId> ids) { tool.chooseSegments(ids); }

TEST(WordListCheck, OneAnswerForTheListsSegments)
{
    WordListBase base(lexicon());
    struct Case {
        const char* word;
        PlanSection type;
        std::initializer_list<SegmentId> chosen;
        const char* text;
    };
    const Case cases[] = {
        // Offered by the second segment: its answer alone.
        {"cat",
         PlanSection::Review,
         {seg::D, seg::C_K},
         "\x93"
         "cat\x94 is offered."},
        // Not in the word base: said once, not once per segment.
        {"hummed", PlanSection::Review, {seg::T, seg::C_K}, "\x93hummed\x94 is not in Moxlet's word base."},
        // Outside the range: said once, for the segment the word contains.
        {"transport",
         PlanSection::Review,
         {seg::C_K, seg::T},
         "\x93transport\x94 has 2 syllables; this student's range is 1 to 1. It also needs segments this "
         "student "
         "has not studied: OR, TRANS-."},
        // Otherwise an answer per segment, a line each.
        {"stripe",
         PlanSection::Review,
         {seg::T, seg::C_K},
         "\x93stripe\x94 needs a segment this student has not studied: Silent E.\n"
         "\x93stripe\x94 does not contain C (k). It also needs a segment this student has not studied: "
         "Silent E."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        WordListTool tool;
        tool.chooseStudent(ava());
        tool.setListType(c.type);
        choose(tool, c.chosen);
        EXPECT_EQ(wordListCheckText(*base.wordBase, base.index, tool, c.word), c.text);
    }
}

TEST(WordListCheck, TheGeneratedListIsCheckedNotTheNewChoice)
{
    WordListBase base(lexicon());
    WordListTool tool;
    tool.chooseStudent(ava());
    choose(tool, {seg::C_K});
    tool.generate(base.wordBase.get(), base.index, base.random, 0);
    ASSERT_EQ(tool.words().size(), 1u);  // cat
    choose(tool, {seg::D});
    EXPECT_EQ(wordListCheckText(*base.wordBase, base.index, tool, "cat"), "\x93"
                                                                          "cat\x94 is offered.");

    // With nothing chosen or generated, any list of the type.
    WordListTool fresh;
    fresh.chooseStudent(ava());
    const std::string any = wordListCheckText(*base.wordBase, base.index, fresh, "cat");
    EXPECT_NE(any.find("is offered"), std::string::npos) << any;
}

}  // namespace
}  // namespace moxlet
