// moxlet-cli wordlist on a data folder: the list and the automatic choice,
// repeatable with --seed, and the refusals of bad requests.

#include <QProcess>

#include "UiFixture.h"

using namespace moxlet;

namespace {

struct CliRun {
    int status;
    QStringList out;  // lines
    QString err;
};

CliRun wordlist(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(MOXLET_BINARY_DIR "/bin/moxlet-cli"), QStringList{"wordlist"} + args);
    EXPECT_TRUE(p.waitForFinished(60000));
    QString out = QString::fromUtf8(p.readAllStandardOutput());
    if (out.endsWith('\n')) out.chop(1);
    return {p.exitCode(), out.isEmpty() ? QStringList{} : out.split('\n'),
            QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace

TEST(WordListCommand, ListsTheWordsAndTheAutomaticChoiceRepeatably)
{
    test::UiFixture fx;
    fx.addProfile("Lee", "Ann", {0, 43, 10, 11, 17, 51, 55, 79, 86, 93, 121, 153});
    const QString dir = fx.dir.path();

    const CliRun list = wordlist({"1", dir, "--segments", "93,86"});
    ASSERT_EQ(list.status, 0) << list.err.toStdString();
    ASSERT_GT(list.out.size(), 80);
    QStringList once = list.out;
    EXPECT_EQ(once.removeDuplicates(), 0);

    const CliRun chosen = wordlist({"1", dir, "--segments", "93,86", "--auto", "--seed", "5"});
    ASSERT_EQ(chosen.status, 0);
    ASSERT_EQ(chosen.out.size(), list.out.size() + 1 + 40);
    EXPECT_EQ(chosen.out.mid(0, list.out.size()), list.out);  // short runs: nothing random in the list
    EXPECT_EQ(chosen.out[list.out.size()], QString());
    for (const QString& word : chosen.out.mid(list.out.size() + 1))
        EXPECT_TRUE(list.out.contains(word)) << word.toStdString();
    EXPECT_EQ(wordlist({"1", dir, "--segments", "93,86", "--auto", "--seed", "5"}).out, chosen.out);

    // A New list over a segment with no word for her: an empty list, and why.
    const CliRun none = wordlist({"1", dir, "--new", "--segments", "273"});
    EXPECT_EQ(none.status, 0);
    EXPECT_TRUE(none.out.isEmpty());
    EXPECT_TRUE(none.err.startsWith(QStringLiteral("No word containing"))) << none.err.toStdString();
}

TEST(WordListCommand, RefusesBadRequests)
{
    test::UiFixture fx;
    fx.addProfile("Lee", "Ann", {0, 93});
    const QString dir = fx.dir.path();
    for (const QStringList& args :
         {QStringList{"1", dir}, QStringList{"1", dir, "--segments", "93,93"},
          QStringList{"1", dir, "--segments", "0,1,2,3,4,5"}, QStringList{"1", dir, "--segments", "332"},
          QStringList{"x", "--segments", "0"}, QStringList{"1", dir, "--segments", "0", "--bogus"}}) {
        const CliRun run = wordlist(args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("usage:"))) << args.join(' ').toStdString();
    }
    const CliRun unstudied = wordlist({"1", dir, "--segments", "19"});
    EXPECT_EQ(unstudied.status, 2);
    EXPECT_TRUE(unstudied.err.contains(QStringLiteral("not among the student's Review")));
    const CliRun missing = wordlist({"2", dir, "--segments", "0"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("not a live profile")));
}
