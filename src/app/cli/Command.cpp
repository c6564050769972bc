#include "app/cli/Command.h"

#include <algorithm>
#include <exception>
#include <ostream>

#include "app/cli/CliContext.h"

namespace moxlet::cli {

namespace {
std::vector<Command>& registry()
{
    static std::vector<Command> commands;
    return commands;
}

void listCommands(std::ostream& os)
{
    os << "usage: moxlet-cli COMMAND [ARGS]\n\ncommands:\n";
    for (const Command& c : Command::all()) os << "  " << c.usage << "\n      " << c.summary << "\n";
}
}  // namespace

Command::Registration::Registration(std::string name, std::string usage, std::string summary, CommandFn run)
{
    registry().push_back({std::move(name), std::move(usage), std::move(summary), run});
}

std::vector<Command> Command::all()
{
    std::vector<Command> commands = registry();
    std::sort(commands.begin(), commands.end(),
              [](const Command& a, const Command& b) { return a.name < b.name; });
    return commands;
}

int runCli(const Args& args, CliContext& ctx)
{
    if (args.empty()) {
        listCommands(ctx.err);
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        listCommands(ctx.out);
        return 0;
    }
    const std::vector<Command> commands = Command::all();
    const auto command =
        std::find_if(commands.begin(), commands.end(), [&](const Command& c) { return c.name == args[0]; });
    if (command == commands.end()) {
        ctx.err << "moxlet-cli: unknown command '" << args[0] << "'\n\n";
        listCommands(ctx.err);
        return 2;
    }
    ctx.usage = command->usage;
    try {
        command->run(Args(args.begin() + 1, args.end()), ctx);
    } catch (const std::exception& e) {
        ctx.fail(1, e.what());
    }
    return ctx.finish();
}

}  // namespace moxlet::cli
