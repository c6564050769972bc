#include "core/wordlist/WordListText.h"

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Marks.h"

namespace moxlet {

std::string joinNames(const std::vector<std::string>& names)
{
    std::string joined;
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (k > 0) {
            const bool last = k + 1 == names.size();
            joined += names.size() == 2 ? " or " : last ? ", or " : ", ";
        }
        joined += names[k];
    }
    return joined;
}

std::string joinedSegmentNames(const std::vector<SegmentId>& segments)
{
    std::vector<std::string> names;
    for (SegmentId s : segments) names.push_back(displayText(segmentName(s)));
    return joinNames(names);
}

std::string wordFrameCaption(const std::vector<SegmentId>& segments)
{
    return "Select 40 Words Containing " + joinedSegmentNames(segments);
}

std::string wordListText(const std::vector<WordCell>& cells)
{
    std::string text;
    for (std::size_t k = 0; k < 40; ++k) {
        if (k < cells.size()) text += cp1252ToUtf8(cells[k].text);
        text += k % 4 == 3 ? "\r\n" : "\t";
    }
    return text;
}

}  // namespace moxlet
