#pragma once

#include "common/copyjob.h"

#include <QString>
#include <optional>

class BackgroundCopies;
class Database;

// Copies of the own database: numbered copies before an operation, the latest-operation copy,
// the AutoTime ring, the first-run backup and the close copy. Each is a consistent snapshot of
// the open database taken after a check of its pages; a damaged book gives no copy, so the
// last good one stays. The operation goes on after a copy that failed.
class Backups {
public:
    // book: the location copied when it is not the own database (a server's book whose lines
    // this computer writes); the counters stay in the own database.
    Backups(Database& own, const QString& programFolder, const QString& book = QString());

    // dbbackup/<prefix><counter>.mde (and lastdb/lastdatab.mde except for prefix D, a file copy
    // of the same snapshot), then the counter moves on. Written before the call returns: an
    // operation starts after its copy exists.
    CopyResult numberedCopy(const QString& prefix);
    // The same copy written by the background copier (the server's copy when a station's rows
    // arrived); the counter is read and moved on now. False when it was not queued.
    bool requestNumberedCopy(const QString& prefix, BackgroundCopies& copies);

    // One 10-second tick of the main window: advances ticks and queues the AutoTime copy when
    // one is due. Returns the copy's path or empty.
    QString autoTimeTick(int& ticks, BackgroundCopies& copies);
    // The same tick writing the copy before it returns.
    QString autoTimeTick(int& ticks);

    // db/tabuloxbackup.mde when it does not exist yet; nothing when it does.
    std::optional<CopyResult> firstRunBackup();
    // dbcompact/compact.mde.
    CopyResult closeCopy();
    // A copy at a path under the program folder, creating its folder.
    CopyResult copyTo(const QString& relativePath);

    // The numbered copy's job; reads the counter and moves it on (empty job when unreadable).
    CopyJob numberedJob(const QString& prefix);
    // Advances ticks; the AutoTime copy's job when one is due, else an empty job.
    CopyJob autoTimeJob(int& ticks);

    static QString paddedCounter(const QString& counter); // "7" -> "007", "1234" stays
    static int nextCounter(const QString& counter);       // (c + 1) mod 256
    static QString autoTimeName(int ticks);               // empty when no copy is due

private:
    CopyResult run(const CopyJob& job);

    QString bookPath() const;

    Database& db_;
    QString folder_;
    QString book_;
};
