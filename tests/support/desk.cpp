#include "support/desk.h"

#include "store/database.h"
#include "store/location.h"
#include "support/testmain.h"
#include "ui/dialogs.h"

#include <QAction>

namespace testing {

Desk::Desk(const std::function<void(SettingsRecord&)>& setUp) {
    platform = &freshPlatform();
    Dialogs::clear();
    if (setUp) {
        const QString folder = dir.path() + "/";
        std::unique_ptr<Database> book = location::openBook(location::ownDatabasePath(folder), folder);
        SettingsRecord settings(*book);
        setUp(settings);
    }
    main = std::make_unique<Tmain>(dir.path() + "/tabulox");
    main->show();
    if (!QTest::qWaitForWindowExposed(main.get()))
        qWarning("the main window was not shown");
    main->loggedIn();
}

QAction* findAction(QWidget* root, const QString& caption) {
    for (QAction* action : root->findChildren<QAction*>()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}

} // namespace testing
