#include "core/words/WordCheckText.h"

#include <algorithm>

#include "core/catalogue/Catalogue.h"

namespace moxlet {

namespace {

std::string quoted(const std::string& word) { return "\x93" + word + "\x94"; }

std::string nameOf(SegmentId s)
{
    const std::string name = segmentName(s);
    return name.empty() ? "segment " + std::to_string(s) : name;
}

std::string namesOf(const std::vector<SegmentId>& ids)
{
    std::string out;
    for (SegmentId s : ids) out += (out.empty() ? "" : ", ") + nameOf(s);
    return out;
}

// 1532 -> "1,532".
std::string number(std::int32_t n)
{
    std::string digits = std::to_string(n);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), ",");
    return digits;
}

// 2 -> "2nd", 11 -> "11th", 23 -> "23rd".
std::string ordinal(std::int32_t n)
{
    const char* suffix = "th";
    if (n % 100 < 11 || n % 100 > 13) {
        if (n % 10 == 1) suffix = "st";
        if (n % 10 == 2) suffix = "nd";
        if (n % 10 == 3) suffix = "rd";
    }
    return std::to_string(n) + suffix;
}

std::string needsSentence(const std::string& subject, const std::vector<SegmentId>& unstudied, bool also)
{
    if (unstudied.empty())
        return subject + (also ? " also" : "") + " contains a segment this student has not studied.";
    const std::string what = unstudied.size() == 1 ? " a segment" : " segments";
    return subject + (also ? " also needs" : " needs") + what +
           " this student has not studied: " + namesOf(unstudied) + ".";
}

std::string longList(SegmentId s, const ThinningDetail& t)
{
    return "the long list of " + nameOf(s) + " words (" + number(t.candidates) + " words)";
}

// A list thinned from a fresh random offset each time it is made.
std::string atRandomSentence(const std::string& subject, SegmentId s, const ThinningDetail& t)
{
    return subject + " is in " + longList(s, t) + ", which is thinned to every " + ordinal(t.step) +
           " word from a random start each time the list is made: a list that starts at offset " +
           std::to_string(t.includingOffset) + " holds it (1 chance in " + std::to_string(t.step) +
           "), so making the list again may bring it in.";
}

std::string thinnedOutSentence(const std::string& subject, SegmentId s, const ThinningDetail& t)
{
    if (t.step == 1)
        return subject + " was left out of " + longList(s, t) +
               " because this plan's list starts at offset " + std::to_string(t.offset) +
               "; it is in the list that starts at offset 0.";
    return subject + " was left out when " + longList(s, t) + " was thinned to every " + ordinal(t.step) +
           " word; it is in the list that starts at offset " + std::to_string(t.includingOffset) +
           " (this plan uses offset " + std::to_string(t.offset) + ").";
}

std::string levelArticle(WordLevel level)
{
    return (level == WordLevel::Everyday ? "an " : "a ") + std::string(levelName(level));
}

std::string kindOf(bool newList) { return newList ? "New" : "Review"; }

// Without a segment: the lists that offer the word, then the long lists
// that hold it only when their random start falls right (the word list
// tool draws a new one each time it makes a list).
std::string allListsText(const WordCheckResult& r, const std::string& q)
{
    std::vector<SegmentId> offering;
    std::vector<const ListVerdict*> maybe;
    for (const auto& l : r.lists) {
        if (l.verdict == WordVerdict::Offered) offering.push_back(l.segment);
        if (l.verdict == WordVerdict::ThinnedAtRandom) maybe.push_back(&l);
    }
    std::string text;
    if (!offering.empty())
        text = q + " is offered in the " + kindOf(r.newList) +
               (offering.size() == 1 ? " list of " : " lists of ") + namesOf(offering) + ".";
    if (maybe.empty()) return text;
    if (offering.empty() && maybe.size() == 1)
        return atRandomSentence(q, maybe[0]->segment, maybe[0]->thinning);

    std::string lists;
    for (std::size_t i = 0; i < maybe.size(); ++i) {
        lists += i == 0 ? "" : i + 1 == maybe.size() ? " and " : ", ";
        lists += nameOf(maybe[i]->segment) + (i == 0 ? " (1 chance in " : " (1 in ") +
                 std::to_string(maybe[i]->thinning.step) + ")";
    }
    const bool one = maybe.size() == 1;
    const std::string thinned = std::string(one ? ", which is" : ", which are") +
                                " thinned from a new random start each time a list is made";
    if (offering.empty())
        return q + " is only in the long list" + (one ? " of " : "s of ") + lists + thinned +
               ", so making a list again may bring it in.";
    return text + " It may also be in the long list" + (one ? " of " : "s of ") + lists + thinned + ".";
}

}  // namespace

std::string wordCheckText(const WordCheckResult& r)
{
    const std::string q = quoted(r.word);
    const bool anyList = r.segment == kNoSegment;
    std::string lacks =
        !anyList && !r.containsSegment ? " It does not contain " + nameOf(r.segment) + " either." : "";
    // A word above the level offered is told so after the reason that decides.
    const std::string alsoBeyond = r.found && !offeredUpTo(r.level, r.upTo)
                                       ? " It is also " + levelArticle(r.level) +
                                             " word, beyond the chosen level (up to " +
                                             std::string(levelName(r.upTo)) + ")."
                                       : "";
    std::string alsoNeeds = r.unstudied.empty() ? "" : " " + needsSentence("It", r.unstudied, true);
    alsoNeeds += alsoBeyond;

    switch (r.verdict) {
    case WordVerdict::NotInWordBase: return q + " is not in Moxlet's word base.";
    case WordVerdict::Unreadable:
        return "Moxlet could not read its word base, so it cannot tell whether " + q + " is offered.";
    case WordVerdict::OutsideSyllableRange:
        return q + " has " + std::to_string(r.syllables) + (r.syllables == 1 ? " syllable" : " syllables") +
               "; this student's range is " + std::to_string(r.syllableMin) + " to " +
               std::to_string(r.syllableMax) + "." + lacks + alsoNeeds;
    case WordVerdict::LacksSegment: return q + " does not contain " + nameOf(r.segment) + "." + alsoNeeds;
    case WordVerdict::NeedsUnstudied: {
        std::string text = needsSentence(q, r.unstudied, false);
        const bool ownSegment =
            std::find(r.unstudied.begin(), r.unstudied.end(), r.segment) != r.unstudied.end();
        if (!anyList && !r.newList && ownSegment)
            text += " A New list of " + nameOf(r.segment) + " would admit " + nameOf(r.segment) + " itself.";
        if (anyList && r.newList && r.unstudied.size() > 1)
            text += " A New list admits only its own segment.";
        return text + alsoBeyond;
    }
    case WordVerdict::BeyondLevel: return beyondLevelText(r.word, r.level, r.upTo);
    case WordVerdict::NoListSegment:
        return q +
               (r.newList ? " contains no segment this student has not studied, so no New list offers it."
                          : " contains no segment this student has studied, so no Review list offers it.") +
               alsoBeyond;
    case WordVerdict::ThinnedOut: return thinnedOutSentence(q, r.segment, r.thinning);
    case WordVerdict::ThinnedAtRandom:
        return anyList ? allListsText(r, q) : atRandomSentence(q, r.segment, r.thinning);
    case WordVerdict::Offered: return anyList ? allListsText(r, q) : q + " is offered.";
    }
    return q;
}

std::string beyondLevelText(const std::string& word, WordLevel level, WordLevel upTo)
{
    return quoted(word) + " is " + levelArticle(level) +
           " word, beyond the chosen level: lists offer words up to " + std::string(levelName(upTo)) +
           " (Options > Words Offered).";
}

}  // namespace moxlet
