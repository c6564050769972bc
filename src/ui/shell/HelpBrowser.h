#pragma once
// The help window's page view: a QTextBrowser that reads the manual's pages,
// style sheet and pictures out of the compiled manual (qthelp:// addresses).
// A link to anything else (a web address) is handed to the URL opener
// instead of being followed inside the window.

#include <QTextBrowser>

#include "ui/shell/ShellSeams.h"

class QHelpEngineCore;

namespace moxlet::ui {

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    HelpBrowser(QHelpEngineCore& engine, UrlOpener openUrl, QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    void doSetSource(const QUrl& url, QTextDocument::ResourceType type) override;

private:
    QHelpEngineCore& engine_;
    UrlOpener openUrl_;
};

}  // namespace moxlet::ui
