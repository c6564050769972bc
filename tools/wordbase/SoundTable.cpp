#include "SoundTable.h"

#include <sstream>

namespace moxlet::wordbase {

namespace {

// letters[^ initial][$ final][% final or before final s/d][> before a vowel letter]
//   [< after a consonant letter][@ at a syllable's end: final, before a consonant
//   letter or before an ending (s, ed, ing, er, y): the silent b of lamb, climbing,
//   plumber, not tam-bou-rine, em-balm]
//   = reading | reading ...   (an unstressed ar before a vowel is a schwa and the
//   r of the next syllable, a-round, ca-reer; it wins the tie with AR by order.
//   An unstressed or said as schwa + r is OR, as ar in dollar is AR and er is
//   ER: doc-tor, ac-tor, mem-o-ry; only orr before a vowel opens the next
//   syllable, co-rrect)
// reading = PHONES:seg,seg[~kind]   PHONES "-" for silent;
// kind: (none) catalogue 10, s catalogue spelling with a silent letter 11 (an
//       ordinary parse wins a tie: sick-ness, not sic-kness; show-room), x
//       explained extra 14, L long vowel 10, E silent e 12, ? unexplained 25.
// Phone patterns: AH0 exact stress, AH any stress, AH! stressed.
const char* const kTable[] = {
    // consonants
    "b=B:10",
    "bb=B:10",
    "mb$=M:53~s",
    "mb@=M:53~x",
    "c=K:11|S:12|CH:~?|SH:~?",
    "cc=K:11",
    "ck=K:16",
    "ch=CH:13|K:14|SH:15",
    "tch=CH:94",
    "ce$=S:12",
    "ci=SH:~x",
    "d=D:17|JH:~?|T:~?",
    "dd=D:17",
    "dge=JH:18",
    "dg=JH:18",
    "ed$=D:230~x|T:231~x",
    "f=F:36|V:~?",
    "ff=F:36",
    "ph=F:80",
    "g=G:37|JH:38|ZH:~?",
    "gg=G:37",
    "ge$=JH:38|ZH:~?",
    "gh=G:39|F:~?|-:~?",
    "gn=N:40~s",
    "gue@=G:41",
    "ngue@=NG:56,41",
    "gu=G:~?",
    "h=HH:42|-:~?",
    "wh=W:108|HH W:108|HH:108~x",
    "j=JH:48|Y:~?|HH:~?",
    "k=K:49",
    "kn=N:50~s",
    "l=L:51",
    "ll=L:51",
    "le%=AH0 L:51|L:51",
    "le=AH0 L:51~x",
    "l<=AH0 L:51~x",
    "m=M:52",
    "mm=M:52",
    "mn$=M:54",
    "mns$=M Z:54,87",
    "n=N:55|NG:57~x",
    "nn=N:55",
    "ng=NG:56|NG G:56|NG K:56~x|N JH:55,38",
    "nk=NG K:57",
    "p=P:79|-:~?",
    "pp=P:79",
    "q=K:~?",
    "qu=K W:81|K:~?",
    "que$=K:83",
    "ques$=K S:83,86",
    "r=R:84|ER0:84~x",
    "rr=R:84",
    "rh=R:85",
    "wr=R:109~s",
    "s=S:86|Z:87|Z AH0:87~x|SH:~?|ZH:~?",
    "ss=S:86|Z:87~x|SH:~?",
    "sc=S:88",
    "sh=SH:89",
    "stle$=S AH0 L:92|S L:92",
    "sion=ZH AH0 N:90|SH AH0 N:91|ZH IH0 N:90|SH IH0 N:91",
    "ssion=SH AH0 N:91|SH IH0 N:91",
    "t=T:93|-:~?|D:93~x|SH:~?|CH:~?",
    "tt=T:93|D:93~x",
    "th=TH:95|DH:96|T:~?",
    "tion=SH AH0 N:97|SH IH0 N:97|CH AH0 N:97|ZH AH0 N:97~x",
    "ti=SH:~x",
    "tu=CH AH0 W:98|CH UW:98|CH AH0:98|CH UH:98|CH AH:98|CH:98|CH ER:98|CH W:98",
    "ture=CH ER:98",
    "su=ZH AH0 W:98|ZH UW:98|ZH AH0:98|ZH ER:98|SH UH:98|SH ER:98|ZH UH:98|SH UW:98|ZH W:98|SH W:98",
    "sure=ZH ER:98|SH ER:98|SH UH R:98",
    "sur=ZH ER:98|SH ER:98",
    "ssu=SH UW:98|SH UH:98|SH AH0:98",
    "ssure=SH ER:98|SH UH R:98",
    "du=JH AH0 W:98|JH UW:98|JH AH0:98|JH UH:98|JH ER:98|JH W:98|JH:98",
    "dure=JH ER:98",
    "v=V:103",
    "w=W:104",
    "xc=K S:110,12",
    "x=K S:110|Z:111|G Z:110~x|K SH:110~x|G ZH:110~x",
    "y=Y:115|IY:113|IH:114|AY:112|AH0:114~x",
    "z=Z:116|S:~?|ZH:~?",
    "zz=Z:116",
    // single vowel letters
    "a=AE:0|AH0:1|IH0:1|EY:~L|EH:~?|AA:~?|AO:~?|AH!:~?|-:~?",
    "e=EH:19|AH0:20|IH0:20|IH2:20~x|IY:~L|-:~E|IH!:~?|EY:~?",
    "i=IH:43|AH0:43|AY:~L|IY:~L|Y:~x|-:~?",
    "o=AA:58|AO:58|AH0:58|IH0:58~x|OW:59|UW:60|AH!:~?|UH:~?|IH:~?|W AH:~?|-:~?",
    "u=AH:99|IH0:99~x|W:104~x|UW:~L|Y UW:~L|Y UH:~L|Y AH0:~L|Y ER:~L|UH:~?|IH!:~?|EH:~?|W:~?|-:~?",
    // vowel teams and other vowel spellings
    "ai=EY:2|AH0:2~x|IH0:2~x|EH:~?",
    "ay=EY:9|IY0:9~x",
    "au=AO:6|AA:6|AE:~?|OW:~?",
    "augh=AO:7|AA:7|AE F:~?",
    "aw=AO:8|AA:8",
    "alk=AO K:3,49|AA K:3,49",
    "alt=AO L T:3,93|AA L T:3,93",
    "al=AO L:4~x|AA L:4~x|AO:3~x",
    "all=AO L:4|AA L:4",
    "ea=IY:21|EH:22|EY:23|IH0:~?|AH0:~?",
    "ee=IY:27|IH:~?",
    "ei=IY:28|EY:29|AY:~?|EH:~?|IH:~?",
    "eigh=EY:30|AY:~?",
    "eu=Y UW:32|UW:32",
    "ew=UW:33|Y UW:33|OW:~?",
    "ey=IY:34|EY:35",
    "ie=AY:44|IY:45|IH:~?|EH:~?",
    "igh=AY:46",
    "oa=OW:61|AO:~?",
    "oar=AO R:61,84|OW R:61,84",
    "oe=OW:62|UW:~?",
    "oi=OY:63",
    "oo=UW:64|UH:65|AH:~?|OW:~?",
    "ou=AW:67|AH:68|UW:69|OW:70|AO:70~x|UH:~?|ER:~?",
    "ough=AO:71|AA:71|AH F:72|AO F:73|AA F:73|UW:74|OW:75|AW:~?",
    "ow=OW:76|AW:77",
    "oy=OY:78",
    "ue=UW:100|Y UW:100",
    "ui=UW:101",
    "uy=AY:~?",
    "eau=Y UW:~?|OW:~?",
    "ye$=AY:112~x",
    // r-controlled
    "air=EH R:2,84",
    "eer=IH R:27,84|IY R:27,84",
    "ier=IH R:45,84|IY R:45,84",
    "our=UH R:69,84~x",
    "ar>=ER0:1,84",
    "arr>=ER0:1,84",
    "orr>=ER0:58,84",
    "arr=AA R:5,84",
    "ar=AA R:5|ER:5|AO R:5~x|AA:~?",
    "er=ER:31|EH R:~?",
    "ir=ER:47",
    "ur=ER:102|Y ER0:102~x",
    "or=AO R:66|ER!:66|ER0:66|OW R:66",
    "ear=IH R:24|IY R:24|ER:25|EH R:26|AA R:~?",
    "wa=W AA:105|W AO:105|W AH!:~?",
    "war=W AO R:106",
    "wor=W ER:107",
    "qua=K W AA:82|K W AO:82",
    "quar=K W AO R:82,84",
};

std::vector<std::string> split(const std::string& s, char sep)
{
    std::vector<std::string> out;
    std::string item;
    std::istringstream in(s);
    while (std::getline(in, item, sep)) out.push_back(item);
    return out;
}

std::vector<std::string> words(const std::string& s)
{
    std::vector<std::string> out;
    std::istringstream in(s);
    std::string w;
    while (in >> w) out.push_back(w);
    return out;
}

SoundReading parseReading(const std::string& text)
{
    SoundReading r;
    const auto colon = text.find(':');
    const std::string phones = text.substr(0, colon);
    std::string rest = text.substr(colon + 1);
    if (phones != "-") r.phones = words(phones);
    const auto tilde = rest.find('~');
    if (tilde != std::string::npos) {
        switch (rest[tilde + 1]) {
        case 'x':
            r.kind = UnitKind::Phonogram;
            r.cost = 14;
            break;
        case 's':
            r.kind = UnitKind::Phonogram;
            r.cost = 11;
            break;
        case 'L':
            r.kind = UnitKind::LongVowel;
            r.cost = 10;
            break;
        case 'E':
            r.kind = UnitKind::SilentE;
            r.cost = 12;
            break;
        default:
            r.kind = UnitKind::Unexplained;
            r.cost = 25;
            break;
        }
        rest = rest.substr(0, tilde);
    }
    for (const auto& s : split(rest, ','))
        if (!s.empty()) r.segments.push_back(std::stoi(s));
    return r;
}

std::vector<SoundSpelling> build()
{
    std::vector<SoundSpelling> table;
    for (const char* line : kTable) {
        const std::string s(line);
        const auto eq = s.find('=');
        SoundSpelling sp;
        sp.letters = s.substr(0, eq);
        while (!sp.letters.empty() &&
               (sp.letters.back() == '$' || sp.letters.back() == '%' || sp.letters.back() == '^' ||
                sp.letters.back() == '>' || sp.letters.back() == '<' || sp.letters.back() == '@')) {
            const char c = sp.letters.back();
            sp.finalOnly |= c == '$';
            sp.finalOrSuffix |= c == '%';
            sp.initialOnly |= c == '^';
            sp.beforeVowel |= c == '>';
            sp.afterConsonant |= c == '<';
            sp.syllableEnd |= c == '@';
            sp.letters.pop_back();
        }
        for (const auto& r : split(s.substr(eq + 1), '|')) sp.readings.push_back(parseReading(r));
        table.push_back(sp);
    }
    return table;
}

}  // namespace

const std::vector<SoundSpelling>& soundTable()
{
    static const std::vector<SoundSpelling> table = build();
    return table;
}

bool phoneMatches(const Phone& phone, const std::string& pattern)
{
    std::string sym = pattern;
    int stress = -2;  // any
    bool stressed = false;
    if (!sym.empty() && sym.back() == '!') {
        stressed = true;
        sym.pop_back();
    } else if (!sym.empty() && sym.back() >= '0' && sym.back() <= '2') {
        stress = sym.back() - '0';
        sym.pop_back();
    }
    if (phone.sym != sym) return false;
    if (stressed) return phone.stress >= 1;
    return stress == -2 || phone.stress == stress;
}

}  // namespace moxlet::wordbase
