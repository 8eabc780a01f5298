#pragma once

#include <QString>
#include <QStringList>

class Database;

// The database work of starting the program, step by step, for the main window to run.
namespace startup {

inline QString versionLabel() {
    return QStringLiteral("TabuloxV3.132");
}

// The first statement on the own database; throws StoreError when the file is damaged.
void probe(Database& own);

// A server or stand-alone computer ("0") whose server path is another folder gets its own
// folder written. Returns the connection mode (tran).
QString correctServerPath(Database& own, const QString& programFolder);

// The computer named server is always the server: its own folder, mode "0". Errors ignored.
void applyServerName(Database& own, const QString& computerName, const QString& programFolder);

// back22 (station row ceiling) of 0 or unreadable becomes 50.
int stationCeiling(Database& own);

// Empties ref and widens a one-column ref.
void prepareRef(Database& own);

// "#0.#0" as the status bar shows it: two decimals.
QString twoDecimals(double value);
QString diskFreeText(double freeKilobytes); // "DiskFree=12.34GB"
QString dbSizeText(qint64 bytes);           // "DBsize=12.50MB"
bool lowDisk(double freeKilobytes);         // below 20 million kilobytes
inline QString lowDiskWarning() {
    return QStringLiteral("พื้นที่Diskต่ำกว่า20GB กรุณาลบข้อมูล");
}
bool dbTooLarge(qint64 bytes); // above 30 million bytes
QString dbSizeWarning(qint64 bytes);

// Size in bytes of a database file with its write-ahead log.
qint64 databaseBytes(const QString& path);

} // namespace startup
