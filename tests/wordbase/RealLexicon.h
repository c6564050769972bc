#pragma once
// The lexicon the word base is built from (data/lexicon.tsv, with
// data/baseforms.tsv beside it), read once per test program.

#include <string>

#include "Lexicon.h"

namespace moxlet::test {

inline const wordbase::Lexicon& realLexicon()
{
    static const auto lex = wordbase::Lexicon::load(std::string(MOXLET_SOURCE_DIR) + "/data/lexicon.tsv");
    return lex;
}

}  // namespace moxlet::test
