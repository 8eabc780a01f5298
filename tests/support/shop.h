#pragma once

#include "common/settings.h"
#include "shell/gui/tmain.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <type_traits>

class FakePlatform;
class QAction;
class QMainWindow;

namespace testing {

// A fresh program folder with a logged-in main window. setUp writes settings into the new
// book before the program starts on it; computer sets the fake platform's answers.
struct Shop {
    explicit Shop(const std::function<void(SettingsRecord&)>& setUp = {},
                  const std::function<void(FakePlatform&)>& computer = {});

    QTemporaryDir dir;
    std::unique_ptr<Tmain> main;
    FakePlatform* platform = nullptr;
};

// The menu command or pop-up command with this caption. A caption that is not there fails
// the test (an inert stand-in comes back, so the test goes on to report).
QAction* findAction(QWidget* root, const QString& caption);
// Whether there is such a command.
bool hasAction(QWidget* root, const QString& caption);

// A child widget by its object name; a missing one fails the test as findAction does.
template <typename T> T* child(QObject* root, const QString& name) {
    if (T* found = root->findChild<T*>(name))
        return found;
    QTest::qFail(
        qPrintable(QStringLiteral("no %1 named %2").arg(T::staticMetaObject.className(), name)),
        __FILE__, __LINE__);
    if constexpr (std::is_default_constructible_v<T>) {
        static T* const standIn = new T;
        return standIn;
    } else {
        return nullptr;
    }
}
// The window of that class in the main window's frame, or none.
template <typename Window> Window* windowOf(Tmain* main) {
    for (QMdiSubWindow* frame : main->mdi()->subWindowList()) {
        if (auto* window = qobject_cast<Window*>(frame->widget()))
            return window;
    }
    return nullptr;
}

// The commands of a menu of the main window's bar, by its path ("(3)แสดงยอด", "17..."); empty
// when there is no such menu.
QList<QAction*> menuActions(QMainWindow* main, const QStringList& path);
// Their captions.
QStringList menuCaptions(QMainWindow* main, const QStringList& path);
// Triggers the command of that menu; a missing or disabled one fails the test.
void runCommand(QMainWindow* main, const QStringList& path, const QString& caption);
// The window of the main window's active frame, when it is a Window.
QWidget* activeWindow(Tmain* main);
template <typename Window> Window* activeWindowOf(Tmain* main) {
    return qobject_cast<Window*>(activeWindow(main));
}

// The texts of the boxes of a kind ("info", "warning" ...) asked since the last clear.
QStringList said(const QString& kind);

} // namespace testing
