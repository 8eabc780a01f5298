#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <memory>
#include <stdexcept>

class QSqlError;

// A statement the database refused. For the common causes message() says in Thai what
// happened and what to do, followed by the engine's own text; otherwise it is that text.
class StoreError : public std::runtime_error {
public:
    enum Kind {
        other,
        inUse,      // another program or computer holds the book
        diskFull,   // no room left on the disk
        readOnly,   // the book or its folder cannot be written
        damaged,    // the file is not a sound database
        cannotOpen, // the file cannot be opened at all
        diskError   // the disk refused a read or a write
    };
    explicit StoreError(const QString& message, Kind kind = other);
    static StoreError fromEngine(const QSqlError& error);

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

// One open database file. Every value goes in as a bound parameter.
class Database {
public:
    // Opens (and creates when missing) the SQLite file at path; throws StoreError.
    static std::unique_ptr<Database> openFile(const QString& path);
    // Opens a database file that must already exist (a shared book is never created by the
    // windows that use it); throws StoreError.
    static std::unique_ptr<Database> openExisting(const QString& path);
    // Opens a database file that must already exist, for reading only; throws StoreError.
    static std::unique_ptr<Database> openExistingReadOnly(const QString& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    QString path() const { return path_; }
    QSqlDatabase handle() const;

    QSqlQuery exec(const QString& sql, const QVariantList& binds = {});
    // First column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString& sql, const QVariantList& binds = {});

    bool tableExists(const QString& name);
    bool viewExists(const QString& name);
    QStringList columnNames(const QString& table);

    // The engine's quick check of every page: empty when the file is sound, else what it
    // found. Throws StoreError when the check cannot run (busy, unreadable).
    QString pageDamage();
    // A consistent copy of the whole database written into newFile, which must not exist,
    // after the check of every page. Nothing is left at newFile unless it is written.
    SnapshotResult snapshotTo(const QString& newFile);

private:
    explicit Database(const QString& path, const QString& connectionName);
    static QString connect(const QString& path, const QString& options);
    QString path_;
    QString connectionName_;
};

// One user action: commits on commit(), rolls back when left otherwise.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    void rollback();
    Database& db_;
    bool open_ = false;
};
