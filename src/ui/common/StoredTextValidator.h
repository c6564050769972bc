#pragma once
// A text field whose text is stored in the data files takes only what they
// can hold: single-byte Windows-1252 characters.  A character outside that
// set ("ā" in "nāp", a Greek or Cyrillic letter) is refused as it is typed
// or pasted, and a short note at the field says why and, for a letter with
// a mark the files lack, which plain letter to type; before, it silently
// became "?" when saved.  Control characters (a pasted tab) pass: they are
// stored as blanks.
//
// The note is a tooltip at the field with a beep, as a field that refuses a
// key usually answers; it asks for nothing, so the typing goes on.

#include <QValidator>

class QLineEdit;

namespace moxlet::ui {

class StoredTextValidator : public QValidator {
    Q_OBJECT
public:
    // Guards field (and becomes its child).
    explicit StoredTextValidator(QLineEdit* field);

    State validate(QString& input, int& pos) const override;

    // The note for a refused character: `"ā" cannot be stored: type "a"
    // instead.`, or without the advice when no plain letter fits.
    static QString refusalNote(const QString& refused);
};

// Installs a StoredTextValidator on each field.
void refuseUnstorableCharacters(std::initializer_list<QLineEdit*> fields);

}  // namespace moxlet::ui
