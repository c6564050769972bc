// moxlet-cli: inspection and export of Moxlet's data from the command line.

#include <iostream>

#include "app/cli/CliContext.h"
#include "app/cli/Command.h"

int main(int argc, char** argv)
{
    moxlet::cli::CliContext ctx(std::cin, std::cout, std::cerr);
    return moxlet::cli::runCli(moxlet::cli::Args(argv + 1, argv + argc), ctx);
}
