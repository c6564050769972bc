#include "ui/profiles/ProfileEditor.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/catalogue/Catalogue.h"
#include "core/profiles/ProfileEdit.h"
#include "core/profiles/ProfileFile.h"
#include "ui/common/DataFiles.h"
#include "ui/common/MarkFont.h"
#include "ui/common/StoredTextValidator.h"
#include "ui/common/Text.h"
#include "ui/profiles/PersonalInfoDialog.h"

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
    connect(
        list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        [this](const QItemSelection& selected, const QItemSelection&) { refuseIncompleteBlends(selected); });

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
    const std::vector<bool> selected = selectionFromStudied(p.StudiedSegments, list_->count());
    list_->clearSelection();
    for (int i = 0; i < list_->count(); ++i)
        if (selected[static_cast<std::size_t>(i)]) list_->item(i)->setSelected(true);
    selectingByProgram_ = false;
    list_->scrollToTop();
    list_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
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

std::vector<bool> ProfileEditor::selectedLines() const
{
    std::vector<bool> selected(static_cast<std::size_t>(list_->count()), false);
    for (const QModelIndex& index : list_->selectionModel()->selectedIndexes())
        selected[static_cast<std::size_t>(index.row())] = true;
    return selected;
}

void ProfileEditor::refuseIncompleteBlends(const QItemSelection& selected)
{
    if (selectingByProgram_) return;
    for (const QModelIndex& index : selected.indexes()) {
        auto refusal = blendSelectionRefusal(index.row(), selectedLines());
        if (!refusal) continue;
        selectingByProgram_ = true;
        list_->item(index.row())->setSelected(false);
        selectingByProgram_ = false;
        // The box is shown once the click or key press that selected the
        // line has been handled, so the list is not left mid-click.  It has
        // no title of its own; the program's name serves.
        QTimer::singleShot(0, this, [this, text = *refusal] {
            services_.prompt.message(text, "Moxlet", Icon::Exclamation, Buttons::Ok);
        });
    }
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
