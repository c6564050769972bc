#pragma once
// The desktop program's start: prepare the data directory (the working
// directory), make the services, load and show the main window.  main() and
// the start-up benchmark share it.

#include <QString>
#include <filesystem>

#include "core/shell/InstanceLock.h"
#include "core/store/Prompt.h"

namespace moxlet::ui {

struct ProgramOptions {
    // Quit as soon as the main window is shown and idle (start-up benchmark).
    bool quitWhenIdle = false;
};

// The installation data directory: ../share/moxlet beside the executable
// (installed or in the build tree), else the configured installation folder.
QString installDataDir();

// Takes the data folder's lock for this program.  When another Moxlet holds
// it, tells the tutor so and returns false: the program must not go on.
bool claimDataFolder(const std::filesystem::path& dataDir, Prompt& prompt, InstanceLock& lock);

// Runs the program in an existing QApplication; returns the exit status
// (1 when another Moxlet has the data folder).
int runProgram(const ProgramOptions& options = {});

}  // namespace moxlet::ui
