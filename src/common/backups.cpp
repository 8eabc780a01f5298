#include "common/backups.h"

#include "common/backgroundcopies.h"
#include "common/settings.h"
#include "store/database.h"

#include <QDir>
#include <QFileInfo>

Backups::Backups(Database& own, const QString& programFolder, const QString& book)
    : db_(own), folder_(programFolder), book_(book) {}

QString Backups::bookPath() const {
    return book_.isEmpty() ? db_.path() : book_;
}

QString Backups::paddedCounter(const QString& counter) {
    if (counter.size() == 1)
        return QStringLiteral("00") + counter;
    if (counter.size() == 2)
        return QStringLiteral("0") + counter;
    return counter;
}

int Backups::nextCounter(const QString& counter) {
    return (wholeNumber(counter) + 1) % 256;
}

QString Backups::autoTimeName(int ticks) {
    if (ticks < 30 || ticks > 9000 || ticks % 30 != 0)
        return QString();
    return QStringLiteral("AutoTime%1.mde").arg(ticks / 6, 3, 10, QLatin1Char('0'));
}

CopyResult Backups::run(const CopyJob& job) {
    if (job.isEmpty()) {
        CopyResult result;
        result.detail = QStringLiteral("no copy");
        return result;
    }
    if (book_.isEmpty())
        return runCopy(db_, job);
    try {
        std::unique_ptr<Database> book = Database::openExistingReadOnly(book_);
        return runCopy(*book, job);
    } catch (const StoreError& error) {
        CopyResult result;
        result.file = job.target;
        result.detail = error.message();
        return result;
    }
}

CopyResult Backups::copyTo(const QString& relativePath) {
    return run({folder_ + relativePath, {}});
}

CopyJob Backups::numberedJob(const QString& prefix) {
    SettingsRecord settings(db_);
    QString counter;
    try {
        counter = settings.text(Backc::back);
    } catch (const StoreError&) {
        return CopyJob();
    }
    CopyJob job;
    job.target = folder_ + QStringLiteral("dbbackup/") + prefix + paddedCounter(counter) +
                 QStringLiteral(".mde");
    if (prefix != QLatin1String("D"))
        job.alsoTo << folder_ + QStringLiteral("lastdb/lastdatab.mde");
    try {
        settings.set(Backc::back, QString::number(nextCounter(counter)));
    } catch (const StoreError&) {
    }
    return job;
}

CopyResult Backups::numberedCopy(const QString& prefix) {
    return run(numberedJob(prefix));
}

bool Backups::requestNumberedCopy(const QString& prefix, BackgroundCopies& copies) {
    const CopyJob job = numberedJob(prefix);
    return !job.isEmpty() && copies.request(bookPath(), job);
}

CopyJob Backups::autoTimeJob(int& ticks) {
    ++ticks;
    QDir().mkpath(folder_ + QStringLiteral("dbautotime"));
    const QString name = autoTimeName(ticks);
    if (ticks > 9001)
        ticks = 0;
    if (name.isEmpty())
        return CopyJob();
    return {folder_ + QStringLiteral("dbautotime/") + name, {}};
}

QString Backups::autoTimeTick(int& ticks, BackgroundCopies& copies) {
    const CopyJob job = autoTimeJob(ticks);
    return !job.isEmpty() && copies.request(bookPath(), job) ? job.target : QString();
}

QString Backups::autoTimeTick(int& ticks) {
    const CopyJob job = autoTimeJob(ticks);
    return !job.isEmpty() && run(job).written() ? job.target : QString();
}

std::optional<CopyResult> Backups::firstRunBackup() {
    const QString name = QStringLiteral("db/tabuloxbackup.mde");
    if (QFileInfo::exists(folder_ + name))
        return std::nullopt;
    return copyTo(name);
}

CopyResult Backups::closeCopy() {
    return copyTo(QStringLiteral("dbcompact/compact.mde"));
}
