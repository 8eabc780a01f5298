#pragma once

#include <QString>
#include <memory>

class Database;

// Where the databases are: the own file under the program folder and the server's file
// under the server path of cstr. A path here always ends with '/'.
namespace location {

// The executable's folder when it is writable, else the user's data folder.
QString programFolder(const QString& executableFolder);
QString withSlash(const QString& folder);

QString ownDatabasePath(const QString& programFolder);
// The server's database under a server path ("/srv/tabulox/", "\\SERVER").
QString serverDatabasePath(const QString& serverPath);

struct Shared {
    QString path;      // the database every shared window works on
    bool serverFound;  // true when it is the server's file
};
Shared resolveShared(const QString& serverPath, const QString& ownPath);

// Opens a database of this program, creating the db folder, the file and every missing table
// and view; throws StoreError.
std::unique_ptr<Database> openBook(const QString& path, const QString& programFolder);

} // namespace location

namespace location {
// The database a bet line is written to: the server's on a station in automatic LAN mode,
// the own one otherwise.
QString betDatabasePath(const QString& ownPath, const QString& sharedPath, bool station,
                        bool lanAuto);
} // namespace location
