#pragma once
// Fills a chooser's StudentList with student lines: the text shown, the
// record number as the line's item data (Qt::UserRole).  Shared by the
// student chooser and the profile deletion dialog.

#include <QListWidget>
#include <string>
#include <vector>

#include "core/profiles/ProfileEdit.h"
#include "ui/common/Text.h"

namespace moxlet::ui {

// The title of the chooser dialogs' own "choose a student" boxes.
inline const std::string kChooserTitle = "Moxlet";

inline void fillStudentList(QListWidget* list, const std::vector<StudentListEntry>& lines)
{
    list->clear();
    for (const StudentListEntry& line : lines) {
        auto* item = new QListWidgetItem(fromStored(line.text), list);
        item->setData(Qt::UserRole, line.recordNo);
    }
}

}  // namespace moxlet::ui
