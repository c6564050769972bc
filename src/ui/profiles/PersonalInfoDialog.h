#pragma once
// The personal information dialog (object name Personal, caption "Student
// Personal Information"): the student's contact and administrative details.
// It edits ten text fields of the profile the editor holds in memory; they
// reach PROFILES.DAT only when the profile itself is saved.
//
// The profile editor owns it and shows it modally (open()), any number of
// times while the editor is open.  OK and Cancel only hide it, so it keeps
// its boxes between openings: OK stores the boxes into the profile, Cancel
// (also Esc and the close box) puts the profile's texts back into the boxes.
// Every box takes at most as many characters as its record field holds.

#include <QDialog>

#include "core/store/Records.h"

class QLineEdit;

namespace moxlet::ui {

class PersonalInfoDialog : public QDialog {
    Q_OBJECT
public:
    PersonalInfoDialog(StudentProfile& profile, QWidget* parent = nullptr);

    // The box of a field by its control name (ParentName, Address, ...).
    QLineEdit* box(const QString& name) const;

public Q_SLOTS:
    void accept() override;
    void reject() override;

private:
    // Each box gets its field of the profile without trailing blanks.
    void fillFromProfile();
    void storeIntoProfile();

    StudentProfile& profile_;
};

}  // namespace moxlet::ui
