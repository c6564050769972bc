#include "app/cli/CliContext.h"

#include <ostream>

#include "core/catalogue/Marks.h"
#include "core/store/DiskFileSystem.h"
#include "core/words/WordBase.h"

namespace moxlet::cli {

namespace {
std::filesystem::path exeDir()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path(".") : exe.parent_path();
}
}  // namespace

CliContext::CliContext(std::istream& input, std::ostream& output, std::ostream& errors)
    : in(input), out(output), err(errors),
      openFolder([](const std::filesystem::path& folder) -> std::unique_ptr<FileSystem> {
          std::error_code ec;
          if (!std::filesystem::is_directory(folder, ec)) return nullptr;
          return std::make_unique<DiskFileSystem>(folder.string());
      }),
      shippedWordBase(moxlet::shippedWordBaseDir(exeDir())), random(makeClockRandom())
{
}

std::filesystem::path CliContext::path(const std::string& argument) const { return workingDir / argument; }

const FileContext* CliContext::filesAt(const std::filesystem::path& folder)
{
    std::unique_ptr<FileSystem> fs = openFolder(folder);
    if (!fs) return nullptr;
    FileSystem& opened = *fs;
    return &folders_.emplace_back(Folder{std::move(fs), FileContext{opened, prompt, fileRandom_}}).files;
}

const FileContext* CliContext::dataFolder(const std::string& dir)
{
    const FileContext* files = filesAt(path(dir));
    if (!files) fail(1, "there is no folder " + dir);
    return files;
}

bool CliContext::isFolder(const std::string& dir)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path(dir), ec)) return true;
    fail(1, "there is no folder " + dir);
    return false;
}

OffsetIndex CliContext::index() const
{
    if (wordIndex) return *wordIndex;
    OffsetIndex compiledIn;
    fillOffsetIndex(compiledIn);
    return compiledIn;
}

void CliContext::usageError(const std::string& note)
{
    err << "usage: moxlet-cli " << usage << '\n';
    if (!note.empty()) err << "  (" << note << ")\n";
    status = 2;
}

void CliContext::fail(int exitStatus, const std::string& text)
{
    reportProblems();
    err << "moxlet-cli: " << text << '\n';
    status = exitStatus;
}

void CliContext::reportProblems()
{
    for (const Problem& p : problems) err << cp1252ToUtf8(p.describe()) << '\n';
    for (const std::string& t : prompt.texts) err << cp1252ToUtf8(t) << '\n';
    messagesShown_ = messagesShown_ || !prompt.texts.empty();
    problems.clear();
    prompt.texts.clear();
}

int CliContext::finish()
{
    reportProblems();
    if (status == 0 && messagesShown_) status = 1;
    return status;
}

}  // namespace moxlet::cli
