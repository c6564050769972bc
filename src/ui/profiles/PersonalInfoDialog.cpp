#include "ui/profiles/PersonalInfoDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

#include "ui/common/DialogButtons.h"
#include "ui/common/StoredTextValidator.h"
#include "ui/common/Text.h"

namespace moxlet::ui {

namespace {
// One field: control name, label, width of its record field and access.
struct Field {
    const char* name;
    const char* label;
    int width;
    std::function<std::string(const StudentProfile&)> get;
    std::function<void(StudentProfile&, const std::string&)> set;
};

template <std::size_t N>
Field field(const char* name, const char* label, FixedText<N> StudentProfile::*member)
{
    return {name, label, static_cast<int>(N),
            [member](const StudentProfile& p) { return (p.*member).trimmed(); },
            [member](StudentProfile& p, const std::string& s) { (p.*member).assign(s); }};
}

// In the order the dialog copies them.
const std::vector<Field>& fields()
{
    static const std::vector<Field> all = {
        field("ParentName", "Parents:", &StudentProfile::ParentName),
        field("Address", "Address:", &StudentProfile::Address),
        field("StudentSchool", "School:", &StudentProfile::StudentSchool),
        field("StudentTeacher", "Teacher:", &StudentProfile::StudentTeacher),
        field("StudentGrade", "Grade:", &StudentProfile::StudentGrade),
        field("HourlyRate", "Hourly Charge:", &StudentProfile::HourlyRate),
        field("HomePhone", "Home Phn:", &StudentProfile::HomePhone),
        field("WorkPhone", "Work Phn:", &StudentProfile::WorkPhone),
        field("TeachPhone", "Phn:", &StudentProfile::TeachPhone),
        field("StudentComments", "Comments:", &StudentProfile::StudentComments),
    };
    return all;
}
}  // namespace

PersonalInfoDialog::PersonalInfoDialog(StudentProfile& profile, QWidget* parent)
    : QDialog(parent), profile_(profile)
{
    setObjectName(QStringLiteral("Personal"));  // the form name
    setWindowTitle(QStringLiteral("Student Personal Information"));

    // Laid out in pairs that belong together: the teacher with the
    // teacher's phone ("Phn:"), grade with charge, the two home phones.
    auto* grid = new QGridLayout;
    const QFontMetrics fm(font());
    // Row, column and column span of each box, in the table's order.
    const int cell[10][3] = {{0, 0, 3}, {1, 0, 3}, {2, 0, 3}, {3, 0, 1}, {4, 0, 1},
                             {4, 2, 1}, {5, 0, 1}, {5, 2, 1}, {3, 2, 1}, {6, 0, 3}};
    int k = 0;
    for (const Field& f : fields()) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(f.name));
        edit->setMaxLength(f.width);
        refuseUnstorableCharacters({edit});
        if (cell[k][2] > 1)
            edit->setMinimumWidth(fm.averageCharWidth() * 50);
        else
            edit->setMinimumWidth(fm.averageCharWidth() * (std::min(f.width, 16) + 2));
        if (f.width <= 6) edit->setMaximumWidth(fm.averageCharWidth() * (f.width + 4) + 12);
        auto* label = new QLabel(QString::fromLatin1(f.label), this);
        label->setBuddy(edit);
        const int row = cell[k][0], column = cell[k][1];
        grid->addWidget(label, row, column);
        grid->addWidget(edit, row, column + 1, 1, cell[k][2]);
        ++k;
    }
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 1);

    QDialogButtonBox* buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    fillFromProfile();
}

QLineEdit* PersonalInfoDialog::box(const QString& name) const { return findChild<QLineEdit*>(name); }

void PersonalInfoDialog::fillFromProfile()
{
    for (const Field& f : fields()) box(QString::fromLatin1(f.name))->setText(fromStored(f.get(profile_)));
}

void PersonalInfoDialog::storeIntoProfile()
{
    for (const Field& f : fields()) f.set(profile_, toStored(box(QString::fromLatin1(f.name))->text()));
}

void PersonalInfoDialog::accept()
{
    box(QStringLiteral("ParentName"))->setFocus();
    QDialog::accept();  // hides it; it stays loaded
    storeIntoProfile();
}

void PersonalInfoDialog::reject()
{
    box(QStringLiteral("ParentName"))->setFocus();
    QDialog::reject();
    fillFromProfile();
}

}  // namespace moxlet::ui
