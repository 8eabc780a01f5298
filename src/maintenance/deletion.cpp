#include "maintenance/deletion.h"

#include "common/batchinflight.h"
#include "common/cutsession.h"
#include "store/database.h"
#include "store/dialect.h"
#include "store/schema.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QSqlQuery>
#include <QVector>

namespace deletion {

namespace {

// The book holds no index but its ids: the rows of one time are sought a stretch of ids at a
// time, outward from a row of that time, until a stretch holds none.
constexpr qint64 kStretch = 4096;

struct Span {
    qint64 first = 0;
    qint64 last = -1;
    bool isEmpty() const { return last < first; }
};

// The ids between which every row of tball whose column (ti2 or tim) holds value lies. Rows of
// one time are written together, so they are found around a row of theirs.
Span spanOf(Database& db, const char* column, const QString& value, qint64 around) {
    const QString sql =
        QStringLiteral("SELECT min(id), max(id) FROM tball WHERE id BETWEEN ? AND ? AND %1 = ?")
            .arg(QLatin1String(column));
    const qint64 top = db.scalar(QStringLiteral("SELECT max(id) FROM tball")).toLongLong();
    Span span{around + 1, around};
    for (qint64 high = around; high >= 1; high -= kStretch) {
        QSqlQuery query = db.exec(sql, {high - kStretch + 1, high, value});
        if (!query.next() || query.value(0).isNull())
            break;
        span.first = query.value(0).toLongLong();
        span.last = qMax(span.last, query.value(1).toLongLong());
    }
    for (qint64 low = around + 1; low <= top; low += kStretch) {
        QSqlQuery query = db.exec(sql, {low, low + kStretch - 1, value});
        if (!query.next() || query.value(0).isNull())
            break;
        span.first = qMin(span.first, query.value(0).toLongLong());
        span.last = query.value(1).toLongLong();
    }
    return span;
}

QString name(Table table) {
    return table == Table::book ? QStringLiteral("tball") : QStringLiteral("tballcus");
}

// What deleted lines take from the sums of one number.
struct Taken {
    QString code, num;
    double h = 0, t = 0, l = 0;
    qint64 rows = 0, numbered = 0;
};

// The kept sums less what the deleted lines took: a few statements for any number of lines,
// where the triggers would run four for each line.
void takeFromSums(Database& db, const QVector<Taken>& taken) {
    const Engine engine = db.engine();
    const QString number = QStringLiteral("CAST(? AS %1)").arg(dialect::numberType(engine));
    const QString whole = QStringLiteral("CAST(? AS %1)").arg(dialect::longType(engine));
    const QString tuple = QStringLiteral("(?, ?, %1, %1, %1, %2)").arg(number, whole);
    const int perStatement = 200;
    for (int first = 0; first < taken.size(); first += perStatement) {
        QStringList tuples;
        QVariantList binds;
        for (int i = first; i < taken.size() && i < first + perStatement; ++i) {
            const Taken& k = taken.at(i);
            tuples << tuple;
            binds << k.code << k.num << k.h << k.t << k.l << k.rows;
        }
        db.exec(QStringLiteral("UPDATE tbtotals SET h = tbtotals.h - d.column3, t = tbtotals.t - "
                               "d.column4, l = tbtotals.l - d.column5, n = tbtotals.n - d.column6 "
                               "FROM (VALUES %1) AS d WHERE tbtotals.codeins = d.column1 AND "
                               "tbtotals.num = d.column2")
                    .arg(tuples.join(QLatin1Char(','))),
                binds);
    }
    db.exec(QStringLiteral("DELETE FROM tbtotals WHERE n <= 0"));
    QMap<QString, Taken> kinds;
    for (const Taken& k : taken) {
        Taken& kind = kinds[k.code];
        kind.h += k.h;
        kind.t += k.t;
        kind.l += k.l;
        kind.rows += k.rows;
        kind.numbered += k.numbered;
    }
    for (auto it = kinds.cbegin(); it != kinds.cend(); ++it)
        db.exec(QStringLiteral("UPDATE tbkind SET h = h - ?, t = t - ?, l = l - ?, n = n - ?, "
                               "cnum = cnum - ? WHERE codeins = ?"),
                {it->h, it->t, it->l, it->rows, it->numbered, it.key()});
    db.exec(QStringLiteral("DELETE FROM tbkind WHERE n <= 0"));
}

// One deletion by condition. The book's lines go with their sums taken out at once.
int deleteWhere(Database& db, Table table, const QString& condition, const QVariantList& binds) {
    if (table == Table::entered) {
        Transaction transaction(db, dialect::beginWrite(db.engine()));
        const int rows = db.exec(QStringLiteral("DELETE FROM tballcus WHERE ") + condition, binds)
                             .numRowsAffected();
        transaction.commit();
        return rows;
    }
    cut::Session session(db);
    inflight::refuseChange(db, condition, binds);
    cut::suspendSums(db);
    // One pass: the rows go and say what they took.
    QSqlQuery query =
        db.exec(QStringLiteral("DELETE FROM tball WHERE %1 RETURNING coalesce(codeins, ''), "
                               "coalesce(num, ''), coalesce(h, 0), coalesce(t, 0), coalesce(l, 0), "
                               "num IS NULL")
                    .arg(condition),
                binds);
    QVector<Taken> taken;
    QHash<QString, int> places;
    int rows = 0;
    while (query.next()) {
        ++rows;
        const QString code = query.value(0).toString();
        const QString num = query.value(1).toString();
        const QString key = code + QLatin1Char('\x1f') + num;
        auto place = places.find(key);
        if (place == places.end()) {
            place = places.insert(key, taken.size());
            taken.push_back({code, num});
        }
        Taken& k = taken[*place];
        k.h += query.value(2).toDouble();
        k.t += query.value(3).toDouble();
        k.l += query.value(4).toDouble();
        ++k.rows;
        if (!query.value(5).toBool())
            ++k.numbered;
    }
    if (rows == 0)
        return 0;
    takeFromSums(db, taken);
    cut::resumeSums(db);
    session.commit();
    return rows;
}

// A row of the book as its bet line knows it.
struct LineRow {
    qint64 id = 0;
    QString num, codeins, cus;
    QVariant customer; // cus as stored (null stays null)
};

QString keyOf(const LineRow& row) {
    return row.num + QLatin1Char('\x1f') + row.codeins + QLatin1Char('\x1f') +
           (row.customer.isNull() ? QStringLiteral("\x1e") : row.cus);
}

QVector<LineRow> readRows(QSqlQuery& query) {
    QVector<LineRow> rows;
    while (query.next()) {
        LineRow row;
        row.id = query.value(0).toLongLong();
        row.num = query.value(1).toString();
        row.codeins = query.value(2).toString();
        row.customer = query.value(3);
        row.cus = row.customer.toString();
        rows.push_back(row);
    }
    return rows;
}

// The rows of tballcus entered with the given rows of tball (all of one time): for each
// number, kind and customer, the entered rows in the places the deleted ones held among the
// book's rows of that time.
QVector<qint64> enteredRowsOf(Database& db, const QString& time, const QSet<qint64>& deleted,
                              qint64 around) {
    const Span span = spanOf(db, "tim", time, around);
    QSqlQuery query = db.exec(QStringLiteral("SELECT id, num, codeins, cus FROM tball WHERE id "
                                             "BETWEEN ? AND ? AND tim = ? ORDER BY id"),
                              {span.first, span.last, time});
    QHash<QString, QVector<int>> places; // key -> places of the deleted rows among its rows
    QHash<QString, int> seen;
    QHash<QString, LineRow> keys;
    for (const LineRow& row : readRows(query)) {
        const QString key = keyOf(row);
        const int place = seen[key]++;
        if (deleted.contains(row.id)) {
            places[key].push_back(place);
            keys.insert(key, row);
        }
    }
    QVector<qint64> entered;
    for (auto it = places.cbegin(); it != places.cend(); ++it) {
        const LineRow& row = keys.value(it.key());
        QSqlQuery candidates =
            row.customer.isNull()
                ? db.exec(QStringLiteral("SELECT id FROM tballcus WHERE codeins = ? AND num = ? "
                                         "AND cus IS NULL AND tim = ? ORDER BY id"),
                          {row.codeins, row.num, time})
                : db.exec(QStringLiteral("SELECT id FROM tballcus WHERE codeins = ? AND num = ? "
                                         "AND cus = ? AND tim = ? ORDER BY id"),
                          {row.codeins, row.num, row.cus, time});
        QVector<qint64> ids;
        while (candidates.next())
            ids.push_back(candidates.value(0).toLongLong());
        for (int place : it.value()) {
            if (place < ids.size())
                entered.push_back(ids.at(place));
        }
    }
    return entered;
}

void deleteIds(Database& db, const QString& table, const QVector<qint64>& ids) {
    const int perStatement = 500;
    for (int first = 0; first < ids.size(); first += perStatement) {
        QStringList marks;
        QVariantList binds;
        for (int i = first; i < ids.size() && i < first + perStatement; ++i) {
            marks << QStringLiteral("?");
            binds << ids.at(i);
        }
        db.exec(QStringLiteral("DELETE FROM %1 WHERE id IN (%2)")
                    .arg(table, marks.join(QLatin1Char(','))),
                binds);
    }
}

} // namespace

QString tableName(Table table) {
    return name(table);
}

QString questionEnding(Table table) {
    return table == Table::book ? QStringLiteral("จากข้อมูลประมวลผลหรือไม่ ?")
                                : QStringLiteral("จากข้อมูลสำรองหรือไม่ ?");
}

int byCustomer(Database& db, Table table, const QString& customer) {
    return deleteWhere(db, table, QStringLiteral("cus = ?"), {customer});
}

int byEntry(Database& db, Table table, qint64 id, bool upTo) {
    return deleteWhere(db, table, upTo ? QStringLiteral("id <= ?") : QStringLiteral("id >= ?"),
                       {id});
}

int byKind(Database& db, Table table, Kind kind) {
    return deleteWhere(db, table, QStringLiteral("codeins = ?"), {kindCode(kind)});
}

int numberOfLine(Database& db, qint64 picked, const QString& num, const QString& kindCode,
                 const QString& stamp) {
    Transaction transaction(db, dialect::beginWrite(db.engine()));
    const Span span = spanOf(db, "ti2", stamp, picked);
    const QString lines =
        QStringLiteral("id BETWEEN ? AND ? AND ti2 = ? AND num = ? AND codeins = ?");
    const QVariantList binds{span.first, span.last, stamp, num, kindCode};
    inflight::refuseChange(db, lines, binds);
    const int rows =
        db.exec(QStringLiteral("DELETE FROM tball WHERE ") + lines, binds).numRowsAffected();
    db.exec(QStringLiteral("DELETE FROM tballcus WHERE ti2 = ? AND num = ? AND codeins = ?"),
            {stamp, num, kindCode});
    transaction.commit();
    return rows;
}

int wholeLine(Database& db, qint64 picked, const QString& stamp) {
    Transaction transaction(db, dialect::beginWrite(db.engine()));
    const Span span = spanOf(db, "ti2", stamp, picked);
    const QString lines = QStringLiteral("id BETWEEN ? AND ? AND ti2 = ?");
    const QVariantList binds{span.first, span.last, stamp};
    inflight::refuseChange(db, lines, binds);
    const int rows =
        db.exec(QStringLiteral("DELETE FROM tball WHERE ") + lines, binds).numRowsAffected();
    db.exec(QStringLiteral("DELETE FROM tballcus WHERE ti2 = ?"), {stamp});
    transaction.commit();
    return rows;
}

int rows(Database& db, qint64 first, qint64 last, bool alsoEntered) {
    if (last < first)
        std::swap(first, last);
    Transaction transaction(db, dialect::beginWrite(db.engine()));
    inflight::refuseChange(db, QStringLiteral("id BETWEEN ? AND ?"), {first, last});
    if (alsoEntered) {
        // The deleted rows by the time their lines were entered.
        QSqlQuery query = db.exec(
            QStringLiteral("SELECT id, tim FROM tball WHERE id BETWEEN ? AND ? AND tim IS NOT "
                           "NULL ORDER BY id"),
            {first, last});
        QHash<QString, QSet<qint64>> byTime;
        QHash<QString, qint64> firstOf;
        while (query.next()) {
            const QString time = query.value(1).toString();
            byTime[time].insert(query.value(0).toLongLong());
            if (!firstOf.contains(time))
                firstOf.insert(time, query.value(0).toLongLong());
        }
        QVector<qint64> entered;
        for (auto it = byTime.cbegin(); it != byTime.cend(); ++it)
            entered += enteredRowsOf(db, it.key(), it.value(), firstOf.value(it.key()));
        deleteIds(db, QStringLiteral("tballcus"), entered);
    }
    const int deleted =
        db.exec(QStringLiteral("DELETE FROM tball WHERE id BETWEEN ? AND ?"), {first, last})
            .numRowsAffected();
    transaction.commit();
    return deleted;
}

int rebuildFromEntered(Database& db) {
    cut::Session session(db, cut::Session::unwiped);
    inflight::refuseChange(db);
    schema::recreateBetTable(db, QStringLiteral("tball"));
    cut::suspendSums(db);
    const int rows =
        db.exec(QStringLiteral("INSERT INTO tball (num, h, t, l, cus, tim, codeins, ti2) SELECT "
                               "num, h, t, l, cus, tim, codeins, ti2 FROM tballcus ORDER BY id"))
            .numRowsAffected();
    schema::recountSums(db);
    cut::resumeSums(db);
    session.commit();
    return rows;
}

} // namespace deletion
