#include "maintenance/backups.h"

#include "shell/settings.h"
#include "store/database.h"

#include <QDir>
#include <QFileInfo>

Backups::Backups(Database& own, const QString& programFolder)
    : db_(own), folder_(programFolder) {}

QString Backups::paddedCounter(const QString& counter) {
    if (counter.size() == 1)
        return QStringLiteral("00") + counter;
    if (counter.size() == 2)
        return QStringLiteral("0") + counter;
    return counter;
}

int Backups::nextCounter(const QString& counter) { return (wholeNumber(counter) + 1) % 256; }

QString Backups::autoTimeName(int ticks) {
    if (ticks < 30 || ticks > 9000 || ticks % 30 != 0)
        return QString();
    return QStringLiteral("AutoTime%1.mde").arg(ticks / 6, 3, 10, QLatin1Char('0'));
}

bool Backups::copyTo(const QString& relativePath) {
    const QString target = folder_ + relativePath;
    try {
        if (!QDir().mkpath(QFileInfo(target).absolutePath()))
            return false;
        db_.snapshotTo(target);
        return true;
    } catch (const StoreError&) {
        return false;
    }
}

QString Backups::numberedCopy(const QString& prefix) {
    SettingsRecord settings(db_);
    QString counter;
    try {
        counter = settings.text(Backc::back);
    } catch (const StoreError&) {
        return QString();
    }
    const QString name = QStringLiteral("dbbackup/") + prefix + paddedCounter(counter) +
                         QStringLiteral(".mde");
    const bool written = copyTo(name);
    if (prefix != QLatin1String("D"))
        copyTo(QStringLiteral("lastdb/lastdatab.mde"));
    try {
        settings.set(Backc::back, QString::number(nextCounter(counter)));
    } catch (const StoreError&) {
    }
    return written ? folder_ + name : QString();
}

QString Backups::autoTimeTick(int& ticks) {
    ++ticks;
    QDir().mkpath(folder_ + QStringLiteral("dbautotime"));
    const QString name = autoTimeName(ticks);
    QString written;
    if (!name.isEmpty() && copyTo(QStringLiteral("dbautotime/") + name))
        written = folder_ + QStringLiteral("dbautotime/") + name;
    if (ticks > 9001)
        ticks = 0;
    return written;
}

bool Backups::firstRunBackup() {
    const QString name = QStringLiteral("db/tabuloxbackup.mde");
    if (QFileInfo::exists(folder_ + name))
        return false;
    return copyTo(name);
}

bool Backups::closeCopy() { return copyTo(QStringLiteral("dbcompact/compact.mde")); }
