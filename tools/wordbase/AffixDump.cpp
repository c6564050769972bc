// wordbase_affix_dump LEXICON BASEFORMS [WORD...]: prints "word<TAB>syllables<TAB>ids" for
// every lexicon word (or each WORD given after the files) that has an affix, root or rule segment, for
// review.
#include <iostream>
#include <string>
#include <vector>

#include "AffixRootTagger.h"
#include "TableLexicon.h"

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: wordbase_affix_dump LEXICON BASEFORMS\n";
        return 2;
    }
    moxlet::wordbase::affixes::TableLexicon lex;
    if (!lex.load(argv[1], argv[2])) {
        std::cerr << "cannot read the lexicon\n";
        return 1;
    }
    std::vector<std::string> only(argv + 3, argv + argc);
    for (const auto& word : only.empty() ? lex.words() : only) {
        const auto prons = lex.pronunciations(word);
        const auto tags =
            moxlet::wordbase::affixes::tagAffixesRootsRules(word, prons.empty() ? "" : prons.front(), lex);
        if (tags.empty()) continue;
        std::cout << word << '\t' << lex.rank(word) << '\t';
        for (std::size_t i = 0; i < tags.size(); ++i) std::cout << (i ? " " : "") << tags[i];
        std::cout << (moxlet::wordbase::affixes::needsNoRootStudy(word, tags, lex) ? "\tF" : "") << '\n';
    }
    return 0;
}
