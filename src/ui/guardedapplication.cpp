#include "ui/guardedapplication.h"

#include "store/database.h"
#include "ui/dialogs.h"

#include <exception>

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

QString GuardedApplication::messageFor(const QString& what) {
    return QStringLiteral("คำสั่งนี้ทำไม่สำเร็จ: ") + what;
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const StoreError& error) {
        Dialogs::warning(activeWindow(), messageFor(error.message()));
    } catch (const std::exception& error) {
        Dialogs::warning(activeWindow(), messageFor(QString::fromLocal8Bit(error.what())));
    }
    return false;
}
