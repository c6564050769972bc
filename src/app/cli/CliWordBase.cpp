#include "CliWordBase.h"

#include <ostream>

#include "FileError.h"
#include "WordListing.h"

namespace moxlet::cli {

namespace {
std::filesystem::path exeDir()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path(".") : exe.parent_path();
}
}  // namespace

CliWordBase openCliWordBase(std::ostream& err)
{
    CliWordBase cli;
    const auto path = locateWordBase(std::filesystem::current_path(), shippedWordBaseDir(exeDir()));
    cli.wordBase = WordBase::open(path, [&](int errorNumber, const std::string& context) {
        err << context << fileErrorText(errorNumber).value_or("") << " (" << path.string() << ")\n";
        return false;
    });
    fillOffsetIndex(cli.index);
    return cli;
}

std::string wordLine(const WordRecord& word)
{
    return word.WordText.trimmed() + "\t" + std::to_string(word.OrderKey) + "\t" + segmentIdList(word.Segments) +
           "\t" + wordFlags(word.Segments);
}

}  // namespace moxlet::cli
