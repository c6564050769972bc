#pragma once
// Personal: "Student Personal Information", the student's contact and
// administrative details.  It edits ten text fields of CurrentProfile in
// memory; they reach PROFILES.DAT only when the profile itself is saved.
//
// The profile editor owns it and shows it modally (open()), any number of
// times while the editor is open.  OK and Cancel only hide it, so it keeps
// its boxes between openings: OK stores the boxes into the record, Cancel
// (also Esc and the close box) puts the record's texts back into the boxes.
// Every box takes at most as many characters as its record field holds.

#include <QDialog>

#include "Services.h"

class QLineEdit;
class QPushButton;

namespace moxlet::ui {

class Personal : public QDialog {
    Q_OBJECT
public:
    Personal(Services& services, QWidget* parent = nullptr);

    // Each box gets its record field of CurrentProfile without trailing blanks.
    void fillFromRecord();

    void OK_Click();
    void Cancel_Click();

    // The box of a field by its control name (ParentName, Address, ...).
    QLineEdit* box(const QString& name) const;

    void reject() override;

private:
    void storeIntoRecord();

    Services& services_;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace moxlet::ui
