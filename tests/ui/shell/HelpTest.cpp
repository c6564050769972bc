// Help: the manual this build compiles, and the help window the Help menu
// opens: the contents topic by its context number, a keyword for every menu
// entry and window, the index and the full-text search, closing with the
// main window, and nothing visible when the manual is missing or unreadable.
#include <QFile>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeView>

#include "ManualIndex.h"
#include "UiFixture.h"
#include "ui/plans/PlanWindow.h"
#include "ui/profiles/StudentChooser.h"
#include "ui/shell/HelpWindow.h"

using namespace moxlet;
using namespace moxlet::ui;
using moxlet::test::kManual;
using moxlet::test::UiFixture;

namespace {

// The caption of every window of the program, each of which the manual's
// index names (the keyword F1 looks up for each window a tutor opens:
// AccessibleNamesTest).  A new window adds its caption here and a keyword
// to manual/moxlet.qhp.
const QStringList kWindowCaptions =
    QStringLiteral(
        "Quillory Moxlet (main window)|Student Profile|Select Student|Student Personal Information|"
        "Delete Student Profile|Select Lesson Plan|Lesson Plan window|Lesson Plan for (plan window)|"
        "Select Auditory-Kinesthetic Word Segments|Select Review Word Segments for Vocal Reading|"
        "Select Spelling Dictation Word Segments|Select New Word Segments|Word List Summary|"
        "Edit Review Word List|Edit New Word List|Select Words for Spelling Dictation|"
        "Type in Unlisted Words|Skills Application|Delete Lesson Plans|Print Lesson Plan|"
        "Lesson Plan Preview|Print Status|Create Word List|Select Word Segment|"
        "Select Up to  5 Review Word Segments|Select Up to  5 New Word Segments|Print Word List|"
        "Word List Preview|Check a Word|Check a Passage|Print Passage Check|Lesson Print Options|Homophone "
        "Display Options|Word Options|"
        "About Moxlet|"
        "Moxlet Help (help window)|splash window|File Error|Printer Error")
        .split(QLatin1Char('|'));

// A menu entry's caption as the index names it: no underlined letter, no
// trailing dots.
QString indexName(QString caption)
{
    caption.remove(QLatin1Char('&'));
    while (caption.endsWith(QLatin1Char('.'))) caption.chop(1);
    return caption;
}

HelpWindow* helpWindowOf(UiFixture& f) { return f.main->openedHelpWindow(); }

}  // namespace

TEST(Help, TheManualShowsItsContentsAsContextTenAndIndexesEveryMenuEntryAndWindow)
{
    moxlet::test::ManualIndex manual;
    const QList<QHelpLink> contents = manual.engine.documentsForIdentifier(HelpWindow::topicIdentifier(10));
    ASSERT_EQ(contents.size(), 1);
    EXPECT_EQ(contents[0].url.fileName(), QStringLiteral("index.html"));
    EXPECT_EQ(contents[0].title, QStringLiteral("Moxlet Help: Contents"));
    EXPECT_FALSE(manual.engine.fileData(contents[0].url).isEmpty());
    for (const QString& c : kWindowCaptions) EXPECT_TRUE(manual.hasKeyword(c)) << c.toStdString();

    UiFixture f;
    f.start();
    int entries = 0;
    for (QAction* head : f.main->menuBar()->actions()) {
        EXPECT_TRUE(manual.hasKeyword(indexName(head->text()) + QStringLiteral(" menu")))
            << head->text().toStdString();
        for (QAction* a : head->menu()->actions()) {
            if (a->isSeparator()) continue;
            ++entries;
            EXPECT_TRUE(manual.hasKeyword(indexName(a->text()))) << a->text().toStdString();
        }
    }
    EXPECT_EQ(entries, 15);
}

// Made on first use, the help window opens at the contents page, which a
// screen reader announces as a window; its contents tree marks the page
// shown, opening the branch above it, also for the first page, shown
// before the tree was read; the full-text search finds the pages that use
// a word once its index is built in the background.  Contents again brings
// the same window back to the contents page; Escape and the Close button
// close it, Search for Help opens it at the index, and E&xit closes it.
TEST(Help, ContentsAndSearchOpenTheHelpWindowWhichFollowsItsPagesAndCloses)
{
    UiFixture f;
    f.start();
    EXPECT_EQ(helpWindowOf(f), nullptr);
    f.trigger("mnuContents");
    HelpWindow* help = helpWindowOf(f);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Moxlet Help"));
    EXPECT_EQ(help->currentPage().fileName(), QStringLiteral("index.html"));
    EXPECT_TRUE(f.prompt.shown().empty());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(help)->role(), QAccessible::Window);
    auto* contents = help->findChild<QTreeView*>(QStringLiteral("HelpContents"));
    const auto marked = [contents] {
        const QModelIndex at = contents->currentIndex();
        return at.data().toString() +
               (at.parent().isValid() && !contents->isExpanded(at.parent()) ? " (hidden)" : "");
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return marked() == QStringLiteral("Moxlet Help"); }, 5000))
        << marked().toStdString();
    help->showKeyword(QStringLiteral("Your data folder"));
    EXPECT_EQ(help->currentPage().fileName(), QStringLiteral("data-folder.html"));
    EXPECT_EQ(marked(), QStringLiteral("Your data folder"));

    QHelpSearchEngine* search = help->engine()->searchEngine();
    const bool found = QTest::qWaitFor(
        [search] {
            QSignalSpy done(search, &QHelpSearchEngine::searchingFinished);
            search->search(QStringLiteral("thinning"));
            return (done.count() > 0 || done.wait(5000)) && search->searchResultCount() > 0;
        },
        30000);
    ASSERT_TRUE(found);
    QStringList pages;
    for (const QHelpSearchResult& r : search->searchResults(0, search->searchResultCount()))
        pages << r.url().fileName();
    EXPECT_TRUE(pages.contains(QStringLiteral("word-lists.html"))) << pages.join(' ').toStdString();

    help->findChild<QTextBrowser*>(QStringLiteral("HelpPage"))
        ->setSource(QUrl(QStringLiteral("why-not.html")));
    EXPECT_EQ(help->currentPage().fileName(), QStringLiteral("why-not.html"));
    f.trigger("mnuContents");
    EXPECT_EQ(helpWindowOf(f), help);
    EXPECT_EQ(help->currentPage().fileName(), QStringLiteral("index.html"));

    QTest::keyClick(help->windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    f.trigger("mnuContents");
    ASSERT_TRUE(help->isVisible());
    auto* close = help->findChild<QAction*>(QStringLiteral("HelpClose"));
    ASSERT_NE(close, nullptr);
    QTest::mouseClick(help->findChild<QToolBar*>()->widgetForAction(close), Qt::LeftButton);
    EXPECT_FALSE(help->isVisible());

    // Search for Help opens the index, which fills in the background; then
    // typing narrows it and Enter shows the page of the keyword.
    f.trigger("mnuSearchHelp");
    EXPECT_EQ(helpWindowOf(f), help);
    auto* tabs = help->findChild<QTabWidget*>(QStringLiteral("HelpTabs"));
    auto* lookFor = help->findChild<QLineEdit*>(QStringLiteral("LookFor"));
    ASSERT_NE(lookFor, nullptr);
    EXPECT_TRUE(tabs->currentWidget()->isAncestorOf(lookFor));
    auto* index = help->findChild<QHelpIndexWidget*>(QStringLiteral("HelpIndex"));
    ASSERT_TRUE(QTest::qWaitFor([index] { return index->model()->rowCount() > 100; }, 10000));
    QTest::keyClicks(lookFor, QStringLiteral("moving to a new"));
    QTest::keyClick(lookFor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(help->currentPage().fileName(), QStringLiteral("data-folder.html"));
    EXPECT_EQ(help->currentPage().fragment(), QStringLiteral("moving"));

    f.trigger("mnuExit");  // closes the help window with the main window
    EXPECT_FALSE(help->isVisible());
}

TEST(Help, F1ShowsThePageOfTheWindowInUseEvenOverAWaitingDialog)
{
    moxlet::test::AnnsPlanFixture f(false);
    auto pageAfterF1 = [&](QWidget* target) {
        QTest::keyClick(target, Qt::Key_F1);
        HelpWindow* help = helpWindowOf(f);
        return help ? help->currentPage().fileName() : QString();
    };
    EXPECT_EQ(pageAfterF1(f.main.get()), QStringLiteral("getting-started.html"));

    // A dialog waiting for an answer: its page, and the help window takes
    // typing (through the window system, which honours modality) while the
    // dialog stays open.
    f.trigger("mnuPrintOptions");
    QWidget* options = QApplication::activeModalWidget();
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(pageAfterF1(options), QStringLiteral("print-options.html"));
    HelpWindow* help = helpWindowOf(f);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    help->findChild<QTabWidget*>(QStringLiteral("HelpTabs"))->setCurrentIndex(1);
    auto* lookFor = help->findChild<QLineEdit*>(QStringLiteral("LookFor"));
    lookFor->clear();
    lookFor->setFocus();
    QTest::keyClick(help->windowHandle(), Qt::Key_P);
    EXPECT_EQ(lookFor->text(), QStringLiteral("p"));
    EXPECT_TRUE(options->isVisible());
    options->close();

    // The plan window, whose caption names the student.
    f.trigger("mnuPlan_0");
    auto* chooser = f.window<StudentChooser>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(pageAfterF1(chooser), QStringLiteral("profiles.html"));
    moxlet::test::clickLine(moxlet::test::child<QListWidget>(chooser, "StudentList"), 0);
    moxlet::test::click(chooser, "OK");
    PlanWindow* plan = f.window<PlanWindow>();
    ASSERT_NE(plan, nullptr);
    EXPECT_EQ(pageAfterF1(plan->focusWidget() ? plan->focusWidget() : plan),
              QStringLiteral("lesson-plans.html"));
    EXPECT_EQ(pageAfterF1(f.main.get()), QStringLiteral("lesson-plans.html"));  // the active window inside it

    // A caption the index lacks: the contents page.
    help->showKeyword(QStringLiteral("no such window"));
    EXPECT_EQ(help->currentPage().fileName(), QStringLiteral("index.html"));
}

TEST(Help, ANewlyInstalledManualIsTakenUpByTheSameHelpFolder)
{
    QTemporaryDir install, cache;
    const QString copy = install.filePath(QStringLiteral("moxlet.qch"));
    ASSERT_TRUE(QFile::copy(kManual, copy));
    {
        HelpWindow first(copy, cache.path(), {});
        ASSERT_TRUE(first.ready());
    }
    // The manual is replaced (a new version of the program is installed).
    QFile file(copy);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    file.close();
    HelpWindow second(copy, cache.path(), {});
    EXPECT_TRUE(second.ready());
    EXPECT_FALSE(second.engine()->documentsForIdentifier(HelpWindow::topicIdentifier(10)).isEmpty());
}

TEST(Help, AMissingOrUnreadableManualMakesTheHelpEntriesDoNothingVisible)
{
    for (const QByteArray& content : {QByteArray(), QByteArray("not a compiled manual")}) {
        UiFixture f;
        QTemporaryDir install;
        if (!content.isNull()) {
            QFile file(install.filePath(QStringLiteral("moxlet.qch")));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        f.services.installDir = install.path();
        f.start();
        f.trigger("mnuContents");
        f.trigger("mnuSearchHelp");
        EXPECT_EQ(helpWindowOf(f), nullptr);
        EXPECT_TRUE(f.prompt.shown().empty());
        for (QWidget* w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->isVisible() && w != f.main.get()) << w->objectName().toStdString();
    }
}
