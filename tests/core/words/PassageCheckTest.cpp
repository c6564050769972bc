// Reading a passage: how a text falls into words and numbers, what a few
// students can read of known sentences on the shipped word base, and how
// the summaries put it.

#include "core/words/PassageCheck.h"

#include <gtest/gtest.h>

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Marks.h"
#include "core/words/PassageSummary.h"
#include "support/PassageStudents.h"
#include "support/ShippedWordBase.h"

namespace moxlet {
namespace {

// Each token as "|" (starts a sentence), "^" (capitalised) or "#" (a
// number) before what is looked up.
std::string tokens(std::string_view text, SentenceStarts starts)
{
    std::string out;
    for (const PassageToken& t : readPassage(text, starts)) {
        out += out.empty() ? "" : " ";
        out += std::string(t.startsSentence ? "|" : "") + (t.capitalised ? "^" : "") +
               (t.kind == PassageToken::Kind::Number ? "#" : "") + t.key;
    }
    return out;
}

TEST(PassageReading, WordsAsATutorReadsThem)
{
    const std::pair<const char*, const char*> rows[] = {
        {"The ship is in the dock.", "|^the ship is in the dock"},
        {"Sam's dog, the dogs' bone; it's Ann\x92s!", "|^sam dog the dogs bone it ^ann"},
        {"I'm sure you're right. Don't! Can't, won't, shan't.", "|^i sure you right |^do |^can will shall"},
        {"A well-known 1,000-year-old tree\x97 3.5 m tall in the 1990s, 4th.",
         "|^a well known #1,000 year old tree #3.5 m tall in the #1990s #4th"},
        {"Mr. Smith met Dr. Jones. \"Run,\" said Tom. (Go!) \x93Yes?\x94 Ok",
         "|^mr ^smith met ^dr ^jones |^run said ^tom |^go |^yes |^ok"},
        {"hap\xADpy o'clock 'tis A4 covid19 ZO\xCB \xC9"
         "cole caf\xE9",
         "|happy oclock tis #A4 #covid19 ^zo\xEB ^\xE9"
         "cole caf\xE9"},
        {"", ""},
        {" ... 7", "|#7"},
    };
    for (const auto& [text, want] : rows)
        EXPECT_EQ(tokens(text, SentenceStarts::AfterSentenceEnds), want) << text;

    // A line break continues a sentence in a passage; each sentence line starts one.
    EXPECT_EQ(tokens("the cat\nsat on Sam", SentenceStarts::AfterSentenceEnds), "|the cat sat on ^sam");
    EXPECT_EQ(tokens("the cat\nsat on Sam", SentenceStarts::AlsoAtLineStarts), "|the cat |sat on ^sam");
}

// ---- Known sentences on the shipped word base ----------------------

PassageStudent student(const std::vector<int>& studied, int syllableMax)
{
    PassageStudent s;
    s.name = "Sam";
    for (int id : studied) s.studied.add(id);
    s.syllableMax = syllableMax;
    return s;
}

const std::vector<int>& kBeginner = test::kBeginnerSegments;

// One syllable at a time.
PassageStudent sam() { return student(test::samSegments(), 1); }

PassageStudent everything(int syllableMax)
{
    PassageStudent s = student({}, syllableMax);
    s.studied.addRange(0, seg::Count - 1);
    return s;
}

struct Sentence {
    PassageStudent student;
    const char* text;
    const char* share;
    const char* summary;  // UTF-8, marks drawn
};

TEST(PassageCheck, KnownSentencesForKnownStudents)
{
    test::ShippedWordBase shipped;
    const Sentence rows[] = {
        {student(kBeginner, 2), "The ship is in the dock.", "4 of 6 words decodable (66%)",
         "1 word beyond Sam: the (E (ə), TH (t͟h), Open Syllable)"},
        {student(kBeginner, 2), "Bob had a red pen, but the cat bit it.", "8 of 10 words decodable (80%)",
         "2 words beyond Sam: a (A (ə), Open Syllable), the (E (ə), TH (t͟h), Open Syllable)"},
        {sam(), "The ship is in the dock.", "6 of 6 words decodable (100%)", "All words decodable"},
        {sam(), "I thought it was great", "3 of 5 words decodable (60%)",
         "2 words beyond Sam: thought (OUGH (aw)), great (EA (ā))"},
        {sam(), "Sam thought the fish was in because the giraffe sat on it.", "8 of 11 words decodable (72%)",
         "3 words beyond Sam: thought (OUGH (aw)), because, giraffe"},
        {everything(9), "Sam thought the giraffe was great because it was tall.",
         "9 of 9 words decodable (100%)", "All words decodable"},
        {everything(1), "Sam thought the giraffe was great because it was tall.",
         "7 of 9 words decodable (77%)", "2 words beyond Sam: giraffe, because"},
        // Names and numbers are not counted; a word only ever at a sentence
        // start, or also in lower case, is not a name.
        {sam(), "Zorblat met Brixa with 3 cats at 10.30. Zorblat sat. Quilp hid, quilp ran.",
         "7 of 11 words decodable (63%)", "2 words beyond Sam: zorblat, quilp"},
        {sam(), "", "No words to check", ""},
    };
    for (const Sentence& row : rows) {
        const PassageReport r =
            checkPassage(*shipped.wordBase, shipped.index, shipped.texts(), row.text, row.student);
        EXPECT_EQ(passageShare(r), row.share) << row.text;
        EXPECT_EQ(displayText(passageSummary(r, row.student.name)), row.summary) << row.text;
    }
}

TEST(PassageCheck, NamesNumbersAndTheirPlaces)
{
    test::ShippedWordBase shipped;
    const std::string text = "Sam met Brixa's 2 cats.";
    const PassageReport r = checkPassage(*shipped.wordBase, shipped.index, shipped.texts(), text, sam());
    std::string got;
    for (const auto& place : r.places)
        got += text.substr(place.begin, place.end - place.begin) + "=" + r.words[place.word].text + " ";
    EXPECT_EQ(got, "Sam=Sam met=met Brixa's=Brixa 2=2 cats=cats ");
    // The student's own name, though it starts the sentence.
    EXPECT_EQ(r.words[0].verdict, PassageVerdict::Name);
    EXPECT_EQ(r.words[2].reason,
              "\x93"
              "Brixa\x94 is read as a name: it is capitalised and not in Moxlet's word base.");
    EXPECT_EQ(r.words[3].verdict, PassageVerdict::Number);
}

// A word the student can decode may be beyond the word level the tutor
// chose; one that needs unstudied segments says that first.
TEST(PassageCheck, AWordBeyondTheChosenLevelIsMarkedWithItsReason)
{
    test::ShippedWordBase shipped;
    PassageStudent s = everything(9);
    s.upTo = WordLevel::Common;
    s.studied.remove(seg::PH);
    const PassageReport r = checkPassage(*shipped.wordBase, shipped.index, shipped.texts(),
                                         "The giraffe saw an anemone and a lymph.", s);
    ASSERT_EQ(r.words.size(), 8U);
    EXPECT_EQ(r.words[1].verdict, PassageVerdict::Decodable);
    EXPECT_EQ(r.words[4].verdict, PassageVerdict::BeyondLevel);
    EXPECT_EQ(
        r.words[4].reason,
        "\x93"
        "anemone\x94 is a wider word, beyond the chosen level: lists offer words up to common (Options > "
        "Words Offered).");
    EXPECT_EQ(displayText(passageSummary(r, s.name)), "2 words beyond Sam: anemone, lymph (PH)");
}

// ---- What the student needs, segment by segment --------------------

TEST(PassageSummary, SegmentsThatUnlockMostWordsComeFirst)
{
    PassageReport r;
    auto needs = [&](const char* word, std::vector<SegmentId> unstudied) {
        r.words.push_back({word, PassageVerdict::NeedsUnstudied, std::move(unstudied)});
    };
    needs("chop", {seg::CH_CH});
    needs("chip", {seg::CH_CH, seg::I_Short});
    needs("thin", {seg::TH, seg::I_Short});
    needs("path", {seg::TH});
    needs("moth", {seg::TH});
    r.words.push_back({"Sam", PassageVerdict::Name});
    r.runningWords = 7;
    r.decodableWords = 2;

    std::string got;
    for (const SegmentNeed& n : segmentNeeds(r)) {
        got += segmentName(n.segment) + ":";
        for (std::size_t w : n.unlocks) got += " " + r.words[w].text;
        got += " /";
        for (std::size_t w : n.alsoNeeds) got += " " + r.words[w].text;
        got += "; ";
    }
    EXPECT_EQ(displayText(got), "TH: path moth / thin; CH (ch): chop / chip; I (ĭ): / chip thin; ");
    EXPECT_EQ(passageShare(r), "2 of 7 words decodable (28%)");
    EXPECT_EQ(displayText(passageSummary(r, "")),
              "5 words beyond this student: chop (CH (ch)), chip (CH (ch), I (ĭ)), "
              "thin (TH, I (ĭ)), path (TH), moth (TH)");
}

}  // namespace
}  // namespace moxlet
