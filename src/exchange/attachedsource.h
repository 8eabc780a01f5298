#pragma once

#include <QString>
#include <QVariantList>
#include <functional>

class Database;

// Another SQLite book attached to this SQLite book, so that its bet lines go over inside the
// engine instead of row by row through the program.
class AttachedSource {
public:
    // Attaches file when the book is an SQLite file and file names one; attached() says
    // whether the engine took it. Must come before the book's transaction.
    AttachedSource(Database& book, const QString& file);
    ~AttachedSource();
    AttachedSource(const AttachedSource&) = delete;
    AttachedSource& operator=(const AttachedSource&) = delete;

    bool attached() const { return attached_; }
    // Whether the table can go over inside the engine: it has an id and eight columns at least.
    bool copiesAsItIs(const QString& table);
    // The table's rows in id order, a part at a time, as the columns num, h, t, l, cus, codeins
    // and k that write takes (a statement and its values); done hears the rows written so far.
    // Rows whose texts are not texts or amounts not numbers (or empty) are left out: the
    // caller, finding rows missing, reads the table row by row, which refuses a stake that is
    // no number with its line.
    qint64 copy(const QString& table,
                const std::function<qint64(const QString&, const QVariantList&)>& write,
                const std::function<void(qint64)>& done);

private:
    QStringList columns(const QString& table);

    Database& book_;
    bool attached_ = false;
};
