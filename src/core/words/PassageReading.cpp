#include "core/words/PassageReading.h"

#include <algorithm>
#include <array>
#include <utility>

namespace moxlet {

namespace {

constexpr char kSoftHyphen = '\xAD';

bool isUpper(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9F ||
           (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}

bool isLower(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || c == 0x9A || c == 0x9C || c == 0x9E || (c >= 0xDF && c != 0xF7);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isApostrophe(char c) { return c == '\'' || c == '\x92'; }
bool endsSentence(char c) { return c == '.' || c == '!' || c == '?' || c == '\x85'; }

// Blanks, quotes and brackets: they may stand between a sentence end and
// the first word of the next sentence.
bool betweenSentences(char c)
{
    constexpr std::string_view kQuotesAndBrackets =
        " \t\r\n\f\v\xA0\"'()[]{}\x91\x92\x93\x94\x84\x8B\x9B\xAB\xBB";
    return kQuotesAndBrackets.find(c) != std::string_view::npos;
}

// Words after which a point does not end the sentence.
bool isTitle(std::string_view key)
{
    return key == "mr" || key == "mrs" || key == "ms" || key == "dr" || key == "st";
}

// What a possessive or contraction is looked up by (see the header).
std::string baseWord(std::string key)
{
    static constexpr std::array<std::string_view, 6> kEndings = {"'s", "'re", "'ve", "'ll", "'d", "'m"};
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kNegatives = {
        {{"ca", "can"}, {"wo", "will"}, {"sha", "shall"}}};
    for (std::string_view e : kEndings) {
        if (key.size() > e.size() && key.ends_with(e)) {
            key.resize(key.size() - e.size());
            break;
        }
    }
    if (key.size() > 3 && key.ends_with("n't")) {
        key.resize(key.size() - 3);
        for (const auto& [stem, word] : kNegatives)
            if (key == stem) key = word;
    }
    std::erase(key, '\'');
    return key;
}

}  // namespace

bool isPassageLetter(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return isUpper(u) || isLower(u);
}

char lowerLetter(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (u == 0x9F) return '\xFF';
    if (u == 0x8A || u == 0x8C || u == 0x8E) return static_cast<char>(u + 0x10);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) return static_cast<char>(u + 0x20);
    return c;
}

std::vector<PassageToken> readPassage(std::string_view text, SentenceStarts starts)
{
    std::vector<PassageToken> tokens;
    bool sentenceStart = true;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (!isPassageLetter(c) && !isDigit(c)) {
            if (endsSentence(c))
                sentenceStart = tokens.empty() || tokens.back().kind != PassageToken::Kind::Word ||
                                tokens.back().end != i || !isTitle(tokens.back().key);
            else if (c == '\n' && starts == SentenceStarts::AlsoAtLineStarts)
                sentenceStart = true;
            else if (!betweenSentences(c))
                sentenceStart = false;
            ++i;
            continue;
        }

        PassageToken t;
        t.begin = i;
        t.startsSentence = sentenceStart;
        std::string letters;
        std::size_t j = i;
        while (j < text.size()) {
            const bool next = j + 1 < text.size() && isPassageLetter(text[j + 1]);
            if (isPassageLetter(text[j]))
                letters += lowerLetter(text[j]);
            else if (text[j] == kSoftHyphen && next && !letters.empty()) {
            } else if (isApostrophe(text[j]) && next && !letters.empty())
                letters += '\'';
            else
                break;
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {  // digits, or letters run into digits: a number
            while (j < text.size() &&
                   (isDigit(text[j]) || isPassageLetter(text[j]) ||
                    ((text[j] == '.' || text[j] == ',') && j + 1 < text.size() && isDigit(text[j + 1]))))
                ++j;
            t.kind = PassageToken::Kind::Number;
            t.key = std::string(text.substr(i, j - i));
        } else {
            t.capitalised = isUpper(static_cast<unsigned char>(c));
            t.key = baseWord(std::move(letters));
        }
        t.end = j;
        tokens.push_back(std::move(t));
        sentenceStart = false;
        i = j;
    }
    return tokens;
}

}  // namespace moxlet
