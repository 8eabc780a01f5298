#include "store/location.h"

#include "store/database.h"
#include "store/schema.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace location {

QString withSlash(const QString& folder) {
    // Paths written on Windows (\\SERVER, C:\tabulox) read with forward slashes.
    QString result = folder;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!result.endsWith(QLatin1Char('/')))
        result += QLatin1Char('/');
    return result;
}

QString programFolder(const QString& executableFolder) {
    const QFileInfo info(executableFolder);
    if (info.isDir() && info.isWritable())
        return withSlash(info.absoluteFilePath());
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return withSlash(data);
}

QString ownDatabasePath(const QString& programFolder) {
    return withSlash(programFolder) + QStringLiteral("db/tabulox.mde");
}

QString serverDatabasePath(const QString& serverPath) {
    return withSlash(serverPath) + QStringLiteral("db/tabulox.mde");
}

Shared resolveShared(const QString& serverPath, const QString& ownPath) {
    const QString server = serverDatabasePath(serverPath);
    if (!serverPath.trimmed().isEmpty() && QFileInfo(server).isFile())
        return {server, true};
    return {ownPath, false};
}

std::unique_ptr<Database> openBook(const QString& path, const QString& programFolder) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    std::unique_ptr<Database> db = Database::openFile(path);
    schema::createMissing(*db, withSlash(programFolder));
    return db;
}

} // namespace location

namespace location {
QString betDatabasePath(const QString& ownPath, const QString& sharedPath, bool station,
                        bool lanAuto) {
    if (station && lanAuto)
        return sharedPath;
    return ownPath;
}
} // namespace location
