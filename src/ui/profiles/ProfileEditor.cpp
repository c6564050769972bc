#include "ui/profiles/ProfileEditor.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/catalogue/Catalogue.h"
#include "core/profiles/ProfileEdit.h"
#include "core/profiles/ProfileFile.h"
#include "ui/common/DataFiles.h"
#include "ui/common/FindField.h"
#include "ui/common/StoredTextValidator.h"
#include "ui/common/Text.h"
#include "ui/profiles/PersonalInfoDialog.h"
#include "ui/profiles/StudiedSegmentTree.h"

namespace moxlet::ui {

ProfileEditor::ProfileEditor(Services& services, const StudentProfile& profile, std::int32_t recordNo,
                             QWidget* parent)
    : QWidget(parent), services_(services), profile_(profile), recordNo_(recordNo)
{
    setObjectName(QStringLiteral("Profile"));  // the form name
    setWindowTitle(QStringLiteral("Student Profile"));

    lastName_ = new QLineEdit(this);
    lastName_->setObjectName(QStringLiteral("LastName"));
    lastName_->setMaxLength(25);
    firstName_ = new QLineEdit(this);
    firstName_->setObjectName(QStringLiteral("FirstName"));
    firstName_->setMaxLength(25);
    refuseUnstorableCharacters({lastName_, firstName_});
    syllableMin_ = syllableField("SyllableMin");
    syllableMax_ = syllableField("SyllableMax");
    connect(syllableMin_, &QLineEdit::textChanged, this, &ProfileEditor::adviseOnMinimum);
    connect(syllableMax_, &QLineEdit::textChanged, this, &ProfileEditor::adviseOnMaximum);

    list_ = new StudiedSegmentTree(this);
    connect(
        list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        [this](const QItemSelection& selected, const QItemSelection&) { refuseIncompleteBlends(selected); });
    connect(list_, &StudiedSegmentTree::headingToggled, this, &ProfileEditor::toggleHeading);
    find_ = new FindField(list_, this);

    personalInfo_ = new QPushButton(QStringLiteral("&Personal Info..."), this);
    personalInfo_->setObjectName(QStringLiteral("Personal_Info"));
    connect(personalInfo_, &QPushButton::clicked, this, &ProfileEditor::showPersonalInfo);
    auto* box = new QDialogButtonBox(this);
    auto* ok = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OK"));
    auto* cancel = box->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Cancel"));
    connect(box, &QDialogButtonBox::accepted, this, &ProfileEditor::saveProfile);
    connect(box, &QDialogButtonBox::rejected, this, &ProfileEditor::cancel);

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
    buttons->addWidget(box);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(names);
    layout->addWidget(label("Previously Studied Word Segments (Phonograms, Blends, Rules, Affixes, "
                            "and Roots):",
                            list_));
    layout->addWidget(find_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    list_->setAccessibleName(QStringLiteral("Previously Studied Word Segments"));
    personal_ = new PersonalInfoDialog(profile_, this);
    fillFromProfile();
}

QLineEdit* ProfileEditor::syllableField(const char* name)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setInputMask(QStringLiteral("0;_"));
    field->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0")) * 3 + 16);
    field->installEventFilter(this);
    return field;
}

QString ProfileEditor::fieldText(const QLineEdit* field)
{
    return field->text().isEmpty() ? QStringLiteral("_") : field->text();
}

bool ProfileEditor::eventFilter(QObject* watched, QEvent* event)
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

void ProfileEditor::fillFromProfile()
{
    const StudentProfile& p = profile_;
    lastName_->setText(fromStored(p.LastName.trimmed()));
    firstName_->setText(fromStored(p.FirstName.trimmed()));
    syllableMin_->setText(QString::number(p.SyllableMin));
    syllableMax_->setText(QString::number(p.SyllableMax));

    selectingByProgram_ = true;
    const std::vector<bool> selected = selectionFromStudied(p.StudiedSegments, kSegmentCount);
    std::vector<int> lines;
    for (int i = 0; i < kSegmentCount; ++i)
        if (selected[static_cast<std::size_t>(i)]) lines.push_back(i);
    list_->clearSelection();
    list_->setSegmentsSelected(lines, true);
    selectingByProgram_ = false;
    list_->setCurrentItem(list_->headingItem(0), 0, QItemSelectionModel::NoUpdate);
    list_->scrollToTop();
}

void ProfileEditor::paintEvent(QPaintEvent* event)
{
    loading_ = false;
    QWidget::paintEvent(event);
}

void ProfileEditor::adviseOnMinimum()
{
    const int v = syllableValue(toStored(fieldText(syllableMin_)));
    if (loading_ || v < 1) return;
    if (auto advice = minimumAdvice(v))
        services_.prompt.message(advice->text, advice->title, Icon::Information, Buttons::Ok);
}

void ProfileEditor::adviseOnMaximum()
{
    const int v = syllableValue(toStored(fieldText(syllableMax_)));
    if (loading_ || v < 1) return;
    if (auto advice = maximumAdvice(v))
        services_.prompt.message(advice->text, advice->title, Icon::Information, Buttons::Ok);
}

std::vector<bool> ProfileEditor::selectedLines() const { return list_->selectedLines(); }

void ProfileEditor::refuseIncompleteBlends(const QItemSelection& selected)
{
    if (selectingByProgram_) return;
    for (const QModelIndex& index : selected.indexes()) {
        const SegmentId segment = StudiedSegmentTree::segmentOf(index);
        if (segment < 0) continue;  // a heading: the tree asks for its group
        auto refusal = blendSelectionRefusal(segment, selectedLines());
        if (!refusal) continue;
        selectingByProgram_ = true;
        list_->setSegmentsSelected({segment}, false);
        selectingByProgram_ = false;
        tellRefusal(*refusal);
    }
}

void ProfileEditor::toggleHeading(int heading, bool select)
{
    const auto& members = list_->headings()[static_cast<std::size_t>(heading)].members;
    const GroupSelection group = select ? groupSelection(members, selectedLines())
                                        : GroupSelection{{members.begin(), members.end()}, {}};
    selectingByProgram_ = true;
    list_->setSegmentsSelected(group.lines, select);
    selectingByProgram_ = false;
    if (group.refusal) tellRefusal(*group.refusal);
}

void ProfileEditor::tellRefusal(const std::string& text)
{
    // The box is shown once the click or key press that selected the line
    // has been handled, so the list is not left mid-click.  It has no title
    // of its own; the program's name serves.
    QTimer::singleShot(
        0, this, [this, text] { services_.prompt.message(text, "Moxlet", Icon::Exclamation, Buttons::Ok); });
}

void ProfileEditor::showPersonalInfo()
{
    WaitCursor wait;
    if (!lastName_->text().trimmed().isEmpty())
        syllableMin_->setFocus();
    else
        lastName_->setFocus();
    personal_->open();
}

void ProfileEditor::saveProfile()
{
    WaitCursor wait;
    DataFiles files(services_);
    const ProfileBoxes boxes{toStored(lastName_->text()), toStored(firstName_->text()),
                             toStored(fieldText(syllableMin_)), toStored(fieldText(syllableMax_))};
    const auto live = listProfiles(files.context());
    if (auto refusal = checkProfileBoxes(boxes, live, recordNo_)) {
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
    if (!moxlet::saveProfile(files.context(), profile_, recordNo_, input)) return;
    Q_EMIT saved();
    closeWindow();
}

void ProfileEditor::cancel() { closeWindow(); }

void ProfileEditor::closeWindow()
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void ProfileEditor::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (closed_) return;
    closed_ = true;
    personal_->hide();
    Q_EMIT closed();
}

}  // namespace moxlet::ui
