#include "Profile.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "Catalogue.h"
#include "DataFiles.h"
#include "GetName.h"
#include "MDIForm1.h"
#include "MarkFont.h"
#include "Personal.h"
#include "ProfileEdit.h"
#include "Text.h"
#include "WindowSize.h"

namespace moxlet::ui {

namespace {
// The editor's normal size, in twips, at the main window's top left.
constexpr int kWidthTwips = 11940;
constexpr int kHeightTwips = 8220;

void showInMdiArea(MDIForm1& main, Profile* editor)
{
    QMdiSubWindow* sub = main.mdiArea()->addSubWindow(editor);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(editor->windowTitle());
    if (main.services().globals.SmallScreen == 1) {
        sub->showMaximized();
    } else {
        QScreen* screen = main.screen();
        const double dpiX = screen ? screen->logicalDotsPerInchX() : 96.0;
        const double dpiY = screen ? screen->logicalDotsPerInchY() : 96.0;
        sub->setGeometry(0, 0, pixelsFromTwips(kWidthTwips, dpiX), pixelsFromTwips(kHeightTwips, dpiY));
        sub->showNormal();
    }
}
}  // namespace

Profile* Profile::newProfile(MDIForm1& main)
{
    Services& s = main.services();
    WaitCursor wait;
    main.setPlanAndProfileMenusEnabled(false);
    {
        DataFiles files(s);
        s.globals.ProfileRecordNo = NewProfileSlot(files.context());
    }
    s.globals.CurrentProfile = NewProfileDefaults();
    auto* editor = new Profile(main);
    editor->fillFromRecord();
    showInMdiArea(main, editor);
    return editor;
}

void Profile::openProfile(MDIForm1& main)
{
    Services& s = main.services();
    auto* chooser = new GetName(s, &main);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(chooser, &QDialog::finished, &main, [&main, &s, chooser] {
        if (!chooser->chosen()) {
            main.restoreMenus();
            return;
        }
        WaitCursor wait;
        main.setPlanAndProfileMenusEnabled(false);
        s.globals.ProfileRecordNo = chooser->chosenRecord();
        DataFiles files(s);
        DataFile file = OpenProfileFile(files.context());
        if (!ReadProfileRecord(files.context(), file, s.globals.ProfileRecordNo, s.globals.CurrentProfile)) {
            main.restoreMenus();
            return;
        }
        auto* editor = new Profile(main);
        editor->fillFromRecord();
        showInMdiArea(main, editor);
    });
    chooser->open();
}

Profile::Profile(MDIForm1& main, QWidget* parent)
    : QWidget(parent), main_(main), services_(main.services())
{
    setObjectName(QStringLiteral("Profile"));
    setWindowTitle(QStringLiteral("Student Profile"));

    lastName_ = new QLineEdit(this);
    lastName_->setObjectName(QStringLiteral("LastName"));
    lastName_->setMaxLength(25);
    firstName_ = new QLineEdit(this);
    firstName_->setObjectName(QStringLiteral("FirstName"));
    firstName_->setMaxLength(25);
    syllableMin_ = syllableField("SyllableMin");
    syllableMax_ = syllableField("SyllableMax");
    connect(syllableMin_, &QLineEdit::textChanged, this, &Profile::SyllableMin_Change);
    connect(syllableMax_, &QLineEdit::textChanged, this, &Profile::SyllableMax_Change);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("PList"));
    list_->setSelectionMode(QAbstractItemView::MultiSelection);
    list_->setFont(MarkFont::font());
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(true);
    int widest = 0;
    const QFontMetrics marks(list_->font());
    for (SegmentId id : listAllSegments()) {
        const QString name = markedText(segmentName(id));
        widest = std::max(widest, marks.horizontalAdvance(name));
        list_->addItem(name);
    }
    // Columns as wide as the longest name, so that no name is cut short.
    list_->setGridSize(QSize(widest + 12, marks.height() + 4));
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection&) {
                PList_SelectionChanged(selected);
            });

    personalInfo_ = new QPushButton(QStringLiteral("&Personal Info..."), this);
    personalInfo_->setObjectName(QStringLiteral("Personal_Info"));
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("OK"));
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("Cancel"));
    connect(personalInfo_, &QPushButton::clicked, this, &Profile::Personal_Info_Click);
    connect(ok_, &QPushButton::clicked, this, &Profile::OK_Click);
    connect(cancel_, &QPushButton::clicked, this, &Profile::Cancel_Click);

    auto label = [this](const char* text, QWidget* buddy) {
        auto* l = new QLabel(QString::fromLatin1(text), this);
        l->setBuddy(buddy);
        return l;
    };
    auto* names = new QGridLayout;
    names->addWidget(label("Last Name (or Group Name):", lastName_), 0, 0);
    names->addWidget(lastName_, 1, 0);
    names->addWidget(label("First Name:", firstName_), 0, 1);
    names->addWidget(firstName_, 1, 1);
    names->addWidget(new QLabel(QStringLiteral("Syllable Range for Word Lists:"), this), 0, 2, 1, 4);
    names->addWidget(label("Minimum", syllableMin_), 1, 2);
    names->addWidget(syllableMin_, 1, 3);
    names->addWidget(label("Maximum", syllableMax_), 1, 4);
    names->addWidget(syllableMax_, 1, 5);
    names->setColumnStretch(0, 3);
    names->setColumnStretch(1, 3);
    names->setColumnStretch(6, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(personalInfo_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(names);
    layout->addWidget(label("Previously Studied Word Segments (Phonograms, Blends, Rules, Affixes, "
                            "and Roots):",
                            list_));
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    personal_ = new Personal(services_, this);
}

QLineEdit* Profile::syllableField(const char* name)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setInputMask(QStringLiteral("0;_"));
    field->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0")) * 3 + 16);
    field->installEventFilter(this);
    return field;
}

QString Profile::fieldText(const QLineEdit* field)
{
    return field->text().isEmpty() ? QStringLiteral("_") : field->text();
}

bool Profile::eventFilter(QObject* watched, QEvent* event)
{
    const bool select = event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonRelease;
    if (select && (watched == syllableMin_ || watched == syllableMax_)) {
        // Select the one character once the click that gave the focus has
        // placed the cursor, so that a typed digit replaces it.  A click into
        // a field that has the focus already selects it too: a tutor who
        // clicks a one-digit field means to change the digit.
        auto* field = static_cast<QLineEdit*>(watched);
        QTimer::singleShot(0, field, [field] { field->setSelection(0, 1); });
    }
    return QWidget::eventFilter(watched, event);
}

void Profile::fillFromRecord()
{
    const StudentProfile& p = services_.globals.CurrentProfile;
    lastName_->setText(fromStored(p.LastName.trimmed()));
    firstName_->setText(fromStored(p.FirstName.trimmed()));
    syllableMin_->setText(QString::number(p.SyllableMin));
    syllableMax_->setText(QString::number(p.SyllableMax));
    personal_->fillFromRecord();

    filling_ = true;
    const std::vector<bool> selected = selectionFromStudied(p.StudiedSegments, list_->count());
    list_->clearSelection();
    for (int i = 0; i < list_->count(); ++i)
        if (selected[static_cast<std::size_t>(i)]) list_->item(i)->setSelected(true);
    filling_ = false;
    list_->scrollToTop();
    list_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

void Profile::paintEvent(QPaintEvent* event)
{
    loading_ = false;
    QWidget::paintEvent(event);
}

void Profile::SyllableMin_Change()
{
    const int v = syllableValue(toStored(fieldText(syllableMin_)));
    if (loading_ || v < 1) return;
    if (auto advice = minimumAdvice(v))
        services_.prompt.message(advice->text, advice->title, Icon::Information, Buttons::Ok);
}

void Profile::SyllableMax_Change()
{
    const int v = syllableValue(toStored(fieldText(syllableMax_)));
    if (loading_ || v < 1) return;
    if (auto advice = maximumAdvice(v))
        services_.prompt.message(advice->text, advice->title, Icon::Information, Buttons::Ok);
}

std::vector<bool> Profile::selectedLines() const
{
    std::vector<bool> selected(static_cast<std::size_t>(list_->count()), false);
    for (const QModelIndex& index : list_->selectionModel()->selectedIndexes())
        selected[static_cast<std::size_t>(index.row())] = true;
    return selected;
}

void Profile::PList_SelectionChanged(const QItemSelection& selected)
{
    if (filling_) return;
    for (const QModelIndex& index : selected.indexes()) {
        auto refusal = blendSelectionRefusal(index.row(), selectedLines());
        if (!refusal) continue;
        filling_ = true;
        list_->item(index.row())->setSelected(false);
        filling_ = false;
        // The box is shown once the click or key press that selected the
        // line has been handled, so the list is not left mid-click.  It has
        // no title of its own; the program's name serves.
        QTimer::singleShot(0, this, [this, text = *refusal] {
            services_.prompt.message(text, "Moxlet", Icon::Exclamation, Buttons::Ok);
        });
    }
}

void Profile::Personal_Info_Click()
{
    WaitCursor wait;
    if (!lastName_->text().trimmed().isEmpty())
        syllableMin_->setFocus();
    else
        lastName_->setFocus();
    personal_->open();
}

void Profile::OK_Click()
{
    WaitCursor wait;
    DataFiles files(services_);
    const ProfileBoxes boxes{toStored(lastName_->text()), toStored(firstName_->text()),
                             toStored(fieldText(syllableMin_)), toStored(fieldText(syllableMax_))};
    const auto live = ListProfiles(files.context());
    if (auto refusal = checkProfileBoxes(boxes, live, services_.globals.ProfileRecordNo)) {
        services_.prompt.message(refusal->message, kSaveProfileTitle, Icon::None, Buttons::Ok);
        switch (refusal->focus) {
        case ProfileField::LastName: lastName_->setFocus(); break;
        case ProfileField::FirstName: firstName_->setFocus(); break;
        case ProfileField::SyllableMin: syllableMin_->setFocus(); break;
        case ProfileField::SyllableMax: syllableMax_->setFocus(); break;
        }
        return;
    }
    ProfileEditorInput input;
    input.LastName = boxes.lastName;
    input.FirstName = boxes.firstName;
    input.SyllableMin = syllableValue(boxes.syllableMin);
    input.SyllableMax = syllableValue(boxes.syllableMax);
    input.selected = selectedLines();
    // A profile that could not be written stays open, so nothing typed is lost.
    if (SaveNewProfile(files.context(), services_.globals, input)) unload();
}

void Profile::Cancel_Click() { unload(); }

void Profile::unload()
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void Profile::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void Profile::Form_Unload()
{
    if (unloaded_) return;
    unloaded_ = true;
    personal_->hide();
    main_.restoreMenus();
}

}  // namespace moxlet::ui
