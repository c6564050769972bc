#pragma once
// The seams every window is given: shared state, message boxes, randomness
// and the clipboard.  The program passes real ones; tests pass scripted ones.

#include <QString>

#include "Globals.h"
#include "Prompt.h"
#include "Random.h"

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

// Keeps what was set; for tests.
class MemoryClipboard : public Clipboard {
public:
    void clear() override { text.clear(); }
    void setText(const QString& t) override { text = t; }
    QString text;
};

struct Services {
    Globals& globals;
    Prompt& prompt;
    Random& random;
    Clipboard& clipboard;
    QString installDir;  // the installation data directory (see DataDirectory.h)
};

}  // namespace moxlet::ui
