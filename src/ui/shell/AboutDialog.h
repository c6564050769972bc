#pragma once
// The about box (object name About, caption "About Moxlet"): the picture,
// company, product and version as on the splash window, and the maker's
// web address (Label8, a WebLink).  The hand cursor over the address shows
// that it is a link; clicking it, or Tab to it and Space or Enter, opens it
// in the browser through the URL opener.  OK closes the box.

#include <QDialog>

#include "ui/shell/ShellSeams.h"

namespace moxlet::ui {

class WebLink;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(UrlOpener openUrl, QWidget* parent = nullptr);

    // Shows it modally over `main` (open()); it deletes itself when closed.
    static AboutDialog* showFor(QWidget* main, UrlOpener openUrl);

    WebLink* webLink() const { return link_; }

private:
    UrlOpener openUrl_;
    WebLink* link_ = nullptr;
};

}  // namespace moxlet::ui
