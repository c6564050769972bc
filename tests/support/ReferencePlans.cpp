#include "support/ReferencePlans.h"

#include <algorithm>
#include <functional>
#include <sstream>

#include "core/catalogue/SegmentIds.h"
#include "core/plans/PlanFile.h"

namespace moxlet::test {
using enum moxlet::PlanSection;

namespace {

// Words of the lists, homophones marked as generation marks them when
// homophones are shown; "characteristically *" is a homophone of the full
// 20 characters, "incomprehensibilities" a word cut to 20.
const std::vector<std::string> kWords = [] {
    std::vector<std::string> words;
    std::istringstream in(
        "cat|map|flag|stand|pair *|splash|thin|rich|bench|shrimp|clap|sled|chest|fresh|bear *|trumpet|"
        "napkin|picnic|muffin|rabbit|characteristically *|sunset|pumpkin|blanket|knight *|hundred|kitten|"
        "plastic|crust|their *|dentist|problem|insect|goblin|tennis|contest|basket|incomprehensibilitie|"
        "fantastic|Wisconsin|magnet|helmet|locket");
    for (std::string w; std::getline(in, w, '|');) words.push_back(w);
    return words;
}();

class Builder {
public:
    explicit Builder(std::initializer_list<std::pair<int, int>> studiedRanges)
    {
        StudentProfile profile;
        profile.ProfileNo = 3;
        profile.SyllableMin = 1;
        profile.SyllableMax = 4;
        for (auto [first, last] : studiedRanges) profile.StudiedSegments.addRange(first, last);
        profile.StudiedSegments.setFlagBits();
        plan = newPlanRecord(profile);
        plan.LessonDate.assign("03-14-25");
        lists = planSegmentLists(plan.PlanStudiedSegments);
    }

    std::int16_t position(PlanSection section, SegmentId id) const
    {
        const auto& list = section == New ? lists.Unstudied : lists.Studied;
        auto it = std::find(list.begin(), list.end(), id);
        return it == list.end() ? std::int16_t{-1} : static_cast<std::int16_t>(it - list.begin());
    }
    void auditory(std::initializer_list<int> ids)
    {
        std::size_t k = 0;
        for (int id : ids)
            plan.AuditorySegments[k++] = id < 0 ? -1 : position(Auditory, static_cast<SegmentId>(id));
    }
    void review(std::initializer_list<int> ids)
    {
        std::size_t k = 0;
        for (int id : ids) plan.ReviewSegments[k++] = position(Review, static_cast<SegmentId>(id));
    }
    void fresh(std::initializer_list<int> ids)
    {
        std::size_t k = 0;
        for (int id : ids) plan.NewSegments[k++] = position(New, static_cast<SegmentId>(id));
    }
    void spellingRow(std::size_t row, int id, std::vector<std::string> words)
    {
        plan.SpellingSegments[row] = position(Spelling, static_cast<SegmentId>(id));
        for (std::size_t c = 0; c < words.size(); ++c) plan.SpellWord[4 * row + c].assign(words[c]);
    }
    // Words 0..count-1 of a list, taken from the word table from `from` on.
    void list(int kind, int slot, int count, std::size_t from)
    {
        auto& words = plan.ListWord[static_cast<std::size_t>(kind)][static_cast<std::size_t>(slot)];
        auto& pos = plan.ListWordPos[static_cast<std::size_t>(kind)][static_cast<std::size_t>(slot)];
        for (int k = 0; k < count; ++k) {
            words[static_cast<std::size_t>(k)].assign(
                kWords[(from + static_cast<std::size_t>(k)) % kWords.size()]);
            pos[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(3 * k + 1);
        }
    }
    void sentences(std::initializer_list<const char*> lines)
    {
        std::size_t i = 0;
        for (const char* line : lines) plan.Sentence[i++].assign(line);
    }

    LessonPlan plan;
    PlanSegmentLists lists;
};

// The segments of the fuller references: Review and New slots name a
// phonogram, a syllable type or blend, a suffix and a root, so every kind
// of list heading appears.
Builder fullBuilder(int listLength)
{
    Builder b({{0, 130}, {159, 164}, {196, 196}, {231, 231}, {245, 245}, {273, 273}, {287, 287}});
    b.auditory({2, 4, 7, 21, 28, 35, 42, 49, 63, 70});
    b.review({0, 14, 119, 245});
    b.fresh({140, 168, 224, 322});
    const std::vector<std::vector<std::string>> rows = {{"cat", "map", "flag", "stand"},
                                                        {"chest", "bench", "rich", "pair *"},
                                                        {"clap", "sled", "crust", "bear *"},
                                                        {"sunset", "napkin", "picnic", "muffin"},
                                                        {"their *", "thin", "shrimp", "fresh"}};
    const int spellingIds[] = {0, 14, 126, 119, 99, 4, 21, 28, 35, 42, 49, 63, 70, 77, 84};
    for (std::size_t r = 0; r < 15; ++r) b.spellingRow(r, spellingIds[r], rows[r % rows.size()]);
    b.sentences({"The cat sat on the flag.", "Can the rabbit stand on the bench?",
                 "A fresh muffin is a treat.", "The kitten hid in the basket.",
                 "Ten shrimp swam in the tank.", "Pass the napkin to Dan.", "The dentist has a magnet.",
                 "Sam got a red helmet.", "The goblin ran up the hill.", "We had a picnic at sunset.",
                 "Frog and Toad Are Friends, pages 4-12"});
    for (int kind = 0; kind < 2; ++kind)
        for (int slot = 0; slot < 4; ++slot)
            b.list(kind, slot, listLength, static_cast<std::size_t>(5 * slot + 11 * kind));
    return b;
}

ReferencePlan make(std::string name, std::string why, Builder b,
                   std::function<void(ReferencePlan&)> adjust = {})
{
    ReferencePlan r;
    r.name = std::move(name);
    r.why = std::move(why);
    r.plan = b.plan;
    if (adjust) adjust(r);
    return r;
}

// A plan with gaps: two Review segments, Auditory cells 0, 2 and 3, a
// spelling row with two words, a list that stops after ten words.
Builder gapsBuilder()
{
    Builder b({{0, 130}});
    b.auditory({2, -1, 7, 21});
    b.review({0, 14});
    b.fresh({140});
    b.spellingRow(0, 0, {"cat", "map", "flag", "stand"});
    b.spellingRow(1, 14, {"chest", "", "rich"});
    b.spellingRow(2, 126, {});
    b.list(0, 0, 24, 0);
    b.list(0, 1, 10, 5);
    b.list(1, 0, 22, 9);
    b.sentences({"The cat sat on the flag.", "", "A fresh muffin is a treat."});
    return b;
}

}  // namespace

ReferencePlan fullReferencePlan()
{
    return make("full", "every section, 40-word lists, small font", fullBuilder(40));
}

std::vector<ReferencePlan> referencePlans()
{
    auto sizes = [](std::int16_t review, std::int16_t fresh, int font) {
        return [=](ReferencePlan& r) {
            r.options.ReviewListSize = review;
            r.options.NewListSize = fresh;
            r.fontSize = font;
        };
    };
    std::vector<ReferencePlan> all;
    all.push_back(make("empty", "a new plan with nothing chosen", Builder({}),
                       [](ReferencePlan& r) { r.plan.LessonDate.assign("  -  -  "); }));
    all.push_back(fullReferencePlan());
    all.push_back(make("full-medium", "40-word lists in the medium font, one to a page", fullBuilder(40),
                       sizes(1, 1, 1)));
    all.push_back(make("full-large", "40-word lists in the large font print 39 words", fullBuilder(40),
                       sizes(1, 1, 2)));
    all.push_back(make("lists-24-small", "24-word lists, three to a page", fullBuilder(24), sizes(2, 2, 0)));
    all.push_back(make("lists-24-medium", "24-word lists, two to a page", fullBuilder(24), sizes(2, 2, 1)));
    all.push_back(make("lists-24-large", "24-word lists, one to a page", fullBuilder(24), sizes(2, 2, 2)));
    all.push_back(make("review-40-new-24", "list sizes that differ switch the form feed on", fullBuilder(40),
                       sizes(1, 2, 0)));
    all.push_back(make("form-feed", "the form feed option starts each pass on a page", fullBuilder(40),
                       [](ReferencePlan& r) { r.options.PageBreak = 1; }));
    all.push_back(
        make("lists-off", "both list sizes 0: the plan page only", fullBuilder(40), sizes(0, 0, 0)));
    all.push_back(make("gaps-blanks-off", "empty cells end their rows", gapsBuilder(), [](ReferencePlan& r) {
        r.options.ReviewListSize = 2;
        r.options.NewListSize = 2;
    }));
    all.push_back(make("gaps-blanks-on", "empty cells print underlines", gapsBuilder(), [](ReferencePlan& r) {
        r.options.ReviewListSize = 2;
        r.options.NewListSize = 2;
        r.options.BlankLines = 1;
    }));
    for (std::int16_t mode = 0; mode <= 2; ++mode)
        all.push_back(make("homophones-" + std::to_string(mode), "homophone display " + std::to_string(mode),
                           fullBuilder(40), [mode](ReferencePlan& r) { r.options.HomophoneMode = mode; }));
    all.push_back(
        make("no-visual", "no Visual option: no Visual line", fullBuilder(24), [](ReferencePlan& r) {
            r.options.PrintSection = {0, 0, 0, 0, 0, 0};
            r.options.ReviewListSize = 2;
            r.options.NewListSize = 0;
        }));
    {
        // Short Vowels complete; Single Consonants lacking R (84).
        Builder b({{0, 0},   {19, 19}, {43, 43}, {58, 58},   {99, 99},   {114, 114}, {10, 11},
                   {17, 17}, {36, 37}, {42, 42}, {48, 49},   {51, 52},   {55, 55},   {79, 79},
                   {81, 81}, {86, 86}, {93, 93}, {103, 104}, {110, 110}, {115, 116}});
        b.review({0});
        b.list(0, 0, 40, 0);
        all.push_back(
            make("short-vowels", "a studied set that completes Short Vowels", b, [](ReferencePlan& r) {
                r.firstName = "";
                r.lastName = "Tuesday Group";
                r.options.NewListSize = 0;
            }));
    }
    return all;
}

}  // namespace moxlet::test
