#include "core/words/PassageCheck.h"

#include <unordered_map>

#include "core/words/WordCheck.h"
#include "core/words/WordCheckText.h"
#include "core/words/WordLevel.h"

namespace moxlet {

namespace {

std::string inQuotes(const std::string& word) { return "\x93" + word + "\x94"; }

// How a word was written across the text.
struct Writing {
    std::string capitalised;  // its first capitalised form, up to an apostrophe
    bool inLowerCase = false;
    bool capitalisedInSentence = false;  // capitalised where it does not start a sentence
};

std::string lowerCase(std::string_view text)
{
    std::string out;
    for (char c : text) out += lowerLetter(c);
    return out;
}

void judgeWord(WordBase& wordBase, const OffsetIndex& index, const WordTextIndex& texts,
               const PassageStudent& student, PassageWord& w)
{
    WordCheckQuery q;
    q.word = w.text;
    q.studied = student.studied;
    q.syllableMin = student.syllableMin;
    q.syllableMax = student.syllableMax;
    q.eligibilityOnly = true;
    q.upTo = student.upTo;
    const WordCheckResult r = checkWord(wordBase, index, q, &texts);
    w.reason = wordCheckText(r);
    w.unstudied = r.unstudied;
    switch (r.verdict) {
    case WordVerdict::Offered:
    case WordVerdict::ThinnedAtRandom: w.verdict = PassageVerdict::Decodable; return;
    case WordVerdict::BeyondLevel: w.verdict = PassageVerdict::BeyondLevel; return;
    case WordVerdict::NotInWordBase: w.verdict = PassageVerdict::NotInWordBase; return;
    case WordVerdict::OutsideSyllableRange: w.verdict = PassageVerdict::OutsideSyllableRange; return;
    case WordVerdict::Unreadable: w.verdict = PassageVerdict::Unreadable; return;
    default: w.verdict = PassageVerdict::NeedsUnstudied; return;  // NeedsUnstudied, NoListSegment
    }
}

}  // namespace

bool isMarked(PassageVerdict verdict)
{
    return verdict != PassageVerdict::Decodable && verdict != PassageVerdict::Name &&
           verdict != PassageVerdict::Number;
}

bool PassageReport::allDecodable() const
{
    for (const PassageWord& w : words)
        if (isMarked(w.verdict)) return false;
    return true;
}

PassageStudent passageStudent(const StudentProfile& profile)
{
    PassageStudent s;
    s.name = profile.FirstName.trimmed();
    s.studied = profile.StudiedSegments;
    s.syllableMin = profile.SyllableMin;
    s.syllableMax = profile.SyllableMax;
    return s;
}

PassageReport checkPassage(WordBase& wordBase, const OffsetIndex& index, const WordTextIndex& texts,
                           std::string_view text, const PassageStudent& student, SentenceStarts starts)
{
    PassageReport report;
    std::unordered_map<std::string, std::size_t> byKey;  // numbers keyed apart from words
    std::vector<Writing> writings;
    std::vector<bool> numbers;
    for (const PassageToken& t : readPassage(text, starts)) {
        const bool number = t.kind == PassageToken::Kind::Number;
        const auto [at, added] = byKey.try_emplace((number ? "#" : "") + t.key, report.words.size());
        if (added) {
            report.words.push_back({t.key});
            writings.emplace_back();
            numbers.push_back(number);
        }
        Writing& writing = writings[at->second];
        if (!t.capitalised) {
            writing.inLowerCase = true;
        } else {
            writing.capitalisedInSentence = writing.capitalisedInSentence || !t.startsSentence;
            if (writing.capitalised.empty()) {
                const std::string_view written = text.substr(t.begin, t.end - t.begin);
                writing.capitalised = written.substr(0, written.find_first_of("'\x92"));
            }
        }
        ++report.words[at->second].occurrences;
        report.places.push_back({t.begin, t.end, at->second});
    }

    const std::string ownName = lowerCase(student.name);
    bool readable = true;
    for (std::size_t k = 0; k < report.words.size(); ++k) {
        PassageWord& w = report.words[k];
        const Writing& writing = writings[k];
        if (numbers[k]) {
            w.verdict = PassageVerdict::Number;
            w.reason = inQuotes(w.text) + " is a number.";
            continue;
        }
        if (!readable) {  // one refused read is enough: the rest are not asked for
            WordCheckResult unread;
            unread.word = w.text;
            unread.verdict = WordVerdict::Unreadable;
            w.verdict = PassageVerdict::Unreadable;
            w.reason = wordCheckText(unread);
            continue;
        }
        judgeWord(wordBase, index, texts, student, w);
        readable = w.verdict != PassageVerdict::Unreadable;
        const bool name = !writing.capitalised.empty() && !writing.inLowerCase &&
                          (writing.capitalisedInSentence || (!ownName.empty() && w.text == ownName));
        if (w.verdict == PassageVerdict::NotInWordBase && name) {
            w.verdict = PassageVerdict::Name;
            w.text = writing.capitalised;
            w.reason =
                inQuotes(w.text) + " is read as a name: it is capitalised and not in Moxlet's word base.";
        }
    }

    for (const auto& place : report.places) {
        const PassageVerdict v = report.words[place.word].verdict;
        if (v == PassageVerdict::Name || v == PassageVerdict::Number) continue;
        ++report.runningWords;
        report.decodableWords += v == PassageVerdict::Decodable;
    }
    return report;
}

}  // namespace moxlet
