#pragma once
// A Clipboard for tests that keeps what was set.

#include "ui/common/Services.h"

namespace moxlet::ui {

class MemoryClipboard : public Clipboard {
public:
    void clear() override { text.clear(); }
    void setText(const QString& t) override { text = t; }
    QString text;
};

}  // namespace moxlet::ui
