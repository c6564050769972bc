// moxlet-screenshots INSTALL-DIR OUTPUT-DIR [NAME...]: saves the manual's
// pictures of the program's windows, offscreen, into OUTPUT-DIR (normally
// manual/images); with NAMEs only those.  INSTALL-DIR holds the word base and
// the compiled manual (<build>/share/moxlet).  "./dev screenshots" builds
// and runs it and then makes the PNGs smaller.
//
// Each picture is one line of kShots: its file name and how to open the
// window in a fresh session (sample students, main window shown).  A new
// window gets a new line.  A printout is a line of kPrintouts: it is printed
// to OUTPUT-DIR/NAME.pdf, which "./dev screenshots" turns into NAME.png (its
// first page) with pdftoppm.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <chrono>
#include <cstdio>
#include <functional>

#include "SamplePlans.h"
#include "ScreenshotSession.h"
#include "core/catalogue/Catalogue.h"
#include "core/catalogue/SegmentIds.h"
#include "ui/common/Text.h"
#include "ui/options/HomophoneOptionsDialog.h"
#include "ui/options/PrintOptionsDialog.h"
#include "ui/plans/DeletePlansDialog.h"
#include "ui/plans/GenerationSummary.h"
#include "ui/plans/PlanChooser.h"
#include "ui/plans/PlanWindow.h"
#include "ui/plans/SectionEditor.h"
#include "ui/plans/SkillsDialog.h"
#include "ui/profiles/DeleteProfilesDialog.h"
#include "ui/profiles/PersonalInfoDialog.h"
#include "ui/profiles/ProfileEditor.h"
#include "ui/profiles/StudentChooser.h"
#include "ui/profiles/StudiedSegmentTree.h"
#include "ui/shell/AboutDialog.h"
#include "ui/shell/HelpWindow.h"
#include "ui/shell/ProductPicture.h"
#include "ui/shell/Splash.h"
#include "ui/wordlist/WordListWindow.h"
#include "ui/words/SegmentPickerDialog.h"
#include "ui/words/TypedWordsDialog.h"
#include "ui/words/WordChoiceDialog.h"

using namespace moxlet;
using namespace moxlet::ui;
using namespace moxlet::screenshots;

namespace {

struct Shot {
    const char* file;
    std::function<QPixmap(Session&)> take;
    bool students = true;  // false: a first start, no students yet
};

// The help window, opened from the Help menu, its contents unfolded.
QPixmap helpWindow(Session& s, const char* entry, const QString& lookFor = {})
{
    s.trigger(entry);
    HelpWindow* help = s.main().openedHelpWindow();  // a window of its own, not a child
    if (!help) return {};
    help->resize(900, 600);
    help->engine()->contentWidget()->expandToDepth(0);
    if (!lookFor.isEmpty()) help->findChild<QLineEdit*>(QStringLiteral("LookFor"))->setText(lookFor);
    return s.grab(help, 800);
}

// Sam Rivera's plans saved, the newest opened in the plan window.
PlanWindow* samplePlan(Session& s)
{
    addSamplePlans(s);
    return openPlan(s, kSampleStudent, kSampleDate);
}

// A window the plan window opens with one of its buttons.
template <class W>
QPixmap fromPlan(Session& s, const char* button)
{
    s.click(samplePlan(s), button);
    return s.grab(s.find<W>());
}

// A list of dates with the student chosen (and a date selected).
template <class W>
QPixmap planDates(Session& s, const char* entry, const QString& date = {})
{
    addSamplePlans(s);
    auto* dialog = s.open<W>(entry);
    if (!dialog) return {};
    s.chooseLine(dialog->studentList(), kSampleStudent);
    if (!date.isEmpty()) s.chooseLine(dialog->planList(), date);
    return s.grab(dialog);
}

// The Review lists of a new plan just made: the summary.
QPixmap generationSummary(Session& s)
{
    PlanWindow* plan = newPlan(s, kSampleStudent);
    if (!plan) return {};
    s.click(pickSegments(s, plan, PlanSection::Review, {seg::CK, seg::SH, seg::EE, seg::AI}), "OK");
    s.settle(200);
    return s.grab(plan->sections()->summary());
}

// Type... in the spelling row that has a typed word.
QPixmap typedWords(Session& s)
{
    s.click(samplePlan(s), "Cmd3X_0");
    s.click(s.find<WordChoiceDialog>(), "Type");
    return s.grab(s.find<TypedWordsDialog>());
}

// The word list tool with a list generated and chosen automatically.
QPixmap wordListTool(Session& s)
{
    auto* tool = s.open<WordListWindow>("mnuPlan_2");
    if (!tool) return {};
    s.chooseLine(tool->studentList(), kSampleStudent);
    s.click(tool, "PhnCmd");
    if (auto* picker = s.find<SegmentPickerDialog>()) {
        for (int id : {seg::SH, seg::CK})
            for (QListWidgetItem* line :
                 picker->list()->findItems(markedText(segmentName(id)), Qt::MatchExactly))
                line->setSelected(true);
        s.click(picker, "OK");
    }
    tool->findChild<QCheckBox*>(QStringLiteral("AutoSel"))->setChecked(true);
    s.click(tool, "GenerateWordList");
    return s.grab(tool->parentWidget());  // the tool in its frame
}

// clang-format off: one line per picture.
const Shot kShots[] = {
    {"icon.png", [](Session&) { return productPicture(48); }},
    {"splash.png",
     [](Session& s) {
         Splash splash(std::chrono::hours(1));
         splash.show();
         return s.grab(&splash);
     }},
    {"main-window.png", [](Session& s) { return s.grab(&s.main()); }, false},
    {"start-page.png",
     [](Session& s) {
         addSamplePlans(s);  // made, saved and closed: the plans opened last
         return s.grab(&s.main());
     }},
    {"menu-plan.png", [](Session& s) { return s.grab(s.popUpMenu("mnuLPlan")); }},
    {"menu-profile.png", [](Session& s) { return s.grab(s.popUpMenu("mnuSProfile")); }},
    {"menu-options.png", [](Session& s) { return s.grab(s.popUpMenu("mnuOptions")); }},
    {"menu-help.png", [](Session& s) { return s.grab(s.popUpMenu("mnuHelp")); }},
    {"profile-editor.png",
     [](Session& s) {
         s.trigger("mnuProfile_0");
         return s.grab(&s.main());
     }},
    {"profile-editor-studied.png",
     [](Session& s) {
         s.openProfile("Rivera, Sam");
         auto* tree = s.find<StudiedSegmentTree>();
         for (std::size_t h = 0; h < tree->headings().size(); ++h)
             if (tree->headings()[h].title == "Short Vowels" ||
                 tree->headings()[h].title == "Consonant Blends")
                 tree->expandItem(tree->headingItem(static_cast<int>(h)));
         return s.grab(&s.main());
     }},
    {"profile-editor-find.png",
     [](Session& s) {
         s.openProfile("Rivera, Sam");
         s.find<ProfileEditor>()
             ->findChild<QLineEdit*>(QStringLiteral("Find"))
             ->setText(QStringLiteral("ea"));
         return s.grab(&s.main());
     }},
    {"student-chooser.png", [](Session& s) { return s.grab(s.open<StudentChooser>("mnuProfile_1")); }},
    {"personal-info.png",
     [](Session& s) {
         s.openProfile("Rivera, Sam");
         s.find<ProfileEditor>()->showPersonalInfo();
         return s.grab(s.find<PersonalInfoDialog>());
     }},
    {"delete-profile.png", [](Session& s) { return s.grab(s.open<DeleteProfilesDialog>("mnuDelProfile")); }},
    {"about.png", [](Session& s) { return s.grab(s.open<AboutDialog>("mnuAbout")); }},
    {"help-window.png", [](Session& s) { return helpWindow(s, "mnuContents"); }},
    {"help-index.png", [](Session& s) { return helpWindow(s, "mnuSearchHelp", QStringLiteral("syll")); }},
    {"select-lesson-plan.png",
     [](Session& s) { return planDates<PlanChooser>(s, "mnuPlan_1", kSampleDate); }},
    {"plan-window.png",
     [](Session& s) {
         samplePlan(s);
         return s.grab(&s.main());
     }},
    {"segment-picker.png", [](Session& s) { return fromPlan<SegmentPickerDialog>(s, "Cmd_1"); }},
    {"word-list-summary.png", generationSummary},
    {"edit-word-list.png", [](Session& s) { return fromPlan<WordChoiceDialog>(s, "Cmd2X_0"); }},
    {"spelling-words.png", [](Session& s) { return fromPlan<WordChoiceDialog>(s, "Cmd3X_1"); }},
    {"type-words.png", typedWords},
    {"skills.png", [](Session& s) { return fromPlan<SkillsDialog>(s, "ReadCmd"); }},
    {"delete-plans.png",
     [](Session& s) { return planDates<DeletePlansDialog>(s, "mnuDelPlan", QStringLiteral("09-02-25")); }},
    {"word-list-tool.png", wordListTool},
    {"print-options.png", [](Session& s) { return s.grab(s.open<PrintOptionsDialog>("mnuPrintOptions")); }},
    {"homophones.png", [](Session& s) { return s.grab(s.open<HomophoneOptionsDialog>("mnuHomoOptions")); }},
};

// A printout: what prints it to the PDF file the session was given.
struct Printout {
    const char* file;
    std::function<void(Session&)> print;
};

const Printout kPrintouts[] = {
    {"printed-plan.pdf", [](Session& s) { s.click(samplePlan(s), "Print"); }},
};
// clang-format on

bool wanted(const QStringList& names, const char* file)
{
    const QString base = QFileInfo(QString::fromLatin1(file)).completeBaseName();
    if (names.isEmpty()) return true;
    for (const QString& name : names)
        if (QFileInfo(name).completeBaseName() == base) return true;
    return false;
}

// The help window shows a picture at its own size, and one that it has to
// scale (a width in the page) loses strokes of its letters.  So pictures are
// taken at the size they are shown, and one wider than the help window's
// page (680 pixels at first, less its scroll bar and margins) is made
// smaller here, smoothly.
constexpr int kPageWidth = 650;

QPixmap fitPage(const QPixmap& picture)
{
    return picture.width() > kPageWidth ? picture.scaledToWidth(kPageWidth, Qt::SmoothTransformation)
                                        : picture;
}

// Says which message boxes a picture met: none is expected.
void reportMessages(const Session& s, const char* file)
{
    for (const auto& shown : s.prompt().shown())
        std::fprintf(stderr, "moxlet-screenshots: %s: message \"%s\" (%s)\n", file, shown.text.c_str(),
                     shown.title.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(productPicture(64)));  // as the program does
    if (argc < 3) {
        std::fprintf(stderr, "usage: moxlet-screenshots INSTALL-DIR OUTPUT-DIR [NAME...]\n");
        return 2;
    }
    const QString installDir = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QStringList names;
    for (int i = 3; i < argc; ++i) names << QString::fromLocal8Bit(argv[i]);

    int failed = 0;
    for (const Shot& shot : kShots) {
        if (!wanted(names, shot.file)) continue;
        Session session(installDir, shot.students);
        const QPixmap picture = fitPage(shot.take(session));
        reportMessages(session, shot.file);
        if (picture.isNull() || !picture.save(out.filePath(QString::fromLatin1(shot.file)), "PNG")) {
            std::fprintf(stderr, "moxlet-screenshots: could not take %s\n", shot.file);
            ++failed;
            continue;
        }
        std::printf("%s %dx%d\n", shot.file, picture.width(), picture.height());
    }
    for (const Printout& printout : kPrintouts) {
        if (!wanted(names, printout.file)) continue;
        const QString pdf = out.filePath(QString::fromLatin1(printout.file));
        QFile::remove(pdf);
        Session session(installDir);
        session.printToPdf(pdf);
        printout.print(session);
        reportMessages(session, printout.file);
        if (!QFileInfo(pdf).isFile() || QFileInfo(pdf).size() == 0) {
            std::fprintf(stderr, "moxlet-screenshots: could not print %s\n", printout.file);
            ++failed;
            continue;
        }
        std::printf("%s %lld bytes\n", printout.file, static_cast<long long>(QFileInfo(pdf).size()));
    }
    return failed == 0 ? 0 : 1;
}
