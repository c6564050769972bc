#pragma once
// The profile editor (object name Profile, caption "Student Profile"): a
// window in the main window's MDI area that edits one student profile, to be
// written as record recordNo of PROFILES.DAT.
//
// The main window opens it for "&New Student Profile" (a blank profile in
// the first free slot) and "&Open Student Profile..." (the chosen student),
// and learns through saved() and closed() what happened.
//
// PList (StudiedSegmentTree) lists all 332 segments under their catalogue
// groups in the mark font, with a "&Find:" field above it that narrows it
// as the tutor types and shows how many are selected; a click, Ctrl+click
// or space toggles one line, and a double click toggles it once.  A
// group's heading selects the whole group, or clears it when all of it is
// selected.  A consonant blend can be selected only when its component
// consonants are selected: otherwise the line is unselected again (or, when
// a whole group is selected, left out) and the tutor is told why.
//
// The syllable fields take one digit ("_" when empty); on receiving the
// focus, and on every click, the digit is selected so a typed digit
// replaces it.  Typed values get advice (minimum 2 or more, maximum 1);
// while the form is being filled (from construction to its first paint) no
// advice is given.

#include <QWidget>

#include "core/store/Records.h"
#include "ui/common/Services.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QItemSelection;

namespace moxlet::ui {

class FindField;
class PersonalInfoDialog;
class StudiedSegmentTree;

class ProfileEditor : public QWidget {
    Q_OBJECT
public:
    // The editor's normal size, in twips, at the MDI area's top left.
    static constexpr int kWidthTwips = 11940;
    static constexpr int kHeightTwips = 8220;

    ProfileEditor(Services& services, const StudentProfile& profile, std::int32_t recordNo,
                  QWidget* parent = nullptr);

    const StudentProfile& profile() const { return profile_; }
    PersonalInfoDialog* personalInfo() const { return personal_; }

Q_SIGNALS:
    // The profile was written to PROFILES.DAT.
    void saved();
    // The editor closed (saved or not).
    void closed();

public Q_SLOTS:
    // OK: checks the boxes and writes the profile; the editor closes when it
    // was written and stays open (nothing typed is lost) when it was not.
    void saveProfile();
    void cancel();
    void showPersonalInfo();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillFromProfile();
    QLineEdit* syllableField(const char* name);
    static QString fieldText(const QLineEdit* field);
    void adviseOnMinimum();
    void adviseOnMaximum();
    void refuseIncompleteBlends(const QItemSelection& selected);
    void toggleHeading(int heading, bool select);
    void tellRefusal(const std::string& text);
    std::vector<bool> selectedLines() const;
    void closeWindow();

    Services& services_;
    StudentProfile profile_;
    std::int32_t recordNo_;
    QLineEdit* lastName_ = nullptr;
    QLineEdit* firstName_ = nullptr;
    QLineEdit* syllableMin_ = nullptr;
    QLineEdit* syllableMax_ = nullptr;
    StudiedSegmentTree* list_ = nullptr;
    FindField* find_ = nullptr;
    QPushButton* personalInfo_ = nullptr;
    PersonalInfoDialog* personal_ = nullptr;
    bool loading_ = true;              // until the first paint
    bool selectingByProgram_ = false;  // selections made by the program, not the tutor
    bool closed_ = false;
};

}  // namespace moxlet::ui
