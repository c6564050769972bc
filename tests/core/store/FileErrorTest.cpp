#include "core/store/FileError.h"

#include <cerrno>
#include <gtest/gtest.h>

#include "support/DataDirFixture.h"

using namespace moxlet;
using moxlet::test::DataDir;

TEST(FileError, EveryRecognisedErrorShowsItsContextThenItsTextInOneBox)
{
    const std::string context = "Unable to read Parameter file, OPTION.PRM.";
    for (int number : {52, 53, 54, 55, 57, 58, 59, 61, 62, 63, 64, 67, 68, 70, 71, 75, 76}) {
        ScriptedPrompt prompt;
        auto action = reportFileError(prompt, number, context);
        ASSERT_EQ(prompt.shown().size(), 1u) << number;
        const auto& box = prompt.shown()[0];
        const std::string text = *fileErrorText(number);
        EXPECT_EQ(box.text, context + text) << number;
        EXPECT_EQ(text.substr(0, 2), "  ") << number;  // two blanks after the context's full stop
        EXPECT_NE(text[2], ' ') << number;
        EXPECT_EQ(box.title, "File Error");
        EXPECT_EQ(box.icon, Icon::Exclamation);
        EXPECT_EQ(box.buttons, number == 68 ? Buttons::RetryCancel : Buttons::Ok) << number;
        EXPECT_EQ(action, FileErrorAction::GiveUp) << number;  // OK, or Cancel for 68
        // Advice is for this system, not another one's start-up files.
        EXPECT_EQ(text.find("CONFIG.SYS"), std::string::npos) << number;
        EXPECT_EQ(text.find("Windows"), std::string::npos) << number;
    }
    // The end-of-file message is three pieces joined as they are, with no
    // blank after the comma.
    EXPECT_NE(fileErrorText(62)->find("marker,or an attempt"), std::string::npos);
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
        {Answer::Retry, FileErrorAction::Retry},  {Answer::Ignore, FileErrorAction::Ignore},
        {Answer::Ok, FileErrorAction::GiveUp},    {Answer::Cancel, FileErrorAction::GiveUp},
        {Answer::Abort, FileErrorAction::GiveUp}, {Answer::Yes, FileErrorAction::Unrecognised}};
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
    EXPECT_EQ(
        d.prompt.shown()[0].text,
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
        EXPECT_EQ(d.prompt.shown()[0].text,
                  "Unable to open Student's Plan file.  That file name is illegal.");
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
        EXPECT_EQ(d.prompt.shown()[0].text,
                  message + "  File access was denied.  The file has been defined as read-only or hidden.");
    }
}

TEST(FileErrorNumbers, RealFailuresMapToTheTable)
{
    const std::pair<int, int> cases[] = {{ENOENT, 53}, {EACCES, 70},       {EPERM, 70},   {EROFS, 75},
                                         {ENOSPC, 61}, {ENAMETOOLONG, 64}, {EINVAL, 64},  {EMFILE, 67},
                                         {EIO, 57},    {ENODEV, 68},       {ENOTDIR, 76}, {EXDEV, 75}};
    for (const auto& [err, number] : cases) {
        EXPECT_EQ(fileErrorFromErrno(err), number) << err;
        EXPECT_TRUE(fileErrorText(number).has_value()) << number;
    }
}
