#pragma once
// What every window is given: the seams (message boxes, randomness, the
// clipboard), the options in force, where words come from, and the data
// folder.  The program passes real ones; tests pass scripted ones.

#include <QString>
#include <filesystem>

#include "options/Options.h"
#include "store/Prompt.h"
#include "store/Random.h"
#include "words/WordBase.h"

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

struct Services {
    Prompt& prompt;
    Random& random;
    Clipboard& clipboard;
    OptionSettings& options;
    WordSource& words;
    std::filesystem::path dataDir;  // every data file lives here
    QString installDir;             // the installation data directory (see shell/DataDirectory.h)
};

}  // namespace moxlet::ui
