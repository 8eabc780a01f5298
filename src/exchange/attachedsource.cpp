#include "exchange/attachedsource.h"

#include "store/database.h"

#include <QSqlQuery>

namespace {
const QString kAlias = QStringLiteral("mergesrc");
constexpr qint64 kParts = 50; // steps of the progress bar

QString quotedName(QString name) {
    return QLatin1Char('"') + name.replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

// The fields by position, as the row-by-row reader takes them: number, top, tod, bottom,
// customer and, eighth, the kind.
const int kText[] = {0, 4, 7};
const int kAmount[] = {1, 2, 3};
} // namespace

AttachedSource::AttachedSource(Database& book, const QString& file) : book_(book) {
    if (book.engine() != Engine::sqlite || file.isEmpty() || book.inTransaction())
        return;
    try {
        book.exec(QStringLiteral("ATTACH DATABASE ? AS ") + kAlias, {file});
        attached_ = true;
    } catch (const StoreError&) {
        // Read row by row instead.
    }
}

AttachedSource::~AttachedSource() {
    if (!attached_)
        return;
    try {
        book_.exec(QStringLiteral("DETACH DATABASE ") + kAlias);
    } catch (const StoreError&) {
        // The next connection starts without it.
    }
}

QStringList AttachedSource::columns(const QString& table) {
    QStringList names;
    QSqlQuery query =
        book_.exec(QStringLiteral("PRAGMA %1.table_info(%2)").arg(kAlias, quotedName(table)));
    while (query.next())
        names << query.value(1).toString();
    return names;
}

bool AttachedSource::copiesAsItIs(const QString& table) {
    if (!attached_)
        return false;
    const QStringList names = columns(table);
    return names.size() >= 8 && names.contains(QStringLiteral("id"), Qt::CaseInsensitive);
}

qint64 AttachedSource::copy(const QString& table,
                            const std::function<qint64(const QString&, const QVariantList&)>& write,
                            const std::function<void(qint64)>& done) {
    const QStringList names = columns(table);
    auto amount = [&](int field, const char* as) {
        return QStringLiteral("coalesce(CAST(%1 AS REAL), 0) AS %2")
            .arg(quotedName(names[field]), QLatin1String(as));
    };
    // A row whose fields are of other types is left out here: the caller counts it missing.
    QStringList typed{QStringLiteral("typeof(id) = 'integer'")};
    for (int field : kText)
        typed << QStringLiteral("typeof(%1) IN ('text', 'null')").arg(quotedName(names[field]));
    for (int field : kAmount)
        typed << QStringLiteral("typeof(%1) IN ('integer', 'real', 'null')")
                     .arg(quotedName(names[field]));
    const QString select =
        QStringLiteral("SELECT %1 AS num, %2, %3, %4, %5 AS cus, %6 AS codeins, id AS k FROM "
                       "%7.%8 WHERE id > ? AND id <= ? AND %9")
            .arg(quotedName(names[0]), amount(1, "h"), amount(2, "t"), amount(3, "l"),
                 quotedName(names[4]), quotedName(names[7]), kAlias, quotedName(table),
                 typed.join(QStringLiteral(" AND ")));
    QSqlQuery range = book_.exec(
        QStringLiteral("SELECT min(id), max(id) FROM %1.%2").arg(kAlias, quotedName(table)));
    if (!range.next() || range.value(0).isNull())
        return 0;
    const qint64 first = range.value(0).toLongLong();
    const qint64 last = range.value(1).toLongLong();
    range.finish();
    const qint64 part = (last - first) / kParts + 1;
    qint64 written = 0;
    for (qint64 after = first - 1; after < last; after += part) {
        written += write(select, {after, qMin(after + part, last)});
        done(written);
    }
    return written;
}
