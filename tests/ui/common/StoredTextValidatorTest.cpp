// Text fields whose text is stored take only what Windows-1252 holds: a
// character outside it is refused as it is typed or pasted, with a note at
// the field, instead of turning into "?" when saved.
#include "ui/common/StoredTextValidator.h"

#include <QToolTip>

#include "UiFixture.h"
#include "ui/profiles/ProfileEditor.h"

using namespace moxlet;
using namespace moxlet::test;

namespace {
// Key presses that carry characters no key of QTest's table makes.
void typeCharacters(QWidget* field, const QString& text)
{
    for (char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        for (QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent key(t, 0, Qt::NoModifier, one);
            QApplication::sendEvent(field, &key);
        }
    }
    QApplication::processEvents();
}
}  // namespace

TEST(StoredText, RefusesWhatTheFilesCannotHoldAndSaysWhichLetterToType)
{
    struct Row {
        const char* typed;  // UTF-8
        bool pasted;
        const char* kept;
        const char* note;  // empty: none
    } rows[] = {
        {"nāp", false, "np", "\"ā\" cannot be stored: type \"a\" instead."},
        {"ŝip", false, "ip", "\"ŝ\" cannot be stored: type \"s\" instead."},
        {"café €5 Straße ½", false, "café €5 Straße ½", ""},  // all in the code page
        {"жa", false, "a", "\"ж\" cannot be stored in Moxlet's files."},
        {"a😀b", false, "ab", "\"😀\" cannot be stored in Moxlet's files."},
        {"nāp", true, "", "\"ā\" cannot be stored: type \"a\" instead."},  // a paste is refused whole
    };
    QWidget window;
    auto* field = new QLineEdit(&window);
    ui::refuseUnstorableCharacters({field});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const Row& row : rows) {
        const QString typed = QString::fromUtf8(row.typed);
        field->clear();
        QToolTip::hideText();
        ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
        field->setFocus();
        if (row.pasted)
            field->insert(typed);
        else
            typeCharacters(field, typed);
        EXPECT_EQ(field->text().toStdString(), row.kept) << row.typed;
        const auto note = [] {
            return QToolTip::isVisible() ? QToolTip::text().toStdString() : std::string();
        };
        const bool told = !*row.note || QTest::qWaitFor([&] { return !note().empty(); }, 1000);
        EXPECT_TRUE(told) << row.typed;
        EXPECT_EQ(note(), row.note) << row.typed;
    }
}

// The profile editor's names, as one place where a tutor types a name with
// a mark.
TEST(StoredText, TheProfileEditorsNamesAreGuarded)
{
    UiFixture f;
    f.start();
    f.trigger("mnuProfile_0");
    auto* editor = f.window<ui::ProfileEditor>();
    ASSERT_NE(editor, nullptr);
    for (const char* name : {"LastName", "FirstName"}) {
        auto* field = child<QLineEdit>(editor, name);
        field->setFocus();
        typeCharacters(field, QString::fromUtf8("Nāomi"));
        EXPECT_EQ(field->text(), QStringLiteral("Nomi")) << name;
    }
}
