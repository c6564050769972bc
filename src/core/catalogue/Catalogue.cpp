// Look-ups over the catalogue tables (the tables themselves are in
// CatalogueNames.cpp, CatalogueMeanings.cpp and CatalogueGroups.cpp).

#include "core/catalogue/Catalogue.h"

namespace moxlet {

std::string segmentName(int id)
{
    if (id < 0 || id >= static_cast<int>(kSegmentSlots)) return {};
    return SegmentName[static_cast<std::size_t>(id)].trimmed();
}

bool hasMeaning(int id) { return id >= kFirstWithMeaning && id <= kLastWithMeaning; }

std::string segmentMeaning(int id)
{
    if (!hasMeaning(id)) return {};
    return SegmentMeaning[static_cast<std::size_t>(id - kFirstWithMeaning)].trimmed();
}

std::vector<SegmentId> listAllSegments()
{
    // The catalogue is constant: its list is made once (every plan check
    // and printout asks for it).
    static const std::vector<SegmentId> all = [] {
        std::vector<SegmentId> ids;
        for (int s = 0; s < static_cast<int>(kSegmentSlots); ++s) {
            if (segmentName(s).empty()) break;
            ids.push_back(static_cast<SegmentId>(s));
        }
        return ids;
    }();
    return all;
}

std::vector<SegmentId> listSet(const SegmentSet& set)
{
    std::vector<SegmentId> ids;
    for (int w = 1; w <= kSetWords; ++w) {
        for (int bit = 0; bit < 15; ++bit) {
            const int s = (w - 1) * 15 + bit;
            if (set.contains(s) && !segmentName(s).empty()) ids.push_back(static_cast<SegmentId>(s));
        }
    }
    return ids;
}

int groupOf(int id)
{
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        if (GroupMask[g].contains(id)) return static_cast<int>(g);
    }
    return -1;
}

std::string groupTitle(int g)
{
    if (g < 0 || g >= static_cast<int>(kGroupCount)) return {};
    return GroupTitle[static_cast<std::size_t>(g)].trimmed();
}

CollapsedSet collapseGroups(SegmentSet p)
{
    CollapsedSet result;
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        const SegmentSet& mask = GroupMask[g];
        bool complete = true;
        for (int w = 1; w <= kSetWords && complete; ++w)
            complete = (p.word(w) & mask.word(w)) == mask.word(w);
        if (!complete) continue;
        result.groups.push_back(static_cast<int>(g));
        for (int w = 1; w <= kSetWords; ++w) p.word(w) = static_cast<std::int16_t>(p.word(w) ^ mask.word(w));
    }
    result.segments = listSet(p);
    return result;
}

std::vector<SegmentHeading> segmentHeadings()
{
    // The heading of the segments no group holds: after which group it
    // stands, by the kind of segment.
    struct Others {
        const char* title;
        int afterGroup;
        SegmentHeading heading;
    };
    std::array<Others, 4> others = {{{"Other Phonograms", 6, {}},    // after "All OUGH"
                                     {"Other Prefixes", 16, {}},     // after "Level III Prefixes"
                                     {"Other Suffixes", 19, {}},     // after "Connective I Suffixes"
                                     {"Word Categories", 20, {}}}};  // last
    for (SegmentId id : listAllSegments()) {
        if (groupOf(id) >= 0) continue;
        const std::size_t kind = id <= seg::LastPhonogram                             ? 0
                                 : id >= seg::FirstPrefix && id <= seg::LastChameleon ? 1
                                 : id >= seg::FirstSuffix && id <= seg::LastSuffix    ? 2
                                                                                      : 3;
        others[kind].heading.members.push_back(id);
    }
    std::vector<SegmentHeading> headings;
    for (int g = 0; g < static_cast<int>(kGroupCount); ++g) {
        headings.push_back({groupTitle(g), g, listSet(GroupMask[static_cast<std::size_t>(g)])});
        for (Others& o : others) {
            if (o.afterGroup != g || o.heading.members.empty()) continue;
            o.heading.title = o.title;
            headings.push_back(std::move(o.heading));
        }
    }
    return headings;
}

bool isBlend(int id) { return id >= kFirstBlend && id <= kLastBlend; }

bool blendComponentsPresent(int blend, const SegmentSet& have)
{
    if (!isBlend(blend)) return true;
    const auto& parts = BlendPart[static_cast<std::size_t>(blend - kFirstBlend)];
    return have.contains(parts[0]) && have.contains(parts[1]) &&
           (parts[2] == kNoSegment || have.contains(parts[2]));
}

}  // namespace moxlet
