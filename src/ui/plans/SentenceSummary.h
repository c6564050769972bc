#pragma once
// The line under the plan window's sentences (object name
// SentenceSummary): whether the plan's student can read them, "All words
// decodable" or "2 words beyond Sam: thought (OUGH (aw)), great (EA (ā))",
// with each marked word's reason in its tooltip; in the grid that shows the
// sentences each word the student cannot read yet gets the wavy underline
// and its line's tooltip adds the reasons.  The sentences are read as
// the skills application reads them (planSentenceReader); a plan without
// sentences shows nothing and opens no word base.

#include <QLabel>
#include <memory>

#include "core/plans/PlanSession.h"
#include "ui/common/Services.h"

namespace moxlet::ui {

class CellGrid;
class PassageChecker;

class SentenceSummary : public QLabel {
    Q_OBJECT
public:
    // grid: rows 0..8 show sentences 0..8 (MarkedCellDelegate draws the marks).
    SentenceSummary(Services& services, CellGrid* grid, QWidget* parent = nullptr);
    ~SentenceSummary() override;

    void showFor(const PlanSession& session);

private:
    Services& services_;
    CellGrid* grid_;
    std::unique_ptr<PassageChecker> checker_;
};

}  // namespace moxlet::ui
