#include "core/wordlist/WordListTool.h"

#include <algorithm>

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Marks.h"
#include "core/wordlist/WordListSort.h"

namespace moxlet {

namespace {

std::string syllableRange(int low, int high)
{
    if (low == high) return std::to_string(low) + (low == 1 ? " syllable" : " syllables");
    return std::to_string(low) + " to " + std::to_string(high) + " syllables";
}

}  // namespace

std::string generationNote(const GenerationReport& report, int syllableMin, int syllableMax)
{
    if (!report.wordBaseRead) return "The word base could not be read, so no words were generated.";
    std::string note;
    for (const SegmentYield& y : report.segments) {
        if (y.listed > 0) continue;
        const std::string name = displayText(segmentName(y.segment));
        if (!note.empty()) note += '\n';
        const std::string range = syllableRange(syllableMin, syllableMax);
        if (y.records == 0)
            note += "The word base has no words containing " + name + " of " + range + ".";
        else if (y.eligible == 0)
            note += "No word containing " + name + " fits this student: " +
                    (y.records == 1
                         ? "the one word of " + range + " also contains"
                         : "all " + std::to_string(y.records) + " words of " + range + " also contain") +
                    " segments not yet studied.";
        else
            note += "The words containing " + name + " could not be read from the word base.";
    }
    return note;
}

std::string emptyListNote(WordBase* wordBase, const OffsetIndex& index, const StudentMasks& masks,
                          const CandidateQuery& query, Random& random)
{
    GenerationReport report;
    report.wordBaseRead = wordBase != nullptr;
    SegmentYield y;
    y.segment = query.segment;
    y.records = recordRun(index, query.segment, query.syllableMin, query.syllableMax).size();
    if (wordBase) {
        std::int16_t noOffset = -1;
        const Candidates found = collectCandidates(*wordBase, index, masks, query, noOffset, random);
        y.eligible = found.eligible;
        y.listed = static_cast<std::int32_t>(found.size());
    }
    report.segments.push_back(y);
    return generationNote(report, query.syllableMin, query.syllableMax);
}

std::vector<int> automaticSelection(std::size_t count, Random& random)
{
    std::vector<int> picked;
    const int n = static_cast<int>(count);
    int step = 1, start = 0;
    if (n >= kWordListCells) {
        step = n / kWordListCells;
        start = random.below(step);
    }
    for (int i = start; i < n && static_cast<int>(picked.size()) < kWordListCells; i += step)
        picked.push_back(i);
    return picked;
}

WordListTool::WordListTool() { slots_.fill(-1); }

void WordListTool::chooseStudent(const StudentProfile& student)
{
    student_ = student;
    student_.StudiedSegments.setFlagBits();
    hasStudent_ = true;
    lists_ = planSegmentLists(student_.StudiedSegments);
    masks_ = StudentMasks::fromStudied(student_.StudiedSegments);
}

bool WordListTool::setListType(PlanSection type)
{
    if (type == type_) return false;
    type_ = type;
    chosen_.clear();
    return true;
}

const std::vector<SegmentId>& WordListTool::candidates() const { return lists_.forSection(type_); }

void WordListTool::chooseSegments(std::vector<SegmentId> segments)
{
    if (segments.size() > kWordListSegments) segments.resize(kWordListSegments);
    chosen_ = std::move(segments);
}

SegmentPicker& WordListTool::startPicking()
{
    slots_.fill(-1);
    const std::vector<SegmentId>& lines = candidates();
    std::size_t p = 0;
    for (SegmentId s : chosen_) {
        const auto at = std::find(lines.begin(), lines.end(), s);
        if (at != lines.end()) slots_[p++] = static_cast<std::int16_t>(at - lines.begin());
    }
    picker_ = std::make_unique<SegmentPicker>(slots_, lines, SegmentPicker::Rules{});
    return *picker_;
}

std::vector<SegmentId> WordListTool::pickedSegments() const
{
    std::vector<SegmentId> picked;
    const std::vector<SegmentId>& lines = candidates();
    for (std::int16_t x : slots_) {
        if (x < 0 || static_cast<std::size_t>(x) >= lines.size()) break;
        picked.push_back(lines[static_cast<std::size_t>(x)]);
    }
    return picked;
}

void WordListTool::keepPicked() { chosen_ = pickedSegments(); }

GenerationReport WordListTool::generate(WordBase* wordBase, const OffsetIndex& index, Random& random,
                                        int homophoneMode)
{
    GenerationReport report;
    generatedType_ = type_;
    generatedSegments_ = chosenSegments();
    std::vector<SortableWord> table;
    report.wordBaseRead = wordBase != nullptr;
    for (SegmentId s : generatedSegments_) {
        SegmentYield y;
        y.segment = s;
        y.records = recordRun(index, s, student_.SyllableMin, student_.SyllableMax).size();
        if (wordBase) {
            const CandidateQuery query{s, student_.SyllableMin, student_.SyllableMax,
                                       type_ == PlanSection::New};
            std::int16_t noOffset = -1;  // the tool remembers none: each generation draws afresh
            const Candidates found = collectCandidates(*wordBase, index, masks_, query, noOffset, random);
            y.eligible = found.eligible;
            for (std::size_t k = 0; k < found.size(); ++k) {
                WordRecord word;
                if (!found.word(k, word)) continue;
                SortableWord w;
                w.text = word.WordText.trimmed();
                w.homophone = (word.Segments.word(24) & kHomophoneFlag) != 0;
                if (w.homophone && homophoneMode != 0) w.text += " *";
                w.orderKey = word.OrderKey;
                table.push_back(std::move(w));
                ++y.listed;
            }
        }
        report.segments.push_back(y);
    }
    if (generatedSegments_.size() > 1) {
        sortWords(table);
        removeRepeatedWords(table);
    }
    std::vector<ListedWord> list;
    list.reserve(table.size());
    for (SortableWord& w : table) list.push_back({std::move(w.text), w.homophone});
    report.words = list.size();
    grid_.load(std::move(list), {});
    return report;
}

void WordListTool::selectAutomatically(Random& random)
{
    grid_.clear();
    for (int i : automaticSelection(grid_.list().size(), random)) grid_.toggle(i, true);
}

bool WordListTool::cellIsHomophone(int k) const
{
    if (k < 0 || k >= grid_.cellCount()) return false;
    const WordCell& cell = grid_.cells()[static_cast<std::size_t>(k)];
    return cell.tag >= 0 && static_cast<std::size_t>(cell.tag) < grid_.list().size() &&
           grid_.list()[static_cast<std::size_t>(cell.tag)].homophone;
}

}  // namespace moxlet
