#include "platform/processes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace processes {
namespace {
const QLatin1String deletedMark(" (deleted)");

// The real user of a process from the "Uid:" line of its status file; -1 when unreadable.
qint64 realUser(const QString& statusFile) {
    QFile file(statusFile);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    // Files of /proc report no size: read to the end instead of by lines.
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.startsWith("Uid:"))
            continue;
        bool numeric = false;
        const qint64 uid = line.mid(4).simplified().split(' ').value(0).toLongLong(&numeric);
        return numeric ? uid : -1;
    }
    return -1;
}
} // namespace

QString programPath(const QString& path) {
    QString plain = path;
    if (plain.endsWith(deletedMark))
        plain.chop(deletedMark.size());
    if (plain.isEmpty())
        return QString();
    const QFileInfo info(plain);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QList<Process> ofUser(const QString& procRoot, uint uid, bool* ok) {
    QList<Process> found;
    bool listed = false;
    const QDir root(procRoot);
    for (const QString& entry :
         root.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric)
            continue;
        listed = true;
        if (realUser(root.filePath(entry + QStringLiteral("/status"))) != qint64(uid))
            continue;
        const QString exe = QFile::symLinkTarget(root.filePath(entry + QStringLiteral("/exe")));
        if (!exe.isEmpty())
            found.append({pid, programPath(exe)});
    }
    *ok = listed;
    return found;
}

QList<qint64> sameProgram(const QString& procRoot, const QString& executablePath, uint uid,
                          bool* ok) {
    const QList<Process> running = ofUser(procRoot, uid, ok);
    const QString wanted = programPath(executablePath);
    QList<qint64> ids;
    if (wanted.isEmpty())
        return ids;
    for (const Process& process : running) {
        if (process.executable == wanted)
            ids << process.pid;
    }
    return ids;
}

} // namespace processes
