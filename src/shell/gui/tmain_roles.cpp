// The pop-up commands that make this computer a server or a station.

#include "common/settings.h"
#include "shell/gui/tmain.h"
#include "store/database.h"
#include "ui/dialogs.h"

void Tmain::resetToServer() {
    if (!askCode())
        return;
    try {
        Database& db = own();
        Transaction transaction(db);
        SettingsRecord settings(db);
        settings.set(Cstr::cstr2, run().programFolder);
        settings.set(Cstr::tran, QStringLiteral("0"));
        transaction.commit();
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
    if (run().computerName.compare(QLatin1String("server"), Qt::CaseInsensitive) == 0) {
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
        Database& db = own();
        Transaction transaction(db);
        SettingsRecord settings(db);
        settings.set(Cstr::cstr2, QStringLiteral("\\\\") + server);
        settings.set(Cstr::tran, QStringLiteral("1"));
        settings.set(Backc::back6, QStringLiteral("0"));
        settings.set(Backc::back22, QStringLiteral("200"));
        transaction.commit();
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    Dialogs::info(this, QStringLiteral("ResetTo_Lan_Ok"));
    closeWithoutAsking();
}
