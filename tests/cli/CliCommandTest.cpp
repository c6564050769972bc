// Every moxlet-cli command run in-process, row by row: a command line and a
// known data folder go in, the exit status and what is printed come out.
//
// The known folder holds the committed known-answer files of
// tests/data/formats (Ann Ames, record 1, with two plans; Zoë Zëller,
// record 3; OPTION.PRM) and a small word base made here, whose records and
// counts are known.  `why` answers from the word base this build ships
// instead, as a tutor would see it.

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

#include "app/cli/CliContext.h"
#include "app/cli/Command.h"
#include "core/shell/InstanceLock.h"
#include "support/DataDirFixture.h"
#include "support/MemoryFileSystem.h"
#include "support/Segments.h"
#include "support/TempFolder.h"
#include "support/TestWordBase.h"

namespace fs = std::filesystem;

namespace moxlet::cli {
namespace {

const fs::path kData = MOXLET_TEST_DATA_DIR;
const char* const kKnownFiles[] = {"PROFILES.DAT", "PLNS0001.DAT", "OPTION.PRM"};

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh folder holding the known files; removed afterwards.
struct Folder : test::TempFolder {
    std::optional<InstanceLock> lock;  // a running Moxlet, when a row wants one

    Folder()
    {
        path = fs::canonical(path);  // as the commands name it
        for (const char* name : kKnownFiles) fs::copy_file(kData / "formats" / name, path / name);
    }
    ~Folder() { lock.reset(); }
};

using Setup = void (*)(Folder&, CliContext&);
using Check = std::function<void(const Folder&)>;

// Expected output is the text itself, or "@name" for tests/data/cli/name;
// a leading "~" asks only that its lines appear, in that order.
struct Row {
    std::vector<std::string> args;
    int status = 0;
    std::string out;
    std::string err;
    Setup setup = nullptr;
    Check check = nullptr;
    std::string input;  // what the tutor types
};

// ---- Folders and word bases --------------------------------------------

using test::segmentSet;

// Records of A (0) with one and four syllables, B (10), D (17) and BL
// (124).  Ann has studied A, B, D, Closed Syllable (121), BL and Rote Words
// (331): "cab" needs C (11), "blob" O (54), "abracadabra" is too long for
// her, and D has 120 words of two syllables ("w9" to "w128") for her.
void writeSmallWordBase(const fs::path& dir, CliContext& ctx)
{
    test::TestWordBase wb;
    wb.levels = {{"add", WordLevel::Common}, {"cab", WordLevel::Wider}};
    const SegmentSet bad = segmentSet({0, 10, 17, 121}), cab = segmentSet({0, 10, 11, 121});
    wb.addWords(
        0, 1,
        {{"add", segmentSet({0, 17, 121, seg::HomophoneFlag})}, {"bad", bad}, {"cab", cab}, {"dab", bad}});
    wb.addWords(0, 4, {{"abracadabra", segmentSet({0, 10, 17, 121, 73})}});
    wb.addWords(10, 1, {{"bad", bad}, {"cab", cab}, {"dab", bad}});
    wb.addBlock(17, 2, 120, 0);
    wb.addWords(124, 1, {{"blob", segmentSet({10, 54, 121, 124})}});
    wb.closeIndex();
    std::ofstream(dir / "WORDBASE.WDB", std::ios::binary)
        .write(reinterpret_cast<const char*>(wb.bytes.data()), static_cast<std::streamsize>(wb.bytes.size()));
    ctx.wordIndex = wb.index;
}

void noWordBase(Folder& folder, CliContext& ctx)
{
    fs::remove(folder.path / "WORDBASE.WDB");
    ctx.shippedWordBase = folder.path / "nowhere";
}

// Everything in the folder "other", nothing in the working directory.
void allInOther(Folder& folder, CliContext&)
{
    fs::create_directory(folder.path / "other");
    for (const char* name : {"PROFILES.DAT", "PLNS0001.DAT", "OPTION.PRM", "WORDBASE.WDB"})
        fs::rename(folder.path / name, folder.path / "other" / name);
}

// A plan file whose student was deleted, and a temporary file left over.
void untidyFolder(Folder& folder, CliContext&)
{
    fs::copy_file(folder.path / "PLNS0001.DAT", folder.path / "PLNS0002.DAT");
    folder.put("PROFILES.DAT.NEW", "half");
}

// A disk on which the first read of any file is refused.
void refusingDisk(Folder&, CliContext& ctx)
{
    ctx.openFolder = [](const fs::path& dir) -> std::unique_ptr<FileSystem> {
        auto memory = std::make_unique<MemoryFileSystem>();
        for (const char* name : kKnownFiles) {
            const std::string bytes = readFile(dir / name);
            memory->put(name, {bytes.begin(), bytes.end()});
        }
        memory->failReadAt(1, FileErrorNo::PermissionDenied);
        return memory;
    };
}

// Sam, record 4: the short vowels, the single consonants, SH, -CK, Closed
// Syllable, both TH and the parts of the sight words the, I and was (E (ə),
// Open Syllable, WA, Rote Words); one syllable.
void withSam(Folder& folder, CliContext&)
{
    StudentProfile sam = test::DataDir::profile(
        4, "Sample", "Sam", {0,  19, 43, 58,  99,  10,  11,  17,  36, 37, 42,  48, 49, 51, 52,  55,  79, 84,
                             86, 87, 93, 103, 104, 110, 115, 116, 89, 16, 121, 95, 96, 20, 120, 105, 331});
    sam.SyllableMin = sam.SyllableMax = 1;
    SeededRandom random(4);
    const auto bytes = encodeProfileRecord(sam, random);
    std::ofstream(folder.path / "PROFILES.DAT", std::ios::binary | std::ios::app)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A text file in UTF-8 with a byte-order mark, curly quotes, a ligature
// and a letter Windows-1252 lacks.
void withStory(Folder& folder, CliContext&)
{
    folder.put("story.txt", "\xEF\xBB\xBF\u201CAdd a \uFB01g,\u201D bad Dab said to \u0174ade.\n");
}

// Backups of three days: the 2nd with Ann alone and the options, the 1st
// with the options; a backup of the 3rd that was never finished.
void withBackups(Folder& folder, CliContext&)
{
    const fs::path root = folder.path / "Backups";
    for (const char* day : {"2026-01-01", "2026-01-02", "2026-01-03.partial"}) {
        fs::create_directories(root / day);
        fs::copy_file(kData / "formats/OPTION.PRM", root / day / "OPTION.PRM");
    }
    fs::copy_file(kData / "formats/PROFILES.DAT", root / "2026-01-02/PROFILES.DAT");
    fs::resize_file(root / "2026-01-02/PROFILES.DAT", 640);
}

// The folder's options offer everyday words only (the first reserved
// integer of OPTION.PRM, offset 26, is 1).
void everydayWords(Folder& folder, CliContext&)
{
    std::fstream f(folder.path / "OPTION.PRM", std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(26);
    f.put('\x01');
}

void lockedWithBackups(Folder& folder, CliContext& ctx)
{
    withBackups(folder, ctx);
    ASSERT_EQ(folder.lock.emplace().acquire(folder.path), InstanceLock::Result::Acquired);
}

std::vector<fs::path> keptFolders(const Folder& folder)
{
    std::vector<fs::path> kept;
    for (const auto& e : fs::directory_iterator(folder.path / "Backups"))
        if (e.path().filename().string().find(" before restore ") != std::string::npos)
            kept.push_back(e.path());
    return kept;
}

// The folder as it was: nothing restored, nothing kept.
void untouched(const Folder& folder)
{
    EXPECT_EQ(fs::file_size(folder.path / "PROFILES.DAT"), 1920u);
    EXPECT_TRUE(fs::exists(folder.path / "PLNS0001.DAT"));
    EXPECT_TRUE(keptFolders(folder).empty());
}

// The backup of the 2nd is back; every file it replaced or removed is kept.
void restoredAndKept(const Folder& folder)
{
    EXPECT_EQ(fs::file_size(folder.path / "PROFILES.DAT"), 640u);
    EXPECT_FALSE(fs::exists(folder.path / "PLNS0001.DAT"));
    const auto kept = keptFolders(folder);
    ASSERT_EQ(kept.size(), 1u);
    for (const char* name : kKnownFiles)
        EXPECT_EQ(readFile(kept[0] / name), readFile(kData / "formats" / name)) << name;
}

#ifdef MOXLET_CLI_PDF
// A PDF written to `file`, with pages of `paper` points ("612x792" for
// Letter) unless that is left to the locale.
Check pdfOn(std::string file, std::string paper = {})
{
    return [=](const Folder& folder) {
        static const std::regex box(R"(/MediaBox \[0 0 (\d+)\.\d+ (\d+)\.\d+\])");
        const std::string pdf = readFile(folder.path / file);
        EXPECT_EQ(pdf.substr(0, 5), "%PDF-") << file;
        std::smatch m;
        if (paper.empty()) return;
        ASSERT_TRUE(std::regex_search(pdf, m, box)) << file;
        EXPECT_EQ(m[1].str() + "x" + m[2].str(), paper);
    };
}
const Check kPdfWritten = pdfOn("plan.pdf");
const Check kPlanOnLetter = pdfOn("plan.pdf", "612x792");
const Check kPlanOnA4 = pdfOn("plan.pdf", "595x842");
const Check kListOnLetter = pdfOn("list.pdf", "612x792");
#endif

// ---- The rows --------------------------------------------------------

std::string usage(const std::string& line) { return "usage: moxlet-cli " + line + "\n"; }

const std::string kListing = "~usage: moxlet-cli COMMAND [ARGS]\n\ncommands:\n  backups [DIR]\n";
const std::string kProfiles = "1\tAmes\tAnn\t1-3\t0 10 17 121 124 331\n3\tZëller\t\t2-9\t159 273 330\n";
const std::string kPlans = usage("plans N [DIR]") + "  (N is a profile number, 1 to 9999)\n";
const std::string kPlanNumbers = "  (N is a profile number, 1 to 9999; RECORD a plan record, 1, 2, ...)\n";
const std::string kPlanPdf =
    usage("plan-pdf N RECORD OUT.pdf [DIR] [--font small|medium|large] [--paper a4|letter]");
const std::string kWordListPdf =
    usage("wordlist-pdf N OUT.pdf [DIR] --segments ID[,ID...] [--new] [--seed S] "
          "[--level everyday|common|wider] [--font small|medium|large] [--paper a4|letter]") +
    "  (one to five different segment ids, 0 to 331)\n";
const std::string kWhy =
    usage("why N WORD [--segment S] [--new] [--offset K] [--level everyday|common|wider]");
const std::string kWords = usage("words SEGMENT [--syllables MIN-MAX]");
const std::string kWordList = usage("wordlist N [DIR] --segments ID[,ID...] [--new] [--auto] [--seed S] "
                                    "[--level everyday|common|wider]") +
                              "  (one to five different segment ids, 0 to 331)\n";
const std::string kRestore = usage("restore DATE [DIR] [--yes]");
const std::string kPassage = usage("passage N [FILE|-] [DIR]") + "  (N is a profile number, 1 to 9999)\n";
const std::string kNoFolder = "moxlet-cli: there is no folder nowhere\n";
const std::string kNoWordBase =
    "Unable to open WordBase file, WORDBASE.WDB.  File not found.\n(looked for DIR/./WORDBASE.WDB)\n";
const std::string kRefused =
    "Unable to open Student Profile file, PROFILES.DAT.  File access was denied.  The "
    "file has been defined as read-only or hidden.\nUnable to read Student Profile "
    "file, PROFILES.DAT.  That file name or number is illegal.\n";
const std::string kNoBL = "No word containing BL fits this student: the one word of 1 to 3 syllables also "
                          "contains segments not yet studied.\n";
const std::string kAsk = "Replace the data files in DIR by the backup of 2026-01-02?  Today's files are kept "
                         "in the backups folder.  [y/N] ";
const std::string kRestored = "Restored the backup of 2026-01-02; the files it replaced are in "
                              "DIR/Backups/TODAY before restore HHMMSS.\n";
const std::string kRunning =
    "Moxlet is already running with the data folder DIR.  (It was started as process "
    "PID on HOST.)  Switch to that window to go on working; a second Moxlet on the "
    "same folder could undo its changes.\nClose Moxlet before restoring a backup.\n";
const std::string kNoBackup3 = "moxlet-cli: there is no backup of 2026-01-03 in DIR\n";
const std::string kNotText = "moxlet-cli: the input is not text: it holds a NUL byte\n";
const std::string kNotUtf8 = "moxlet-cli: the input is not UTF-8 text (line 2): save it as UTF-8\n";
const std::string kCannotHoldW =
    "moxlet-cli: line 1 of story.txt: Moxlet cannot hold “Ŵ” (U+0174) and reads it as a blank\n";
const std::string kBadOffered = "“bad” is offered in the Review lists of A (ă), B, D, Closed Syllable.\n";
const std::string kNotReview11 =
    "moxlet-cli: segment 11 is not among the student's Review (studied) segments\n";
const std::string kNotLive2 = "moxlet-cli: profile 2 is not a live profile in .\n";
const std::string kNotNew10 =
    "moxlet-cli: segment 10 is not among the student's New (not yet studied) segments\n";
const std::string kFourProblems = "2 live profile(s), 2 plan file(s), 4 plan(s); 4 problem(s)\n";
const std::string kJustANumber = "7\tnumber\t“7” is a number.\nNo words to check\n";
const std::string kNothingRestored = kAsk + "Nothing restored.\n";

const std::vector<Row> kRows = {
    {{}, 2, "", kListing},
    {{"--help"}, 0, kListing + "  words SEGMENT [--syllables MIN-MAX]\n"},
    {{"frob"}, 2, "", "~moxlet-cli: unknown command 'frob'\n\n" + kListing.substr(1)},

    {{"profiles"}, 0, kProfiles},
    {{"profiles", "."}, 0, kProfiles},
    {{"profiles"}, 1, "", kRefused, refusingDisk},
    {{"profiles", "nowhere"}, 1, "", kNoFolder},
    {{"profiles", ".", "."}, 2, "", usage("profiles [DIR]")},

    {{"plans", "1"}, 0, "2\t09-21-26\tA:\tR:\tS:\tN:\n1\t09-14-26\tA: 0 10\tR: 0 17\tS: 121\tN: 6\n"},
    {{"plans", "3", "."}, 0, ""},
    {{"plans", "2"}, 0, "", "PLNS0002.DAT: profile 2 is not a live profile\n"},
    {{"plans", "1", "nowhere"}, 1, "", kNoFolder},
    {{"plans", "0"}, 2, "", kPlans},
    {{"plans", "+1"}, 2, "", kPlans},
    {{"plans", "10000"}, 2, "", kPlans},
    {{"plans", "1", ".", "."}, 2, "", kPlans},

    {{"plan", "1", "1"}, 0, "@plan-1-1.txt"},
    {{"plan", "1", "3"}, 1, "", "moxlet-cli: profile 1 has no plan record 3\n"},
    {{"plan", "2", "1"}, 1, "", kNotLive2},
    {{"plan", "1", " 1"}, 2, "", usage("plan N RECORD [DIR]") + kPlanNumbers},
    {{"plan", "1"}, 2, "", usage("plan N RECORD [DIR]")},

    {{"plan-text", "1", "1"}, 0, "@plan-text-1-1.txt"},
    {{"plan-text", "1", "2", "."}, 0, "~LESSON PLAN for Ann Ames\t\t\t09-21-26\r\n"},
    {{"plan-text", "3", "1"}, 1, "", "moxlet-cli: profile 3 has no plan record 1\n"},
    {{"plan-text", "1", "1", "nowhere"}, 1, "", kNoFolder},
    {{"plan-text", "1", "99999999999999999999"}, 2, "", usage("plan-text N RECORD [DIR]") + kPlanNumbers},

#ifdef MOXLET_CLI_PDF
    {{"plan-pdf", "1", "1", "plan.pdf", ".", "--font", "large"}, 0, "plan.pdf\n", "", nullptr, kPdfWritten},
    {{"plan-pdf", "1", "1", "no/folder/plan.pdf"}, 1, "", "moxlet-cli: Printer Error 75.\n"},
    {{"plan-pdf", "1", "1", "plan.pdf", "--font", "huge"}, 2, "", kPlanPdf},
    {{"plan-pdf", "1", "1"}, 2, "", kPlanPdf},
    {{"plan-pdf", "1", "1", "plan.pdf", "--paper", "letter"}, 0, "plan.pdf\n", "", nullptr, kPlanOnLetter},
    {{"plan-pdf", "1", "1", "plan.pdf", "--paper", "a4"}, 0, "plan.pdf\n", "", nullptr, kPlanOnA4},
    {{"plan-pdf", "1", "1", "plan.pdf", "--paper", "legal"}, 2, "", kPlanPdf},
    {{"plan-pdf", "1", "1", "plan.pdf", "--paper"}, 2, "", kPlanPdf},
    {{"wordlist-pdf", "1", "list.pdf", ".", "--segments", "0,10", "--seed", "4", "--paper", "letter"},
     0,
     "list.pdf\n",
     "",
     nullptr,
     kListOnLetter},
    {{"wordlist-pdf", "1", "list.pdf", "--segments", "11"}, 2, "", kNotReview11},
    {{"wordlist-pdf", "1", "--segments", "0"}, 2, "", kWordListPdf},
    {{"wordlist-pdf", "1", "list.pdf", "--segments", "0", "--auto"}, 2, "", kWordListPdf},
    {{"wordlist-pdf", "1", "list.pdf", "--segments", "0", "--font", "huge"}, 2, "", kWordListPdf},
    {{"wordlist-pdf", "1", "list.pdf", "--segments", "0", "--paper", "a5"}, 2, "", kWordListPdf},
#endif

    {{"check"}, 0, "", "2 live profile(s), 1 plan file(s), 2 plan(s); 0 problem(s)\n"},
    {{"check", "."}, 1, "@check-untidy.txt", kFourProblems, untidyFolder},
    {{"check", "nowhere"}, 1, "", kNoFolder},
    {{"check", ".", "."}, 2, "", usage("check [DIR]")},

    {{"catalogue"}, 0, "~@catalogue-lines.txt"},
    {{"catalogue", "0"}, 2, "", usage("catalogue")},

    {{"word", "bad", "ADD", "cab", "zzz"},
     0,
     "bad\t1\t0,10,17,121\t-\teveryday\nadd\t1\t0,17,121\tH\tcommon\ncab\t1\t0,10,11,121\t-\twider\n"
     "zzz\tnot found\n"},
    {{"word", "bad"}, 1, "", kNoWordBase, noWordBase},
    {{"word"}, 2, "", usage("word WORD...")},

    {{"words", "0"},
     0,
     "1\tadd\t1\t0,17,121\tH\n2\tbad\t1\t0,10,17,121\t-\n3\tcab\t1\t0,10,11,121\t-\n"
     "4\tdab\t1\t0,10,17,121\t-\n5\tabracadabra\t4\t0,10,17,73,121\t-\n"},
    {{"words", "0", "--syllables", "2-9"}, 0, "5\tabracadabra\t4\t0,10,17,73,121\t-\n"},
    {{"words", "10", "--syllables", "1-1"},
     0,
     "6\tbad\t1\t0,10,17,121\t-\n7\tcab\t1\t0,10,11,121\t-\n8\tdab\t1\t0,10,17,121\t-\n"},
    {{"words", "5"}, 0, ""},
    {{"words", "0"}, 1, "", kNoWordBase, noWordBase},
    {{"words", "332"}, 2, "", kWords},
    {{"words", "0", "--syllables", "3-1"}, 2, "", kWords},
    {{"words", "0", "--syllables", "0-2"}, 2, "", kWords},
    {{"words", "0", "--syllables", "2"}, 2, "", kWords},
    {{"words", "0", "1-2"}, 2, "", kWords},

    {{"wordbase-stats"}, 0, "~@wordbase-stats.txt"},
    {{"wordbase-stats"}, 1, "", kNoWordBase, noWordBase},
    {{"wordbase-stats", "x"}, 2, "", usage("wordbase-stats")},

    // The known options mark homophones; the word base is the data folder's.
    {{"wordlist", "1", "--segments", "0,10"}, 0, "add *\nbad\ndab\n"},
    {{"wordlist", "1", "other", "--segments", "0"}, 0, "add *\nbad\ndab\n", "", allInOther},
    {{"wordlist", "1", ".", "--segments", "17,0", "--auto", "--seed", "4"}, 0, "@wordlist-auto-seed-4.txt"},
    {{"wordlist", "1", "--segments", "124"}, 0, "", kNoBL},
    {{"wordlist", "1", "--new", "--segments", "10"}, 2, "", kNotNew10},
    {{"wordlist", "1", "--segments", "11"}, 2, "", kNotReview11},
    {{"wordlist", "2", "--segments", "0"}, 1, "", kNotLive2},
    {{"wordlist", "1", "nowhere", "--segments", "0"}, 1, "", kNoFolder},
    {{"wordlist", "1", "--segments", "0"}, 1, "", kNoWordBase, noWordBase},
    {{"wordlist", "1"}, 2, "", kWordList},
    {{"wordlist", "1", "--segments", "0,0"}, 2, "", kWordList},
    {{"wordlist", "1", "--segments", "0,1,2,3,4,5"}, 2, "", kWordList},
    {{"wordlist", "1", "--segments", "0,"}, 2, "", kWordList},
    {{"wordlist", "1", "--segments", "0", "--seed", "x"}, 2, "", kWordList},
    {{"wordlist", "1", "--segments", "0", "--bogus"}, 2, "", kWordList},
    // "add" is a common word: the folder's option or --level leaves it out.
    {{"wordlist", "1", "--segments", "0"}, 0, "bad\ndab\n", "", everydayWords},
    {{"wordlist", "1", "--segments", "0", "--level", "common"}, 0, "add *\nbad\ndab\n", "", everydayWords},
    {{"wordlist", "1", "--segments", "0", "--level", "everyday"}, 0, "bad\ndab\n"},
    {{"wordlist", "1", "--segments", "0", "--level", "easy"}, 2, "", kWordList},

    // The small word base lacks "had" and "cabs"; Ann has not studied C (k).
    {{"passage", "1", "-"}, 0, "@passage-ann.txt", "", nullptr, nullptr, "Bad Dab had 2 cabs; Dab's cab.\n"},
    {{"passage", "1", "story.txt"}, 0, "~@passage-story.txt", kCannotHoldW, withStory},
    {{"passage", "1", "-", "other"}, 0, "~bad\tdecodable\t" + kBadOffered, "", allInOther, nullptr, "bad"},
    {{"passage", "1"}, 0, kJustANumber, "", nullptr, nullptr, " \r\n... 7\n"},
    {{"passage", "1", "-"}, 1, "", kNotText, nullptr, nullptr, std::string("bad\0", 4)},
    {{"passage", "1", "-"}, 1, "", kNotUtf8, nullptr, nullptr, "bad\ncaf\xE9"},
    {{"passage", "1", "none.txt"}, 1, "", "moxlet-cli: cannot read none.txt\n"},
    {{"passage", "2"}, 1, "", kNotLive2},
    {{"passage", "1", "-", "nowhere"}, 1, "", kNoFolder},
    {{"passage", "1"}, 1, "", kNoWordBase, noWordBase, nullptr, "bad"},
    {{"passage"}, 2, "", kPassage},
    {{"passage", "one"}, 2, "", kPassage},
    {{"passage", "1", "-", ".", "."}, 2, "", kPassage},

    {{"backups"}, 0, "2026-01-02\t2 file(s)\t758 bytes\n2026-01-01\t1 file(s)\t118 bytes\n", "", withBackups},
    {{"backups", "."}, 0, "", "no backups in ./Backups\n"},
    {{"backups", "nowhere"}, 1, "", kNoFolder},
    {{"backups", ".", "."}, 2, "", usage("backups [DIR]")},

    {{"restore", "2026-01-02"}, 0, kAsk + kRestored, "", withBackups, restoredAndKept, "y\n"},
    {{"restore", "2026-01-02", "."}, 1, kNothingRestored, "", withBackups, untouched, "n\n"},
    {{"restore", "2026-01-02"}, 1, kNothingRestored, "", withBackups, untouched},
    {{"restore", "--yes", "2026-01-02"}, 0, kRestored, "", withBackups, restoredAndKept},
    {{"restore", "2026-01-02", "--yes"}, 1, "", kRunning, lockedWithBackups, untouched},
    {{"restore", "2026-01-03", "--yes"}, 1, "", kNoBackup3, withBackups, untouched},
    {{"restore", "2026-01-02", "nowhere"}, 1, "", kNoFolder},
    {{"restore"}, 2, "", kRestore},
    {{"restore", "2026-01-02", ".", "."}, 2, "", kRestore},
    {{"restore", "2026-01-02", "--force"}, 2, "", kRestore, withBackups, untouched},
};

const std::string kBeyondEveryday = "“ad” is a common word, beyond the chosen level: lists offer words up to "
                                    "everyday (Options > Words Offered).\n";
const std::string kBeer =
    "“beer” needs segments this student has not studied: EE, R. It is also a wider word, "
    "beyond the chosen level (up to common).\n";

const std::string kAdOffered = "“ad” is offered in the Review lists of A (ă), D, Closed Syllable.\n";
const std::string kOffsetAlone = "moxlet-cli: --offset belongs to one list: give its --segment too\n";
const std::string kNoNewList =
    "“bad” contains no segment this student has not studied, so no New list offers it.\n";
const std::string kSamTypes = "The ship is in the dock.\nI thought it was great\n";

// Answers from the word base this build ships: student 1 studied A (ă), B,
// D, Closed Syllable, BL and Rote Words.
const std::vector<Row> kShippedRows = {
    {{"why", "1", "bad", "--segment", "10"}, 0, "“bad” is offered.\n"},
    {{"why", "1", "bad", "--segment", "A (ă)"}, 0, "“bad” is offered.\n"},
    {{"why", "1", "Bad"}, 0, kBadOffered},
    {{"why", "1", "bad", "--new"}, 1, kNoNewList},
    {{"why", "1", "cab", "--segment", "B"},
     1,
     "“cab” needs a segment this student has not studied: C (k).\n"},
    {{"why", "1", "cab", "--segment", "C (k)", "--new"}, 0, "“cab” is offered.\n"},
    {{"why", "1", "bad", "--segment", "TR"}, 1, "“bad” does not contain TR.\n"},
    {{"why", "1", "zzxq"}, 1, "“zzxq” is not in Moxlet's word base.\n"},
    {{"why", "2", "bad"}, 2, "", "moxlet-cli: there is no student 2 in PROFILES.DAT of this folder\n"},
    {{"why", "1", "bad", "--segment", "XYZ"}, 2, "", "moxlet-cli: no word segment is called \"XYZ\"\n"},
    {{"why", "1", "ad", "--segment", "A (ă)", "--level", "everyday"}, 1, kBeyondEveryday},
    {{"why", "1", "ad"}, 1, kBeyondEveryday, "", everydayWords},
    {{"why", "1", "ad", "--level", "common"}, 0, kAdOffered, "", everydayWords},
    {{"why", "1", "beer"}, 1, kBeer},
    {{"why", "1", "ad", "--level", "all"}, 2, "", kWhy},
    {{"why", "1", "bad", "--offset", "1"}, 2, "", kOffsetAlone},
    {{"why", "1", "bad"}, 2, "", kNoWordBase, noWordBase},
    {{"why", "1"}, 2, "", kWhy},
    {{"why", "1x", "bad"}, 2, "", kWhy},
    {{"why", "1", "bad", "--offset", "-1", "--segment", "0"}, 2, "", kWhy},
    {{"why", "1", "bad", "--segment"}, 2, "", kWhy},

    // A beginner reads the first sentence whole, not two words of the second.
    {{"passage", "4"}, 0, "@passage-sam.txt", "", withSam, nullptr, kSamTypes},
};

// ---- Running a row ---------------------------------------------------

// Names that change from run to run are replaced by fixed words.
std::string steady(std::string text, const Folder& folder)
{
    for (std::size_t at; (at = text.find(folder.path.string())) != std::string::npos;)
        text.replace(at, folder.path.string().size(), "DIR");
    text = std::regex_replace(text, std::regex(R"(\d{4}-\d\d-\d\d before restore \d{6})"),
                              "TODAY before restore HHMMSS");
    return std::regex_replace(text, std::regex(R"(process \d+ on [^)]*?(?=\.\)))"), "process PID on HOST");
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> all;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) all.push_back(line);
    return all;
}

void expectOutput(const std::string& got, std::string want, const char* stream)
{
    const bool someLines = want.starts_with('~');
    if (someLines) want.erase(0, 1);
    if (want.starts_with('@')) want = readFile(kData / "cli" / want.substr(1));
    if (!someLines) {
        EXPECT_EQ(got, want) << stream;
        return;
    }
    const auto all = lines(got);
    auto at = all.begin();
    for (const std::string& line : lines(want)) {
        at = std::find(at, all.end(), line);
        ASSERT_NE(at, all.end()) << stream << " lacks, in its place: " << line << "\n" << got;
    }
}

void PrintTo(const Row& row, std::ostream* os)
{
    *os << "moxlet-cli";
    for (const std::string& a : row.args) *os << " '" << a << "'";
}

void expectRow(const Row& row, bool shippedWordBase)
{
    Folder folder;
    std::istringstream in(row.input);
    std::ostringstream out, err;
    CliContext ctx(in, out, err);
    ctx.workingDir = folder.path;
    ctx.shippedWordBase = MOXLET_WORDBASE_DIR;
    ctx.random = std::make_unique<SeededRandom>(1);
    if (!shippedWordBase) writeSmallWordBase(folder.path, ctx);
    if (row.setup) row.setup(folder, ctx);
    EXPECT_EQ(runCli(row.args, ctx), row.status) << err.str();
    expectOutput(steady(out.str(), folder), row.out, "out");
    expectOutput(steady(err.str(), folder), row.err, "err");
    if (row.check) row.check(folder);
}

class CliCommand : public ::testing::TestWithParam<Row> {};
TEST_P(CliCommand, PrintsAndEndsAsExpected) { expectRow(GetParam(), false); }

class CliShippedWordBase : public ::testing::TestWithParam<Row> {};
TEST_P(CliShippedWordBase, PrintsAndEndsAsExpected) { expectRow(GetParam(), true); }

std::string rowName(const ::testing::TestParamInfo<Row>& info)
{
    std::string name = std::to_string(info.index);
    for (const std::string& a : info.param.args) {
        name += '_';
        for (char c : a) name += std::isalnum(static_cast<unsigned char>(c)) ? c : 'x';
    }
    return name.substr(0, 60);
}

INSTANTIATE_TEST_SUITE_P(Rows, CliCommand, ::testing::ValuesIn(kRows), rowName);
INSTANTIATE_TEST_SUITE_P(Rows, CliShippedWordBase, ::testing::ValuesIn(kShippedRows), rowName);

// Every command the program lists has rows, and its manual page describes it.
TEST(CliCommands, EachHasRowsAndAManualEntry)
{
    std::set<std::string> tested;
    for (const auto* rows : {&kRows, &kShippedRows})
        for (const Row& row : *rows)
            if (!row.args.empty()) tested.insert(row.args[0]);
    std::string page = readFile(MOXLET_SOURCE_DIR "/packaging/moxlet-cli.1");
    for (std::size_t at; (at = page.find("\\-")) != std::string::npos;) page.replace(at, 2, "-");
    for (const Command& c : Command::all()) {
        EXPECT_TRUE(tested.contains(c.name)) << "no row runs " << c.name;
        EXPECT_TRUE(std::regex_search(page, std::regex("\n\\.BR? " + c.name + "\\b")))
            << "the manual page lacks " << c.name;
    }
}

}  // namespace
}  // namespace moxlet::cli
