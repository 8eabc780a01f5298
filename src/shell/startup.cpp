#include "shell/startup.h"

#include "common/settings.h"
#include "network/stationsetup.h"
#include "store/database.h"
#include "store/schema.h"

#include <QFileInfo>

namespace startup {

void probe(Database& own) {
    own.exec(QStringLiteral("DELETE FROM ht3cut"));
}

QString correctServerPath(Database& own, const QString& programFolder) {
    SettingsRecord settings(own);
    const QString tran = settings.text(Cstr::tran);
    // A server keeps its own folder here, unless the shared book is on a database server.
    const QString serverPath = settings.text(Cstr::cstr2);
    if (!SettingsRecord::isStation(tran) && serverPath != programFolder &&
        !Database::isServerAddress(serverPath))
        settings.set(Cstr::cstr2, programFolder);
    return tran;
}

void applyServerName(Database& own, const QString& computerName, const QString& programFolder) {
    if (!stationsetup::isServerName(computerName))
        return;
    SettingsRecord settings(own);
    try {
        if (!Database::isServerAddress(settings.text(Cstr::cstr2)))
            settings.set(Cstr::cstr2, programFolder);
    } catch (const StoreError&) {
    }
    try {
        settings.set(Cstr::tran, QStringLiteral("0"));
    } catch (const StoreError&) {
    }
}

int stationCeiling(Database& own) {
    SettingsRecord settings(own);
    int ceiling = 0;
    try {
        ceiling = settings.number(Backc::back22);
    } catch (const StoreError&) {
    }
    if (ceiling == 0) {
        settings.set(Backc::back22, QStringLiteral("50"));
        ceiling = 50;
    }
    return ceiling;
}

void prepareRef(Database& own) {
    own.exec(QStringLiteral("DELETE FROM ref"));
    schema::upgradeRef(own);
}

QString twoDecimals(double value) {
    return QString::number(value, 'f', 2);
}

QString diskFreeText(double freeKilobytes) {
    return QStringLiteral("DiskFree=") + twoDecimals(freeKilobytes / 1e6) + QStringLiteral("GB");
}

QString dbSizeText(qint64 bytes) {
    return QStringLiteral("DBsize=") + twoDecimals(bytes / 1e6) + QStringLiteral("MB");
}

bool lowDisk(double freeKilobytes) {
    return freeKilobytes / 1e6 < 20;
}

bool dbTooLarge(qint64 bytes) {
    return bytes / 1e6 > 30;
}

QString dbSizeWarning(qint64 bytes) {
    return QStringLiteral("เนื่องจากฐานข้อมูลมีขนาดข้อมูล=") + twoDecimals(bytes / 1e6) +
           QStringLiteral("MB ควรกด Repair ก่อนใช้งานจาก office 2003-2010 โดยการกด repair1 หรือ "
                          "repair2 ในหน้า Login โดยต้องตัดการเชื่อมต่อระบบLan ก่อนการ repair");
}

qint64 databaseBytes(const QString& path) {
    return QFileInfo(path).size() + QFileInfo(path + QStringLiteral("-wal")).size();
}

} // namespace startup
