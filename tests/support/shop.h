#pragma once

#include "shell/gui/tmain.h"
#include "shell/settings.h"

#include <QTemporaryDir>
#include <functional>
#include <memory>

class FakePlatform;
class QAction;
class QMainWindow;

namespace testing {

// A fresh program folder with a logged-in main window. setUp writes settings into the new
// book before the program starts on it.
struct Shop {
    explicit Shop(const std::function<void(SettingsRecord&)>& setUp = {});

    QTemporaryDir dir;
    std::unique_ptr<Tmain> main;
    FakePlatform* platform = nullptr;
};

// The menu command or pop-up command with this caption, or nullptr.
QAction* findAction(QWidget* root, const QString& caption);
// The captions of a menu of the main window's bar, by its path ("(3)แสดงยอด", "17...").
QStringList menuCaptions(QMainWindow* main, const QStringList& path);

} // namespace testing
