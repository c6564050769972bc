// A monkey over every window: from the main window's menus it opens
// whatever a tutor can reach and sends seeded random clicks, keys, typed
// text (over-long, control characters, characters the files cannot hold),
// list clicks with and without Ctrl and Shift, combo box choices and window
// closes, answering every message box at random.  Afterwards the data
// folder must pass the whole-folder check, and nothing may have crashed or
// (under the sanitizers) tripped a check.
//
// MOXLET_MONKEY_EVENTS (default 250) and MOXLET_MONKEY_SEEDS (default
// "1,2,3": a comma-separated list, or "A-B" for a range) set the run.
#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrintDialog>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <array>
#include <chrono>

#include "UiFixture.h"
#include "core/shell/DataCheck.h"

using namespace moxlet;
using namespace moxlet::ui;

namespace {

std::vector<std::uint32_t> seeds()
{
    const QString spec = QString::fromLocal8Bit(qgetenv("MOXLET_MONKEY_SEEDS"));
    std::vector<std::uint32_t> out;
    if (spec.contains(QLatin1Char('-'))) {
        const auto ends = spec.split(QLatin1Char('-'));
        for (std::uint32_t s = ends[0].toUInt(); s <= ends[1].toUInt(); ++s) out.push_back(s);
    } else if (!spec.isEmpty()) {
        for (const QString& s : spec.split(QLatin1Char(','))) out.push_back(s.toUInt());
    }
    if (out.empty()) out = {1, 2, 3};
    return out;
}

int eventsPerSeed()
{
    const int n = qEnvironmentVariableIntValue("MOXLET_MONKEY_EVENTS");
    return n > 0 ? n : 250;
}

class Monkey {
public:
    Monkey(moxlet::test::UiFixture& f, std::uint32_t seed) : f_(f), random_(seed)
    {
        f_.prompt.forgetTexts();
        f_.prompt.answerOthersWith([this](Buttons b) { return randomAnswer(b); });
        // The print dialog is cancelled or sends the printout to a PDF file
        // outside the data folder; the preview paints and closes.
        f_.printDialogs.answer = [this](QDialog& dialog) {
            if (!qobject_cast<QPrintDialog*>(&dialog)) return f_.printDialogs.showBriefly(dialog);
            return !chance(50) &&
                   moxlet::test::printToPdf(dialog, printouts_.filePath(QStringLiteral("printout.pdf")));
        };
    }

    void run(int events)
    {
        for (int i = 0; i < events; ++i) {
            step();
            QApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    // Closes every window, answering No to saving, so the folder is left as
    // the tutor's saves made it.
    void closeAll()
    {
        f_.prompt.answerOthersWith(
            [](Buttons b) { return b == Buttons::YesNoCancel ? Answer::No : Answer::Ok; });
        for (int round = 0; round < 10; ++round) {
            bool any = false;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w == f_.main.get() || !w->isVisible()) continue;
                w->close();
                any = true;
            }
            f_.main->mdiArea()->closeAllSubWindows();
            QApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (!any && f_.main->mdiArea()->subWindowList().isEmpty()) break;
        }
    }

    int actions() const { return actions_; }

private:
    int pick(int n) { return n <= 0 ? 0 : static_cast<int>(random_.bounded(static_cast<std::uint32_t>(n))); }
    bool chance(int percent) { return pick(100) < percent; }
    template <class T>
    T* any(const std::vector<T*>& all)
    {
        return all.empty() ? nullptr : all[static_cast<std::size_t>(pick(static_cast<int>(all.size())))];
    }

    Answer randomAnswer(Buttons b)
    {
        switch (b) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::OkCancel: return chance(50) ? Answer::Ok : Answer::Cancel;
        case Buttons::YesNo: return chance(50) ? Answer::Yes : Answer::No;
        case Buttons::YesNoCancel: return std::array{Answer::Yes, Answer::No, Answer::Cancel}[pick(3)];
        case Buttons::RetryCancel: return chance(30) ? Answer::Retry : Answer::Cancel;
        case Buttons::AbortRetryIgnore:
            return std::array{Answer::Abort, Answer::Retry, Answer::Ignore}[pick(3)];
        }
        return Answer::Ok;
    }

    // The window the tutor would be working in: a modal dialog, else the
    // newest other window, else the main window.
    QWidget* target()
    {
        if (QWidget* modal = QApplication::activeModalWidget()) return modal;
        std::vector<QWidget*> others;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != f_.main.get() && w->isVisible() && qobject_cast<QDialog*>(w)) others.push_back(w);
        return !others.empty() && chance(70) ? any(others) : f_.main.get();
    }

    template <class T>
    std::vector<T*> usable(QWidget* window)
    {
        std::vector<T*> found;
        for (T* w : window->findChildren<T*>())
            // Not those of a dialog it owns (a window of its own), but those
            // of a window inside the main window's MDI area.
            if (w->isVisibleTo(window) && w->isEnabled() && w->window() == window->window())
                found.push_back(w);
        return found;
    }

    QString randomText()
    {
        static const QStringList pieces =
            QStringLiteral(
                "cat|09|1426|Lee| |\t|\x01|é|→|😀|*|Page(s): |abcdefghijklmnopqrstuvwxyz0123456789|%1|0|9|_")
                .arg(QString(200, QLatin1Char('x')))
                .split(QLatin1Char('|'));
        QString text;
        for (int n = pick(4) + 1; n > 0; --n) text += pieces[pick(static_cast<int>(pieces.size()))];
        return text;
    }

    void step()
    {
        ++actions_;
        QWidget* window = target();
        if (window == f_.main.get() && (f_.main->mdiArea()->subWindowList().isEmpty() || chance(15))) {
            triggerMenu();
            return;
        }
        if (window == f_.main.get()) {
            if (QMdiSubWindow* sub = f_.main->mdiArea()->activeSubWindow(); sub && sub->widget())
                window = sub->widget();
        }
        // Of ten rolls: 3 clicks, 2 typings, 2 list clicks, a key, a combo box, a close or a click.
        const int roll = pick(10);
        if (roll < 3 || (roll == 9 && !chance(40)))
            clickButton(window);
        else if (roll < 5)
            typeInto(window);
        else if (roll < 7)
            clickList(window);
        else if (roll == 7)
            pressKey(window);
        else if (roll == 8)
            chooseInCombo(window);
        else
            closeWindow(window);
    }

    void triggerMenu()
    {
        std::vector<QAction*> entries;
        for (QAction* head : f_.main->menuBar()->actions())
            for (QAction* a : head->menu()->actions())
                if (!a->isSeparator() && a->isEnabled() && a->objectName() != QLatin1String("mnuExit"))
                    entries.push_back(a);
        if (QAction* a = any(entries)) a->trigger();
    }

    void clickButton(QWidget* window)
    {
        if (QAbstractButton* b = any(usable<QAbstractButton>(window))) QTest::mouseClick(b, Qt::LeftButton);
    }

    void typeInto(QWidget* window)
    {
        QLineEdit* e = any(usable<QLineEdit>(window));
        if (!e) return;
        e->setFocus();
        if (!e->inputMask().isEmpty() && chance(70)) {
            // A date or a syllable count: mostly digits, as a tutor types them.
            e->setCursorPosition(0);
            QString digits;
            for (int n = 0; n < 6; ++n) digits += QChar(u'0' + pick(10));
            QTest::keyClicks(e, digits);
            return;
        }
        if (chance(30)) e->selectAll();
        if (chance(20)) e->setCursorPosition(pick(e->text().size() + 1));
        // Keys for what a keyboard types; the rest arrives as a paste would
        // (QTest types only plain ASCII).
        for (const QChar c : randomText()) {
            if (c.unicode() >= 32 && c.unicode() < 127)
                QTest::keyClick(e, c.toLatin1());
            else
                e->insert(QString(c));
        }
        if (chance(20)) QTest::keyClick(e, Qt::Key_Backspace);
    }

    void clickList(QWidget* window)
    {
        // Lists, and trees of lines under headings (a click on a heading
        // selects or clears its group).
        std::vector<QAbstractItemView*> lists;
        for (QAbstractItemView* v : usable<QAbstractItemView>(window))
            if (qobject_cast<QListWidget*>(v) || qobject_cast<QTreeWidget*>(v)) lists.push_back(v);
        QAbstractItemView* l = any(lists);
        if (!l) return;
        const QAbstractItemModel* model = l->model();
        if (model->rowCount() == 0) return;
        QModelIndex item = model->index(pick(model->rowCount()), 0);
        if (model->rowCount(item) > 0 && !chance(10))
            item = model->index(pick(model->rowCount(item)), 0, item);
        l->scrollTo(item);
        const QPoint at = l->visualRect(item).center();
        const Qt::KeyboardModifiers mods[] = {Qt::NoModifier, Qt::NoModifier, Qt::ControlModifier,
                                              Qt::ShiftModifier};
        if (chance(15))
            QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, at);
        else
            QTest::mouseClick(l->viewport(), Qt::LeftButton, mods[pick(4)], at);
    }

    void pressKey(QWidget* window)
    {
        static const Qt::Key keys[] = {Qt::Key_Return,  Qt::Key_Escape,   Qt::Key_Space,  Qt::Key_Tab,
                                       Qt::Key_Backtab, Qt::Key_Up,       Qt::Key_Down,   Qt::Key_Home,
                                       Qt::Key_End,     Qt::Key_PageDown, Qt::Key_Delete, Qt::Key_Backspace};
        QWidget* focus = QApplication::focusWidget();
        if (!focus || focus->window() != window->window()) focus = window;
        if (chance(25)) {
            // An underlined letter.
            QTest::keyClick(focus, static_cast<Qt::Key>(Qt::Key_A + pick(26)), Qt::AltModifier);
            return;
        }
        QTest::keyClick(focus, keys[pick(static_cast<int>(std::size(keys)))]);
    }

    void chooseInCombo(QWidget* window)
    {
        if (QComboBox* c = any(usable<QComboBox>(window)); c && c->count() > 0)
            c->setCurrentIndex(pick(c->count()));
    }

    void closeWindow(QWidget* window)
    {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
            sub->close();
        else
            window->close();
    }

    moxlet::test::UiFixture& f_;
    QRandomGenerator random_;
    int actions_ = 0;
    QTemporaryDir printouts_;
};

}  // namespace

TEST(Monkey, RandomUseOfEveryWindowLeavesAWholeDataFolder)
{
    const int events = eventsPerSeed();
    long total = 0;
    const auto started = std::chrono::steady_clock::now();
    for (std::uint32_t seed : seeds()) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        moxlet::test::UiFixture f;
        f.addProfile("Lee", "Ann", {0, 10, 11, 17, 43, 51, 86, 93, 121, 153});
        f.addProfile("Moss", "", {0, 43, 121, 159, 273});
        f.start();
        Monkey monkey(f, seed);
        monkey.run(events);
        monkey.closeAll();
        total += monkey.actions();

        // Whatever happened, every file of the folder reads back whole.
        ScriptedPrompt quiet;
        const DirectorySummary s = checkDataDirectory(FileContext{f.fs, quiet, f.random});
        for (const auto& p : s.problems) ADD_FAILURE() << p.describe();
        EXPECT_EQ(quiet.count(), 0u);
        f.main.reset();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("monkey: %ld events over %zu seed(s) in %.1f s\n", total, seeds().size(), seconds);
}
