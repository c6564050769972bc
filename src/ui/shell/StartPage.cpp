#include "ui/shell/StartPage.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/profiles/ProfileFile.h"
#include "ui/common/DataFiles.h"
#include "ui/common/Text.h"
#include "ui/plans/PlanDocument.h"
#include "ui/plans/PlanWindow.h"
#include "ui/shell/MainWindow.h"

namespace moxlet::ui {

namespace {
const QString kNoStudentsYet = QStringLiteral(
    "Start by creating a student: Moxlet plans every lesson from the word segments a student has "
    "already studied.");
}

StartPage::StartPage(MainWindow& main) : QWidget(main.mdiArea()->viewport()), main_(main)
{
    setObjectName(QStringLiteral("StartPage"));
    setAccessibleName(QStringLiteral("Start page"));

    // A card in the middle of the grey area.
    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("StartCard"));
    card->setFrameShape(QFrame::StyledPanel);
    card->setAutoFillBackground(true);
    card->setBackgroundRole(QPalette::Base);
    card->setMaximumWidth(560);

    auto* title = new QLabel(QStringLiteral("Welcome to Moxlet"), card);
    title->setObjectName(QStringLiteral("StartTitle"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    hint_ = new QLabel(kNoStudentsYet, card);
    hint_->setObjectName(QStringLiteral("StartHint"));
    hint_->setWordWrap(true);

    auto* grid = new QGridLayout;
    const auto step = [&](const char* name, const char* caption, const char* entry) {
        return addStep(card, name, QString::fromLatin1(caption), entry);
    };
    grid->addWidget(step("StartNewStudent", "Create a &Student...", "mnuProfile_0"), 0, 0);
    grid->addWidget(step("StartOpenPlan", "Open a &Lesson Plan...", "mnuPlan_1"), 0, 1);
    grid->addWidget(step("StartWordList", "Make a &Word List...", "mnuPlan_2"), 1, 0);
    grid->addWidget(step("StartManual", "Read the &Manual", "mnuContents"), 1, 1);

    recentBox_ = new QWidget(card);
    auto* recentHeading = new QLabel(QStringLiteral("Lesson plans opened last:"), recentBox_);
    QFont bold = recentHeading->font();
    bold.setBold(true);
    recentHeading->setFont(bold);
    recentList_ = new QVBoxLayout(recentBox_);
    recentList_->setContentsMargins(0, 8, 0, 0);
    recentList_->addWidget(recentHeading);

    auto* inside = new QVBoxLayout(card);
    inside->setContentsMargins(24, 20, 24, 20);
    inside->setSpacing(12);
    inside->addWidget(title);
    inside->addWidget(hint_);
    inside->addLayout(grid);
    inside->addWidget(recentBox_);

    auto* centre = new QGridLayout(this);
    centre->addWidget(card, 1, 1);
    centre->setRowStretch(0, 1);
    centre->setRowStretch(2, 2);
    centre->setColumnStretch(0, 1);
    centre->setColumnStretch(2, 1);

    QWidget* area = main.mdiArea()->viewport();
    area->installEventFilter(this);
    main.installEventFilter(this);
    setGeometry(area->rect());
    lower();
}

QPushButton* StartPage::addStep(QWidget* parent, const char* name, const QString& caption,
                                const char* menuEntry)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setMinimumWidth(220);
    steps_.push_back(b);
    // The button does what the menu entry does, when the entry may.
    if (QAction* entry = main_.findChild<QAction*>(QString::fromLatin1(menuEntry))) {
        b->setEnabled(entry->isEnabled());
        connect(entry, &QAction::enabledChanged, b, &QWidget::setEnabled);
        connect(b, &QPushButton::clicked, entry, &QAction::trigger);
    }
    return b;
}

void StartPage::refresh()
{
    std::vector<RecentPlanLine> lines;
    bool noStudents = true;
    {
        DataFiles files(main_.services());
        Problems ignored;  // the load reports damaged records
        noStudents = listProfiles(files.context(), &ignored).empty();
        if (!noStudents) lines = recentPlanLines(files.context());
    }
    hint_->setVisible(noStudents);
    showRecentPlans(lines);
}

void StartPage::showRecentPlans(const std::vector<RecentPlanLine>& lines)
{
    while (recentList_->count() > 1) {
        QLayoutItem* item = recentList_->takeAt(1);
        delete item->widget();
        delete item;
    }
    int n = 0;
    for (const RecentPlanLine& line : lines) {
        auto* b = new QPushButton(QStringLiteral("&%1   %2, lesson of %3")
                                      .arg(n + 1)
                                      .arg(fromStored(line.student), fromStored(line.plan.date)),
                                  recentBox_);
        b->setObjectName(QStringLiteral("RecentPlan_%1").arg(n));
        b->setFlat(true);
        b->setStyleSheet(QStringLiteral("text-align: left; padding: 4px 8px;"));
        b->setEnabled(main_.findChild<QAction*>(QStringLiteral("mnuPlan_1"))->isEnabled());
        const RecentPlan plan = line.plan;
        connect(b, &QPushButton::clicked, this,
                [this, plan] { main_.openLessonPlanAt(plan.profile, plan.record); });
        recentList_->addWidget(b);
        ++n;
    }
    recentBox_->setVisible(n > 0);
}

void StartPage::showEvent(QShowEvent* event)
{
    refresh();
    QWidget::showEvent(event);
}

void StartPage::followWindows()
{
    bool windowOpen = false;
    for (QMdiSubWindow* sub : main_.mdiArea()->subWindowList()) {
        sub->installEventFilter(this);  // once: a filter installed again replaces itself
        if (auto* plan = qobject_cast<PlanWindow*>(sub->widget())) watchPlanWindow(plan);
        windowOpen = windowOpen || sub->isVisible();
    }
    setVisible(!windowOpen);
    if (!windowOpen) lower();
}

void StartPage::watchPlanWindow(PlanWindow* plan)
{
    if (plan->property("moxletStartPageWatched").toBool()) return;
    plan->setProperty("moxletStartPageWatched", true);
    remember(plan);
    connect(&plan->document(), &PlanDocument::saved, this, [this, plan] { remember(plan); });
}

void StartPage::remember(const PlanWindow* plan)
{
    // A plan that is in its file as the window shows it: opened and not
    // changed since, or saved.
    const PlanSession& s = plan->session();
    if (s.isNew || s.changed) return;
    DataFiles files(main_.services());
    rememberRecentPlan(files.fs(), {s.student.ProfileNo, s.recordNo, s.plan.LessonDate.trimmed()});
}

bool StartPage::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type t = event->type();
    // The page lives on the MDI area's viewport, its parent; the main window
    // is not asked, as the viewport's events go on while it is torn down.
    if (watched == parentWidget()) {
        if (t == QEvent::Resize) setGeometry(parentWidget()->rect());
        // A child is told of before it is whole: it is looked at once the
        // event loop comes round.
        if (t == QEvent::ChildAdded || t == QEvent::ChildRemoved)
            QTimer::singleShot(0, this, &StartPage::followWindows);
    } else if (qobject_cast<QMdiSubWindow*>(watched)) {
        if (t == QEvent::Show || t == QEvent::Hide) QTimer::singleShot(0, this, &StartPage::followWindows);
    } else if (watched == &main_ && t == QEvent::ChildRemoved && isVisible()) {
        // A dialog of the main window closed: it may have changed the
        // students or the plans.
        QTimer::singleShot(0, this, [this] {
            if (isVisible()) refresh();
        });
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace moxlet::ui
