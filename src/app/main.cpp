#include "platform/gui/linuxplatform.h"
#include "shell/gui/tlogin2.h"
#include "shell/gui/tmain.h"
#include "ui/appstyle.h"
#include "ui/guardedapplication.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QScreen>

int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Thai, QLocale::Thailand));
    QApplication::setApplicationName(QStringLiteral("tabulox"));
    QApplication::setApplicationDisplayName(QStringLiteral("โปรแกรมTabulox"));
    // The desktop's menu entry and icon, as the package installs them.
    QApplication::setDesktopFileName(QStringLiteral("tabulox"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tabulox")));
    AppStyle::apply();

    LinuxPlatform platform;
    Platform::install(&platform);

    Tmain main(QApplication::applicationFilePath());
    // Without a window manager "maximised" means nothing: take the screen ourselves.
    main.setGeometry(main.screen()->availableGeometry());
    main.showMaximized();
    if (main.isDamaged())
        return 1;
    Tlogin2* login = main.openLogin();
    if (!login->isUsable())
        return 1;
    login->adjustSize();
    login->move(main.screen()->availableGeometry().center() - login->rect().center());
    login->show();
    return app.exec();
}
