#include "ScreenshotSession.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <cstdio>

#include "core/catalogue/SegmentIds.h"
#include "core/profiles/ProfileFile.h"
#include "core/store/DiskFileSystem.h"
#include "ui/profiles/StudentChooser.h"

namespace moxlet::screenshots {

namespace {

// A clipboard that keeps nothing: screenshots never copy.
class NoClipboard : public ui::Clipboard {
public:
    void clear() override {}
    void setText(const QString&) override {}
};

void settle(int ms)
{
    QElapsedTimer t;
    t.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } while (t.elapsed() < ms);
}

struct Sample {
    const char* last;
    const char* first;
    int min, max;
    std::vector<int> studied;
    const char* parents;
};

std::vector<int> range(int first, int last)
{
    std::vector<int> ids;
    for (int id = first; id <= last; ++id) ids.push_back(id);
    return ids;
}

std::vector<int> join(std::initializer_list<std::vector<int>> parts)
{
    std::vector<int> ids;
    for (const auto& p : parts) ids.insert(ids.end(), p.begin(), p.end());
    return ids;
}

}  // namespace

// Print dialogs that never wait: cancelled, unless a picture of a printout
// is wanted, which is then printed to a PDF file as a tutor without a
// printer would.
class PdfPrintDialogs : public ui::PrintDialogs {
public:
    QString file;

    bool exec(QDialog& dialog) override
    {
        auto* print = qobject_cast<QPrintDialog*>(&dialog);
        if (!print || file.isEmpty()) return false;
        QPrinter* printer = print->printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file);
        // The page the layout was made for: Letter, a printer's quarter-inch
        // margins.
        printer->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                           QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
        file.clear();
        return true;
    }
};

Session::Session(const QString& installDir, bool withStudents)
{
    clipboard_ = std::make_unique<NoClipboard>();
    printDialogs_ = std::make_unique<PdfPrintDialogs>();
    services_ =
        std::make_unique<ui::Services>(ui::Services{prompt_, random_, *clipboard_, *printDialogs_, options_,
                                                    words_, data_.path().toStdString(), installDir});
    if (withStudents) addSampleStudents();
    main_ = std::make_unique<ui::MainWindow>(*services_);
    ui::ShellSeams seams;
    seams.splashDuration = {};
    seams.openUrl = [](const QUrl&) { return true; };
    seams.helpCacheDir = helpCache_.path();
    main_->setSeams(seams);
    main_->load();
    main_->show();
    settle(100);
}

Session::~Session()
{
    main_.reset();
    settle(20);
}

void Session::addSampleStudents()
{
    using namespace moxlet::seg;
    // Short vowels, single consonants and digraphs; a few blends; Closed Syllable.
    const std::vector<int> basics = {
        A_Short, E_Short, I_Short,     O_Short, U_Short, B,  C_K, D,         F,  G_G, H,
        J,       K,       L,           M,       N,       P,  QU,  R,         S,  T,   V,
        W,       X_KS,    Y_Consonant, Z,       CH_CH,   SH, TH,  TH_Voiced, WH, CK,  ClosedSyllable};
    const Sample samples[] = {
        {"Rivera", "Sam", 1, 2, join({basics, {124, 126, 146, 149, 153, SilentE, EE, AI}}),
         "Maria and Jon Rivera"},
        {"Okafor", "Ada", 1, 3, join({basics, range(124, 158), {SilentE, OpenSyllable, VowelPair, EA_LongE}}),
         "Grace Okafor"},
        {"Nguyen", "Linh", 1, 2, basics, "Thanh Nguyen"},
        {"Tuesday Group", "", 1, 2, {A_Short, I_Short, B, C_K, D, M, S, T}, ""},
    };
    DiskFileSystem fs(data_.path().toStdString());
    FileContext ctx{fs, prompt_, random_};
    for (const Sample& s : samples) {
        StudentProfile p = newProfileDefaults();
        p.ParentName.assign(s.parents);
        if (*s.parents) {
            p.Address.assign("12 Example Lane, Springfield");
            p.StudentSchool.assign("Lincoln Elementary School");
            p.StudentTeacher.assign("Ms. Park");
            p.StudentGrade.assign("3");
            p.HourlyRate.assign("45.00");
            p.HomePhone.assign("555-0142");
            p.WorkPhone.assign("555-0187");
            p.TeachPhone.assign("555-0123");
            p.StudentComments.assign("Prefers morning lessons; likes books about animals.");
        }
        ProfileEditorInput input{s.last, s.first, s.min, s.max, std::vector<bool>(seg::Count, false)};
        for (int id : s.studied) input.selected[static_cast<std::size_t>(id)] = true;
        saveProfile(ctx, p, newProfileSlot(ctx), input);
    }
}

void Session::flush() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void Session::trigger(const char* entry)
{
    if (auto* action = main_->findChild<QAction*>(QString::fromLatin1(entry))) action->trigger();
    settle(50);
}

void Session::openProfile(const QString& student)
{
    auto* chooser = open<ui::StudentChooser>("mnuProfile_1");
    if (!chooser) return;
    const auto found = chooser->studentList()->findItems(student, Qt::MatchExactly);
    if (!found.isEmpty()) chooser->studentList()->setCurrentItem(found.first());
    chooser->accept();
    settle(50);
}

QWidget* Session::popUpMenu(const char* name)
{
    auto* menu = main_->findChild<QMenu*>(QString::fromLatin1(name));
    if (!menu) return nullptr;
    main_->menuBar()->setActiveAction(menu->menuAction());
    settle(100);
    return menu;
}

void Session::click(QWidget* window, const char* button)
{
    auto* b = window ? window->findChild<QPushButton*>(QString::fromLatin1(button)) : nullptr;
    if (!b) {
        std::fprintf(stderr, "moxlet-screenshots: no button %s\n", button);
        return;
    }
    b->click();
    settle(50);
}

void Session::chooseLine(QListWidget* list, const QString& text)
{
    const auto found = list ? list->findItems(text, Qt::MatchExactly) : QList<QListWidgetItem*>();
    if (found.isEmpty()) {
        std::fprintf(stderr, "moxlet-screenshots: no line %s\n", qPrintable(text));
        return;
    }
    list->setCurrentItem(found.first());
    settle(20);
}

void Session::settle(int ms) { screenshots::settle(ms); }

void Session::printToPdf(const QString& file) { printDialogs_->file = file; }

QPixmap Session::grab(QWidget* window, int settleMs)
{
    if (!window) return {};
    settle(settleMs);
    return window->grab();
}

}  // namespace moxlet::screenshots
