#include "app/cli/CliWordBase.h"

#include <ostream>

#include "core/catalogue/Marks.h"
#include "core/words/WordListing.h"

namespace moxlet::cli {

namespace {
std::filesystem::path exeDir()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path(".") : exe.parent_path();
}

std::filesystem::path chosenDirectory()
{
    return wordBaseDirectory(std::filesystem::current_path(), shippedWordBaseDir(exeDir()));
}
}  // namespace

Answer StreamPrompt::message(const std::string& text, const std::string&, Icon, Buttons buttons)
{
    err_ << cp1252ToUtf8(text) << '\n';
    return buttons == Buttons::RetryCancel ? Answer::Cancel : Answer::Ok;
}

CliWordBase::CliWordBase(std::ostream& err)
    : source{{}, chosenDirectory()}, fs(source.directory.string()), prompt(err)
{
    fillOffsetIndex(source.index);
    wordBase = WordBase::open(ctx);
    if (!wordBase) err << "(looked for " << (source.directory / kWordBaseFileName).string() << ")\n";
}

std::string wordLine(const WordRecord& word)
{
    return word.WordText.trimmed() + "\t" + std::to_string(word.OrderKey) + "\t" +
           segmentIdList(word.Segments) + "\t" + wordFlags(word.Segments);
}

}  // namespace moxlet::cli
