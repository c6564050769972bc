// moxlet-cli plan-text and plan-pdf on a saved plan in a data folder: the
// text is the clipboard text byte for byte, the PDF is printed offscreen
// through the program's print layer, and bad arguments are refused.

#include <QFile>
#include <QProcess>

#include "UiFixture.h"
#include "core/output/PlanText.h"
#include "core/plans/PlanFile.h"
#include "core/store/PlanCodec.h"
#include "support/ReferencePlans.h"

using namespace moxlet;
using namespace moxlet::test;

namespace {

struct CliRun {
    int status;
    QByteArray out;
    QByteArray err;
};

CliRun cli(const QStringList& args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));  // the command chooses offscreen itself
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(MOXLET_BINARY_DIR "/bin/moxlet-cli"), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

}  // namespace

TEST(PlanCommands, PlanTextAndPlanPdfOfASavedPlan)
{
    UiFixture fx;
    fx.addProfile("Lee", "Ann");
    ReferencePlan r = fullReferencePlan();
    r.plan.ProfileNo = 1;
    {
        DataFile file = openDataFile(fx.ctx, *planFileName(1), FileKind::Plan, kPlanRecordLen);
        ASSERT_TRUE(writePlanRecord(fx.ctx, file, 1, r.plan));
    }
    const QString dir = fx.dir.path();

    const CliRun text = cli({"plan-text", "1", "1", dir});
    EXPECT_EQ(text.status, 0) << text.err.toStdString();
    EXPECT_EQ(text.out.toStdString(), planText(r.output()));

    const QString pdf = fx.dir.filePath("plan.pdf");
    const CliRun print = cli({"plan-pdf", "1", "1", pdf, dir, "--font", "large"});
    EXPECT_EQ(print.status, 0) << print.err.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");

    EXPECT_EQ(cli({"plan-text", "1", "2", dir}).status, 1);
    EXPECT_EQ(cli({"plan-text", "x", "1", dir}).status, 2);
    EXPECT_EQ(cli({"plan-pdf", "1", "1", pdf, dir, "--font", "huge"}).status, 2);
    const CliRun unwritable = cli({"plan-pdf", "1", "1", fx.dir.filePath("no/folder/plan.pdf"), dir});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_TRUE(unwritable.err.contains("Printer Error 75."));
}
