// moxlet-cli: inspection and export of Moxlet's data from the command line.

#include <algorithm>
#include <iostream>

#include "app/cli/Command.h"

namespace moxlet::cli {

namespace {
std::vector<Command>& registry()
{
    static std::vector<Command> commands;
    return commands;
}
}  // namespace

Command::Registration::Registration(std::string name, std::string usage, std::string summary, CommandFn run)
{
    registry().push_back({std::move(name), std::move(usage), std::move(summary), run});
}

const std::vector<Command>& Command::all() { return registry(); }

}  // namespace moxlet::cli

int main(int argc, char** argv)
{
    using moxlet::cli::Command;
    std::vector<Command> commands = Command::all();
    std::sort(commands.begin(), commands.end(),
              [](const Command& a, const Command& b) { return a.name < b.name; });
    auto usage = [&](std::ostream& os) {
        os << "usage: moxlet-cli COMMAND [ARGS]\n\ncommands:\n";
        for (const auto& c : commands) os << "  " << c.usage << "\n      " << c.summary << "\n";
    };
    if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
        usage(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? 2 : 0;
    }
    std::string name = argv[1];
    for (const auto& c : commands) {
        if (c.name == name) return c.run(moxlet::cli::Args(argv + 2, argv + argc), std::cout, std::cerr);
    }
    std::cerr << "moxlet-cli: unknown command '" << name << "'\n\n";
    usage(std::cerr);
    return 2;
}
