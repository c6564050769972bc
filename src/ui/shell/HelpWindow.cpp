#include "ui/shell/HelpWindow.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/common/AccessibleNames.h"
#include "ui/shell/HelpBrowser.h"
#include "ui/shell/ProductPicture.h"

namespace moxlet::ui {

namespace {
enum Tab { ContentsTab, IndexTab, SearchTab };

const QString kStampKey = QStringLiteral("moxlet/manual");

// Which installed manual the collection holds: a new installation (another
// file, size or time) is registered and indexed again.
QString manualStamp(const QFileInfo& file)
{
    return file.absoluteFilePath() + QLatin1Char('|') + QString::number(file.size()) + QLatin1Char('|') +
           QString::number(file.lastModified().toMSecsSinceEpoch());
}
}  // namespace

HelpWindow::HelpWindow(const QString& helpFile, const QString& collectionDir, UrlOpener openUrl,
                       QWidget* owner)
    : QMainWindow(owner, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Moxlet Help"));
    setWindowIcon(QIcon(productPicture(64)));
    ready_ = openCollection(helpFile, collectionDir);
    if (!ready_) return;
    buildWindow(openUrl);
    // The full-text index is built in the background the first time, and
    // again after the manual changed; searching waits for it.
    if (reindex_)
        engine_->searchEngine()->reindexDocumentation();
    else
        engine_->searchEngine()->scheduleIndexDocumentation();
}

QString HelpWindow::topicIdentifier(int context) { return QStringLiteral("moxlet.topic.%1").arg(context); }

bool HelpWindow::openCollection(const QString& helpFile, const QString& collectionDir)
{
    const QFileInfo manual(helpFile);
    if (!manual.isFile() || !QDir().mkpath(collectionDir)) return false;
    const QString space = QHelpEngineCore::namespaceName(manual.absoluteFilePath());
    if (space.isEmpty()) return false;  // not a compiled manual

    engine_ = new QHelpEngine(QDir(collectionDir).filePath(QStringLiteral("moxlet.qhc")), this);
    engine_->setUsesFilterEngine(true);
    engine_->setReadOnly(false);  // the collection is ours to write; Qt's default is read only
    if (!engine_->setupData()) return false;
    const QString stamp = manualStamp(manual);
    const QStringList registered = engine_->registeredDocumentations();
    if (!registered.contains(space) || engine_->customValue(kStampKey).toString() != stamp) {
        for (const QString& old : registered) engine_->unregisterDocumentation(old);
        if (!engine_->registerDocumentation(manual.absoluteFilePath())) return false;
        engine_->setCustomValue(kStampKey, stamp);
        reindex_ = true;
        if (!engine_->setupData()) return false;
    }
    return !engine_->documentsForIdentifier(topicIdentifier(kHelpContentsTopic)).isEmpty();
}

void HelpWindow::buildWindow(const UrlOpener& openUrl)
{
    browser_ = new HelpBrowser(*engine_, openUrl, this);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("HelpTabs"));
    tabs_->setAccessibleName(QStringLiteral("Contents, index and search"));
    QHelpContentWidget* contents = engine_->contentWidget();
    contents->setObjectName(QStringLiteral("HelpContents"));
    contents->setAccessibleName(QStringLiteral("Contents"));
    contents->header()->setAccessibleName(QStringLiteral("Contents"));  // hidden, but still announced
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::showPage);
    tabs_->addTab(contents, QStringLiteral("&Contents"));
    tabs_->addTab(buildIndexTab(), QStringLiteral("&Index"));
    tabs_->addTab(buildSearchTab(), QStringLiteral("&Search"));

    // Back, forward, the contents page, and larger or smaller print.
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("HelpToolBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto add = [this, bar](const QString& text, const QKeySequence& key, auto slot) {
        QAction* a = bar->addAction(text);
        a->setShortcut(key);
        a->setToolTip(QStringLiteral("%1 (%2)").arg(QString(text).remove(QLatin1Char('&')),
                                                    key.toString(QKeySequence::NativeText)));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QAction* back =
        add(QStringLiteral("&Back"), QKeySequence(Qt::ALT | Qt::Key_Left), [this] { browser_->backward(); });
    QAction* forward = add(QStringLiteral("&Forward"), QKeySequence(Qt::ALT | Qt::Key_Right),
                           [this] { browser_->forward(); });
    add(QStringLiteral("C&ontents Page"), QKeySequence(Qt::ALT | Qt::Key_Home),
        [this] { showTopic(kHelpContentsTopic); });
    add(QStringLiteral("&Larger Print"), QKeySequence::ZoomIn, [this] { browser_->zoomIn(2); });
    add(QStringLiteral("S&maller Print"), QKeySequence::ZoomOut, [this] { browser_->zoomOut(2); });
    bar->addSeparator();
    QAction* closeAction =
        add(QStringLiteral("Close"), QKeySequence(Qt::Key_Escape), [this] { this->close(); });
    closeAction->setObjectName(QStringLiteral("HelpClose"));
    closeAction->setShortcutContext(Qt::WindowShortcut);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    // The contents follow the page shown, also once they have been read
    // in the background after the first page was shown.
    // (The browser tells of a new page before source() returns it.)
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::followPage);
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this,
            [this] { followPage(browser_->source()); });

    auto* splitter = new QSplitter(this);
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 680});

    bar->setMovable(false);
    addToolBar(bar);
    setCentralWidget(splitter);
    resize(960, 680);
}

QWidget* HelpWindow::buildIndexTab()
{
    auto* tab = new QWidget(this);
    lookFor_ = new QLineEdit(tab);
    lookFor_->setObjectName(QStringLiteral("LookFor"));
    lookFor_->setClearButtonEnabled(true);
    auto* label = new QLabel(QStringLiteral("&Look for:"), tab);
    label->setBuddy(lookFor_);
    QHelpIndexWidget* index = engine_->indexWidget();
    index->setObjectName(QStringLiteral("HelpIndex"));
    index->setAccessibleName(QStringLiteral("Index"));
    connect(lookFor_, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(lookFor_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document, const QString&) { showPage(document.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& documents, const QString&) { showOneOf(documents); });

    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(label);
    layout->addWidget(lookFor_);
    layout->addWidget(index, 1);
    return tab;
}

QWidget* HelpWindow::buildSearchTab()
{
    auto* tab = new QWidget(this);
    QHelpSearchEngine* search = engine_->searchEngine();
    QHelpSearchQueryWidget* query = search->queryWidget();
    query->setObjectName(QStringLiteral("HelpSearchQuery"));
    QHelpSearchResultWidget* results = search->resultWidget();
    results->setObjectName(QStringLiteral("HelpSearchResults"));
    results->setAccessibleName(QStringLiteral("Pages found"));
    connect(query, &QHelpSearchQueryWidget::search, search,
            [search, query] { search->search(query->searchInput()); });
    connect(results, &QHelpSearchResultWidget::requestShowLink, this, &HelpWindow::showPage);

    // The search widgets come with unnamed parts: a field, a page, and the
    // result pages' four arrow buttons, which show only a picture (made in
    // this order: first, previous, next, last).
    if (auto* field = query->findChild<QLineEdit*>()) field->setAccessibleName(QStringLiteral("Search for"));
    if (auto* found = results->findChild<QTextBrowser*>())
        found->setAccessibleName(QStringLiteral("Pages found"));
    const QList<QToolButton*> arrows = results->findChildren<QToolButton*>();
    const char* const arrowNames[] = {"First page of results", "Previous page of results",
                                      "Next page of results", "Last page of results"};
    for (qsizetype i = 0; i < arrows.size() && i < 4; ++i)
        if (arrows[i]->text().isEmpty()) nameEllipsisButton(arrows[i], QString::fromLatin1(arrowNames[i]));

    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(query);
    layout->addWidget(results, 1);
    return tab;
}

void HelpWindow::followPage(const QUrl& page)
{
    QHelpContentWidget* contents = engine_->contentWidget();
    const QModelIndex at = contents->indexOf(page);
    if (!at.isValid()) return;
    contents->setCurrentIndex(at);
    contents->scrollTo(at);  // opens the branches above it
}

void HelpWindow::showPage(const QUrl& url)
{
    if (url.isValid()) browser_->setSource(url);
}

void HelpWindow::showOneOf(const QList<QHelpLink>& documents)
{
    // A keyword on several pages: the tutor picks the page by its title.
    QMenu choose(this);
    for (const QHelpLink& d : documents) {
        const QUrl url = d.url;
        choose.addAction(d.title, this, [this, url] { showPage(url); });
    }
    const QWidget* index = tabs_->widget(IndexTab);
    choose.exec(index->mapToGlobal(index->rect().center()));
}

void HelpWindow::showTopic(int context)
{
    if (!ready_) return;
    const int topic = context == 0 ? kHelpContentsTopic : context;
    const QList<QHelpLink> documents = engine_->documentsForIdentifier(topicIdentifier(topic));
    if (documents.isEmpty()) return;
    showPage(documents.first().url);
    present(ContentsTab);
    browser_->setFocus();
}

void HelpWindow::showKeyword(const QString& keyword)
{
    if (!ready_) return;
    const QList<QHelpLink> documents = engine_->documentsForKeyword(keyword);
    if (documents.isEmpty()) {
        showTopic(kHelpContentsTopic);
        return;
    }
    showPage(documents.first().url);
    present(ContentsTab);
    browser_->setFocus();
}

void HelpWindow::showIndex()
{
    if (!ready_) return;
    if (browser_->source().isEmpty()) {
        const QList<QHelpLink> home = engine_->documentsForIdentifier(topicIdentifier(kHelpContentsTopic));
        if (!home.isEmpty()) showPage(home.first().url);
    }
    present(IndexTab);
    lookFor_->setFocus();
    lookFor_->selectAll();
}

void HelpWindow::showSearch()
{
    if (!ready_) return;
    present(SearchTab);
    engine_->searchEngine()->queryWidget()->setFocus();
}

void HelpWindow::present(int tab)
{
    tabs_->setCurrentIndex(tab);
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

QUrl HelpWindow::currentPage() const { return browser_ ? browser_->source() : QUrl(); }

}  // namespace moxlet::ui
