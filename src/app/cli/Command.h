#pragma once
// moxlet-cli's commands register themselves: each Cmd*.cpp defines one
// command with a static Command::Registration, so adding a command is adding
// a file.  A command reads its arguments and works through the CliContext it
// is given, leaving its exit status there.

#include <string>
#include <vector>

namespace moxlet::cli {

class CliContext;

using Args = std::vector<std::string>;
using CommandFn = void (*)(const Args& args, CliContext& ctx);

struct Command {
    std::string name;
    std::string usage;  // e.g. "catalogue" or "plans N [DIR]"
    std::string summary;
    CommandFn run;

    struct Registration {
        Registration(std::string name, std::string usage, std::string summary, CommandFn run);
    };
    // Every registered command, by name.
    static std::vector<Command> all();
};

// moxlet-cli with its arguments (the program's name left out): runs the
// command they name, or lists the commands (no arguments: on err, status 2;
// --help or -h: on out).  Returns the exit status.
int runCli(const Args& args, CliContext& ctx);

}  // namespace moxlet::cli
