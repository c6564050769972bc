#include "ui/shell/HelpBrowser.h"

#include <QHelpEngineCore>

namespace moxlet::ui {

namespace {
bool insideManual(const QUrl& url) { return url.scheme() == QLatin1String("qthelp"); }
}  // namespace

HelpBrowser::HelpBrowser(QHelpEngineCore& engine, UrlOpener openUrl, QWidget* parent)
    : QTextBrowser(parent), engine_(engine), openUrl_(std::move(openUrl))
{
    setObjectName(QStringLiteral("HelpPage"));
    setAccessibleName(QStringLiteral("Help page"));
    setOpenExternalLinks(false);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    if (insideManual(name)) return engine_.fileData(name);
    return QTextBrowser::loadResource(type, name);
}

void HelpBrowser::doSetSource(const QUrl& url, QTextDocument::ResourceType type)
{
    // Relative links arrive resolved against the page shown; an address
    // without a scheme is a page of the manual.
    if (insideManual(url) || url.scheme().isEmpty()) {
        QTextBrowser::doSetSource(url, type);
        return;
    }
    if (openUrl_) openUrl_(url);
}

}  // namespace moxlet::ui
