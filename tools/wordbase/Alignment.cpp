#include "Alignment.h"

#include <algorithm>
#include <limits>
#include <map>
#include <sstream>

namespace moxlet::wordbase {

namespace {

struct Reading {
    std::vector<std::string> phones;
    int cost = 0;
};

struct TableEntry {
    std::string letters;
    bool initialOnly = false;
    bool finalOnly = false;
    std::vector<Reading> readings;
};

// letters=READING|READING:cost ; "^" initial only, "$" final only, "-" silent.
const char* const kTable[] = {
    "b=B", "bb=B", "c=K|S|SH:2|CH:3", "cc=K|K S", "ck=K", "ch=CH|K|SH", "tch=CH", "d=D|JH:1|T:1",
    "dd=D", "dge=JH", "dg=JH", "f=F|V:3", "ff=F", "ph=F|V:3", "gh=G|F|-:2", "g=G|JH|ZH:2",
    "gg=G|JH:1", "gn=N", "gue$=G", "gu=G|G W", "h=HH|-:2", "wh=W|HH", "j=JH|Y:3|HH:3", "k=K",
    "^kn=N", "l=L", "ll=L", "m=M", "mm=M", "mb$=M", "mn$=M", "n=N|NG:1", "nn=N", "ng=NG|NG G|N JH",
    "nk=NG K", "p=P", "pp=P", "^ps=S", "^pn=N", "q=K", "qu=K W|K", "que$=K", "r=R|ER:1", "rr=R",
    "^rh=R", "^wr=R", "s=S|Z|SH|ZH", "ss=S|Z:2|SH:1", "sc=S|S K:1", "sch=S K|SH", "sh=SH",
    "stle$=S AH L|S L", "t=T|SH:1|CH|D:2", "tt=T|D:2", "th=TH|DH|T:2", "tion=SH AH N|CH AH N",
    "sion=ZH AH N|SH AH N", "ssion=SH AH N", "v=V", "w=W", "x=K S|G Z|Z|K SH:1|G ZH:2",
    "y=Y|IY|IH|AY|AH:1|-:3", "z=Z|S:2|ZH:2", "zz=Z", "le$=AH L|L",
    // single vowel letters
    "a=AE|AH|EY|AA|AO|IH:1|EH:1|-:3", "e=EH|IY|AH|IH|-:1|EY:1|ER:2",
    "i=IH|AY|IY|AH|Y:1|ER:2|-:3", "o=AA|AO|OW|UW|AH|UH:1|IH:2|W AH:1|ER:2|-:3",
    "u=AH|UW|UH|Y UW|Y UH|Y AH|Y ER:1|IH:2|EH:2|W:1|ER:2|-:2",
    // vowel teams
    "ai=EY|EH:1|AH:1|AY:1", "ay=EY|EH:1", "au=AO|AA|AE:1|OW:2", "augh=AO|AA|AE F", "aw=AO|AA",
    "ea=IY|EH|EY|IH:1|AH:1", "ee=IY|IH:1", "ei=IY|EY|AY:1|EH:1|IH:1", "eigh=EY|AY", "eu=Y UW|UW",
    "ew=UW|Y UW", "ey=IY|EY|AY:2", "ie=AY|IY|IH:1", "igh=AY", "oa=OW|AO:1", "oe=OW|UW:1", "oi=OY",
    "oo=UW|UH|AH:2|OW:2", "ou=AW|AH|UW|OW|UH:1|AO:1", "ough=AO|AA|AH F|AO F|AA F|UW|OW|AW", "ow=OW|AW",
    "oy=OY", "ue=UW|Y UW", "ui=UW|IH:1", "alk=AO K|AA K",
    // r-controlled
    "ar=AA R|ER|AO R|EH R", "er=ER", "ir=ER", "ur=ER", "or=AO R|ER|OW R", "ear=IY R|IH R|EH R|ER|AA R",
    "air=EH R", "eer=IY R|IH R", "our=AW ER|AO R|UH R|ER|AW R",
};

std::vector<std::string> words(const std::string& s)
{
    std::vector<std::string> out;
    std::istringstream in(s);
    std::string w;
    while (in >> w) out.push_back(w);
    return out;
}

std::map<std::string, TableEntry> buildTable()
{
    std::map<std::string, TableEntry> table;
    for (const char* line : kTable) {
        std::string s(line);
        const auto eq = s.find('=');
        TableEntry e;
        e.letters = s.substr(0, eq);
        if (e.letters.front() == '^') {
            e.initialOnly = true;
            e.letters.erase(0, 1);
        }
        if (e.letters.back() == '$') {
            e.finalOnly = true;
            e.letters.pop_back();
        }
        std::string rest = s.substr(eq + 1);
        std::istringstream in(rest);
        std::string option;
        while (std::getline(in, option, '|')) {
            Reading r;
            const auto colon = option.find(':');
            if (colon != std::string::npos) {
                r.cost = std::stoi(option.substr(colon + 1));
                option = option.substr(0, colon);
            }
            if (option != "-") r.phones = words(option);
            e.readings.push_back(r);
        }
        table[e.letters] = e;
    }
    return table;
}

const std::map<std::string, TableEntry>& table()
{
    static const auto t = buildTable();
    return t;
}

constexpr int kSilentLetterCost = 6;
constexpr int kOddReadingCost = 8;
constexpr int kInsertedPhoneCost = 10;
constexpr std::size_t kLongestGrapheme = 5;

struct Step {
    int cost = std::numeric_limits<int>::max();
    int fromI = -1, fromJ = -1;
    std::string letters;
    int phoneCount = 0;
    bool fallback = false;
};

}  // namespace

bool Grapheme::hasVowelPhone() const
{
    for (const auto& p : phones)
        if (p.vowel()) return true;
    return false;
}

int Grapheme::stress() const
{
    for (const auto& p : phones)
        if (p.vowel()) return p.stress;
    return -1;
}

bool isVowelLetters(const std::string& letters)
{
    if (letters.empty()) return false;
    for (char c : letters)
        if (std::string("aeiouy").find(c) == std::string::npos) return false;
    return true;
}

std::vector<Grapheme> alignWord(const std::string& word, const Phones& phones)
{
    const int n = static_cast<int>(word.size());
    const int m = static_cast<int>(phones.size());
    std::vector<std::vector<Step>> best(static_cast<std::size_t>(n + 1), std::vector<Step>(static_cast<std::size_t>(m + 1)));
    best[0][0].cost = 0;
    auto relax = [&](int i, int j, int ni, int nj, int cost, const std::string& letters, bool fallback) {
        auto& cur = best[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
        auto& next = best[static_cast<std::size_t>(ni)][static_cast<std::size_t>(nj)];
        const int total = cur.cost + cost;
        if (total < next.cost) next = Step{total, i, j, letters, nj - j, fallback};
    };
    // The table entries that match at each letter position (independent of the phones).
    std::vector<std::vector<const TableEntry*>> candidates(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        for (std::size_t len = 1; len <= kLongestGrapheme && i + static_cast<int>(len) <= n; ++len) {
            auto it = table().find(word.substr(static_cast<std::size_t>(i), len));
            if (it != table().end()) candidates[static_cast<std::size_t>(i)].push_back(&it->second);
        }
    for (int i = 0; i <= n; ++i) {
        for (int j = 0; j <= m; ++j) {
            if (best[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)].cost == std::numeric_limits<int>::max()) continue;
            for (const TableEntry* entry : i < n ? candidates[static_cast<std::size_t>(i)] : std::vector<const TableEntry*>{}) {
                const TableEntry& e = *entry;
                const std::string& letters = e.letters;
                const std::size_t len = letters.size();
                if (e.initialOnly && i != 0) continue;
                if (e.finalOnly && i + static_cast<int>(len) != n) continue;
                for (const auto& r : e.readings) {
                    const int k = static_cast<int>(r.phones.size());
                    if (j + k > m) continue;
                    bool match = true;
                    for (int q = 0; q < k && match; ++q)
                        match = phones[static_cast<std::size_t>(j + q)].sym == r.phones[static_cast<std::size_t>(q)];
                    if (match) relax(i, j, i + static_cast<int>(len), j + k, 1 + r.cost, letters, false);
                }
            }
            if (i < n) {
                const std::string letter = word.substr(static_cast<std::size_t>(i), 1);
                relax(i, j, i + 1, j, 1 + kSilentLetterCost, letter, true);
                if (j < m) relax(i, j, i + 1, j + 1, 1 + kOddReadingCost, letter, true);
            }
            if (j < m) relax(i, j, i, j + 1, kInsertedPhoneCost, "", true);
        }
    }
    std::vector<Grapheme> out;
    for (int i = n, j = m; i > 0 || j > 0;) {
        const Step& s = best[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
        Grapheme g;
        g.letters = s.letters;
        g.letterStart = s.fromI;
        g.phoneStart = s.fromJ;
        g.fallback = s.fallback;
        for (int q = 0; q < s.phoneCount; ++q) g.phones.push_back(phones[static_cast<std::size_t>(s.fromJ + q)]);
        out.push_back(g);
        i = s.fromI;
        j = s.fromJ;
    }
    std::reverse(out.begin(), out.end());
    // Inserted phones (no letters) join the grapheme before them.
    std::vector<Grapheme> merged;
    for (auto& g : out) {
        if (g.letters.empty() && !merged.empty()) {
            merged.back().phones.insert(merged.back().phones.end(), g.phones.begin(), g.phones.end());
            merged.back().fallback = true;
        } else {
            merged.push_back(g);
        }
    }
    return merged;
}

}  // namespace moxlet::wordbase
