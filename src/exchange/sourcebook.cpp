#include "exchange/sourcebook.h"

#include "store/database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cmath>

namespace {

class SqliteSource : public SourceBook {
public:
    explicit SqliteSource(std::unique_ptr<Database> db) : db_(std::move(db)) {}

    bool hasTable(const QString& name) override { return db_->tableExists(name); }

    qint64 count(const QString& table) override {
        return db_->scalar(QStringLiteral("SELECT count(*) FROM %1").arg(table)).toLongLong();
    }

    void rows(const QString& table, const std::function<void(const QVariantList&)>& each) override {
        const bool ordered = db_->columnNames(table).contains(QStringLiteral("id"));
        QSqlQuery query =
            db_->exec(QStringLiteral("SELECT * FROM %1%2")
                          .arg(table, ordered ? QStringLiteral(" ORDER BY id") : QString()));
        const int columns = query.record().count();
        QVariantList row;
        while (query.next()) {
            row.clear();
            for (int i = 0; i < columns; ++i)
                row << query.value(i);
            each(row);
        }
        if (query.lastError().isValid())
            throw StoreError::fromEngine(query.lastError());
    }

    QString sqliteFile() const override {
        return db_->engine() == Engine::sqlite ? db_->path() : QString();
    }

private:
    std::unique_ptr<Database> db_;
};

} // namespace

std::unique_ptr<SourceBook> SourceBook::open(const QString& path) {
    try {
        return std::make_unique<SqliteSource>(Database::openExistingReadOnly(path));
    } catch (const StoreError& error) {
        if (std::unique_ptr<SourceBook> jet = openJet(path))
            return jet;
        throw;
    }
}

bool amountField(const QVariant& field, double* value) {
    if (field.isNull()) {
        *value = 0;
        return true;
    }
    const QString text = field.toString().trimmed();
    if (text.isEmpty()) {
        *value = 0;
        return true;
    }
    bool ok = false;
    *value = text.toDouble(&ok);
    return ok && std::isfinite(*value);
}

QString textField(const QVariant& field) {
    return field.isNull() ? QString() : field.toString();
}
