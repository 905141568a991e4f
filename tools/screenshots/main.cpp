// corvantis-screenshots: the real application, its main window and its
// secondary windows, photographed page by page on the X display it is given
// (`make screenshots` starts a virtual one). It works on a private copy of
// the bundle's character database, so the bundle's working copy is left as
// it was.
#include "app/widgets/App.h"
#include "app/widgets/SkillBrowser.h"
#include "tools/screenshots/Camera.h"
#include "tools/screenshots/CareerWalk.h"
#include "tools/screenshots/DialogAnswerer.h"
#include "wizard/Main.h"
#include "wizard/widgets/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenuBar>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Enough characters for every page; the walk stops once it has them all.
constexpr int MaxCharacters = 60;
constexpr std::uint64_t Seed = 20240;

template <typename Window>
Window* findWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(widget); window != nullptr && window->isVisible())
            return window;
    return nullptr;
}

bool chooseMenuItem(MainWindow& window, const char* item)
{
    auto* action = window.menuBar()->findChild<QAction*>(QLatin1String(item));
    if (action == nullptr)
        return false;
    action->trigger();
    QApplication::processEvents();
    return true;
}

// The log window, the skill browser with a skill selected and the about
// box, each from its menu item, after the last character's career.
QStringList photographSecondaryWindows(MainWindow& window, Camera& camera)
{
    QStringList failures;
    // The log window opens by itself with the first line; the menu item
    // brings it back if it was closed.
    QWidget* log = window.findChild<QWidget*>(QStringLiteral("LogTextArea"));
    if (log == nullptr || !log->window()->isVisible()) {
        chooseMenuItem(window, "ShowLogMenuItem");
        log = window.findChild<QWidget*>(QStringLiteral("LogTextArea"));
    }
    if (log == nullptr || !log->window()->isVisible())
        failures << QStringLiteral("the log window did not open");
    else
        camera.shoot(log->window(), QStringLiteral("log-window"));

    if (!chooseMenuItem(window, "ShowSkillsMenuItem")) {
        failures << QStringLiteral("no ShowSkillsMenuItem");
    } else if (auto* browser = findWindow<SkillBrowser>()) {
        browser->activateWindow();
        Camera::settle(browser);
        auto* list = browser->findChild<QListWidget*>(QStringLiteral("SkillsListbox"));
        if (list != nullptr && list->count() == 0)
            browser->Event_Activate(); // no window manager to activate it
        const auto found = list ? list->findItems(QStringLiteral("Pilot"), Qt::MatchExactly) : QList<QListWidgetItem*>();
        if (found.isEmpty()) {
            failures << QStringLiteral("the skill browser lists no \"Pilot\"");
        } else {
            list->setCurrentItem(found.front());
            list->scrollToItem(found.front(), QAbstractItemView::PositionAtCenter);
            camera.shoot(browser, QStringLiteral("skill-browser"));
        }
    } else {
        failures << QStringLiteral("the skill browser did not open");
    }

    if (!chooseMenuItem(window, "AboutMenuItem"))
        failures << QStringLiteral("no AboutMenuItem");
    else if (QWidget* version = window.findChild<QWidget*>(QStringLiteral("AboutVersion")); version == nullptr)
        failures << QStringLiteral("the about box did not open");
    else
        camera.shoot(version->window(), QStringLiteral("about-box"));
    return failures;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: corvantis-screenshots OUTPUT-FOLDER\n");
        return 2;
    }
    const QString resources = QStringLiteral(CORVANTIS_SCREENSHOT_RESOURCES);
    App app(argc, argv, resources);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "screenshots: cannot create %s\n", argv[1]);
        return 1;
    }
    QTemporaryDir scratch;
    const QString chardata = scratch.filePath(QStringLiteral("chardata.rsd"));
    if (!QFile::copy(QDir(resources).filePath(QStringLiteral("chardata.rsd")), chardata)) {
        std::fprintf(stderr, "screenshots: no chardata.rsd in %s; build the bundle first\n", qPrintable(resources));
        return 1;
    }
    QFile(chardata).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    app.start();
    auto* window = findWindow<MainWindow>();
    if (window == nullptr) {
        std::fprintf(stderr, "screenshots: the main window did not open\n");
        return 1;
    }
    window->main().store().setFile(chardata);
    window->main().store().setScratch(true); // a throwaway copy needs no disk flush

    Camera camera(out);
    DialogAnswerer dialogs(camera, [window] { return window->main().form().currentPage(); });
    app.installEventFilter(&dialogs);

    CareerWalk walk(*window, camera, dialogs, Seed);
    QStringList failures;
    if (auto error = walk.run(MaxCharacters))
        failures << *error;
    failures << photographSecondaryWindows(*window, camera);
    for (const QString& message : dialogs.messages())
        if (message.startsWith(QStringLiteral("Database Error")))
            failures << message;
    app.removeEventFilter(&dialogs);
    window->close();

    if (!failures.isEmpty()) {
        for (const QString& failure : failures)
            std::fprintf(stderr, "screenshots: %s\n", qPrintable(failure));
        return 1;
    }
    std::fprintf(stderr, "screenshots: %lld pictures in %s\n", static_cast<long long>(camera.taken().size()),
                 qPrintable(out.absolutePath()));
    return 0;
}
