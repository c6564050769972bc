#pragma once
// The help window: the manual with its contents, keyword index and
// full-text search on the left and the pages on the right.  The main window
// owns it, opens it from its Help menu and F1 (shell/ContextHelp) and
// closes it when it closes.  It is a window of its own, without a parent, so
// that a dialog waiting for an answer does not block it: the tutor reads
// the page while the dialog stays open.  It is a main window of its own
// (announced as a window, not as a pane): its tool bar ends with Close,
// and Escape closes it too.  The contents tree follows the page shown,
// opening the branch that holds it.
//
// The manual is the compiled Qt help file moxlet.qch that the build makes
// from manual/ and installs with the program.  It is read only; the window
// keeps a help collection that registers it, and the full-text index, in a
// folder of its own (the user's cache folder), re-registering the manual
// when the installed file changes.
//
// Topics are found by context number, as the program's Help menu names
// them: context number n is the manual keyword whose identifier is
// "moxlet.topic.n" (manual/moxlet.qhp), so "&Contents" (context 10) shows
// the manual's contents page.

#include <QMainWindow>

#include "ui/shell/ShellSeams.h"

class QHelpEngine;
class QHelpLink;
class QLineEdit;
class QTabWidget;

namespace moxlet::ui {

class HelpBrowser;

// The context number of the manual's contents page.
inline constexpr int kHelpContentsTopic = 10;

class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    // Opens the manual helpFile with its collection in collectionDir;
    // ready() tells whether both could be opened.
    HelpWindow(const QString& helpFile, const QString& collectionDir, UrlOpener openUrl,
               QWidget* owner = nullptr);

    bool ready() const { return ready_; }

    // The identifier of context number n in the manual.
    static QString topicIdentifier(int context);

    // Shows the window at the topic with that context number; 0 shows the
    // manual's first page.
    void showTopic(int context);
    // Shows the window at the first page of an index keyword; at the
    // contents page when the index lacks it.
    void showKeyword(const QString& keyword);
    // Shows the window at its keyword index, ready for a word to look for.
    void showIndex();
    // Shows the window at its full-text search.
    void showSearch();

    QUrl currentPage() const;
    QHelpEngine* engine() const { return engine_; }

private:
    bool openCollection(const QString& helpFile, const QString& collectionDir);
    void buildWindow(const UrlOpener& openUrl);
    QWidget* buildIndexTab();
    QWidget* buildSearchTab();
    void showPage(const QUrl& url);
    void showOneOf(const QList<QHelpLink>& documents);
    void present(int tab);
    // Marks the page shown in the contents tree.
    void followPage(const QUrl& page);

    QHelpEngine* engine_ = nullptr;
    bool ready_ = false;
    bool reindex_ = false;
    QTabWidget* tabs_ = nullptr;
    QLineEdit* lookFor_ = nullptr;
    HelpBrowser* browser_ = nullptr;
};

}  // namespace moxlet::ui
