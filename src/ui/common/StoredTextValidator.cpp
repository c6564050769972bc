#include "ui/common/StoredTextValidator.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QToolTip>

#include "ui/common/Text.h"

namespace moxlet::ui {

StoredTextValidator::StoredTextValidator(QLineEdit* field) : QValidator(field) { field->setValidator(this); }

QValidator::State StoredTextValidator::validate(QString& input, int&) const
{
    const QString refused = unstorableCharacters(input);
    if (refused.isEmpty()) return Acceptable;
    // Told once the key press has been handled, where the tutor looks.
    QPointer<QLineEdit> field = qobject_cast<QLineEdit*>(parent());
    const char32_t first = refused.toUcs4().front();
    const QString note = refusalNote(QString::fromUcs4(&first, 1));
    QTimer::singleShot(0, field, [field, note] {
        if (!field) return;
        QApplication::beep();
        QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), note, field);
    });
    return Invalid;
}

QString StoredTextValidator::refusalNote(const QString& refused)
{
    // A letter with a mark decomposes into its letter and the mark.
    const QString parts = QString(refused).normalized(QString::NormalizationForm_D);
    const QString letter = parts.left(1);
    if (parts.size() > 1 && letter != refused && unstorableCharacters(letter).isEmpty())
        return QStringLiteral("\"%1\" cannot be stored: type \"%2\" instead.").arg(refused, letter);
    return QStringLiteral("\"%1\" cannot be stored in Moxlet's files.").arg(refused);
}

void refuseUnstorableCharacters(std::initializer_list<QLineEdit*> fields)
{
    for (QLineEdit* field : fields) new StoredTextValidator(field);
}

}  // namespace moxlet::ui
