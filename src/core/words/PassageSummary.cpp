#include "core/words/PassageSummary.h"

#include <algorithm>
#include <map>

#include "core/catalogue/Catalogue.h"

namespace moxlet {

std::string passageShare(const PassageReport& report)
{
    if (report.runningWords == 0) return "No words to check";
    return std::to_string(report.decodableWords) + " of " + std::to_string(report.runningWords) +
           " words decodable (" + std::to_string(report.decodableWords * 100 / report.runningWords) + "%)";
}

std::string passageSummary(const PassageReport& report, const std::string& studentName)
{
    if (report.runningWords == 0) return {};
    std::string list;
    int count = 0;
    for (const PassageWord& w : report.words) {
        if (!isMarked(w.verdict)) continue;
        ++count;
        list += (list.empty() ? "" : ", ") + w.text;
        if (w.verdict != PassageVerdict::NeedsUnstudied || w.unstudied.empty()) continue;
        std::string names;
        for (SegmentId s : w.unstudied) names += (names.empty() ? "" : ", ") + segmentName(s);
        list += " (" + names + ")";
    }
    if (count == 0) return "All words decodable";
    return std::to_string(count) + (count == 1 ? " word beyond " : " words beyond ") +
           (studentName.empty() ? std::string("this student") : studentName) + ": " + list;
}

std::vector<SegmentNeed> segmentNeeds(const PassageReport& report)
{
    std::map<SegmentId, SegmentNeed> bySegment;
    for (std::size_t k = 0; k < report.words.size(); ++k) {
        const PassageWord& w = report.words[k];
        if (w.verdict != PassageVerdict::NeedsUnstudied) continue;
        for (SegmentId s : w.unstudied) {
            SegmentNeed& need = bySegment[s];
            need.segment = s;
            (w.unstudied.size() == 1 ? need.unlocks : need.alsoNeeds).push_back(k);
        }
    }
    std::vector<SegmentNeed> needs;
    for (auto& entry : bySegment) needs.push_back(std::move(entry.second));
    std::stable_sort(needs.begin(), needs.end(), [](const SegmentNeed& a, const SegmentNeed& b) {
        if (a.unlocks.size() != b.unlocks.size()) return a.unlocks.size() > b.unlocks.size();
        return a.unlocks.size() + a.alsoNeeds.size() > b.unlocks.size() + b.alsoNeeds.size();
    });
    return needs;
}

}  // namespace moxlet
