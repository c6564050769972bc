#pragma once
// A text read the way a tutor reads it with a student: which stretches are
// words, which are numbers, and which word of the word base each word is.
// The text is Windows-1252 (one byte a character, as stored).
//
// - A word is a run of letters: A-Z, a-z and the accented letters of the
//   code page.  An apostrophe (' or the curly one) between two letters
//   belongs to it, a soft hyphen inside it is dropped.  Everything else
//   ends it: hyphens and dashes too, so "well-known" is two words, each
//   checked on its own (the word base holds no hyphenated words).
// - A number is a run of digits together with the letters, points and
//   commas inside or right after it (7, 1,000, 3.5, 4th, 1990s): shown as a
//   number, never checked as a word.
// - The word looked up is the word in lower case.  A possessive or a
//   contraction is looked up by the word it is made from: Sam's, it's and
//   let's by Sam, it and let; you're, we've, she'll, he'd, I'm by you, we,
//   she, he, I; don't, isn't, didn't by do, is, did, and can't, won't,
//   shan't by can, will, shall.  An apostrophe anywhere else is dropped
//   (o'clock is looked up as "oclock", which the word base lacks).
// - A word starts a sentence when only blanks, quotes and brackets stand
//   between it and the start of the text, a sentence end (. ! ? or the
//   ellipsis, but not the point after Mr, Mrs, Ms, Dr or St), or, when the
//   text is read line by line (a plan's sentence lines), the start of its
//   line.  Whether a capitalised word the word base lacks is a name is
//   decided from this (PassageCheck.h).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace moxlet {

struct PassageToken {
    enum class Kind { Word, Number };
    Kind kind = Kind::Word;
    std::size_t begin = 0;  // byte offsets into the text: [begin, end)
    std::size_t end = 0;
    std::string key;           // a word: what is looked up (lower case); a number: as written
    bool capitalised = false;  // a word whose first letter is a capital
    bool startsSentence = false;
};

enum class SentenceStarts {
    AfterSentenceEnds,  // a passage: only after . ! ? (a line break continues a sentence)
    AlsoAtLineStarts,   // sentence lines: every line starts one too
};

std::vector<PassageToken> readPassage(std::string_view text,
                                      SentenceStarts starts = SentenceStarts::AfterSentenceEnds);

// Whether a Windows-1252 byte is a letter, and the letter in lower case.
bool isPassageLetter(char c);
char lowerLetter(char c);

}  // namespace moxlet
