#pragma once

#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>

// A database file the user chose, read only: a book or a copy of this program (an SQLite
// file), or an older desktop database of the same layout (a Jet .mdb or .mde file). Rows are
// read by position, as the tables' column orders are part of the format.
class SourceBook {
public:
    // Throws StoreError when the file is neither; the message is the database's own.
    static std::unique_ptr<SourceBook> open(const QString& path);
    // The Jet reader alone; null when the file is not such a database.
    static std::unique_ptr<SourceBook> openJet(const QString& path);
    virtual ~SourceBook() = default;

    virtual bool hasTable(const QString& name) = 0;
    virtual qint64 count(const QString& table) = 0;
    // Every row of the table in stored order (a book's in entry order), its fields from the
    // first column on; a text field of a Jet file comes as text, an empty one as null.
    // Throws StoreError when the table cannot be read.
    virtual void rows(const QString& table,
                      const std::function<void(const QVariantList&)>& each) = 0;
    // The file as the engine of a book can attach it; empty when it cannot (a Jet file).
    virtual QString sqliteFile() const { return QString(); }
};

// A field read as an amount: empty or null is 0; false when it is text that is no number.
bool amountField(const QVariant& field, double* value);
// A field read as text: null stays null.
QString textField(const QVariant& field);
