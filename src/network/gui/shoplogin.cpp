#include "network/gui/shoplogin.h"

#include "network/sending.h"
#include "network/stationsetup.h"
#include "store/location.h"
#include "ui/dialogs.h"


namespace shoplogin {

std::optional<StoreError> reach(QWidget* parent, const QString& computer) {
    const QString address = location::sharedLocation(QStringLiteral("\\\\") + computer);
    const QString mark = sending::testName();
    try {
        sending::tryShopBook(address, mark);
        return std::nullopt;
    } catch (const StoreError& error) {
        if (error.kind() != StoreError::serverLogin || !Database::isServerAddress(address))
            return error;
    }
    bool ok = false;
    const QString password =
        Dialogs::input(parent, QStringLiteral("รหัสผ่านฐานข้อมูลร้าน"),
                       QStringLiteral("ป้อนรหัสผ่านฐานข้อมูลของร้าน (ดูได้ที่หน้าต่าง Restartserver ของเครื่องแม่ข่าย)"),
                       QStringLiteral("****"), &ok);
    try {
        if (!ok || password.isEmpty())
            throw StoreError(StoreError::thaiFor(StoreError::serverLogin), StoreError::serverLogin);
        // The host as libpq is given it: the password file's names are matched exactly.
        const QString port = computer.section(QLatin1Char(':'), 1);
        pgpass::keep(computer.section(QLatin1Char(':'), 0, 0), port.isEmpty() ? -1 : port.toInt(),
                     password);
        sending::tryShopBook(address, mark);
    } catch (const StoreError& error) {
        return error;
    }
    return std::nullopt;
}

} // namespace shoplogin
