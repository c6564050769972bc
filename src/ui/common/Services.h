#pragma once
// What every window is given: the seams (message boxes, randomness, the
// clipboard), the options in force, where words come from, and the data
// folder.  The program passes real ones; tests pass scripted ones.

#include <QString>
#include <filesystem>

#include "core/options/Options.h"
#include "core/store/Prompt.h"
#include "core/store/Random.h"
#include "core/words/WordBase.h"

class QDialog;

namespace moxlet::ui {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
};

// The system clipboard.
class SystemClipboard : public Clipboard {
public:
    void clear() override;
    void setText(const QString& text) override;
};

// The print dialog and the print preview are shown through this seam: the
// program shows them to the tutor (and waits); tests and the monkey answer
// them without a person.  The caller sets a dialog up; exec() shows it and
// says whether it was accepted.
class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;
    virtual bool exec(QDialog& dialog) = 0;
};

// The dialogs as they are: shown modally, waiting for the tutor.
class SystemPrintDialogs : public PrintDialogs {
public:
    bool exec(QDialog& dialog) override;
};

struct Services {
    Prompt& prompt;
    Random& random;
    Clipboard& clipboard;
    PrintDialogs& printDialogs;
    OptionSettings& options;
    WordSource& words;
    std::filesystem::path dataDir;  // every data file lives here
    QString installDir;             // the installation data directory (see shell/DataDirectory.h)
};

}  // namespace moxlet::ui
