#include "store/location.h"

#include "store/database.h"
#include "store/dialect_engines.h"
#include "store/schema.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace location {

QString withSlash(const QString& folder) {
    // Paths written on Windows (\\SERVER, C:\tabulox) read with forward slashes.
    QString result = folder;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!result.endsWith(QLatin1Char('/')))
        result += QLatin1Char('/');
    return result;
}

namespace {
StoreError damagedBook(const QString& path, const QString& why) {
    return StoreError(StoreError::thaiFor(StoreError::damaged) + QStringLiteral(" (") + path +
                          why + QLatin1Char(')'),
                      StoreError::damaged);
}

// The folders of installed programs: /usr/bin, /usr/lib/..., /usr/local/bin.
bool isSystemFolder(const QString& folder) {
    return withSlash(QDir::cleanPath(folder)).startsWith(QLatin1String("/usr/"));
}
} // namespace

BookPlace placeBook(const QString& executableFolder, const QString& dataFolder,
                    const std::function<bool(const QString&)>& writable) {
    const QString folder = withSlash(QFileInfo(executableFolder).absoluteFilePath());
    // An installed program's folder belongs to the system, even for root who could write it.
    if (isSystemFolder(folder))
        return {withSlash(dataFolder)};
    const QString book = ownDatabasePath(folder);
    const QString db = folder + QStringLiteral("db");
    if (QFileInfo::exists(book)) {
        BookPlace place{folder};
        // The engine writes its journal beside the book.
        if (!writable(book))
            place.problem = BookPlace::readOnlyBook;
        else if (!writable(db))
            place.problem = BookPlace::readOnlyFolder;
        return place;
    }
    if (writable(folder) || (QFileInfo(db).isDir() && writable(db)))
        return {folder};
    return {withSlash(dataFolder)};
}

BookPlace placeBook(const QString& executableFolder) {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    BookPlace place = placeBook(executableFolder, data,
                                [](const QString& path) { return QFileInfo(path).isWritable(); });
    if (withSlash(data) == place.programFolder)
        QDir().mkpath(data);
    return place;
}

QString programFolder(const QString& executableFolder) {
    return placeBook(executableFolder).programFolder;
}

QString problemText(const BookPlace& place) {
    const QString book = ownDatabasePath(place.programFolder);
    switch (place.problem) {
    case BookPlace::readOnlyBook:
        return QStringLiteral("ไฟล์ฐานข้อมูล ") + book +
               QStringLiteral(" อ่านได้อย่างเดียว โปรแกรมจึงบันทึกข้อมูลลงไฟล์นี้ไม่ได้\n"
                              "กรุณาให้สิทธิ์เขียนไฟล์นี้ แล้วเปิดโปรแกรมใหม่");
    case BookPlace::readOnlyFolder:
        return QStringLiteral("โฟลเดอร์ ") + place.programFolder +
               QStringLiteral("db เขียนไม่ได้ โปรแกรมจึงเปิดฐานข้อมูล ") + book +
               QStringLiteral(" ไม่ได้ (ฐานข้อมูลต้องเขียนไฟล์ประกอบไว้ในโฟลเดอร์เดียวกัน)\n"
                              "กรุณาให้สิทธิ์เขียนโฟลเดอร์นี้ แล้วเปิดโปรแกรมใหม่");
    case BookPlace::none:
        break;
    }
    return QString();
}

QString ownDatabasePath(const QString& programFolder) {
    return withSlash(programFolder) + QStringLiteral("db/tabulox.mde");
}

QString serverDatabasePath(const QString& serverPath) {
    return withSlash(serverPath) + QStringLiteral("db/tabulox.mde");
}

namespace {
// "\\NAME" or "\\NAME:PORT": a computer of the network rather than a folder.
bool computerOf(const QString& serverPath, QString* name, int* port) {
    const QString path = serverPath.trimmed();
    if (!path.startsWith(QLatin1String("\\\\")))
        return false;
    QString rest = path.mid(2);
    while (rest.endsWith(QLatin1Char('\\')) || rest.endsWith(QLatin1Char('/')))
        rest.chop(1);
    const QString host = rest.section(QLatin1Char(':'), 0, 0);
    const QString portText = rest.section(QLatin1Char(':'), 1);
    if (host.isEmpty())
        return false;
    for (const QChar c : host) {
        if (!(c.isLetterOrNumber() || c == QLatin1Char('.') || c == QLatin1Char('-') ||
              c == QLatin1Char('_')))
            return false;
    }
    bool number = true;
    const int given = portText.isEmpty() ? -1 : portText.toInt(&number);
    if (!number || (!portText.isEmpty() && (given <= 0 || given > 65535)))
        return false;
    *name = host;
    *port = given;
    return true;
}
} // namespace

QString shopAddress(const QString& computer, int port) {
    return QStringLiteral("postgresql://tabulox@") + computer +
           (port > 0 ? QLatin1Char(':') + QString::number(port) : QString()) +
           QStringLiteral("/tabulox");
}

QString sharedLocation(const QString& serverPath) {
    if (Database::isServerAddress(serverPath))
        return serverPath.trimmed();
    QString computer;
    int port = -1;
    if (computerOf(serverPath, &computer, &port))
        return shopAddress(computer, port);
    return serverDatabasePath(serverPath);
}

QString serverName(const QString& serverPath) {
    if (Database::isServerAddress(serverPath))
        return QUrl(serverPath.trimmed()).host();
    return serverPath.mid(2, 20);
}

Shared resolveShared(const QString& serverPath, const QString& ownPath) {
    // A server's book is reached when it is used; a missing one is said then.
    const QString shared = sharedLocation(serverPath);
    if (Database::isServerAddress(shared))
        return {shared, true};
    const QString server = serverDatabasePath(serverPath);
    if (!serverPath.trimmed().isEmpty() && QFileInfo(server).isFile())
        return {server, true};
    return {ownPath, false};
}

std::unique_ptr<Database> openBook(const QString& path, const QString& programFolder) {
    if (Database::isServerAddress(path)) {
        std::unique_ptr<Database> db = Database::openExisting(path);
        schema::createMissing(*db, withSlash(programFolder));
        return db;
    }
    // Only the engine opens the book: a descriptor of ours closed while a connection is open
    // would drop every lock the program holds on it. An empty file is told by its size, a
    // foreign one by the engine's refusal at the first statement; both are left as they are.
    const QFileInfo file(path);
    if (file.exists() && file.size() == 0)
        throw damagedBook(path, QStringLiteral(" เป็นไฟล์ว่างเปล่า"));
    QDir().mkpath(file.absolutePath());
    std::unique_ptr<Database> db;
    try {
        db = Database::openFile(path);
    } catch (const StoreError& error) {
        if (error.kind() == StoreError::damaged &&
            error.message().contains(QLatin1String("not a database")))
            throw damagedBook(path, QStringLiteral(" ไม่ใช่ไฟล์ฐานข้อมูล"));
        throw;
    }
    schema::createMissing(*db, withSlash(programFolder));
    return db;
}

std::unique_ptr<Database> createServerBook(const QString& address) {
    std::unique_ptr<Database> db = Database::openServer(address);
    schema::createMissing(*db, address);
    // A book made by an earlier version gains what came since.
    schema::upgradeOldLayout(*db);
    return db;
}

QString shownLocation(const QString& location) {
    if (!Database::isServerAddress(location))
        return location;
    return pgdialect::shownAddress(location);
}

} // namespace location

namespace location {
QString betDatabasePath(const QString& ownPath, const QString& sharedPath, bool station,
                        bool lanAuto) {
    if (station && lanAuto)
        return sharedPath;
    if (!station && Database::isServerAddress(sharedPath))
        return sharedPath;
    return ownPath;
}
} // namespace location
