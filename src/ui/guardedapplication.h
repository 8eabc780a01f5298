#pragma once

#include <QApplication>

// The application whose event delivery is the one guard of the program: an error that
// escapes a window's handler (a database error, say) is shown in Thai with the engine's own
// text, and the program goes on instead of ending.
class GuardedApplication : public QApplication {
    Q_OBJECT
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // The message shown for an error that reached the guard.
    static QString messageFor(const QString& what);
};
