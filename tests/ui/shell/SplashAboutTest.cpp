// The splash window at start-up and the about box: what they show, the
// splash closing by itself while the main window waits hidden, and the about
// box's web address going to the URL opener.
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "UiFixture.h"
#include "core/shell/ProductInfo.h"
#include "ui/shell/AboutDialog.h"
#include "ui/shell/Splash.h"
#include "ui/shell/WebLink.h"

using namespace moxlet;
using namespace moxlet::ui;
using moxlet::test::UiFixture;

namespace {

// The company, product and version labels both windows show.
void expectBanner(QWidget* window)
{
    EXPECT_EQ(moxlet::test::child<QLabel>(window, "Label1")->text(), QStringLiteral("Quillory"));
    EXPECT_EQ(moxlet::test::child<QLabel>(window, "Label7")->text(), QStringLiteral("Moxlet"));
    EXPECT_EQ(moxlet::test::child<QLabel>(window, "Label4")->text(), QStringLiteral("Version 3.30"));
    EXPECT_FALSE(moxlet::test::child<QLabel>(window, "Picture1")->pixmap().isNull());
}

}  // namespace

// Checked when the splash is first shown, whatever the machine's speed:
// then its timer is made to fire, as the duration passing would.
TEST(Splash, ShowsCentredWhileTheMainWindowWaitsHiddenAndClosesByItself)
{
    UiFixture f;
    f.seams.splashDuration = std::chrono::seconds(3);
    f.main = std::make_unique<MainWindow>(f.services);
    f.main->setSeams(f.seams);

    struct SplashWatch : QObject {
        UiFixture& f;
        bool seen = false;
        explicit SplashWatch(UiFixture& fixture) : f(fixture) {}
        bool eventFilter(QObject* o, QEvent* e) override
        {
            auto* splash = qobject_cast<Splash*>(o);
            if (!splash || e->type() != QEvent::Show || seen) return false;
            seen = true;
            // After the show has finished and the timer has started.
            QMetaObject::invokeMethod(
                splash,
                [this, splash] {
                    auto* timer = moxlet::test::child<QTimer>(splash, "Timer1");
                    EXPECT_TRUE(splash->isVisible() && splash->isModal());
                    EXPECT_TRUE(timer->isActive() && timer->interval() == 3000);
                    EXPECT_FALSE(f.main->isVisible());
                    const QPoint offCentre =
                        splash->geometry().center() - splash->screen()->geometry().center();
                    EXPECT_LE(offCentre.manhattanLength(), 2);
                    expectBanner(splash);
                    timer->start(0);
                },
                Qt::QueuedConnection);
            return false;
        }
    } watch(f);
    qApp->installEventFilter(&watch);
    EXPECT_TRUE(f.main->load());  // returns when the splash has closed
    qApp->removeEventFilter(&watch);
    EXPECT_TRUE(watch.seen);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(f.main->findChild<Splash*>(), nullptr);
    EXPECT_FALSE(f.main->isVisible());  // the program shows it after the load
}

TEST(About, ShowsTheProductAndOpensTheWebAddressThroughTheOpener)
{
    UiFixture f;
    f.start();
    f.trigger("mnuAbout");
    auto* about = f.window<AboutDialog>();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->objectName(), QStringLiteral("About"));
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Moxlet"));
    EXPECT_TRUE(about->isModal());
    expectBanner(about);

    auto* link = about->webLink();
    EXPECT_EQ(link->objectName(), QStringLiteral("Label8"));
    EXPECT_TRUE(link->text().contains(QString::fromLatin1(kWebAddress)));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(f.openedUrls.empty());
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    ASSERT_EQ(f.openedUrls.size(), 1u);
    EXPECT_EQ(f.openedUrls[0], QUrl(QString::fromLatin1(kWebAddress)));

    // From the keyboard: Tab reaches the address, Enter opens it.
    about->findChild<QPushButton*>(QStringLiteral("OK"))->setFocus();
    for (int i = 0; i < 3 && !link->hasFocus(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(link->hasFocus());
    QTest::keyClick(link, Qt::Key_Return);
    EXPECT_EQ(f.openedUrls.size(), 2u);

    moxlet::test::click(about, "OK");
    EXPECT_EQ(f.window<AboutDialog>(), nullptr);
}

TEST(ProductInfo, TheVersionShownIsTheBuildsVersion)
{
    EXPECT_STREQ(kVersionNumber, MOXLET_PROJECT_VERSION);
    EXPECT_EQ(std::string(kVersionText), std::string("Version ") + kVersionNumber);
    // The address is a reserved example address until the maker's real one
    // replaces it, never someone else's site.
    EXPECT_EQ(QUrl(QString::fromLatin1(kWebAddress)).host(), QStringLiteral("moxlet.example"));
}
