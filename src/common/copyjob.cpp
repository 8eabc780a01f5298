#include "common/copyjob.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {
QAtomicInt tempSerial;

std::filesystem::path fsPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// A name beside target that no other copy of this or another running program uses.
QString tempBeside(const QString& target) {
    return target + QStringLiteral(".%1-%2.part")
                        .arg(QCoreApplication::applicationPid())
                        .arg(tempSerial.fetchAndAddRelaxed(1));
}

bool syncToDisk(const QString& path, int flags) {
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    // A large file goes out a few megabytes at a time: flushing it at once would hold up the
    // commits of the lines recorded meanwhile.
    const off_t end = ::lseek(fd, 0, SEEK_END);
    const off_t step = 1 << 20;
    for (off_t at = 0; (flags & O_DIRECTORY) == 0 && at < end; at += step)
        ::sync_file_range(fd, at, step,
                          SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE |
                              SYNC_FILE_RANGE_WAIT_AFTER);
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// Puts the finished temp over target in one step (after it reached the disk, so a power loss
// never leaves a half copy in target's place); removes temp when that fails. Returns the
// error text, empty on success.
QString replaceWith(const QString& temp, const QString& target) {
    QString error;
    if (!syncToDisk(temp, O_RDONLY)) {
        error = QStringLiteral("cannot flush ") + temp;
    } else {
        std::error_code code;
        std::filesystem::rename(fsPath(temp), fsPath(target), code);
        if (code)
            error = QString::fromLocal8Bit(code.message().c_str()) + QStringLiteral(": ") + target;
    }
    if (!error.isEmpty()) {
        QFile::remove(temp);
        return error;
    }
    syncToDisk(QFileInfo(target).absolutePath(), O_RDONLY | O_DIRECTORY);
    return error;
}

// Temporary files of copies of target that a program ended half-way (Ctrl+Q, a crash) left;
// a copy still being written is younger than this.
void removeLeftovers(const QString& target) {
    const QFileInfo info(target);
    const QDateTime before = QDateTime::currentDateTime().addSecs(-15 * 60);
    const QStringList names =
        info.dir().entryList({info.fileName() + QStringLiteral(".*.part")}, QDir::Files);
    for (const QString& name : names) {
        const QString path = info.dir().filePath(name);
        if (QFileInfo(path).lastModified() < before)
            QFile::remove(path);
    }
}

QString copyBeside(const QString& source, const QString& target) {
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return QStringLiteral("cannot create the folder of ") + target;
    const QString temp = tempBeside(target);
    std::error_code code;
    std::filesystem::copy_file(fsPath(source), fsPath(temp), code);
    if (code) {
        QFile::remove(temp);
        return QString::fromLocal8Bit(code.message().c_str()) + QStringLiteral(": ") + target;
    }
    return replaceWith(temp, target);
}
} // namespace

CopyResult runCopy(Database& book, const CopyJob& job) {
    CopyResult result;
    result.file = job.target;
    if (job.checkOnly) {
        result.detail = book.pageDamage();
        result.status = result.detail.isEmpty() ? CopyResult::Written : CopyResult::Damaged;
        return result;
    }
    if (!QDir().mkpath(QFileInfo(job.target).absolutePath())) {
        result.detail = QStringLiteral("cannot create the folder of ") + job.target;
        return result;
    }
    const QString temp = tempBeside(job.target);
    const SnapshotResult snapshot = book.snapshotTo(temp);
    if (!snapshot.written()) {
        result.status = snapshot.status;
        result.detail = snapshot.detail;
        return result;
    }
    if (job.finish) {
        try {
            result.detail = job.finish(temp);
        } catch (const StoreError& error) {
            result.detail = error.message();
        }
        if (!result.detail.isEmpty()) {
            for (const char* suffix : {"", "-journal", "-wal", "-shm"})
                QFile::remove(temp + QLatin1String(suffix));
            return result;
        }
    }
    result.detail = replaceWith(temp, job.target);
    if (!result.detail.isEmpty())
        return result;
    // Left beside a copy by earlier versions of the program, or by a run ended half-way.
    QFile::remove(job.target + QStringLiteral(".part"));
    removeLeftovers(job.target);
    for (const QString& extra : job.alsoTo) {
        result.detail = copyBeside(job.target, extra);
        if (!result.detail.isEmpty())
            return result;
    }
    result.status = CopyResult::Written;
    return result;
}

QString damagedBookMessage() {
    return QStringLiteral("ฐานข้อมูลเสียหาย โปรแกรมจึงไม่ทำสำเนาทับสำเนาเดิม\n"
                          "ให้ปิดโปรแกรมแล้วกด Repair 1 หรือ Repair 2 ในหน้า Login เพื่อซ่อมแซม "
                          "หรือนำสำเนาในโฟลเดอร์ dbbackup กลับมาใช้");
}
