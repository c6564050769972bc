#pragma once
// The plan window's section commands: the four section buttons open their
// segment pickers over a core SectionEdit (plans/SectionEdit.h: the rules);
// for Review and New a confirmed picker is followed by word-list generation,
// shown slot by slot in the summary window; and a plan opened from the file
// whose lists were made under other list sizes is offered new lists.
//
// Pickers and the summary are shown window-modal/modeless (open(), show()),
// so the event loop keeps running; the plan document tells the window of
// every change, so the grids repaint as the tutor picks.

#include <QObject>
#include <QPointer>

#include "core/store/Records.h"
#include "ui/common/Services.h"
#include "ui/plans/GenerationSummary.h"

namespace moxlet::ui {

class GenerationSummary;
class PlanDocument;
class PlanWindow;

class SectionEditor : public QObject {
    Q_OBJECT
public:
    SectionEditor(PlanWindow& window, PlanDocument& document, Services& services);

    // The summary window of the last generation (nullptr before one).
    GenerationSummary* summary() const { return summary_; }
    // Closes the summary (when the plan closes).
    void closeSummary();

public Q_SLOTS:
    // A section button: the picker, then (Review, New) generation.
    void chooseSegments(PlanSection section);
    // Offered on activation, once per list size change, for opened plans.
    void offerRegeneration();

private:
    // Makes the lists of the first `used` slots that have none, showing
    // each slot's count in the summary.
    void generate(PlanSection section, int used);
    void placePicker(QWidget* picker, PlanSection section);

    PlanWindow& window_;
    PlanDocument& document_;
    Services& services_;
    QPointer<GenerationSummary> summary_;
    bool offering_ = false;
};

}  // namespace moxlet::ui
