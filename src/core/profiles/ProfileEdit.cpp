#include "core/profiles/ProfileEdit.h"

#include <algorithm>

#include "core/catalogue/Catalogue.h"

namespace moxlet {

int syllableValue(const std::string& fieldText)
{
    if (fieldText.size() != 1 || fieldText[0] < '0' || fieldText[0] > '9') return 0;
    return fieldText[0] - '0';
}

std::optional<SyllableAdvice> minimumAdvice(int value)
{
    const std::string title = "Syllable Minimum";
    if (value == 2)
        return SyllableAdvice{"It is okay to set the minimum number of syllables to 2.  However, for "
                              "some word segments you may get small or, in rare cases, empty word "
                              "lists.",
                              title};
    if (value > 2 && value <= 9)
        return SyllableAdvice{"It is best to set the minimum number of syllables no higher than 2.  "
                              "With higher values, you may get small or empty word lists for some "
                              "word segments.",
                              title};
    return std::nullopt;
}

std::optional<SyllableAdvice> maximumAdvice(int value)
{
    if (value != 1) return std::nullopt;
    return SyllableAdvice{"It is okay to set the maximum number of syllables to 1, particularly for "
                          "beginning students.  However, for some word segment types such as "
                          "affixes, you will get empty word lists.",
                          "Syllable Maximum"};
}

namespace {
std::string trimRight(const std::string& s)
{
    std::size_t n = s.size();
    while (n > 0 && s[n - 1] == ' ') --n;
    return s.substr(0, n);
}

bool missing(const std::string& field) { return syllableValue(field) == 0; }

char foldCase(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

bool isDuplicateName(const std::vector<ProfileEntry>& live, std::int32_t ownRecordNo,
                     const std::string& firstName, const std::string& lastName)
{
    const std::string first = trimRight(firstName);
    const std::string last = trimRight(lastName);
    return std::any_of(live.begin(), live.end(), [&](const ProfileEntry& e) {
        return e.record != ownRecordNo && e.profile.InUse >= 1 && e.profile.FirstName.trimmed() == first &&
               e.profile.LastName.trimmed() == last;
    });
}

std::optional<SaveRefusal> checkProfileBoxes(const ProfileBoxes& boxes, const std::vector<ProfileEntry>& live,
                                             std::int32_t ownRecordNo)
{
    if (trimRight(boxes.lastName).empty())
        return SaveRefusal{"The Last Name field must be entered in order to complete a Student "
                           "Profile.",
                           ProfileField::LastName};
    if (isDuplicateName(live, ownRecordNo, boxes.firstName, boxes.lastName))
        return SaveRefusal{"There is already a Student Profile with this First Name and Last Name.",
                           ProfileField::LastName};
    // "minimun" is the message as tutors have always seen it.
    if (missing(boxes.syllableMin))
        return SaveRefusal{"The minimun number of syllables must be a number between 1 and 9.",
                           ProfileField::SyllableMin};
    if (missing(boxes.syllableMax))
        return SaveRefusal{"The maximum number of syllables must be a number between 1 and 9.",
                           ProfileField::SyllableMax};
    if (syllableValue(boxes.syllableMin) > syllableValue(boxes.syllableMax))
        return SaveRefusal{"The minimum number of syllables can not be greater than the maximum "
                           "number of syllables.",
                           ProfileField::SyllableMin};
    return std::nullopt;
}

std::vector<bool> selectionFromStudied(const SegmentSet& studied, int listSize)
{
    std::vector<bool> selected(static_cast<std::size_t>(std::max(listSize, 0)), false);
    int position = 0;
    for (int w = 1; w <= kSetWords; ++w) {
        for (int k = 0; k <= 14; ++k) {
            if (position >= listSize) return selected;
            if ((studied.word(w) & BitValue[static_cast<std::size_t>(k + 1)]) != 0)
                selected[static_cast<std::size_t>(position)] = true;
            ++position;
        }
    }
    return selected;
}

std::optional<std::string> blendSelectionRefusal(int line, const std::vector<bool>& selected)
{
    if (!isBlend(line)) return std::nullopt;
    SegmentSet have;
    for (std::size_t i = 0; i < selected.size(); ++i)
        if (selected[i]) have.add(static_cast<int>(i));
    if (blendComponentsPresent(line, have)) return std::nullopt;
    return "You may not select consonant blend " + segmentName(line) +
           " until its component consonants have been selected.";
}

GroupSelection groupSelection(const std::vector<SegmentId>& members, const std::vector<bool>& selected)
{
    // What is selected once the members that are no blends are: a blend's
    // components are single consonants and digraphs, never blends.
    std::vector<bool> after = selected;
    for (SegmentId m : members)
        if (!isBlend(m) && m >= 0 && static_cast<std::size_t>(m) < after.size())
            after[static_cast<std::size_t>(m)] = true;
    GroupSelection result;
    std::vector<SegmentId> refused;
    for (SegmentId m : members) {
        if (m < 0 || static_cast<std::size_t>(m) >= selected.size() || selected[static_cast<std::size_t>(m)])
            continue;
        if (blendSelectionRefusal(m, after))
            refused.push_back(m);
        else
            result.lines.push_back(m);
    }
    if (refused.size() == 1) result.refusal = blendSelectionRefusal(refused.front(), after);
    if (refused.size() > 1) {
        std::string names;
        for (std::size_t i = 0; i < refused.size(); ++i) {
            if (i > 0) names += i + 1 == refused.size() ? " and " : ", ";
            names += segmentName(refused[i]);
        }
        result.refusal = "You may not select consonant blends " + names +
                         " until their component consonants have been selected.";
    }
    return result;
}

std::vector<StudentListEntry> studentList(const std::vector<ProfileEntry>& live)
{
    std::vector<StudentListEntry> lines;
    for (const ProfileEntry& e : live)
        if (e.profile.InUse == 1) lines.push_back({studentListText(e.profile), e.record});
    auto folded = [](const std::string& s) {
        std::string f = s;
        std::transform(f.begin(), f.end(), f.begin(), foldCase);
        return f;
    };
    std::stable_sort(lines.begin(), lines.end(), [&](const StudentListEntry& a, const StudentListEntry& b) {
        const std::string fa = folded(a.text), fb = folded(b.text);
        if (fa != fb) return fa < fb;
        if (a.text != b.text) return a.text < b.text;
        return a.recordNo < b.recordNo;
    });
    return lines;
}

}  // namespace moxlet
