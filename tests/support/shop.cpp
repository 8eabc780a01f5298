#include "support/shop.h"

#include "store/database.h"
#include "store/location.h"
#include "support/testmain.h"
#include "ui/dialogs.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace testing {

Shop::Shop(const std::function<void(SettingsRecord&)>& setUp,
           const std::function<void(FakePlatform&)>& computer) {
    platform = &freshPlatform();
    if (computer)
        computer(*platform);
    Dialogs::clear();
    if (setUp) {
        const QString folder = dir.path() + "/";
        std::unique_ptr<Database> book =
            location::openBook(location::ownDatabasePath(folder), folder);
        SettingsRecord settings(*book);
        setUp(settings);
    }
    main = std::make_unique<Tmain>(dir.path() + "/tabulox");
    main->show();
    if (!QTest::qWaitForWindowExposed(main.get()))
        QTest::qFail("the main window was not shown", __FILE__, __LINE__);
    main->loggedIn();
}

namespace {
QAction* actionOf(QWidget* root, const QString& caption) {
    for (QAction* action : root->findChildren<QAction*>()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}
} // namespace

QAction* findAction(QWidget* root, const QString& caption) {
    if (QAction* action = actionOf(root, caption))
        return action;
    QTest::qFail(qPrintable(QStringLiteral("no command %1").arg(caption)), __FILE__, __LINE__);
    static QAction* const standIn = new QAction;
    return standIn;
}

QStringList said(const QString& kind) {
    QStringList texts;
    for (const Dialogs::Asked& asked : Dialogs::asked()) {
        if (asked.kind == kind)
            texts << asked.text;
    }
    return texts;
}

bool hasAction(QWidget* root, const QString& caption) {
    return actionOf(root, caption);
}

QList<QAction*> menuActions(QMainWindow* main, const QStringList& path) {
    QList<QAction*> actions = main->menuBar()->actions();
    for (const QString& step : path) {
        QMenu* menu = nullptr;
        for (QAction* action : actions) {
            if (action->text() == step && action->menu())
                menu = action->menu();
        }
        if (!menu)
            return {};
        actions = menu->actions();
    }
    return actions;
}

QStringList menuCaptions(QMainWindow* main, const QStringList& path) {
    QStringList captions;
    for (QAction* action : menuActions(main, path))
        captions << action->text();
    return captions;
}

void runCommand(QMainWindow* main, const QStringList& path, const QString& caption) {
    for (QAction* action : menuActions(main, path)) {
        if (action->text() == caption) {
            QVERIFY2(action->isEnabled(), qPrintable(caption));
            action->trigger();
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no command ") + caption));
}

QWidget* activeWindow(Tmain* main) {
    auto* area = main->findChild<QMdiArea*>();
    QMdiSubWindow* window = area ? area->activeSubWindow() : nullptr;
    return window ? window->widget() : nullptr;
}

} // namespace testing
