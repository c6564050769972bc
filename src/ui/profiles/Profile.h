#pragma once
// Profile: "Student Profile", the profile editor.  A modeless window in the
// main window's MDI area that edits CurrentProfile, to be written as record
// ProfileRecordNo of PROFILES.DAT.
//
// newProfile() and openProfile() are the main window's "&New Student
// Profile" and "&Open Student Profile..." commands.  While the editor (or the
// student chooser before it) is open, the main window's plan and profile
// entries are disabled; closing it by OK, Cancel or the close box restores
// them.
//
// PList lists all 332 segments (line i is segment i) in the mark font; a
// click, Ctrl+click or space toggles one line, and a double click toggles it
// once.  A consonant blend can be selected only when its component
// consonants are selected: otherwise the line is unselected again and the
// tutor is told why.
//
// The syllable fields take one digit ("_" when empty); on receiving the
// focus, and on every click, the digit is selected so a typed digit
// replaces it.  Typed values get advice (minimum 2 or more,
// maximum 1); while the form is being filled (the loading flag, from
// construction to its first paint) no advice is given.

#include <QWidget>

#include "Services.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QItemSelection;

namespace moxlet::ui {

class MDIForm1;
class Personal;

class Profile : public QWidget {
    Q_OBJECT
public:
    // "&New Student Profile": the record goes to the first free slot or is
    // appended; the editor opens with blank names and the range 1..9.
    static Profile* newProfile(MDIForm1& main);
    // "&Open Student Profile...": shows the student chooser (modal, open());
    // the editor opens on the chosen student when it closes.
    static void openProfile(MDIForm1& main);

    Profile(MDIForm1& main, QWidget* parent = nullptr);

    // Fills the boxes, the personal dialog and PList from CurrentProfile.
    void fillFromRecord();

    bool loading() const { return loading_; }
    Personal* personal() const { return personal_; }

    void OK_Click();
    void Cancel_Click();
    void Personal_Info_Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* syllableField(const char* name);
    static QString fieldText(const QLineEdit* field);
    void SyllableMin_Change();
    void SyllableMax_Change();
    void PList_SelectionChanged(const QItemSelection& selected);
    std::vector<bool> selectedLines() const;
    void unload();
    void Form_Unload();

    MDIForm1& main_;
    Services& services_;
    QLineEdit* lastName_ = nullptr;
    QLineEdit* firstName_ = nullptr;
    QLineEdit* syllableMin_ = nullptr;
    QLineEdit* syllableMax_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* personalInfo_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    Personal* personal_ = nullptr;
    bool loading_ = true;    // until the first paint
    bool filling_ = false;   // selections made by the program, not the tutor
    bool unloaded_ = false;
};

}  // namespace moxlet::ui
