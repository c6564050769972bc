#pragma once
// The print dialogs answered without a person.  By default the print dialog
// is cancelled and the preview is shown, painted once and closed; a test may
// look at a dialog and answer it itself with `answer`.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <functional>

#include "ui/common/Services.h"

namespace moxlet::ui {

class ScriptedPrintDialogs : public PrintDialogs {
public:
    // Returns whether the dialog was accepted; may change its printer.
    std::function<bool(QDialog&)> answer;
    int shown = 0;

    bool exec(QDialog& dialog) override
    {
        ++shown;
        if (answer) return answer(dialog);
        if (qobject_cast<QPrintPreviewDialog*>(&dialog)) return showBriefly(dialog);
        return false;
    }

    // Shows a dialog, lets it paint (a preview paints the printout) and
    // closes it; as QDialog::exec, it copes with the dialog being deleted
    // (with its parent) while events run.
    static bool showBriefly(QDialog& dialog)
    {
        QPointer<QDialog> shown(&dialog);
        shown->show();
        QApplication::processEvents();
        if (!shown) return false;
        shown->close();
        return true;
    }
};

}  // namespace moxlet::ui
