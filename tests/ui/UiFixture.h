#pragma once
// What the GUI tests share: a fresh data folder, scripted message boxes, a
// reproducible random source, a clipboard in memory, the word base and
// manual of this build, no splash window, web addresses recorded instead of
// opened, and the main window driven through its menu (new and opened
// plans included); plus helpers that click, type and find widgets by their
// object names as a tutor's actions reach them.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string_view>

#include "core/catalogue/Catalogue.h"
#include "core/plans/PlanFile.h"
#include "core/profiles/ProfileFile.h"
#include "core/store/DiskFileSystem.h"
#include "core/store/PlanCodec.h"
#include "support/MemoryClipboard.h"
#include "support/ScriptedPrintDialogs.h"
#include "support/ScriptedPrompt.h"
#include "support/Segments.h"
#include "ui/common/Text.h"
#include "ui/plans/GenerationSummary.h"
#include "ui/plans/PlanChooser.h"
#include "ui/plans/PlanWindow.h"
#include "ui/plans/SectionEditor.h"
#include "ui/profiles/StudentChooser.h"
#include "ui/shell/MainWindow.h"
#include "ui/words/SegmentPickerDialog.h"

namespace moxlet::test {

struct UiFixture {
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    SeededRandom random{7};
    ui::MemoryClipboard clipboard;
    ui::ScriptedPrintDialogs printDialogs;
    OptionSettings options;
    WordSource words;
    ui::Services services{prompt,
                          random,
                          clipboard,
                          printDialogs,
                          options,
                          words,
                          dir.path().toStdString(),
                          QStringLiteral(MOXLET_BINARY_DIR "/share/moxlet")};
    DiskFileSystem fs{dir.path().toStdString()};
    FileContext ctx{fs, prompt, random};
    QTemporaryDir helpCache;
    std::vector<QUrl> openedUrls;  // what the program asked a browser to open
    ui::ShellSeams seams{std::chrono::milliseconds(0),
                         [this](const QUrl& url) {
                             openedUrls.push_back(url);
                             return true;
                         },
                         helpCache.path()};
    std::unique_ptr<ui::MainWindow> main;

    ~UiFixture() { main.reset(); }

    std::filesystem::path file(const std::string& name) const
    {
        return dir.path().toStdString() + "/" + name;
    }
    // A file of the data folder, written or read whole.
    void put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(file(name), std::ios::binary) << bytes;
    }
    std::string get(const std::string& name) const
    {
        std::ifstream in(file(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Loads and shows the main window.
    void start()
    {
        main = std::make_unique<ui::MainWindow>(services);
        main->setSeams(seams);
        EXPECT_TRUE(main->load());
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    }

    // A profile written as the editor writes it.
    void addProfile(const std::string& last, const std::string& first, std::vector<int> segments = {},
                    int syllableMin = 1)
    {
        StudentProfile profile = newProfileDefaults();
        ProfileEditorInput input{last, first, syllableMin, 9, std::vector<bool>(332, false)};
        for (int s : segments) input.selected[static_cast<std::size_t>(s)] = true;
        ASSERT_TRUE(saveProfile(ctx, profile, newProfileSlot(ctx), input));
    }

    // Plans of student 1 with these lesson dates, as records 1, 2, ...
    void addPlans(std::initializer_list<const char*> dates)
    {
        const StudentProfile student = record(1);
        DataFile plans = openDataFile(ctx, *planFileName(1), FileKind::Plan, kPlanRecordLen);
        std::int32_t n = 0;
        for (const char* date : dates) {
            LessonPlan plan = newPlanRecord(student);
            plan.LessonDate.assign(date);
            ASSERT_TRUE(writePlanRecord(ctx, plans, ++n, plan));
        }
    }

    StudentProfile record(std::int32_t n)
    {
        StudentProfile p;
        DataFile file = openProfileFile(ctx);
        EXPECT_TRUE(readProfileRecord(ctx, file, n, p));
        return p;
    }

    QAction* action(const char* entry) const { return main->findChild<QAction*>(QString::fromLatin1(entry)); }
    bool enabled(const char* entry) const { return action(entry)->isEnabled(); }
    void trigger(const char* entry)
    {
        QAction* a = action(entry);
        ASSERT_NE(a, nullptr) << entry;
        ASSERT_TRUE(a->isEnabled()) << entry;
        a->trigger();
        QApplication::processEvents();
        if (std::string_view(entry) == "mnuExit") forgetExitRequest();
    }

    // "E&xit" asks the application's event loop to end.  Tests run no such
    // loop, so the request would stay pending and end the next modal loop at
    // once (a splash window, a test's wait); a loop that ends straight away
    // takes it up.
    static void forgetExitRequest()
    {
        // exit, not quit: quit asks the windows to close first, and one
        // that keeps its work open refuses.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }

    // The one live window of type T (closed ones are deleted first).
    template <class T>
    T* window()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return main->findChild<T*>();
    }

    std::vector<std::string> texts() const { return prompt.texts(); }

    // "&New Lesson Plan..." for the student on line `line` of the chooser.
    ui::PlanWindow* newPlan(int line = 0);
    // "&Open Lesson Plan..." for a student's line and a plan's date line.
    ui::PlanWindow* openPlan(int studentLine = 0, int dateLine = 0);
    ui::PlanWindow* plan() { return window<ui::PlanWindow>(); }
    // A section's "..." picker of the plan window.
    ui::SegmentPickerDialog* openPicker(ui::PlanWindow* w, PlanSection section);
    // The segments picked in a section's picker, then OK (and the summary
    // of a generation closed).
    void choose(ui::PlanWindow* w, PlanSection section, std::initializer_list<int> ids);
    // The words of a Review or New list.
    static std::vector<std::string> listWords(ui::PlanWindow* w, PlanSection list, int slot);
};

template <class W>
W* child(QWidget* parent, const char* name)
{
    auto* w = parent->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

inline void click(QWidget* parent, const char* button)
{
    QTest::mouseClick(child<QPushButton>(parent, button), Qt::LeftButton);
    QApplication::processEvents();
}

inline void type(QWidget* parent, const char* box, const QString& text)
{
    auto* edit = child<QLineEdit>(parent, box);
    QTest::mouseClick(edit, Qt::LeftButton);
    QApplication::processEvents();  // the masked fields select their digit now
    if (edit->inputMask().isEmpty()) edit->selectAll();
    QTest::keyClicks(edit, text);
    QApplication::processEvents();
}

// Answers a print dialog with the PDF file `pdf`; false for any other dialog.
inline bool printToPdf(QDialog& shown, const QString& pdf)
{
    auto* dialog = qobject_cast<QPrintDialog*>(&shown);
    if (!dialog) return false;
    dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
    dialog->printer()->setOutputFileName(pdf);
    return true;
}

// Types digits into a plan window's lesson date from its first position.
inline void typeDate(QWidget* planWindow, const QString& digits)
{
    auto* date = child<QLineEdit>(planWindow, "LessonDate");
    date->setFocus();
    date->setCursorPosition(0);
    QTest::keyClicks(date, digits);
    QApplication::processEvents();
}

inline void clickLine(QListWidget* list, int row, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    list->scrollToItem(list->item(row));
    QApplication::processEvents();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, mods, list->visualItemRect(list->item(row)).center());
    QApplication::processEvents();  // a refusal's box comes after the click
}

inline ui::PlanWindow* UiFixture::newPlan(int line)
{
    trigger("mnuPlan_0");
    auto* chooser = window<ui::StudentChooser>();
    EXPECT_NE(chooser, nullptr);
    if (!chooser) return nullptr;
    clickLine(child<QListWidget>(chooser, "StudentList"), line);
    click(chooser, "OK");
    return plan();
}

inline ui::PlanWindow* UiFixture::openPlan(int studentLine, int dateLine)
{
    trigger("mnuPlan_1");
    auto* chooser = window<ui::PlanChooser>();
    EXPECT_NE(chooser, nullptr);
    if (!chooser) return nullptr;
    clickLine(chooser->studentList(), studentLine);
    clickLine(chooser->planList(), dateLine);
    click(chooser, "OK");
    return plan();
}

// Clicks the line of a segment picker that shows segment `id`.
inline void pickSegment(ui::SegmentPickerDialog* picker, int id, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    const auto found = picker->list()->findItems(ui::markedText(segmentName(id)), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << id;
    clickLine(picker->list(), picker->list()->row(found.first()), mods);
}

inline ui::SegmentPickerDialog* UiFixture::openPicker(ui::PlanWindow* w, PlanSection section)
{
    click(w, QStringLiteral("Cmd_%1").arg(sectionIndex(section)).toLatin1());
    auto* picker = w->findChild<ui::SegmentPickerDialog*>();
    EXPECT_NE(picker, nullptr);
    return picker;
}

inline void UiFixture::choose(ui::PlanWindow* w, PlanSection section, std::initializer_list<int> ids)
{
    ui::SegmentPickerDialog* picker = openPicker(w, section);
    if (!picker) return;
    for (int id : ids) pickSegment(picker, id);
    click(picker, "OK");
    if (w->sections()->summary()) w->sections()->summary()->close();
}

inline std::vector<std::string> UiFixture::listWords(ui::PlanWindow* w, PlanSection list, int slot)
{
    std::vector<std::string> found;
    for (int k = 0; k < kListPositions && w->session().listPos(list, slot, k) != kEmptyCell; ++k)
        found.push_back(w->session().listWord(list, slot, k).trimmed());
    return found;
}

// Lee, Ann of kAnnStudied with the main window shown and, unless told
// otherwise, a new plan open.
struct AnnsPlanFixture : UiFixture {
    ui::PlanWindow* w = nullptr;
    explicit AnnsPlanFixture(bool openPlan = true)
    {
        addProfile("Lee", "Ann", kAnnStudied);
        start();
        if (openPlan) w = newPlan();
        EXPECT_EQ(w != nullptr, openPlan);
    }
    // Dated, saved and closed.
    void saveAndClose()
    {
        child<QLineEdit>(w, "LessonDate")->setText(QStringLiteral("091426"));
        click(w, "Save");
        click(w, "Close");
        EXPECT_EQ(plan(), nullptr);
    }
    void reopen()
    {
        w = openPlan();
        QApplication::processEvents();  // the regeneration question comes after the opening
        ASSERT_NE(w, nullptr);
    }
};

// Every control, list and grid that a window shows (a combo box's
// drop-down list too) has a name a screen reader can announce, not just "...", and a group
// box is announced by its own title rather than by a group around it.
inline void expectAccessibleNames(QWidget* window)
{
    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->inherits("QHeaderView") || w->inherits("QComboBoxPrivateContainer"))
            continue;  // part of their view
        if (auto* combo = qobject_cast<QComboBox*>(w)) controls << combo->view();
        if (!w->isVisibleTo(window)) continue;
        if (w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractItemView*>(w)) controls << w;
    }
    for (QWidget* w : controls) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr);
        QString name = a->text(QAccessible::Name);
        EXPECT_FALSE(name.remove(QLatin1Char('.')).trimmed().isEmpty())
            << w->objectName().toStdString() << " " << w->metaObject()->className() << " in "
            << (w->parentWidget() ? w->parentWidget()->metaObject()->className() : "");
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->text().remove(QLatin1Char('.')).isEmpty()) {
            EXPECT_FALSE(b->toolTip().isEmpty())
                << "a button without a caption needs a tooltip: " << b->objectName().toStdString();
        }
    }
    for (QGroupBox* box : window->findChildren<QGroupBox*>()) {
        for (const auto& [label, relation] :
             QAccessible::queryAccessibleInterface(box)->relations(QAccessible::Label))
            EXPECT_EQ(label->text(QAccessible::Name).toStdString(),
                      box->title().remove(QLatin1Char('&')).toStdString())
                << box->objectName().toStdString();
    }
}

}  // namespace moxlet::test
