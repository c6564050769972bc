#pragma once
// The desktop program's start: prepare the data directory (the working
// directory), make the services, load and show the main window.  main() and
// the start-up benchmark share it.

#include <QString>

namespace moxlet::ui {

struct ProgramOptions {
    // Quit as soon as the main window is shown and idle (start-up benchmark).
    bool quitWhenIdle = false;
};

// The installation data directory: ../share/moxlet beside the executable
// (installed or in the build tree), else the configured installation folder.
QString installDataDir();

// Runs the program in an existing QApplication; returns the exit status.
int runProgram(const ProgramOptions& options = {});

}  // namespace moxlet::ui
