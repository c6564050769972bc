// The option dialogs driven as a tutor drives them, with OPTION.PRM in
// a real data folder: Cancel leaves the file and the options alone, OK
// writes the whole record, a value out of range opens on the last button
// and is stored as that button's value.

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <set>

#include "UiFixture.h"
#include "core/options/OptionFile.h"
#include "core/store/OptionCodec.h"
#include "ui/options/HomophoneOptionsDialog.h"
#include "ui/options/PrintOptionsDialog.h"
#include "ui/options/WordOptionsDialog.h"

using namespace moxlet;
using namespace moxlet::test;

namespace {

OptionRecord storedRecord(UiFixture& fx)
{
    const std::string bytes = fx.get(kOptionFileName);
    EXPECT_EQ(bytes.size(), 118u);
    return OptionCodec::decode(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

void putRecord(UiFixture& fx, const OptionRecord& r)
{
    const auto bytes = OptionCodec::encode(r);
    fx.put(kOptionFileName, std::string(bytes.begin(), bytes.end()));
}

bool written(UiFixture& fx) { return std::filesystem::exists(fx.file(kOptionFileName)); }

template <class Dialog>
Dialog* open(UiFixture& fx, const char* entry)
{
    fx.trigger(entry);
    auto* dialog = fx.window<Dialog>();
    EXPECT_NE(dialog, nullptr);
    return dialog;
}

// Clicks a check box or option button on its indicator, where a tutor
// clicks (a wide button takes clicks on its indicator and caption only).
void clickOn(QWidget* dialog, const char* name)
{
    auto* button = child<QAbstractButton>(dialog, name);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
    QApplication::processEvents();
}

bool checked(QWidget* dialog, const char* name) { return child<QAbstractButton>(dialog, name)->isChecked(); }

// Checks an option button as a screen reader does: its Toggle action, which
// emits no click.
void toggleAccessibly(QWidget* dialog, const char* name)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(child<QAbstractButton>(dialog, name));
    ASSERT_TRUE(a && a->actionInterface());
    ASSERT_TRUE(a->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QApplication::processEvents();
}

}  // namespace

TEST(PrintOptionsDialog, CancelLeavesTheOptionsAndTheDiskAlone)
{
    UiFixture fx;
    fx.start();
    auto* dialog = open<ui::PrintOptionsDialog>(fx, "mnuPrintOptions");
    EXPECT_EQ(dialog->windowTitle(), "Lesson Print Options");
    clickOn(dialog, "Visual2");
    clickOn(dialog, "NewSize3");
    clickOn(dialog, "Pitch18");
    click(dialog, "Cancel");
    EXPECT_EQ(fx.window<ui::PrintOptionsDialog>(), nullptr);
    EXPECT_EQ(fx.options.values, Options{});
    EXPECT_FALSE(written(fx));

    // Reopened, it shows the options in force (the form feed that printing
    // switched on in memory too), and OK without a click writes nothing.
    fx.options.values.PageBreak = 1;
    dialog = open<ui::PrintOptionsDialog>(fx, "mnuPrintOptions");
    EXPECT_TRUE(checked(dialog, "PageBreak"));
    EXPECT_TRUE(checked(dialog, "Visual2"));
    EXPECT_TRUE(checked(dialog, "NewSize1"));
    EXPECT_TRUE(checked(dialog, "Pitch14"));
    click(dialog, "OK");
    EXPECT_FALSE(written(fx));
}

TEST(PrintOptionsDialog, OkWritesTheWholeRecordAndKeepsTheHomophoneOption)
{
    UiFixture fx;
    OptionRecord before = toOptionRecord(Options{});
    before.HomophoneMode = 1;
    before.SegmentOrder = 1;
    putRecord(fx, before);
    fx.start();
    auto* dialog = open<ui::PrintOptionsDialog>(fx, "mnuPrintOptions");
    clickOn(dialog, "Visual3");
    clickOn(dialog, "ReviewSize2");
    clickOn(dialog, "NewSize3");
    clickOn(dialog, "PageBreak");
    clickOn(dialog, "Blanks");
    clickOn(dialog, "Pitch24");
    click(dialog, "OK");

    OptionRecord expected = before;  // the homophone option and the rest as they were
    expected.PrintSection = {1, 1, 0, 1, 1, 1};
    expected.ReviewListSize = 2;
    expected.NewListSize = 0;
    expected.PageBreak = 1;
    expected.BlankLines = 1;
    expected.FontSizeMode = 2;
    const OptionRecord r = storedRecord(fx);
    EXPECT_EQ(r, expected);
    EXPECT_EQ(fx.options.values, fromOptionRecord(r));
}

// A font of 5 and a New list size of 7 open on the last buttons; OK stores
// those buttons' values even without a click.  The homophone dialog's OK
// leaves the print fields as stored.
TEST(PrintOptionsDialog, ValuesOutOfRangeSelectTheLastButtonAndOkStoresIt)
{
    UiFixture fx;
    OptionRecord bad = toOptionRecord(Options{});
    bad.FontSizeMode = 5;
    bad.NewListSize = 7;
    bad.HomophoneMode = 5;
    putRecord(fx, bad);
    fx.start();
    // The program reads safe values meanwhile.
    EXPECT_EQ(fx.options.values.FontSizeMode, 0);
    EXPECT_EQ(fx.options.values.NewListSize, 1);

    auto* homophones = open<ui::HomophoneOptionsDialog>(fx, "mnuHomoOptions");
    EXPECT_TRUE(checked(homophones, "HomoOpt3"));
    click(homophones, "OK");
    OptionRecord r = storedRecord(fx);
    EXPECT_EQ(r.HomophoneMode, 2);
    EXPECT_EQ(r.FontSizeMode, 5);

    auto* dialog = open<ui::PrintOptionsDialog>(fx, "mnuPrintOptions");
    EXPECT_TRUE(checked(dialog, "Pitch24"));
    EXPECT_TRUE(checked(dialog, "NewSize3"));
    EXPECT_TRUE(checked(dialog, "ReviewSize1"));
    click(dialog, "OK");
    r = storedRecord(fx);
    EXPECT_EQ(r.FontSizeMode, 2);
    EXPECT_EQ(r.NewListSize, 0);
    EXPECT_EQ(r.ReviewListSize, 1);
    EXPECT_EQ(fx.options.values.FontSizeMode, 2);
}

TEST(HomophoneOptionsDialog, CancelChangesNothingAndOkWritesTheMode)
{
    UiFixture fx;
    fx.start();
    auto* dialog = open<ui::HomophoneOptionsDialog>(fx, "mnuHomoOptions");
    EXPECT_EQ(dialog->windowTitle(), "Homophone Display Options");
    EXPECT_TRUE(checked(dialog, "HomoOpt1"));
    auto* hint = child<QLabel>(dialog, "HomoHint");  // plans made before keep their marks
    EXPECT_FALSE(hint->isVisibleTo(dialog));
    clickOn(dialog, "HomoOpt3");
    EXPECT_TRUE(hint->isVisibleTo(dialog));
    click(dialog, "Cancel");
    EXPECT_EQ(fx.options.values.HomophoneMode, 0);
    EXPECT_FALSE(written(fx));

    dialog = open<ui::HomophoneOptionsDialog>(fx, "mnuHomoOptions");
    clickOn(dialog, "HomoOpt2");
    click(dialog, "OK");
    EXPECT_EQ(fx.options.values.HomophoneMode, 1);
    const OptionRecord r = storedRecord(fx);
    EXPECT_EQ(r.HomophoneMode, 1);
    EXPECT_EQ(r.ReviewListSize, 1);
    EXPECT_EQ(r.PrintSection, (std::array<std::int16_t, 6>{1, 1, 1, 1, 1, 1}));
}

// A screen reader, switch access or voice control changes an option
// through the accessibility interface's Toggle action, which clicks
// nothing: every control of the option dialogs, toggled that way and confirmed
// with OK, is stored and shows so when the dialog opens again.  Every
// control has an underlined letter of its own.
TEST(OptionDialogs, EveryControlIsToggledAccessiblyAndHasItsOwnAccessKey)
{
    UiFixture fx;
    fx.start();
    for (const char* entry : {"mnuPrintOptions", "mnuHomoOptions", "mnuWordOptions"}) {
        std::set<QString> toggled, controls;
        // Twice round: an option button that was on at first is off the
        // second time, and can be toggled on.
        for (int round = 0; round < 2; ++round) {
            fx.trigger(entry);
            QStringList names;
            std::set<QChar> keys;
            for (QAbstractButton* b : QApplication::activeModalWidget()->findChildren<QAbstractButton*>()) {
                if (b->isCheckable()) names << b->objectName();
                if (b->objectName() == "OK" || b->objectName() == "Cancel") continue;
                const int amp = b->text().indexOf('&');
                ASSERT_GE(amp, 0) << b->objectName().toStdString();
                EXPECT_TRUE(keys.insert(b->text().at(amp + 1).toLower()).second)
                    << b->objectName().toStdString();
            }
            click(QApplication::activeModalWidget(), "Cancel");
            for (const QString& name : names) {
                controls.insert(name);
                fx.trigger(entry);
                QWidget* dialog = QApplication::activeModalWidget();
                auto* button = child<QAbstractButton>(dialog, name.toLatin1().constData());
                if (button->isChecked() && qobject_cast<QRadioButton*>(button)) {
                    click(dialog, "Cancel");
                    continue;
                }
                const bool wanted = !button->isChecked();
                toggleAccessibly(dialog, name.toLatin1().constData());
                click(dialog, "OK");
                toggled.insert(name);

                EXPECT_EQ(fromOptionRecord(storedRecord(fx)), fx.options.values) << name.toStdString();
                fx.trigger(entry);
                dialog = QApplication::activeModalWidget();
                EXPECT_EQ(checked(dialog, name.toLatin1().constData()), wanted) << name.toStdString();
                click(dialog, "Cancel");
            }
        }
        EXPECT_EQ(toggled, controls) << entry;
    }
}

// The word level opens on Common even when OPTION.PRM holds a value out of
// range (never on Wider by a guess); Cancel keeps the file, OK stores the
// level beside the other dialogs' fields, a repaired value even unclicked,
// and a level a screen reader chose.
TEST(WordOptionsDialog, OkStoresTheLevelAndKeepsTheOtherOptions)
{
    UiFixture fx;
    OptionRecord before = toOptionRecord(Options{});
    before.HomophoneMode = 1;
    before.OfferUpTo = 9;
    putRecord(fx, before);
    fx.start();
    EXPECT_EQ(fx.options.values.OfferUpTo, WordLevel::Common);
    auto* dialog = open<ui::WordOptionsDialog>(fx, "mnuWordOptions");
    EXPECT_EQ(dialog->windowTitle(), "Word Options");
    EXPECT_TRUE(checked(dialog, "Level2"));
    clickOn(dialog, "Level3");
    click(dialog, "Cancel");
    EXPECT_EQ(storedRecord(fx), before);
    EXPECT_EQ(fx.options.values.OfferUpTo, WordLevel::Common);

    click(open<ui::WordOptionsDialog>(fx, "mnuWordOptions"), "OK");
    EXPECT_EQ(storedRecord(fx).OfferUpTo, 0);

    dialog = open<ui::WordOptionsDialog>(fx, "mnuWordOptions");
    toggleAccessibly(dialog, "Level1");
    click(dialog, "OK");
    OptionRecord after = before;
    after.OfferUpTo = 1;
    EXPECT_EQ(storedRecord(fx), after);
    EXPECT_EQ(fx.options.values.OfferUpTo, WordLevel::Everyday);
}
