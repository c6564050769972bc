#pragma once
// MDIForm1: the main window.  An MDI parent with the program's whole menu.
//
// Construction builds the menu; load() runs the load step that fills every
// in-memory table in its fixed order (help set-up, window size, random seed,
// BitValue, SectionSegmentCount, catalogue and key tables, offset index,
// profile scan, options, menu state, CandidateList, splash).  Each step is a
// method of its own, named after what it does; any failure of a file step is
// reported as "Unable to read Student Profile file, PROFILES.DAT." and ends
// the load where it failed.
//
// Menu entries carry the control names as object names; an element of a
// control array is named <name>_<index> (mnuPlan_0, mnuProfile_1).
//
// The windows that open over it (profile editor, plan window, student
// chooser) call setPlanAndProfileMenusEnabled(false) while they are open and
// restoreMenus() when they close.

#include <QMainWindow>

#include "Problems.h"
#include "Services.h"

class QAction;
class QMdiArea;
class QMenu;

namespace moxlet::ui {

class MDIForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIForm1(Services& services, QWidget* parent = nullptr);

    // The load step; returns false when a step failed and the load stopped.
    bool load();

    // Enables every entry, then disables those that need a student profile
    // when ActiveProfileCount is 0.
    void restoreMenus();
    // Disables (or enables) the plan and profile entries while a profile, a
    // plan or the student chooser is open.
    void setPlanAndProfileMenusEnabled(bool enabled);

    QMdiArea* mdiArea() const { return mdi_; }
    QAction* action(const QString& objectName) const;
    Services& services() { return services_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    QAction* addEntry(QMenu* menu, const QString& name, const QString& caption);

    // Load steps, in order.
    void stepHelpSetup();
    void stepWindowSize();
    void stepSeedRandom();
    void stepBitValue();
    void stepSectionSegmentCount();
    void stepFillCatalogue();
    void stepFillOffsetIndex();
    bool stepScanProfiles();
    bool stepLoadOptions();
    void stepMenuState();
    void stepClearCandidates();
    void stepShowSplash();
    // Damaged records the load skipped or repaired are told in one box after
    // the load, so the tutor knows why a student may be missing.
    void reportDataProblems();

    // Menu commands.
    void mnuPlan_Click(int index);
    void mnuDelPlan_Click();
    void mnuExit_Click();
    void mnuProfile_Click(int index);
    void mnuDelProfile_Click();
    void mnuHomoOptions_Click();
    void mnuPrintOptions_Click();
    void mnuContents_Click();
    void mnuSearchHelp_Click();
    void mnuAbout_Click();

    Services& services_;
    QMdiArea* mdi_ = nullptr;
    bool exiting_ = false;
    Problems loadProblems_;
};

}  // namespace moxlet::ui
