#pragma once
// Lesson plans for the pictures of the plan windows, made through the plan
// window as a tutor makes them: Sam Rivera has three plans, the newest
// (kSampleDate) with all four sections, word lists, spelling words (one row
// with a typed word and a free cell) and the skills application.

#include <QString>
#include <vector>

#include "ScreenshotSession.h"

namespace moxlet::ui {
class PlanWindow;
class SegmentPickerDialog;
class WordChoiceDialog;
}  // namespace moxlet::ui

namespace moxlet::screenshots {

inline const QString kSampleStudent = QStringLiteral("Rivera, Sam");
inline const QString kSampleDate = QStringLiteral("09-16-25");

// Saves Sam Rivera's plans in the session's data folder.
void addSamplePlans(Session& s);

// Plan > New Lesson Plan... for a student.
ui::PlanWindow* newPlan(Session& s, const QString& student);
// Plan > Open Lesson Plan...: the student's plan of that date.
ui::PlanWindow* openPlan(Session& s, const QString& student, const QString& date);

// A section button of the plan window, then a click on each segment; the
// picker is left open.
ui::SegmentPickerDialog* pickSegments(Session& s, ui::PlanWindow* plan, PlanSection section,
                                      const std::vector<int>& ids);

// Ticks `count` words spread evenly over a word dialog's list.
void tickWords(Session& s, ui::WordChoiceDialog* dialog, int count);

}  // namespace moxlet::screenshots
