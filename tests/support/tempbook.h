#pragma once

#include "store/database.h"

#include <QTemporaryDir>
#include <memory>

// A fresh program folder with a new database, removed when the test ends.
class TempBook {
public:
    TempBook();
    QString folder() const;   // ends with '/'
    QString dbPath() const;
    Database& db() { return *db_; }
    // Reopens the database (as a new start of the program would).
    void reopen();

private:
    QTemporaryDir dir_;
    std::unique_ptr<Database> db_;
};

// Rows of a query as text, columns joined by '|'.
QStringList rowsOf(Database& db, const QString& sql, const QVariantList& binds = {});
