#pragma once
// The line under the plan window's sentences (object name
// SentenceSummary): whether the plan's student can read them, "All words
// decodable" or "2 words beyond Sam: thought (OUGH (aw)), great (EA (ā))",
// with each marked word's reason in its tooltip.  The sentences are read as
// the skills application reads them (planSentenceReader); a plan without
// sentences shows nothing and opens no word base.

#include <QLabel>
#include <memory>

#include "core/plans/PlanSession.h"
#include "ui/common/Services.h"

namespace moxlet::ui {

class PassageChecker;

class SentenceSummary : public QLabel {
    Q_OBJECT
public:
    SentenceSummary(Services& services, QWidget* parent = nullptr);
    ~SentenceSummary() override;

    void showFor(const PlanSession& session);

private:
    Services& services_;
    std::unique_ptr<PassageChecker> checker_;
};

}  // namespace moxlet::ui
