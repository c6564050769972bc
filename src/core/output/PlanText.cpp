#include "core/output/PlanText.h"

#include "core/catalogue/Marks.h"

namespace moxlet {

namespace {

const std::string kEnd = "\r\n";
// Lines of the Visual section wrap before this many characters.
constexpr std::size_t kVisualLineLimit = 84;

std::string shown(const std::string& catalogueText) { return displayText(catalogueText); }
std::string typed(const std::string& stored) { return cp1252ToUtf8(stored); }

void visualSection(std::string& text, const PlanOutput& output)
{
    const VisualEntries entries = visualEntries(output.plan.PlanStudiedSegments, output.options);
    // Lengths count stored characters, as the catalogue holds them.
    std::string line = "Visual:  ";
    auto breakBefore = [&](const std::string& entry) {
        if (line.size() + entry.size() >= kVisualLineLimit) {
            text += shown(line) + kEnd;
            line.clear();
        }
    };
    for (std::size_t i = 0; i < entries.groupTitles.size(); ++i) {
        if (i > 0) line += ", ";
        breakBefore(entries.groupTitles[i]);
        line += entries.groupTitles[i];
    }
    const auto& names = entries.segmentNames;
    for (std::size_t j = 0; j < names.size(); ++j) {
        breakBefore(names[j]);
        if (j == 0 && !entries.groupTitles.empty()) line += ", ";
        line += names[j];
        if (j + 1 < names.size()) line += ", ";
    }
    text += shown(line) + kEnd + kEnd;
}

void slotRow(std::string& text, const char* label, const std::array<PlanSlot, 4>& slots)
{
    text += label + kEnd;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (slots[i].name.empty()) continue;
        if (i > 0) text += '\t';
        text += shown(slots[i].name);
    }
    text += kEnd + kEnd;
}

void wordLists(std::string& text, const PlanOutput& output, const PlanSheet& sheet)
{
    for (const ListPass& pass : listPasses(output, sheet)) {
        if (pass.list == PlanSection::New) switchFormFeedForNewPass(output.options);
        const int size = pass.sizeOption == 1 ? 40 : 24;
        for (int slot = 0; slot < 4; ++slot) {
            const PlanSlot& segment = (*pass.slots)[static_cast<std::size_t>(slot)];
            if (segment.empty) continue;
            // A heading always starts a line of its own, also after a short
            // list whose last row left the line open.
            if (!text.ends_with(kEnd)) text += kEnd;
            text += std::string(pass.heading) + segmentKindLabel(segment.id) + shown(segment.name) +
                    shown(meaningSuffix(segment.id)) + kEnd;
            for (int k = 0; k < size; ++k) {
                const std::optional<std::string> word = listWord(output.plan, pass.list, slot, k);
                if (!word) {
                    for (int i = 0; i < (size - (k + 1) - 1) / 4; ++i) text += kEnd + kEnd;
                    break;
                }
                if (k % 4 != 0) text += '\t';
                text += typed(*word);
                if ((k + 1) % 4 == 0) text += kEnd + kEnd;
            }
        }
    }
}

}  // namespace

std::string planText(const PlanOutput& output)
{
    const PlanSheet sheet = planSheet(output);
    std::string text =
        "LESSON PLAN for " + typed(sheet.names) + "\t\t\t" + typed(sheet.lessonDate) + kEnd + kEnd;
    if (visualSectionWanted(output.options)) visualSection(text, output);

    text += "Auditory:" + kEnd;
    for (std::size_t row = 0; row < 2; ++row) {
        // A first row without its fifth cell has no second row.
        if (row == 1 && sheet.auditory[0][4].empty()) break;
        for (std::size_t column = 0; column < 5; ++column) {
            const std::string& cell = sheet.auditory[row][column];
            if (cell.empty()) continue;
            if (column > 0) text += '\t';
            text += shown(cell);
        }
        text += kEnd;
    }
    text += kEnd;

    slotRow(text, "Review:", sheet.review);

    text += "Spelling Dictation:" + kEnd;
    for (std::size_t row = 0; row < sheet.spelling.size(); ++row) {
        if (!sheet.spelling[row].empty()) text += shown(sheet.spelling[row]);
        for (const std::string& word : sheet.spellWords[row])
            if (!word.empty()) text += '\t' + typed(word);
        text += kEnd + kEnd;
    }

    slotRow(text, "New:", sheet.newSlots);

    text += "Sentence Dictation and Vocal Reading:" + kEnd;
    for (const std::string& line : sheet.sentences)
        if (!line.empty()) text += typed(line) + kEnd;
    text += kEnd + kEnd;

    wordLists(text, output, sheet);
    return text;
}

}  // namespace moxlet
