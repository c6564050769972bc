#include "ui/profiles/StudiedSegmentTree.h"

#include <QHeaderView>
#include <algorithm>
#include <utility>

#include "ui/common/MarkFont.h"
#include "ui/common/Text.h"

namespace moxlet::ui {

namespace {
constexpr int kSegmentRole = Qt::UserRole;  // the segment id; -1 on a heading
}

StudiedSegmentTree::StudiedSegmentTree(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("PList"));
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::MultiSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    header()->setStretchLastSection(true);
    setExpandsOnDoubleClick(false);  // a double click on a heading toggles it once, as on a line

    headings_ = segmentHeadings();
    items_.assign(static_cast<std::size_t>(kSegmentCount), nullptr);
    QFont bold = font();
    bold.setBold(true);
    const QFont marks = MarkFont::font();
    for (const SegmentHeading& h : headings_) {
        auto* heading = new QTreeWidgetItem(this);
        heading->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        heading->setData(0, kSegmentRole, -1);
        heading->setFont(0, bold);
        for (SegmentId s : h.members) {
            auto* line = new QTreeWidgetItem(heading, {markedText(segmentName(s))});
            line->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            line->setData(0, kSegmentRole, s);
            line->setFont(0, marks);
            items_[static_cast<std::size_t>(s)] = line;
        }
    }
    showHeadingStates();
    // A heading is selected exactly when its whole group is.  The tutor's
    // click or Space on it, or an accessibility client's Toggle or
    // selection, is a request for the group; the tree then shows the true
    // state again and lets the owner apply its rules.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                if (showing_) return;
                std::vector<std::pair<int, bool>> requests;
                for (const QModelIndex& i : selected.indexes())
                    if (segmentOf(i) < 0) requests.emplace_back(i.row(), true);
                for (const QModelIndex& i : deselected.indexes())
                    if (segmentOf(i) < 0) requests.emplace_back(i.row(), false);
                showHeadingStates();
                for (const auto& [heading, select] : requests) Q_EMIT headingToggled(heading, select);
            });
}

QTreeWidgetItem* StudiedSegmentTree::segmentItem(SegmentId segment) const
{
    if (segment < 0 || segment >= kSegmentCount) return nullptr;
    return items_[static_cast<std::size_t>(segment)];
}

SegmentId StudiedSegmentTree::segmentOf(const QModelIndex& index)
{
    return static_cast<SegmentId>(index.data(kSegmentRole).toInt());
}

std::vector<bool> StudiedSegmentTree::selectedLines() const
{
    std::vector<bool> selected(static_cast<std::size_t>(kSegmentCount), false);
    for (const QModelIndex& i : selectionModel()->selectedIndexes())
        if (const SegmentId s = segmentOf(i); s >= 0) selected[static_cast<std::size_t>(s)] = true;
    return selected;
}

void StudiedSegmentTree::setSegmentsSelected(const std::vector<int>& segments, bool selected)
{
    QItemSelection change;
    for (int s : segments) {
        if (QTreeWidgetItem* item = segmentItem(static_cast<SegmentId>(s))) {
            const QModelIndex at = indexFromItem(item);
            change.select(at, at);
        }
    }
    selectionModel()->select(change, selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

void StudiedSegmentTree::showHeadingStates()
{
    const bool wasShowing = std::exchange(showing_, true);
    const std::vector<bool> selected = selectedLines();
    for (std::size_t h = 0; h < headings_.size(); ++h) {
        const auto& members = headings_[h].members;
        const auto chosen = std::count_if(members.begin(), members.end(),
                                          [&](SegmentId s) { return selected[static_cast<std::size_t>(s)]; });
        const bool all = chosen == static_cast<std::ptrdiff_t>(members.size());
        QTreeWidgetItem* heading = topLevelItem(static_cast<int>(h));
        heading->setText(0, QStringLiteral("%1 (%2 of %3)")
                                .arg(QString::fromStdString(headings_[h].title))
                                .arg(chosen)
                                .arg(members.size()));
        // The box shows none, some or all; it is drawn, not clicked.
        heading->setData(0, Qt::CheckStateRole,
                         chosen == 0 ? Qt::Unchecked
                         : all       ? Qt::Checked
                                     : Qt::PartiallyChecked);
        heading->setSelected(all);
    }
    showing_ = wasShowing;
}

}  // namespace moxlet::ui
