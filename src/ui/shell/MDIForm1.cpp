#include "MDIForm1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>

#include <filesystem>

#include "DataFiles.h"
#include "DelName.h"
#include "Profile.h"
#include "OffsetIndex.h"
#include "OptionFile.h"
#include "ProfileFile.h"
#include "WindowSize.h"
#include "WordBase.h"

namespace moxlet::ui {

namespace {
// The entries that need at least one student profile.
const char* const kNeedProfile[] = {"mnuPlan_0", "mnuPlan_1", "mnuPlan_2",
                                    "mnuProfile_1", "mnuDelPlan", "mnuDelProfile"};
// The plan and profile entries a profile, plan or chooser window disables.
const char* const kPlanAndProfile[] = {"mnuPlan_0", "mnuPlan_1", "mnuPlan_2", "mnuDelPlan",
                                       "mnuProfile_0", "mnuProfile_1", "mnuDelProfile"};
}  // namespace

MDIForm1::MDIForm1(Services& services, QWidget* parent) : QMainWindow(parent), services_(services)
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Quillory Moxlet"));
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdi_);
    buildMenu();
}

QAction* MDIForm1::addEntry(QMenu* menu, const QString& name, const QString& caption)
{
    auto* a = menu->addAction(caption);
    a->setObjectName(name);
    return a;
}

void MDIForm1::buildMenu()
{
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };
    auto* plan = menuBar()->addMenu(QStringLiteral("&Plan"));
    plan->setObjectName(QStringLiteral("mnuLPlan"));
    const QString planCaptions[] = {QStringLiteral("&New Lesson Plan..."),
                                    QStringLiteral("&Open Lesson Plan..."),
                                    QStringLiteral("&Create Word List...")};
    for (int i = 0; i < 3; ++i) {
        connect(addEntry(plan, QStringLiteral("mnuPlan_%1").arg(i), planCaptions[i]),
                &QAction::triggered, this, [this, i] { mnuPlan_Click(i); });
    }
    separator(plan, "blank0");
    connect(addEntry(plan, QStringLiteral("mnuDelPlan"), QStringLiteral("&Delete Lesson Plan...")),
            &QAction::triggered, this, &MDIForm1::mnuDelPlan_Click);
    separator(plan, "blank3");
    connect(addEntry(plan, QStringLiteral("mnuExit"), QStringLiteral("E&xit")), &QAction::triggered,
            this, &MDIForm1::mnuExit_Click);

    auto* profile = menuBar()->addMenu(QStringLiteral("P&rofile"));
    profile->setObjectName(QStringLiteral("mnuSProfile"));
    const QString profileCaptions[] = {QStringLiteral("&New Student Profile"),
                                       QStringLiteral("&Open Student Profile...")};
    for (int i = 0; i < 2; ++i) {
        connect(addEntry(profile, QStringLiteral("mnuProfile_%1").arg(i), profileCaptions[i]),
                &QAction::triggered, this, [this, i] { mnuProfile_Click(i); });
    }
    separator(profile, "blank2");
    connect(addEntry(profile, QStringLiteral("mnuDelProfile"),
                     QStringLiteral("&Delete Student Profile...")),
            &QAction::triggered, this, &MDIForm1::mnuDelProfile_Click);

    auto* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    connect(addEntry(options, QStringLiteral("mnuHomoOptions"), QStringLiteral("&Homophones...")),
            &QAction::triggered, this, &MDIForm1::mnuHomoOptions_Click);
    connect(addEntry(options, QStringLiteral("mnuPrintOptions"), QStringLiteral("Lesson &Print...")),
            &QAction::triggered, this, &MDIForm1::mnuPrintOptions_Click);

    auto* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(addEntry(help, QStringLiteral("mnuContents"), QStringLiteral("&Contents")),
            &QAction::triggered, this, &MDIForm1::mnuContents_Click);
    connect(addEntry(help, QStringLiteral("mnuSearchHelp"), QStringLiteral("&Search for Help on...")),
            &QAction::triggered, this, &MDIForm1::mnuSearchHelp_Click);
    separator(help, "blank4");
    connect(addEntry(help, QStringLiteral("mnuAbout"), QStringLiteral("&About Moxlet...")),
            &QAction::triggered, this, &MDIForm1::mnuAbout_Click);
}

QAction* MDIForm1::action(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

bool MDIForm1::load()
{
    stepHelpSetup();
    stepWindowSize();
    stepSeedRandom();
    stepBitValue();
    stepSectionSegmentCount();
    stepFillCatalogue();
    stepFillOffsetIndex();
    if (!stepScanProfiles()) return false;
    if (!stepLoadOptions()) return false;
    stepMenuState();
    stepClearCandidates();
    stepShowSplash();
    reportDataProblems();
    return true;
}

void MDIForm1::reportDataProblems()
{
    if (loadProblems_.empty()) return;
    services_.prompt.message(dataProblemsMessage(loadProblems_), "Moxlet", Icon::Exclamation,
                             Buttons::Ok);
    loadProblems_.clear();
}

void MDIForm1::stepHelpSetup()
{
    // The help window is set up with the help and about work.
}

void MDIForm1::stepWindowSize()
{
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const double dpiX = screen ? screen->logicalDotsPerInchX() : 96.0;
    const double dpiY = screen ? screen->logicalDotsPerInchY() : 96.0;
    const QSize px = screen ? screen->size() : QSize(1024, 768);
    const WindowSize size =
        mainWindowSize(twipsFromPixels(px.width(), dpiX), twipsFromPixels(px.height(), dpiY));
    services_.globals.SmallScreen = size.maximised ? 1 : 0;
    if (size.maximised) {
        setWindowState(Qt::WindowMaximized);
    } else {
        setWindowState(Qt::WindowNoState);
        resize(pixelsFromTwips(size.widthTwips, dpiX), pixelsFromTwips(size.heightTwips, dpiY));
    }
}

void MDIForm1::stepSeedRandom()
{
    // The program's Random is seeded from the clock when it is made (main).
}

void MDIForm1::stepBitValue()
{
    // BitValue is a compile-time table (SegmentSet.h).
}

void MDIForm1::stepSectionSegmentCount()
{
    services_.globals.SectionSegmentCount = {10, 4, 15, 4};
}

void MDIForm1::stepFillCatalogue()
{
    // The catalogue and key tables are compile-time constants.
}

void MDIForm1::stepFillOffsetIndex()
{
    fillOffsetIndex(services_.globals.WordIndex);
    services_.globals.WordBasePath =
        locateWordBase(std::filesystem::current_path(), services_.installDir.toStdString()).string();
}

bool MDIForm1::stepScanProfiles()
{
    // Counts the live profiles and updates old records; a read error is
    // reported with the load's message by the scan itself.
    DataFiles files(services_);
    return ScanProfiles(files.context(), services_.globals, &loadProblems_);
}

bool MDIForm1::stepLoadOptions()
{
    DataFiles files(services_);
    LoadOptions(files.context(), services_.globals, &loadProblems_);
    return true;
}

void MDIForm1::stepMenuState() { restoreMenus(); }

void MDIForm1::stepClearCandidates()
{
    services_.globals.CandidateList.assign(kCandidateSlots, 0);
}

void MDIForm1::stepShowSplash()
{
    // The splash window comes with the help and about work.
}

void MDIForm1::restoreMenus()
{
    for (QAction* a : findChildren<QAction*>()) {
        if (!a->objectName().isEmpty()) a->setEnabled(true);
    }
    if (services_.globals.ActiveProfileCount == 0) {
        for (const char* name : kNeedProfile) action(QString::fromLatin1(name))->setEnabled(false);
    }
}

void MDIForm1::setPlanAndProfileMenusEnabled(bool enabled)
{
    for (const char* name : kPlanAndProfile) action(QString::fromLatin1(name))->setEnabled(enabled);
}

void MDIForm1::closeEvent(QCloseEvent* event)
{
    // Every child gets its closing step; a child that refuses (Cancel in a
    // plan's save question) keeps the program running, unless it is exiting.
    mdi_->closeAllSubWindows();
    if (!exiting_ && !mdi_->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    event->accept();
}

void MDIForm1::mnuExit_Click()
{
    exiting_ = true;
    close();
    QApplication::exit(0);
}

void MDIForm1::mnuPlan_Click(int) {}
void MDIForm1::mnuDelPlan_Click() {}
void MDIForm1::mnuProfile_Click(int index)
{
    if (index == 0)
        Profile::newProfile(*this);
    else
        Profile::openProfile(*this);
}

void MDIForm1::mnuDelProfile_Click() { DelName::showFor(this, services_); }
void MDIForm1::mnuHomoOptions_Click() {}
void MDIForm1::mnuPrintOptions_Click() {}
void MDIForm1::mnuContents_Click() {}
void MDIForm1::mnuSearchHelp_Click() {}
void MDIForm1::mnuAbout_Click() {}

}  // namespace moxlet::ui
