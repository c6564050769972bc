#pragma once
// Latin roots (273..330) in their Latin sense: "transport" and "portable"
// carry PORT, "sport", "passport" and "portion" do not; "inspect" and
// "expect" carry SPEC/SPIC/SPECT, "speck" does not.
//
// A root counts when the word is (prefixes) + root + (ending), the prefixes
// being real Latin prefixes or their assimilated forms (ac-, col-, e-, sus-),
// or when the word begins with one of the root's listed free-standing words
// (audio, dictate, structure).  Known look-alikes are listed per root.

#include <string>
#include <vector>

namespace moxlet::wordbase::affixes {

std::vector<int> latinRoots(const std::string& word);

// True when pre is made of one or more Latin prefixes (in, ex, ac, con, sub, ...).
bool isPrefixChain(const std::string& pre);

}  // namespace moxlet::wordbase::affixes
