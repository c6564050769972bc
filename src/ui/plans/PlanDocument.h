#pragma once
// The open plan as the windows share it: a QObject that owns the
// PlanSession and says when a part of it changed.
//
// Whoever edits the plan (the section pickers, the word choice dialogs, the
// skills dialog, the lesson date) changes the session through core's rules
// (plans/SectionEdit, plans/WordChoiceUnit, ...) and then tells the
// document which part it changed; the document emits the matching signal
// and edited().  The plan window repaints its grids and buttons from these
// signals, and a dialog that shows part of the plan does too, so no window
// calls another's repaint or sets its changed flag.  Whether the plan has
// unsaved changes is session().changed, which core's rules set.

#include <QObject>

#include "core/options/Options.h"
#include "core/plans/PlanSession.h"

namespace moxlet::ui {

class PlanDocument : public QObject {
    Q_OBJECT
public:
    explicit PlanDocument(PlanSession session, QObject* parent = nullptr);

    PlanSession& session() { return session_; }
    const PlanSession& session() const { return session_; }

    // Tell the document what changed (after changing it).
    void sectionEdited(PlanSection section);          // a section's slots (Spelling: and its rows' words)
    void wordsEdited(PlanSection section, int unit);  // a list's words (Review, New) or a spelling row's
    void skillsEdited();                              // the sentences and the reading line
    void dateEdited();                                // the lesson date

    // Saves the plan (core's savePlan) and emits saved() when it was written.
    bool save(const FileContext& ctx, const Options& options);

Q_SIGNALS:
    void sectionChanged(PlanSection section);
    void wordsChanged(PlanSection section, int unit);
    void skillsChanged();
    // After every change above.
    void edited();
    void saved();

private:
    PlanSession session_;
};

}  // namespace moxlet::ui
