#pragma once

#include "store/database.h"

#include <QTemporaryDir>
#include <memory>

namespace testing {
class ServerSchema;
}

// A fresh program folder with a new book, removed when the test ends. The book is an SQLite
// file in the folder, or on a test of both engines' PostgreSQL row a book of its own on the
// test server.
class TempBook {
public:
    enum Contents { complete, empty };
    explicit TempBook(Contents contents = complete);
    explicit TempBook(Engine engine, Contents contents = complete);
    ~TempBook();
    QString folder() const; // ends with '/'
    // Where the book is: the file, or the server address.
    QString dbPath() const;
    Database& db() { return *db_; }
    Engine engine() const;
    // Reopens the database (as a new start of the program would).
    void reopen();

private:
    QTemporaryDir dir_;
    std::unique_ptr<testing::ServerSchema> schema_;
    std::unique_ptr<Database> db_;
};

// Rows of a query as text, columns joined by '|'.
QStringList rowsOf(Database& db, const QString& sql, const QVariantList& binds = {});
