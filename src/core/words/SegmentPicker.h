#pragma once
// The slot logic of the segment pickers, shared by the plan's section
// pickers and the word list tool's picker.
//
// A picker shows a list of segments (line x is segment lines[x]) and keeps
// an ordered set of slots, each holding a line number or -1, always filled
// from the first slot on.  Every click (or space bar) on a line is one
// toggle: a line that is now selected is added to the first empty slot, a
// line that is now unselected is taken out and the later slots move up.
// Whatever happens, a line is shown selected exactly when some slot holds
// it (selectedLines()), so a refused line simply stays unselected.
//
// Rules a picker may have:
// - repeats (the Spelling section): a Ctrl+click on a chosen line adds it
//   again; unselecting a line held more than once asks whether to remove
//   just one (Yes removes the last occurrence and the line stays selected,
//   No removes them all);
// - blend prerequisites (the New section): a consonant blend is refused
//   unless each of its component consonants is studied or is held by one
//   of the first three slots, with a message saying so.
//
// A slot may carry more than its segment (a Spelling row's words): the
// owner is told of every move, every emptied slot and every filled one so
// that it can move what it keeps with the slot.  Cancel restores the slots as they were when
// the picker opened; what the owner keeps is its own to restore.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/catalogue/SegmentSet.h"
#include "core/store/Prompt.h"

namespace moxlet {

class SegmentPicker {
public:
    struct Rules {
        bool repeats = false;               // Ctrl+click adds a line again
        bool blendsNeedComponents = false;  // the New section's rule
        SegmentSet studied;                 // what counts as taught for that rule
        std::string repeatTitle;            // title of the "remove just one" question
    };

    // slots: the section's slots (changed in place); lines: the segment of
    // each line of the picker's list.
    SegmentPicker(std::span<std::int16_t> slots, std::vector<SegmentId> lines, Rules rules);

    // Called with (from, to) for every slot whose content moves to another,
    // with (slot, -1) when a slot is emptied and with (-1, slot) when an
    // empty slot is given a line.
    std::function<void(int from, int to)> onSlotMoved;

    // One toggle of line x.  nowSelected is the line's state after the
    // click (true when adding, also for a Ctrl+click repeat).  Returns
    // whether any slot changed.  Questions and refusals go through prompt.
    bool toggle(int line, bool nowSelected, Prompt& prompt);

    // Whether a Ctrl+click on this line adds it once more.
    bool addsRepeat(int line) const { return rules_.repeats && holds(line); }

    // Empties every slot.
    void clear();
    // Puts the slots back as they were when the picker was made.
    void cancel();

    bool holds(int line) const;
    bool full() const;
    // selected[x] is true when a slot holds line x.
    std::vector<bool> selectedLines() const;
    std::span<const std::int16_t> slots() const { return slots_; }
    // The segment of each line.
    const std::vector<SegmentId>& lines() const { return lines_; }

private:
    bool add(int line, Prompt& prompt);
    void remove(int line, Prompt& prompt);
    void removeSlot(int p);
    SegmentId segmentOf(int line) const;

    std::span<std::int16_t> slots_;
    std::vector<std::int16_t> initial_;
    std::vector<SegmentId> lines_;
    Rules rules_;
};

// "You may not introduce consonant blend STR until its component consonants
// have been taught." for a blend whose components are neither in `taught`
// nor in `chosen`; nothing for anything else.
std::string blendRefusal(SegmentId blend, const SegmentSet& taught, const std::vector<SegmentId>& chosen);

}  // namespace moxlet
