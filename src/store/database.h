#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVector>
#include <memory>
#include <stdexcept>

class QSqlError;

// The engine behind a book: an SQLite file, or a PostgreSQL server for the shared book.
enum class Engine { sqlite, postgres };

// A statement the database refused. For the common causes message() says in Thai what
// happened and what to do, followed by the engine's own text; otherwise it is that text.
class StoreError : public std::runtime_error {
public:
    enum Kind {
        other,
        inUse,       // another program or computer holds the book
        diskFull,    // no room left on the disk
        readOnly,    // the book or its folder cannot be written
        damaged,     // the file is not a sound database
        cannotOpen,  // the file cannot be opened at all
        diskError,   // the disk refused a read or a write
        serverGone,  // the server cannot be reached, or the connection to it dropped
        serverLogin, // the server refused the user name or the password
        noServerBook // the server holds no book of the shop
    };
    explicit StoreError(const QString& message, Kind kind = other);
    static StoreError fromEngine(const QSqlError& error, Engine engine = Engine::sqlite);

    QString message() const { return message_; }
    Kind kind() const { return kind_; }
    // The Thai words of a kind (empty for other).
    static QString thaiFor(Kind kind);

private:
    QString message_;
    Kind kind_;
};

// What became of a copy of the whole database.
struct SnapshotResult {
    enum Status {
        Written, // the copy is complete
        Damaged, // the database's pages are damaged: no copy was made
        Failed   // the copy could not be written (folder, disk, lock)
    };
    Status status = Failed;
    QString file;   // where the copy was to go
    QString detail; // the engine's or the file system's text when not written
    bool written() const { return status == Written; }
};

// One open book: an SQLite file or a book on a PostgreSQL server. A location is a file path
// or a server address, postgresql://[user[:password]@][host][:port]/dbname[?key=value&...]
// (the keys are libpq's; what the address leaves out comes from the PG* variables and
// ~/.pgpass). Every value goes in as a bound parameter.
class Database {
public:
    static bool isServerAddress(const QString& location);

    // Opens (and creates when missing) the SQLite file at path; throws StoreError. A file on a
    // network share is never opened (the engine's locks do not hold over a share): the refusal
    // points to a server's address instead.
    static std::unique_ptr<Database> openFile(const QString& path);
    // The Thai words for a book file on a network share.
    static QString networkShareText(const QString& path);
    // Connects to the server at address, whether or not it holds a book yet; throws
    // StoreError.
    static std::unique_ptr<Database> openServer(const QString& address);
    // Opens a book that must already exist: a file, or a server that holds the shop's book
    // (a shared book is never created by the windows that use it); throws StoreError.
    static std::unique_ptr<Database> openExisting(const QString& location);
    // The same, for reading only; throws StoreError.
    static std::unique_ptr<Database> openExistingReadOnly(const QString& location);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // The location as given (a server address with its password).
    QString path() const { return path_; }
    Engine engine() const { return engine_; }
    QSqlDatabase handle() const;

    QSqlQuery exec(const QString& sql, const QVariantList& binds = {});
    // Statements that belong together, done whole or not at all: on a server in one round trip
    // (inside an open transaction they are part of it). Throws StoreError.
    struct Statement {
        QString sql;
        QVariantList binds;
    };
    void execTogether(const QVector<Statement>& statements);
    // First column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString& sql, const QVariantList& binds = {});
    // Inserts rows of values into the columns of a table, followed by the clause `then` (an
    // ON CONFLICT clause, say), through execRows.
    void insertRows(const QString& table, const QStringList& columns,
                    const QVector<QVariantList>& rows, const QString& then = QString());
    // One statement head + row + tail for each of many rows (row holds one row's placeholders,
    // as "(?,?,?)"), the engine's quickest way: an SQLite book runs one prepared statement
    // again and again, a server takes many rows a statement.
    void execRows(const QString& head, const QString& row, const QString& tail,
                  const QVector<QVariantList>& rows);

    bool tableExists(const QString& name);
    bool viewExists(const QString& name);
    bool indexExists(const QString& name);
    QStringList columnNames(const QString& table);

    // The engine's quick check of every page: empty when the file is sound, else what it
    // found (always empty on a server, which keeps its own pages). Throws StoreError when the
    // check cannot run (busy, unreadable).
    QString pageDamage();
    // A consistent copy of the whole book written into newFile, which must not exist, after
    // the check of every page; a server's book is copied into an SQLite file of the same
    // layout. Nothing is left at newFile unless it is written.
    SnapshotResult snapshotTo(const QString& newFile);

    bool inTransaction() const { return transactions_ > 0; }

private:
    friend class Transaction;
    friend class Savepoint;
    Database(const QString& path, Engine engine, const QString& connectionName);
    static std::unique_ptr<Database> openSqlite(const QString& path, const QString& options);
    static std::unique_ptr<Database> openPostgres(const QString& address, bool readOnly);
    // A server that must hold the shop's book, and a file that must be there.
    static std::unique_ptr<Database> openServerBook(const QString& address, bool readOnly);
    static void requireFile(const QString& path);
    void connectServer();
    // A connection whose server went away is made again before the next statement outside
    // a transaction (nothing of a transaction is ever sent twice).
    void reconnectIfLost();
    [[noreturn]] void fail(const QSqlError& error);
    QString path_;
    Engine engine_;
    QString connectionName_;
    bool readOnly_ = false;
    bool lost_ = false;
    int transactions_ = 0;
    int savepoints_ = 0;
    // A statement of the open transaction failed: a server has ended the transaction.
    bool failedInTransaction_ = false;
};

// One user action: commits on commit(), rolls back when left otherwise. begin is the statement
// that opens it (a snapshot of a server's book asks for one moment of every table).
class Transaction {
public:
    explicit Transaction(Database& db, const QString& begin = QStringLiteral("BEGIN"));
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    void rollback();
    Database& db_;
    bool open_ = false;
};

// Lets one statement inside a transaction fail and the transaction go on (a server ends the
// whole transaction at its first failure otherwise): the statement's work is undone unless
// release() is called. Outside a transaction it does nothing.
class Savepoint {
public:
    explicit Savepoint(Database& db);
    ~Savepoint();
    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;
    void release();

private:
    Database& db_;
    QString name_;
    bool failedBefore_ = false;
};
