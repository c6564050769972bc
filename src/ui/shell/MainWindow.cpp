#include "ui/shell/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

#include "core/options/OptionFile.h"
#include "core/profiles/ProfileFile.h"
#include "core/shell/ProductInfo.h"
#include "core/shell/WindowSize.h"
#include "core/words/OffsetIndex.h"
#include "ui/common/DataFiles.h"
#include "ui/common/MnemonicScope.h"
#include "ui/common/Text.h"
#include "ui/options/HomophoneOptionsDialog.h"
#include "ui/options/PrintOptionsDialog.h"
#include "ui/options/WordOptionsDialog.h"
#include "ui/plans/DeletePlansDialog.h"
#include "ui/plans/PlanChooser.h"
#include "ui/plans/PlanDocument.h"
#include "ui/plans/PlanWindow.h"
#include "ui/profiles/DeleteProfilesDialog.h"
#include "ui/profiles/ProfileEditor.h"
#include "ui/profiles/StudentChooser.h"
#include "ui/shell/AboutDialog.h"
#include "ui/shell/ContextHelp.h"
#include "ui/shell/HelpWindow.h"
#include "ui/shell/Splash.h"
#include "ui/shell/StartPage.h"
#include "ui/wordlist/WordListWindow.h"
#include "ui/words/PassageChecker.h"
#include "ui/words/PassageWindow.h"

namespace moxlet::ui {

MainWindow::MainWindow(Services& services, QWidget* parent) : QMainWindow(parent), services_(services)
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QString::fromLatin1(kMainCaption));
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdi_);
    buildMenu();
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    startPage_ = new StartPage(*this);
    new ContextHelp(this, mdi_, [this](const QString& keyword) { showHelpFor(keyword); });
}

MainWindow::~MainWindow() { delete help_; }  // a window of its own, without a parent

QAction* MainWindow::addEntry(QMenu* menu, const char* name, const QString& caption,
                              void (MainWindow::*slot)())
{
    auto* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void MainWindow::buildMenu()
{
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };
    auto* plan = menuBar()->addMenu(QStringLiteral("&Plan"));
    plan->setObjectName(QStringLiteral("mnuLPlan"));
    newPlan_ = addEntry(plan, "mnuPlan_0", QStringLiteral("&New Lesson Plan..."), &MainWindow::newLessonPlan);
    openPlan_ =
        addEntry(plan, "mnuPlan_1", QStringLiteral("&Open Lesson Plan..."), &MainWindow::openLessonPlan);
    wordList_ =
        addEntry(plan, "mnuPlan_2", QStringLiteral("&Create Word List..."), &MainWindow::createWordList);
    passage_ = addEntry(plan, "mnuPassage", QStringLiteral("Check a &Passage..."), &MainWindow::checkPassage);
    separator(plan, "blank0");
    deletePlans_ = addEntry(plan, "mnuDelPlan", QStringLiteral("&Delete Lesson Plan..."),
                            &MainWindow::deleteLessonPlans);
    separator(plan, "blank3");
    exit_ = addEntry(plan, "mnuExit", QStringLiteral("E&xit"), &MainWindow::exitProgram);

    auto* profile = menuBar()->addMenu(QStringLiteral("P&rofile"));
    profile->setObjectName(QStringLiteral("mnuSProfile"));
    newProfile_ = addEntry(profile, "mnuProfile_0", QStringLiteral("&New Student Profile"),
                           &MainWindow::newStudentProfile);
    openProfile_ = addEntry(profile, "mnuProfile_1", QStringLiteral("&Open Student Profile..."),
                            &MainWindow::openStudentProfile);
    separator(profile, "blank2");
    deleteProfiles_ = addEntry(profile, "mnuDelProfile", QStringLiteral("&Delete Student Profile..."),
                               &MainWindow::deleteStudentProfiles);

    auto* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    homophoneOptions_ = addEntry(options, "mnuHomoOptions", QStringLiteral("&Homophones..."),
                                 &MainWindow::editHomophoneOptions);
    printOptions_ = addEntry(options, "mnuPrintOptions", QStringLiteral("Lesson &Print..."),
                             &MainWindow::editPrintOptions);
    wordOptions_ = addEntry(options, "mnuWordOptions", QStringLiteral("&Words Offered..."),
                            &MainWindow::editWordOptions);

    auto* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    helpContents_ = addEntry(help, "mnuContents", QStringLiteral("&Contents"), &MainWindow::showHelpContents);
    helpSearch_ =
        addEntry(help, "mnuSearchHelp", QStringLiteral("&Search for Help on..."), &MainWindow::searchHelp);
    separator(help, "blank4");
    about_ = addEntry(help, "mnuAbout", QStringLiteral("&About Moxlet..."), &MainWindow::showAbout);
}

bool MainWindow::load()
{
    setUpHelp();
    applyWindowSize();
    fillOffsetIndex();
    if (!scanProfiles()) return false;
    if (!loadOptions()) return false;
    restoreMenus();
    showSplash();
    reportDataProblems();
    return true;
}

void MainWindow::reportDataProblems()
{
    if (loadProblems_.empty()) return;
    services_.prompt.message(dataProblemsMessage(loadProblems_), "Moxlet", Icon::Exclamation, Buttons::Ok);
    loadProblems_.clear();
}

void MainWindow::setUpHelp()
{
    // The manual is installed with the program's other files; the window
    // that shows it is made on first use.
    helpFile_ = QDir(services_.installDir).filePath(QStringLiteral("moxlet.qch"));
}

HelpWindow* MainWindow::helpWindow()
{
    if (help_ && help_->ready()) return help_;
    delete help_;
    QString cache = seams_.helpCacheDir;
    if (cache.isEmpty())
        cache = QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))
                    .filePath(QStringLiteral("help"));
    auto* window = new HelpWindow(helpFile_, cache, seams_.openUrl);
    if (!window->ready()) {
        delete window;
        return nullptr;
    }
    return help_ = window;
}

void MainWindow::showHelpContents()
{
    if (HelpWindow* help = helpWindow()) help->showTopic(kHelpContentsTopic);
}

void MainWindow::searchHelp()
{
    if (HelpWindow* help = helpWindow()) help->showIndex();
}

HelpWindow* MainWindow::openedHelpWindow() const { return help_; }

void MainWindow::showHelpFor(const QString& keyword)
{
    if (HelpWindow* help = helpWindow()) help->showKeyword(keyword);
}

void MainWindow::showAbout() { AboutDialog::showFor(this, seams_.openUrl); }

void MainWindow::applyWindowSize()
{
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const double dpiX = screen ? screen->logicalDotsPerInchX() : 96.0;
    const double dpiY = screen ? screen->logicalDotsPerInchY() : 96.0;
    const QSize px = screen ? screen->size() : QSize(1024, 768);
    const WindowSize size =
        mainWindowSize(twipsFromPixels(px.width(), dpiX), twipsFromPixels(px.height(), dpiY));
    smallScreen_ = size.maximised;
    if (size.maximised) {
        setWindowState(Qt::WindowMaximized);
    } else {
        setWindowState(Qt::WindowNoState);
        resize(pixelsFromTwips(size.widthTwips, dpiX), pixelsFromTwips(size.heightTwips, dpiY));
    }
}

void MainWindow::fillOffsetIndex()
{
    moxlet::fillOffsetIndex(services_.words.index);
    services_.words.directory = wordBaseDirectory(services_.dataDir, services_.installDir.toStdString());
}

bool MainWindow::scanProfiles()
{
    // Counts the live profiles and updates old records; a read error is
    // reported with the load's message by the scan itself.
    DataFiles files(services_);
    return moxlet::scanProfiles(files.context(), activeProfileCount_, &loadProblems_);
}

bool MainWindow::loadOptions()
{
    DataFiles files(services_);
    moxlet::loadOptions(files.context(), services_.options, &loadProblems_);
    return true;
}

void MainWindow::showSplash()
{
    if (seams_.splashDuration.count() > 0) Splash::showModal(seams_.splashDuration, this);
}

void MainWindow::restoreMenus()
{
    for (QAction* a :
         {newPlan_, openPlan_, wordList_, deletePlans_, exit_, newProfile_, openProfile_, deleteProfiles_,
          homophoneOptions_, printOptions_, wordOptions_, helpContents_, helpSearch_, about_})
        a->setEnabled(true);
    if (activeProfileCount_ == 0) {
        for (QAction* a : {newPlan_, openPlan_, wordList_, openProfile_, deletePlans_, deleteProfiles_})
            a->setEnabled(false);
    }
    // Checking a passage changes nothing: it stays usable beside any window.
    passage_->setEnabled(activeProfileCount_ > 0);
}

void MainWindow::disablePlanAndProfileMenus()
{
    for (QAction* a :
         {newPlan_, openPlan_, wordList_, deletePlans_, newProfile_, openProfile_, deleteProfiles_})
        a->setEnabled(false);
}

void MainWindow::showInMdiArea(QWidget* window, int widthTwips, int heightTwips)
{
    QMdiSubWindow* sub = mdi_->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(window->windowTitle());
    MnemonicScope::install(window);
    if (smallScreen_) {
        sub->showMaximized();
    } else {
        QScreen* screen = this->screen();
        const double dpiX = screen ? screen->logicalDotsPerInchX() : 96.0;
        const double dpiY = screen ? screen->logicalDotsPerInchY() : 96.0;
        sub->setGeometry(0, 0, pixelsFromTwips(widthTwips, dpiX), pixelsFromTwips(heightTwips, dpiY));
        sub->showNormal();
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Every child gets its closing step; a child that refuses (Cancel in a
    // plan's save question, a plan that could not be saved) keeps the
    // program running with the child and its work, whether the tutor chose
    // E&xit or closed the window.
    mdi_->closeAllSubWindows();
    if (!mdi_->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    if (help_) help_->close();
    event->accept();
}

void MainWindow::exitProgram()
{
    if (close()) QApplication::exit(0);
}

void MainWindow::openProfileEditor(const StudentProfile& profile, std::int32_t recordNo)
{
    auto* editor = new ProfileEditor(services_, profile, recordNo);
    connect(editor, &ProfileEditor::saved, this, [this] { ++activeProfileCount_; });
    connect(editor, &ProfileEditor::closed, this, &MainWindow::restoreMenus);
    showInMdiArea(editor, ProfileEditor::kWidthTwips, ProfileEditor::kHeightTwips);
}

void MainWindow::newStudentProfile()
{
    WaitCursor wait;
    disablePlanAndProfileMenus();
    std::int32_t slot = 0;
    {
        DataFiles files(services_);
        slot = newProfileSlot(files.context());
    }
    openProfileEditor(newProfileDefaults(), slot);
}

void MainWindow::openStudentProfile()
{
    disablePlanAndProfileMenus();
    auto* chooser = new StudentChooser(services_, this);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(chooser, &QDialog::finished, this, [this, chooser] {
        if (!chooser->chosen()) {
            restoreMenus();
            return;
        }
        WaitCursor wait;
        const std::int32_t record = chooser->chosenRecord();
        DataFiles files(services_);
        DataFile file = openProfileFile(files.context());
        StudentProfile profile;
        if (!readProfileRecord(files.context(), file, record, profile)) {
            restoreMenus();
            return;
        }
        openProfileEditor(profile, record);
    });
    chooser->open();
}

void MainWindow::deleteStudentProfiles() { DeleteProfilesDialog::showFor(this, services_); }

PlanWindow* MainWindow::planWindow() const { return findChild<PlanWindow*>(); }

void MainWindow::openPlanWindow(PlanSession session)
{
    auto* window = new PlanWindow(services_, std::move(session));
    // While a plan is open its options stay as they are: they decide its
    // word lists and its printout.
    homophoneOptions_->setEnabled(false);
    printOptions_->setEnabled(false);
    wordOptions_->setEnabled(false);
    connect(window, &PlanWindow::closed, this, &MainWindow::restoreMenus);
    // A save says that it worked (the caption's "*" goes too).
    connect(&window->document(), &PlanDocument::saved, this, [this, window] {
        const PlanSession& s = window->session();
        statusBar()->showMessage(
            QStringLiteral("Saved the lesson plan of %1 (%2).")
                .arg(fromStored(s.plan.LessonDate.trimmed()), fromStored(studentListText(s.student))),
            10000);
    });
    QMdiSubWindow* sub = mdi_->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(window->windowTitle());
    MnemonicScope::install(window);
    // A plan is the tutor's main work: it takes the whole area.
    sub->showMaximized();
    window->setFocus();
    // Each time it becomes the active window an opened plan may be offered
    // new word lists (once after every change of the list sizes).
    connect(mdi_, &QMdiArea::subWindowActivated, window, [window, sub](QMdiSubWindow* active) {
        if (active == sub) window->offerRegeneration();
    });
    if (mdi_->activeSubWindow() == sub) QTimer::singleShot(0, window, &PlanWindow::offerRegeneration);
}

void MainWindow::newLessonPlan()
{
    disablePlanAndProfileMenus();
    auto* chooser = new StudentChooser(services_, this);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(chooser, &QDialog::finished, this, [this, chooser] {
        if (!chooser->chosen()) {
            restoreMenus();
            return;
        }
        WaitCursor wait;
        DataFiles files(services_);
        PlanSession session;
        if (beginStudentPlan(files.context(), chooser->chosenRecord(), session) != PlanStart::Ready) {
            restoreMenus();
            return;
        }
        openPlanWindow(std::move(session));
    });
    chooser->open();
}

void MainWindow::openLessonPlan()
{
    disablePlanAndProfileMenus();
    auto* chooser = new PlanChooser(services_, this);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(chooser, &QDialog::finished, this, [this, chooser] {
        if (!chooser->chosen()) {
            restoreMenus();
            return;
        }
        WaitCursor wait;
        DataFiles files(services_);
        PlanSession session;
        Problems problems;
        if (openStudentPlan(files.context(), chooser->chosenProfile(), chooser->chosenPlan(), session,
                            &problems) != PlanStart::Ready) {
            restoreMenus();
            return;
        }
        openPlanWindow(std::move(session));
    });
    chooser->open();
}

void MainWindow::openLessonPlanAt(std::int32_t profile, std::int32_t record)
{
    disablePlanAndProfileMenus();
    WaitCursor wait;
    DataFiles files(services_);
    PlanSession session;
    Problems problems;
    if (openStudentPlan(files.context(), profile, record, session, &problems) != PlanStart::Ready) {
        restoreMenus();
        return;
    }
    openPlanWindow(std::move(session));
}

void MainWindow::checkPassage()
{
    if (auto* open = findChild<PassageWindow*>()) {
        open->raise();
        open->activateWindow();
        return;
    }
    const PlanWindow* plan = planWindow();
    auto* window = new PassageWindow(services_, offeredWordLevel(services_),
                                     plan ? plan->session().plan.ProfileNo : 0, this);
    window->show();
}

void MainWindow::deleteLessonPlans()
{
    auto* dialog = new DeletePlansDialog(services_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void MainWindow::createWordList()
{
    // While the tool is open the plan and profile entries stay disabled, as
    // for a plan or a profile: a second tool or a plan cannot open over it,
    // and the students it lists cannot change under it.  The options stay
    // usable: the tool reads them when it generates and prints.
    disablePlanAndProfileMenus();
    auto* window = new WordListWindow(services_, smallScreen_);
    connect(window, &WordListWindow::closed, this, &MainWindow::restoreMenus);
    showInMdiArea(window, WordListWindow::kWidthTwips, WordListWindow::kHeightTwips);
    window->studentList()->setFocus();
}

void MainWindow::editHomophoneOptions()
{
    auto* dialog = new HomophoneOptionsDialog(services_, optionChangeMark_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void MainWindow::editPrintOptions()
{
    auto* dialog = new PrintOptionsDialog(services_, optionChangeMark_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void MainWindow::editWordOptions()
{
    auto* dialog = new WordOptionsDialog(services_, optionChangeMark_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

}  // namespace moxlet::ui
