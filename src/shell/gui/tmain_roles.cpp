// The pop-up commands that make this computer a server or a station.

#include "network/stationsetup.h"
#include "shell/gui/tmain.h"
#include "store/database.h"
#include "ui/dialogs.h"

void Tmain::resetToServer() {
    if (!askCode())
        return;
    try {
        stationsetup::makeServer(own(), run().programFolder);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    Dialogs::info(this, QStringLiteral("ResetTo_Server_Ok"));
    closeWithoutAsking();
}

void Tmain::resetToLan() {
    if (!askCode())
        return;
    if (stationsetup::isServerName(run().computerName)) {
        Dialogs::info(this, QStringLiteral("Computer Name ไม่ถูกต้อง"));
        return;
    }
    bool ok = false;
    const QString server =
        Dialogs::input(this, QStringLiteral("ป้อนชื่อเครื่องหรือ Ip"), QStringLiteral("ป้อนชื่อเครื่องหรือ Ip"),
                       QStringLiteral("SERVER"), &ok)
            .trimmed();
    if (!ok || server.isEmpty())
        return;
    try {
        stationsetup::resetToStation(own(), server);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    Dialogs::info(this, QStringLiteral("ResetTo_Lan_Ok"));
    closeWithoutAsking();
}
