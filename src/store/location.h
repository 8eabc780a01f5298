#pragma once

#include <QString>
#include <functional>
#include <memory>

class Database;

// Where the databases are: the own file under the program folder and the server's file
// under the server path of cstr. A path here always ends with '/'.
namespace location {

QString withSlash(const QString& folder);

// Where the program keeps its folders: the executable's folder when it holds a book, or
// can take one; the user's data folder only when it holds none and cannot, or when it is a
// folder of the installed system (under /usr). A book that cannot be written is said, never
// a reason to take up another book.
struct BookPlace {
    enum Problem { none, readOnlyBook, readOnlyFolder };
    QString programFolder; // ends with '/'
    Problem problem = none;
};
BookPlace placeBook(const QString& executableFolder, const QString& dataFolder,
                    const std::function<bool(const QString&)>& writable);
// The same with the file system's own answers and the user's data folder.
BookPlace placeBook(const QString& executableFolder);
QString programFolder(const QString& executableFolder);
// The Thai words of a place's problem.
QString problemText(const BookPlace& place);

QString ownDatabasePath(const QString& programFolder);
// The server's database under a server path ("/srv/tabulox/", "\\SERVER").
QString serverDatabasePath(const QString& serverPath);

// The shared book a server path names: a server address as it is; "\\NAME" (or "\\NAME:PORT",
// as a station's set-up writes it) the shop's book on the computer NAME, its password from
// ~/.pgpass; else the server's file under the folder.
QString sharedLocation(const QString& serverPath);
// The address of the shop's book on a computer, by its name or network address.
QString shopAddress(const QString& computer, int port = -1);
// The computer a server path names, as messages name the server.
QString serverName(const QString& serverPath);

struct Shared {
    QString path;     // the database every shared window works on
    bool serverFound; // true when it is the server's file or a server address
};
Shared resolveShared(const QString& serverPath, const QString& ownPath);

// Opens a database of this program, creating the db folder, the file and every missing table
// and view; throws StoreError (kind damaged, the file untouched, for an empty file or one that
// is not a database). A server
// address opens the server's book, which must exist (kind noServerBook otherwise); its
// missing tables and views are added, nothing is seeded.
std::unique_ptr<Database> openBook(const QString& path, const QString& programFolder);

// Makes the shop's book on the server at address: every missing table and view, and the seeded
// rows when it held no book (cstr2 then holds the address). Throws StoreError.
std::unique_ptr<Database> createServerBook(const QString& address);

// A location as it may be shown: a file path, or a server address without its password.
QString shownLocation(const QString& location);

} // namespace location

namespace location {
// The database a bet line is written to: the shared one on a station in automatic LAN mode
// and wherever the shared book is on a server (a server address), the own one otherwise.
QString betDatabasePath(const QString& ownPath, const QString& sharedPath, bool station,
                        bool lanAuto);
} // namespace location
