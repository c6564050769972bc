#pragma once
// The profile editor's studied segments (object name PList): every segment
// under the heading of its catalogue group (core's segmentHeadings(), the
// groups the printed plan's Visual section names), in one column that
// scrolls only up and down.  The groups open closed, so the tutor first
// sees the 25 headings with how much of each is studied; the arrow before
// a heading, Left and Right open and close it, and the Find field opens
// those that hold what it finds.
//
// A click, Ctrl+click or Space on a segment selects or unselects it, as
// in a list.  A heading shows, by its box and "(3 of 21)", whether none,
// some or all of its segments are selected, and is itself selected when
// all are.  Selecting a heading (a click, Space, an accessibility client's
// Toggle) asks to select the whole group; unselecting it asks to clear the
// group (headingToggled(): the owner applies its rules).

#include <QTreeWidget>
#include <vector>

#include "core/catalogue/Catalogue.h"

namespace moxlet::ui {

class StudiedSegmentTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit StudiedSegmentTree(QWidget* parent = nullptr);

    const std::vector<SegmentHeading>& headings() const { return headings_; }
    QTreeWidgetItem* headingItem(int heading) const { return topLevelItem(heading); }
    // The line of a segment.
    QTreeWidgetItem* segmentItem(SegmentId segment) const;
    // The segment of a line, or -1 for a heading.
    static SegmentId segmentOf(const QModelIndex& index);

    // selected[id] for every segment (kSegmentCount entries).
    std::vector<bool> selectedLines() const;
    // Selects or unselects the given segments in one step.
    void setSegmentsSelected(const std::vector<int>& segments, bool selected);

Q_SIGNALS:
    // The tutor asked to select (true) or clear (false) a heading's segments.
    void headingToggled(int heading, bool select);

private:
    void showHeadingStates();

    std::vector<SegmentHeading> headings_;
    std::vector<QTreeWidgetItem*> items_;  // by segment id
    bool showing_ = false;                 // heading states set by the program
};

}  // namespace moxlet::ui
