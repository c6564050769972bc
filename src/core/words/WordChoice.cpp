#include "core/words/WordChoice.h"

#include <algorithm>

namespace moxlet {

std::vector<ListedWord> choiceList(WordBase* wordBase, const OffsetIndex& index, const StudentMasks& masks,
                                   const CandidateQuery& query, std::int16_t& thinOffset, Random& random,
                                   int homophoneMode)
{
    std::vector<ListedWord> list;
    if (!wordBase) return list;
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

std::string bareWord(std::string_view text)
{
    if (text.ends_with(" *")) text.remove_suffix(2);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
}

void WordChoice::load(std::vector<ListedWord> list, std::vector<WordCell> cells)
{
    list_ = std::move(list);
    cells.resize(cells_.size());
    cells_ = std::move(cells);

    // The position check.  First every cell whose stored position still
    // holds its word claims that line; then the others look their word up
    // by text among the lines not claimed (two cells never share a line, so
    // unticking a line takes out exactly one cell); a word the list no
    // longer has stays where it is as a typed word.
    std::vector<bool> claimed(list_.size(), false);
    std::vector<bool> settled(cells_.size(), false);
    for (std::size_t k = 0; k < cells_.size(); ++k) {
        WordCell& c = cells_[k];
        if (c.tag < 0) continue;
        const auto line = static_cast<std::size_t>(c.tag);
        if (line < list_.size() && !claimed[line] && bareWord(list_[line].text) == bareWord(c.text)) {
            claimed[line] = true;
            settled[k] = true;
        }
    }
    for (std::size_t k = 0; k < cells_.size(); ++k) {
        WordCell& c = cells_[k];
        if (c.tag < 0 || settled[k]) continue;
        const std::string word = bareWord(c.text);
        c.tag = word.empty() ? kCellEmpty : kCellTyped;
        for (std::size_t line = 0; line < list_.size() && !word.empty(); ++line) {
            if (claimed[line] || bareWord(list_[line].text) != word) continue;
            claimed[line] = true;
            c.tag = static_cast<std::int16_t>(line);
            break;
        }
    }
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
