#include "core/words/SegmentPicker.h"

#include <algorithm>

#include "core/catalogue/Catalogue.h"

namespace moxlet {

SegmentPicker::SegmentPicker(std::span<std::int16_t> slots, std::vector<SegmentId> lines, Rules rules)
    : slots_(slots), initial_(slots.begin(), slots.end()), lines_(std::move(lines)), rules_(std::move(rules))
{
}

SegmentId SegmentPicker::segmentOf(int line) const
{
    return line >= 0 && static_cast<std::size_t>(line) < lines_.size()
               ? lines_[static_cast<std::size_t>(line)]
               : kNoSegment;
}

bool SegmentPicker::holds(int line) const
{
    return std::find(slots_.begin(), slots_.end(), line) != slots_.end();
}

bool SegmentPicker::full() const { return slots_.empty() || slots_.back() != -1; }

std::vector<bool> SegmentPicker::selectedLines() const
{
    std::vector<bool> selected(lines_.size(), false);
    for (std::int16_t x : slots_)
        if (x >= 0 && static_cast<std::size_t>(x) < selected.size())
            selected[static_cast<std::size_t>(x)] = true;
    return selected;
}

bool SegmentPicker::toggle(int line, bool nowSelected, Prompt& prompt)
{
    if (segmentOf(line) == kNoSegment) return false;
    if (nowSelected) return add(line, prompt);
    const std::vector<std::int16_t> before(slots_.begin(), slots_.end());
    remove(line, prompt);
    return !std::equal(before.begin(), before.end(), slots_.begin());
}

bool SegmentPicker::add(int line, Prompt& prompt)
{
    if (full()) return false;  // refused without a word
    if (rules_.blendsNeedComponents) {
        // The first three slots may hold the components chosen in this
        // lesson.
        std::vector<SegmentId> chosen;
        for (std::size_t p = 0; p < std::min<std::size_t>(3, slots_.size()); ++p)
            if (SegmentId s = segmentOf(slots_[p]); s != kNoSegment) chosen.push_back(s);
        const std::string refusal = blendRefusal(segmentOf(line), rules_.studied, chosen);
        if (!refusal.empty()) {
            prompt.message(refusal, "Moxlet", Icon::Exclamation, Buttons::Ok);
            return false;
        }
    }
    const auto p = static_cast<std::size_t>(std::find(slots_.begin(), slots_.end(), -1) - slots_.begin());
    slots_[p] = static_cast<std::int16_t>(line);
    if (onSlotMoved) onSlotMoved(-1, static_cast<int>(p));
    return true;
}

void SegmentPicker::remove(int line, Prompt& prompt)
{
    // How many occurrences to step over before removing: with repeats the
    // tutor may keep all but the last one.
    int keep = 0;
    if (rules_.repeats) {
        const auto held = std::count(slots_.begin(), slots_.end(), line);
        if (held > 1) {
            const Answer a = prompt.message("Do you wish to remove just one selection of this word segment?",
                                            rules_.repeatTitle, Icon::Question, Buttons::YesNo);
            keep = a == Answer::Yes ? static_cast<int>(held) - 1 : 0;
        }
    }
    for (std::size_t p = 0; p < slots_.size();) {
        if (slots_[p] != line) {
            ++p;
            continue;
        }
        if (keep > 0) {
            --keep;
            ++p;
            continue;
        }
        removeSlot(static_cast<int>(p));  // examine slot p again: it holds the next one now
    }
}

void SegmentPicker::removeSlot(int p)
{
    const int last = static_cast<int>(slots_.size()) - 1;
    for (int q = p; q < last; ++q) {
        slots_[static_cast<std::size_t>(q)] = slots_[static_cast<std::size_t>(q + 1)];
        if (onSlotMoved) onSlotMoved(q + 1, q);
    }
    slots_[static_cast<std::size_t>(last)] = -1;
    if (onSlotMoved) onSlotMoved(last, -1);
}

void SegmentPicker::clear()
{
    for (std::size_t p = 0; p < slots_.size(); ++p) {
        slots_[p] = -1;
        if (onSlotMoved) onSlotMoved(static_cast<int>(p), -1);
    }
}

void SegmentPicker::cancel() { std::copy(initial_.begin(), initial_.end(), slots_.begin()); }

std::string blendRefusal(SegmentId blend, const SegmentSet& taught, const std::vector<SegmentId>& chosen)
{
    if (!isBlend(blend)) return {};
    const auto& parts = BlendPart[static_cast<std::size_t>(blend - kFirstBlend)];
    for (SegmentId c : parts) {
        if (c == kNoSegment) continue;
        if (taught.contains(c) || std::find(chosen.begin(), chosen.end(), c) != chosen.end()) continue;
        return "You may not introduce consonant blend " + segmentName(blend) +
               " until its component consonants have been taught.";
    }
    return {};
}

}  // namespace moxlet
