#pragma once
// moxlet-cli's commands register themselves: each Cmd*.cpp defines one
// command with a static Command::Registration, so adding a command is adding
// a file.

#include <iosfwd>
#include <string>
#include <vector>

namespace moxlet::cli {

using Args = std::vector<std::string>;
// Runs a command; returns the process exit status.
using CommandFn = int (*)(const Args& args, std::ostream& out, std::ostream& err);

struct Command {
    std::string name;
    std::string usage;  // e.g. "catalogue" or "plans N [DIR]"
    std::string summary;
    CommandFn run;

    struct Registration {
        Registration(std::string name, std::string usage, std::string summary, CommandFn run);
    };
    static const std::vector<Command>& all();
};

}  // namespace moxlet::cli
