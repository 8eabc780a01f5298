#pragma once

#include <QString>

class Database;

// Copies of the own database: numbered copies before an operation, the latest-operation copy,
// the AutoTime ring, the first-run backup and the close copy. Each is a consistent snapshot of
// the open database; a copy that fails is not reported (the operation goes on).
class Backups {
public:
    Backups(Database& own, const QString& programFolder);

    // dbbackup/<prefix><counter>.mde (and lastdb/lastdatab.mde except for prefix D), then the
    // counter moves on. Returns the numbered copy's path, empty when it could not be written.
    QString numberedCopy(const QString& prefix);

    // One 10-second tick of the main window: advances ticks and writes the AutoTime copy when
    // one is due. Returns the copy's path or empty.
    QString autoTimeTick(int& ticks);

    // db/tabuloxbackup.mde when it does not exist yet.
    bool firstRunBackup();
    // dbcompact/compact.mde.
    bool closeCopy();
    // A copy at a path under the program folder, creating its folder.
    bool copyTo(const QString& relativePath);

    static QString paddedCounter(const QString& counter); // "7" -> "007", "1234" stays
    static int nextCounter(const QString& counter);       // (c + 1) mod 256
    static QString autoTimeName(int ticks);               // empty when no copy is due

private:
    Database& db_;
    QString folder_;
};
