// moxlet-cli word WORD...: how the word base holds each word, one line per
// word, tab-separated: word, syllables, segment ids (ascending, flags
// excluded), flags (H homophone, R root flag, HR, or -), level (everyday,
// common or wider).  A word the word base does not hold prints
// "WORD<TAB>not found".  Read from WORDBASE.WDB
// through the reader: the word is looked for in every record.

#include <algorithm>
#include <map>
#include <ostream>

#include "app/cli/CliContext.h"
#include "app/cli/CliWordBase.h"
#include "app/cli/Command.h"
#include "core/words/WordLevel.h"

namespace moxlet::cli {

namespace {

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

void runWord(const Args& args, CliContext& ctx)
{
    if (args.empty()) return ctx.usageError();
    CliWordBase wb(ctx);
    if (!wb.wordBase) return;
    std::map<std::string, std::string> wanted;
    for (const auto& a : args) wanted.emplace(lowerCase(a), std::string());
    std::size_t found = 0;
    const bool ok =
        wb.wordBase->readRun(1, wb.wordBase->recordCount(), [&](std::int32_t, const WordRecord& w) {
            if (found == wanted.size()) return;
            auto it = wanted.find(w.WordText.trimmed());
            if (it != wanted.end() && it->second.empty()) {
                it->second = wordLine(w) + "\t" + std::string(levelName(levelOf(w)));
                ++found;
            }
        });
    for (const auto& a : args) {
        const std::string& line = wanted[lowerCase(a)];
        ctx.out << (line.empty() ? a + "\tnot found" : line) << '\n';
    }
    if (!ok) ctx.status = 1;
}

const Command::Registration registration{
    "word", "word WORD...",
    "show how the word base holds each word: word, syllables, segment ids, flags, level (tab-separated)",
    &runWord};

}  // namespace

}  // namespace moxlet::cli
