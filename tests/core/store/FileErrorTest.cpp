#include <gtest/gtest.h>

#include <cerrno>

#include "support/DataDirFixture.h"
#include "store/FileError.h"

using namespace moxlet;
using moxlet::test::DataDir;

TEST(FileError, EveryRecognisedErrorShowsContextTwoBlanksAndItsText)
{
    struct Case { int number; std::string text; };
    const Case cases[] = {
        {52, "  That file name or number is illegal."},
        {53, "  File not found."},
        {54, "  Can't open the file for that type of access."},
        {55, "  File already open."},
        {57, "  The disk is full."},
        {58, "  File already exists."},
        {59, "  File I/O was attempted with the wrong record length."},
        {61, "  The disk is full."},
        {62, "  This file has a nonstandard end-of-file marker,or an attempt was made to read beyond "
             "the end-of-file marker."},
        {63, "  File I/O was attempted with an incorrect record number."},
        {64, "  That file name is illegal."},
        {67, "  Too many open files.  Exit Windows and add more to the FILES = XX statement in "
             "CONFIG.SYS and reboot."},
        {68, "  That device appears to be unavailable."},
        {70, "  File access was denied.  The file has been defined as read-only or hidden."},
        {71, "  The disk is not ready."},
        {75, "  File access not allowed."},
        {76, "  Path does not exist."},
    };
    for (const auto& c : cases) {
        ScriptedPrompt prompt;
        auto action = reportFileError(prompt, c.number, "Unable to read Parameter file, OPTION.PRM.");
        ASSERT_EQ(prompt.shown().size(), 1u) << c.number;
        const auto& box = prompt.shown()[0];
        EXPECT_EQ(box.text, "Unable to read Parameter file, OPTION.PRM." + c.text) << c.number;
        EXPECT_EQ(box.title, "File Error");
        EXPECT_EQ(box.icon, Icon::Exclamation);
        EXPECT_EQ(box.buttons, c.number == 68 ? Buttons::RetryCancel : Buttons::Ok) << c.number;
        EXPECT_EQ(action, FileErrorAction::GiveUp) << c.number;  // OK, or Cancel for 68
    }
}

TEST(FileError, UnknownNumbersShowNothingAndGiveThree)
{
    for (int number : {0, 5, 56, 60, 65, 66, 69, 72, 73, 74, 77, 1000}) {
        ScriptedPrompt prompt;
        EXPECT_EQ(reportFileError(prompt, number, "x"), FileErrorAction::Unrecognised) << number;
        EXPECT_TRUE(prompt.shown().empty()) << number;
    }
}

TEST(FileError, AnswersMapToActions)
{
    const std::pair<Answer, FileErrorAction> cases[] = {
        {Answer::Retry, FileErrorAction::Retry},   {Answer::Ignore, FileErrorAction::Ignore},
        {Answer::Ok, FileErrorAction::GiveUp},     {Answer::Cancel, FileErrorAction::GiveUp},
        {Answer::Abort, FileErrorAction::GiveUp},  {Answer::Yes, FileErrorAction::Unrecognised}};
    for (const auto& [answer, action] : cases) {
        ScriptedPrompt prompt;
        prompt.answer(answer);
        EXPECT_EQ(reportFileError(prompt, 68, "x"), action);
    }
}

TEST(FileError, RetryRepeatsTheFailingStepAndCancelGivesUp)
{
    DataDir d;
    d.putProfiles({DataDir::profile(1, "Ames", "Ann")});
    // The rewrite fails once with 68: Retry writes it on the second attempt.
    d.fs.failMutationAt(d.fs.mutationSteps() + 1, 68);
    d.prompt.answer(Answer::Retry);
    DataFile file = openProfileFile(d.ctx);
    StudentProfile p = DataDir::profile(1, "Bell", "Bo");
    EXPECT_TRUE(writeProfileRecord(d.ctx, file, 1, p));
    ASSERT_EQ(d.prompt.shown().size(), 1u);
    EXPECT_EQ(d.prompt.shown()[0].text,
              "Unable to write to Student Profile file, PROFILES.DAT.  That device appears to be unavailable.");
    EXPECT_EQ(listProfiles(d.ctx)[0].profile.LastName.trimmed(), "Bell");

    d.prompt.clear();
    d.fs.failMutationAt(d.fs.mutationSteps() + 1, 68);
    d.prompt.answer(Answer::Cancel);
    StudentProfile q = DataDir::profile(1, "Cole", "Cy");
    EXPECT_FALSE(writeProfileRecord(d.ctx, file, 1, q));
    EXPECT_EQ(listProfiles(d.ctx)[0].profile.LastName.trimmed(), "Bell");
}

TEST(OpenDataFile, IllegalNamesAreRefusedBeforeAnyFileIsTouched)
{
    for (std::string name : {"PLNS 007.DAT", "A;B", "A<B", "A=B", "A>B", "A?B", "A[B", "A]B", "A*B", ""}) {
        DataDir d;
        DataFile f = openDataFile(d.ctx, name, FileKind::Plan, kPlanRecordLen);
        EXPECT_FALSE(f.isOpen()) << name;
        ASSERT_EQ(d.prompt.shown().size(), 1u) << name;
        EXPECT_EQ(d.prompt.shown()[0].text, "Unable to open Student's Plan file.  That file name is illegal.");
        EXPECT_EQ(d.fs.readSteps() + d.fs.mutationSteps(), 0) << name;
    }
}

TEST(OpenDataFile, MessagesFollowTheFileKind)
{
    const std::pair<FileKind, std::string> cases[] = {
        {FileKind::Profile, "Unable to open Student Profile file, PROFILES.DAT."},
        {FileKind::Plan, "Unable to open Student's Plan file."},
        {FileKind::WordBase, "Unable to open WordBase file, WORDBASE.WDB."},
        {FileKind::Parameter, "Unable to open Parameter file, OPTION.PRM."},
        {FileKind::Other, "Unable to open file."}};
    for (const auto& [kind, message] : cases) {
        DataDir d;
        d.fs.put("X.DAT", {});
        d.fs.failReadAt(1, 70);
        EXPECT_FALSE(openDataFile(d.ctx, "X.DAT", kind, 10).isOpen());
        ASSERT_EQ(d.prompt.shown().size(), 1u);
        EXPECT_EQ(d.prompt.shown()[0].text, message + *fileErrorText(70));
    }
}

TEST(OpenDataFile, TheClosedFileFailsItsNextReadWithItsOwnMessage)
{
    DataDir d;
    StudentProfile p;
    EXPECT_FALSE(readProfileRecord(d.ctx, DataFile(), 1, p));
    ASSERT_EQ(d.prompt.shown().size(), 1u);
    EXPECT_EQ(d.prompt.shown()[0].text,
              "Unable to read Student Profile file, PROFILES.DAT.  That file name or number is illegal.");
}

TEST(FileErrorNumbers, RealFailuresMapToTheTable)
{
    const std::pair<int, int> cases[] = {{ENOENT, 53}, {EACCES, 70}, {EPERM, 70}, {EROFS, 75},
                                         {ENOSPC, 61}, {ENAMETOOLONG, 64}, {EINVAL, 64}, {EMFILE, 67},
                                         {EIO, 57}, {ENODEV, 68}, {ENOTDIR, 76}, {EXDEV, 75}};
    for (const auto& [err, number] : cases) {
        EXPECT_EQ(fileErrorFromErrno(err), number) << err;
        EXPECT_TRUE(fileErrorText(number).has_value()) << number;
    }
}
