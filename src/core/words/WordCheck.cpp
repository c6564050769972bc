#include "core/words/WordCheck.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/catalogue/Catalogue.h"

namespace moxlet {

namespace {

constexpr std::int32_t kSearchChunk = 1024;  // records read at a time while looking for a word
constexpr std::size_t kWordTextLength = 20;

// The letters a phonogram stands for, from its catalogue name: the part
// before " (", split at "/", without the "-" and "*" that say where it
// stands, in lower case ("-ALK/-ALT": alk, alt; "*NG": ng; "Y (vowel, ...)": y).
std::vector<std::string> phonogramSpellings(SegmentId s)
{
    const std::string name = segmentName(s);
    const std::string letters = name.substr(0, name.find(" ("));
    std::vector<std::string> out(1);
    for (char c : letters) {
        if (c == '/') {
            out.emplace_back();
        } else if (c >= 'A' && c <= 'Z') {
            out.back() += static_cast<char>(c - 'A' + 'a');
        }
    }
    std::erase_if(out, [](const std::string& part) { return part.empty(); });
    return out;
}

const std::array<std::vector<std::string>, seg::LastPhonogram + 1>& spellingTable()
{
    static const auto table = [] {
        std::array<std::vector<std::string>, seg::LastPhonogram + 1> t;
        for (int s = seg::FirstPhonogram; s <= seg::LastPhonogram; ++s)
            t[static_cast<std::size_t>(s)] = phonogramSpellings(static_cast<SegmentId>(s));
        return t;
    }();
    return table;
}

// The syllable count of the block of segment s that holds record n, or 0.
int blockOf(const OffsetIndex& index, SegmentId s, std::int32_t n)
{
    for (int k = 1; k <= kIndexSyllables; ++k)
        if (n >= index.first(s, k) && n <= index.last(s, k)) return k;
    return 0;
}

// The masks a list of segment s is collected with: the list of 1-1-1 Rule
// also admits 2-1-1 Rule.
StudentMasks listMasks(const StudentMasks& masks, SegmentId s)
{
    StudentMasks m = masks;
    if (s == seg::Rule111) {
        m.studentSet.add(seg::Rule211);
        m.studentRootSet.add(seg::Rule211);
    }
    return m;
}

// The word's segments that its mask does not hold, in id order.
std::vector<SegmentId> outsideMask(const SegmentSet& word, const StudentMasks& masks, SegmentId admitted)
{
    const SegmentSet& mask = (word.word(24) & kRootFlag) ? masks.studentRootSet : masks.studentSet;
    std::vector<SegmentId> out;
    for (int s = 0; s < kSetBits; ++s)
        if (s != admitted && word.contains(s) && !mask.contains(s)) out.push_back(static_cast<SegmentId>(s));
    return out;
}

// One reading of a run as the collection reads it: the candidates of `run`
// counted in record order, and every record of `whole` (which contains
// `run`) that holds the word.
struct RunScan {
    struct Match {
        std::int32_t record = 0;
        WordRecord word;
        std::int32_t position = 0;  // 1-based place among the candidates; 0: not a candidate
        bool eligible = false;      // in the range and decodable by the student, whatever its level
    };
    std::int32_t candidates = 0;
    std::vector<Match> matches;
};

bool scanRun(WordBase& wordBase, RecordRun whole, RecordRun run, const StudentMasks& masks,
             SegmentId admitted, WordLevel upTo, const FixedText<kWordTextLength>& target, RunScan& scan,
             std::int32_t& recordsRead)
{
    if (whole.size() == 0) return true;
    return wordBase.readRun(whole.first, whole.last, [&](std::int32_t n, const WordRecord& w) {
        ++recordsRead;
        const bool eligible = n >= run.first && n <= run.last && isEligible(w.Segments, masks, admitted);
        const bool candidate = eligible && offeredUpTo(w.Level, upTo);
        if (candidate) ++scan.candidates;
        if (w.WordText == target) scan.matches.push_back({n, w, candidate ? scan.candidates : 0, eligible});
    });
}

// Whether thinning keeps the candidate at `position`, exactly as
// thinCandidates does.
ThinningDetail thinningAt(std::int32_t candidates, std::int32_t position, std::int16_t offset,
                          WordVerdict& verdict)
{
    ThinningDetail t;
    t.candidates = candidates;
    t.position = position;
    t.offset = offset;
    verdict = WordVerdict::Offered;
    if (candidates < kThinningThreshold) return t;
    t.thinned = true;
    t.step = candidates / kThinningDivisor;
    t.includingOffset = static_cast<std::int16_t>((position - 1) % t.step);
    if (offset < 0)
        verdict = WordVerdict::ThinnedAtRandom;
    else if (position - 1 < offset || (position - 1 - offset) % t.step != 0)
        verdict = WordVerdict::ThinnedOut;
    return t;
}

// Which answer wins when a word has several records in one run, and which
// list speaks for a word checked without a segment.
int rank(WordVerdict v)
{
    switch (v) {
    case WordVerdict::Offered: return 0;
    case WordVerdict::ThinnedAtRandom: return 1;
    case WordVerdict::ThinnedOut: return 2;
    case WordVerdict::BeyondLevel: return 3;
    case WordVerdict::NeedsUnstudied: return 4;
    case WordVerdict::OutsideSyllableRange: return 5;
    default: return 6;
    }
}

void takeWord(WordCheckResult& r, const WordRecord& w, int syllables)
{
    r.found = true;
    r.word = w.WordText.trimmed();
    r.syllables = syllables;
    r.segments = w.Segments;
    r.level = w.Level;
    r.inRange = syllables >= r.syllableMin && syllables <= r.syllableMax;
}

// The check for one list segment: its run over syllables 1..9 is read, the
// word looked for elsewhere only when that run does not hold it.
void checkListSegment(WordBase& wordBase, const OffsetIndex& index, const WordCheckQuery& q,
                      const std::string& word, const WordTextIndex* texts, WordCheckResult& r)
{
    const FixedText<kWordTextLength> target(word);
    const SegmentId s = q.segment;
    const StudentMasks masks = listMasks(StudentMasks::fromStudied(q.studied), s);
    const SegmentId admitted = q.newList ? s : kNoSegment;
    const RecordRun run = recordRun(index, s, q.syllableMin, q.syllableMax);
    RunScan scan;
    if (!scanRun(wordBase, recordRun(index, s, 1, kIndexSyllables), run, masks, admitted, q.upTo, target,
                 scan, r.recordsRead)) {
        r.verdict = WordVerdict::Unreadable;
        return;
    }

    if (scan.matches.empty()) {
        FoundWord f;
        if (!findWord(wordBase, index, word, s, f, r.recordsRead, texts)) {
            r.verdict = WordVerdict::Unreadable;
            return;
        }
        if (f.record == 0) {
            r.verdict = WordVerdict::NotInWordBase;
            return;
        }
        // Not in this list at all: what else keeps it out is judged without
        // the list's admissions.
        takeWord(r, f.word, f.syllables);
        r.unstudied = outsideMask(r.segments, StudentMasks::fromStudied(q.studied), kNoSegment);
        r.verdict = r.inRange ? WordVerdict::LacksSegment : WordVerdict::OutsideSyllableRange;
        return;
    }

    // One record per segment a word contains: several here only in a word
    // base that holds the word twice.  The most favourable one answers.
    bool first = true;
    for (const auto& m : scan.matches) {
        WordVerdict v = WordVerdict::OutsideSyllableRange;
        ThinningDetail t;
        if (m.record >= run.first && m.record <= run.last) {
            v = WordVerdict::NeedsUnstudied;
            if (m.position > 0)
                t = thinningAt(scan.candidates, m.position, q.thinOffset, v);
            else if (m.eligible)
                v = WordVerdict::BeyondLevel;
        }
        if (first || rank(v) < rank(r.verdict)) {
            takeWord(r, m.word, blockOf(index, s, m.record));
            r.inRange = m.record >= run.first && m.record <= run.last;
            r.verdict = v;
            r.thinning = t;
            first = false;
        }
    }
    r.containsSegment = true;
    r.unstudied = outsideMask(r.segments, masks, admitted);
}

// The check without a segment: every segment of the word that could carry
// a list of the kind asked (Review: the studied ones; New: the others).
void checkAllLists(WordBase& wordBase, const OffsetIndex& index, const WordCheckQuery& q,
                   const std::string& word, const WordTextIndex* texts, WordCheckResult& r)
{
    const FixedText<kWordTextLength> target(word);
    FoundWord f;
    if (!findWord(wordBase, index, word, kNoSegment, f, r.recordsRead, texts)) {
        r.verdict = WordVerdict::Unreadable;
        return;
    }
    if (f.record == 0) {
        r.verdict = WordVerdict::NotInWordBase;
        return;
    }
    takeWord(r, f.word, f.syllables);
    const StudentMasks masks = StudentMasks::fromStudied(q.studied);
    r.unstudied = outsideMask(r.segments, masks, kNoSegment);
    if (!r.inRange) {
        r.verdict = WordVerdict::OutsideSyllableRange;
        return;
    }

    for (SegmentId t : listSet(r.segments)) {
        if (q.studied.contains(t) == q.newList) continue;
        ListVerdict lv;
        lv.segment = t;
        const StudentMasks tm = listMasks(masks, t);
        const SegmentId admitted = q.newList ? t : kNoSegment;
        if (!isEligible(r.segments, tm, admitted)) {
            lv.verdict = WordVerdict::NeedsUnstudied;
            lv.unstudied = outsideMask(r.segments, tm, admitted);
        } else if (!offeredUpTo(r.level, q.upTo)) {
            lv.verdict = WordVerdict::BeyondLevel;
        } else {
            // Only a run that could hold 1000 candidates and is thinned is read:
            // the word's place in it decides.
            const RecordRun run = recordRun(index, t, q.syllableMin, q.syllableMax);
            if (run.size() >= kThinningThreshold && !q.eligibilityOnly) {
                RunScan scan;
                if (!scanRun(wordBase, run, run, tm, admitted, q.upTo, target, scan, r.recordsRead)) {
                    r.verdict = WordVerdict::Unreadable;
                    return;
                }
                lv.verdict = WordVerdict::LacksSegment;  // a word base whose runs disagree with its records
                for (const auto& m : scan.matches) {
                    if (m.position == 0) continue;
                    WordVerdict v;
                    const ThinningDetail d = thinningAt(scan.candidates, m.position, -1, v);
                    if (rank(v) < rank(lv.verdict)) {
                        lv.verdict = v;
                        lv.thinning = d;
                    }
                }
            }
        }
        r.lists.push_back(lv);
    }

    if (r.lists.empty()) {
        r.verdict = WordVerdict::NoListSegment;
        return;
    }
    const auto best =
        std::min_element(r.lists.begin(), r.lists.end(), [](const ListVerdict& a, const ListVerdict& b) {
            return rank(a.verdict) < rank(b.verdict);
        });
    r.verdict = best->verdict;
    r.thinning = best->thinning;
}

}  // namespace

std::string normalizedWord(std::string_view typed)
{
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!typed.empty() && blank(typed.front())) typed.remove_prefix(1);
    while (!typed.empty() && blank(typed.back())) typed.remove_suffix(1);
    if (typed.size() >= 2 && typed.back() == '*' && blank(typed[typed.size() - 2])) {
        typed.remove_suffix(1);
        while (!typed.empty() && blank(typed.back())) typed.remove_suffix(1);
    }
    std::string out(typed);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::vector<SegmentId> keySegments(std::string_view word)
{
    std::vector<SegmentId> keys;
    const auto& table = spellingTable();
    for (int s = seg::FirstPhonogram; s <= seg::LastPhonogram; ++s) {
        const auto& spellings = table[static_cast<std::size_t>(s)];
        if (std::any_of(spellings.begin(), spellings.end(),
                        [&](const std::string& sp) { return word.find(sp) != std::string_view::npos; }))
            keys.push_back(static_cast<SegmentId>(s));
    }
    if (word.size() == 1) keys.push_back(seg::OpenSyllable);
    keys.push_back(seg::RoteWords);
    return keys;
}

namespace {

// The first record of `match` in a run of one of `runs` (in their order),
// as reading those runs finds it.
bool lookUpWord(WordBase& wordBase, const OffsetIndex& index, const WordTextIndex::Match& match,
                const std::vector<std::pair<std::int32_t, SegmentId>>& runs, FoundWord& found,
                std::int32_t& recordsRead)
{
    for (const auto& run : runs) {
        const RecordRun whole = recordRun(index, run.second, 1, kIndexSyllables);
        const auto at = std::lower_bound(match.records.begin(), match.records.end(), whole.first);
        if (at == match.records.end() || *at > whole.last) continue;
        WordRecord w = *match.word;
        if (!match.uniform) {
            if (!wordBase.read(*at, w)) return false;
            ++recordsRead;
        }
        found = {*at, blockOf(index, run.second, *at), w};
        return true;
    }
    return true;
}

}  // namespace

bool findWord(WordBase& wordBase, const OffsetIndex& index, std::string_view word, SegmentId skip,
              FoundWord& found, std::int32_t& recordsRead, const WordTextIndex* texts)
{
    found = {};
    if (word.empty() || word.size() > kWordTextLength) return true;
    std::optional<WordTextIndex::Match> match;
    if (texts && !(match = texts->find(word))) return true;
    const FixedText<kWordTextLength> target(word);
    std::vector<std::pair<std::int32_t, SegmentId>> runs;
    for (SegmentId s : keySegments(word))
        if (s != skip) runs.emplace_back(recordRun(index, s, 1, kIndexSyllables).size(), s);
    std::stable_sort(runs.begin(), runs.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    if (match) return lookUpWord(wordBase, index, *match, runs, found, recordsRead);

    for (const auto& run : runs) {
        const SegmentId s = run.second;
        const RecordRun whole = recordRun(index, s, 1, kIndexSyllables);
        for (std::int32_t start = whole.first; start <= whole.last && found.record == 0;
             start += kSearchChunk) {
            const std::int32_t end = std::min(whole.last, start + kSearchChunk - 1);
            const bool ok = wordBase.readRun(start, end, [&](std::int32_t n, const WordRecord& w) {
                ++recordsRead;
                if (found.record == 0 && w.WordText == target) found = {n, blockOf(index, s, n), w};
            });
            if (!ok) return false;
        }
        if (found.record != 0) return true;
    }
    return true;
}

WordCheckResult checkWord(WordBase& wordBase, const OffsetIndex& index, const WordCheckQuery& query,
                          const WordTextIndex* texts)
{
    WordCheckResult r;
    r.word = normalizedWord(query.word);
    r.segment = query.segment;
    r.newList = query.newList;
    r.syllableMin = query.syllableMin;
    r.syllableMax = query.syllableMax;
    r.upTo = query.upTo;
    r.verdict = WordVerdict::NotInWordBase;
    if (r.word.empty() || r.word.size() > kWordTextLength) return r;
    const std::string word = r.word;
    if (query.segment == kNoSegment)
        checkAllLists(wordBase, index, query, word, texts, r);
    else
        checkListSegment(wordBase, index, query, word, texts, r);
    return r;
}

WordCheckQuery profileQuery(const StudentProfile& profile, std::string word, SegmentId segment, bool newList,
                            WordLevel upTo)
{
    WordCheckQuery q;
    q.word = std::move(word);
    q.studied = profile.StudiedSegments;
    q.syllableMin = profile.SyllableMin;
    q.syllableMax = profile.SyllableMax;
    q.segment = segment;
    q.newList = newList;
    q.thinOffset = -1;
    q.upTo = upTo;
    return q;
}

}  // namespace moxlet
