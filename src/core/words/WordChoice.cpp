#include "core/words/WordChoice.h"

#include <algorithm>

namespace moxlet {

std::vector<ListedWord> choiceList(WordBase* wordBase, const OffsetIndex& index, const StudentMasks& masks,
                                   CandidateQuery query, std::int16_t& thinOffset, Random& random,
                                   int homophoneMode)
{
    std::vector<ListedWord> list;
    if (!wordBase) return list;
    query.thinning = ThinningMode::LongRunsOnly;
    const Candidates candidates = collectCandidates(*wordBase, index, masks, query, thinOffset, random);
    list.reserve(candidates.size());
    for (std::size_t k = 0; k < candidates.size(); ++k) {
        WordRecord word;
        if (!candidates.word(k, word)) word = WordRecord{};  // keeps the positions in step
        ListedWord w;
        w.text = word.WordText.trimmed();
        w.homophone = (word.Segments.word(24) & kHomophoneFlag) != 0;
        if (w.homophone && homophoneMode != 0) w.text += " *";
        list.push_back(std::move(w));
    }
    return list;
}

void WordChoice::load(std::vector<ListedWord> list, std::vector<WordCell> cells)
{
    list_ = std::move(list);
    cells.resize(cells_.size());
    cells_ = std::move(cells);
}

std::vector<bool> WordChoice::tickedLines() const
{
    std::vector<bool> ticked(list_.size(), false);
    for (const WordCell& c : cells_)
        if (c.tag >= 0 && static_cast<std::size_t>(c.tag) < ticked.size())
            ticked[static_cast<std::size_t>(c.tag)] = true;
    return ticked;
}

bool WordChoice::toggle(int line, bool ticked)
{
    if (line < 0 || static_cast<std::size_t>(line) >= list_.size()) return false;
    if (ticked) {
        if (cells_.back().tag != kCellEmpty) return false;  // the grid is full
        for (WordCell& c : cells_) {
            if (c.tag != kCellEmpty) continue;
            c.text = list_[static_cast<std::size_t>(line)].text;
            c.tag = static_cast<std::int16_t>(line);
            return true;
        }
        return false;
    }
    const auto at =
        std::find_if(cells_.begin(), cells_.end(), [&](const WordCell& c) { return c.tag == line; });
    if (at == cells_.end()) return false;
    std::move(at + 1, cells_.end(), at);
    cells_.back() = WordCell{};
    return true;
}

void WordChoice::clear()
{
    for (WordCell& c : cells_) c = WordCell{};
}

std::vector<bool> WordChoice::typingAllowed() const
{
    std::vector<bool> allowed;
    for (const WordCell& c : cells_) allowed.push_back(c.tag < 0);
    return allowed;
}

void WordChoice::applyTyped(const std::vector<std::string>& boxes)
{
    for (std::size_t k = 0; k < cells_.size() && k < boxes.size(); ++k) {
        WordCell& c = cells_[k];
        if (c.tag >= 0) continue;  // a list word is never changed here
        const std::string word = typedWord(boxes[k]);
        if (!word.empty())
            c = {word, kCellTyped};
        else if (c.tag == kCellTyped)
            c = WordCell{};
    }
}

std::string typedWord(const std::string& typed)
{
    std::string word;
    for (char ch : typed) {
        const auto u = static_cast<unsigned char>(ch);
        if (u >= 32 && u != 127) word.push_back(ch);
    }
    const auto first = word.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    word = word.substr(first, word.find_last_not_of(' ') - first + 1);
    if (word.size() > 20) word.resize(20);
    while (!word.empty() && word.back() == ' ') word.pop_back();
    return word;
}

}  // namespace moxlet
