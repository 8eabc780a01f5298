// The main window's commands of the shop's network.

#include "network/gui/shoplogin.h"
#include "network/gui/tsharef.h"
#include "network/sending.h"
#include "network/stationsetup.h"
#include "shell/gui/tmain.h"
#include "store/database.h"
#include "ui/dialogs.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {
// The server computer's name as typed; empty when cancelled.
QString askServer(QWidget* parent) {
    bool ok = false;
    const QString name =
        Dialogs::input(parent, QStringLiteral("ป้อนชื่อเครื่องแม่ข่าย"), QStringLiteral("ป้อนชื่อเครื่องแม่ข่าย"),
                       QStringLiteral("SERVER"), &ok)
            .trimmed();
    return ok ? name : QString();
}
} // namespace

void Tmain::findServer() {
    const QString name = askServer(this);
    if (name.isEmpty())
        return;
    if (const std::optional<StoreError> refusal = shoplogin::reach(this, name)) {
        Dialogs::warning(this, QStringLiteral("ไม่พบฐานข้อมูลร้านที่เครื่อง ") + name + QLatin1Char('\n') +
                                   refusal->message());
        return;
    }
    Dialogs::info(this, QStringLiteral("พบฐานข้อมูลร้านที่เครื่อง ") + name);
}

void Tmain::testNetwork() {
    const QString name = askServer(this);
    if (name.isEmpty())
        return;
    if (const std::optional<StoreError> refusal = shoplogin::reach(this, name)) {
        Dialogs::warning(this, QStringLiteral("ระบบไม่สามารถเชื่อมต่อกับฐานข้อมูล\n") + refusal->message());
        return;
    }
    Dialogs::info(this, QStringLiteral("ระบบสามารถเชื่อมต่อกับฐานข้อมูลได้"));
}

void Tmain::restartServer() {
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
        if (qobject_cast<Tsharef*>(window->widget())) {
            mdi_->setActiveSubWindow(window);
            return;
        }
    }
    if (QMdiSubWindow* window = addWindow([this] { return new Tsharef(*desk_); }))
        showCentred(window);
    // The rows stations count to know the server's book; a server not started yet has its own.
    try {
        if (Database::isServerAddress(run().sharedPath))
            stationsetup::addMarkers(*desk_->openShared());
        else
            stationsetup::addMarkers(own());
    } catch (const StoreError&) {
    }
}

void Tmain::loadSentRows() {
    if (!Dialogs::question(this, QStringLiteral("คุณจะLoadข้อมูลที่ส่งไปServerทั้งหมดหรือไม่ ?"))) {
        Dialogs::info(this, QStringLiteral("ยกเลิกการLoadข้อมูล"));
        return;
    }
    try {
        // The station's lines not sent yet go with it: a copy of the book first.
        desk_->backups().numberedCopy(QStringLiteral("SL"));
        sending::rebuildFromSent(own());
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    desk_->bookWritten(BookChange::imported);
    Dialogs::info(this, QStringLiteral("Loadข้อมูลที่ส่งไปServerทั้งหมดเรียบร้อย"));
}
