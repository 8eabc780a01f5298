#include "store/database.h"
#include "store/dialect.h"
#include "store/schema.h"

namespace schema {

namespace {

struct AddedColumn {
    QString name;
    QString value;
};

// Adds each column and sets it in the single row; the first failure ends the sequence (what
// was added before it stays).
void addColumns(Database& db, const QString& table, const QVector<AddedColumn>& columns) {
    try {
        for (const AddedColumn& column : columns) {
            Savepoint kept(db);
            dialect::addTextColumn(db, table, column.name);
            db.exec(
                QStringLiteral("UPDATE %1 SET %2=?")
                    .arg(dialect::quoteIdentifier(table), dialect::quoteIdentifier(column.name)),
                {column.value});
            kept.release();
        }
    } catch (const StoreError&) {
    }
}

const ObjectDef* findTable(const QVector<ObjectDef>& defs, const QString& name) {
    for (const ObjectDef& def : defs) {
        if (def.name == name)
            return &def;
    }
    return nullptr;
}

} // namespace

QStringList upgradeOldLayout(Database& db) {
    if (dialect::columnNames(db, QStringLiteral("backc")).size() == 19) {
        QVector<AddedColumn> columns;
        for (int i = 20; i <= 25; ++i)
            columns.push_back({QStringLiteral("back%1").arg(i), QStringLiteral("0")});
        addColumns(db, QStringLiteral("backc"), columns);
    }
    // The fields after back25 are read and written by name too: a backc that stopped at
    // back25 gains them, so those reads do not fail.
    const int backcColumns = dialect::columnNames(db, QStringLiteral("backc")).size();
    if (backcColumns >= 25 && backcColumns < 29) {
        QVector<AddedColumn> columns;
        for (int i = backcColumns + 1; i <= 29; ++i)
            columns.push_back({QStringLiteral("back%1").arg(i), QStringLiteral("0")});
        addColumns(db, QStringLiteral("backc"), columns);
    }
    // The day of the last prize check names the draw its archive keeps.
    if (dialect::columnNames(db, QStringLiteral("checkdata")).size() == 6)
        addColumns(db, QStringLiteral("checkdata"), {{QStringLiteral("ckdate"), QString()}});
    if (dialect::columnNames(db, QStringLiteral("emenu")).size() == 30) {
        addColumns(db, QStringLiteral("emenu"),
                   {{QStringLiteral("f8t"), QStringLiteral("2ตัวบน-ล่าง/กลับ")},
                    {QStringLiteral("f9t"), QStringLiteral("All in one")},
                    {QStringLiteral("f10t"), QStringLiteral("รวมล่าง")}});
    }

    QStringList messages;
    const QVector<ObjectDef> defs = tableDefs(db.engine());
    for (const char* name : {"numlimit2", "h4cut2", "h5cut2", "h2sent2", "h3sent2", "t2sent2",
                             "t3sent2", "l2sent2", "l3sent2"}) {
        const ObjectDef* def = findTable(defs, QString::fromLatin1(name));
        if (def == nullptr || db.tableExists(def->name))
            continue;
        try {
            Savepoint kept(db);
            execScript(db, def->sql);
            kept.release();
        } catch (const StoreError& error) {
            messages << error.message();
        }
    }
    // Rows that already share a code keep the index out; the customers window shows them.
    if (db.tableExists(QStringLiteral("cus"))) {
        try {
            Savepoint kept(db);
            db.exec(cusCodeIndex());
            kept.release();
        } catch (const StoreError&) {
        }
    }
    if (db.tableExists(QStringLiteral("tbtotals")))
        db.exec(totalsByAmountIndex());
    if (db.tableExists(QStringLiteral("tball")))
        db.exec(retiredStampIndex());
    if (db.tableExists(QStringLiteral("tballcus"))) {
        db.exec(enteredByCustomerIndex());
        db.exec(retiredNumberIndex());
        db.exec(enteredByNumberIndex());
        db.exec(enteredByKindIndex());
    }
    return messages;
}

void addCutMarks(Database& db) {
    const QStringList present = dialect::columnNames(db, QStringLiteral("tbtotals"));
    for (const QString& column : cutMarkColumns(db.engine())) {
        if (!present.contains(column.section(QLatin1Char(' '), 0, 0), Qt::CaseInsensitive))
            db.exec(QStringLiteral("ALTER TABLE tbtotals ADD COLUMN ") + column);
    }
    db.exec(movedTotalsIndex());
}

void orderSumsByKey(Database& db) {
    if (!db.tableExists(QStringLiteral("tbtotals")) ||
        dialect::keptInKeyOrder(db, QStringLiteral("tbtotals")))
        return;
    const QString columns = QStringLiteral("codeins, num, h, t, l, n, lowid, keptat");
    db.exec(QStringLiteral("CREATE TEMP TABLE sumsbykey AS SELECT %1 FROM tbtotals").arg(columns));
    db.exec(QStringLiteral("DROP TABLE tbtotals"));
    for (const ObjectDef& def : betTableDefs(db.engine())) {
        if (def.name == QLatin1String("tbtotals"))
            execScript(db, def.sql);
    }
    db.exec(
        QStringLiteral("INSERT INTO tbtotals (%1) SELECT %1 FROM sumsbykey ORDER BY codeins, num")
            .arg(columns));
    db.exec(QStringLiteral("DROP TABLE sumsbykey"));
}

void upgradeRef(Database& db) {
    if (dialect::columnNames(db, QStringLiteral("ref")).size() != 1)
        return;
    // Two statements of their own: the second is tried even when the first fails.
    QString failure;
    for (const char* column : {"comname", "total"}) {
        try {
            Savepoint kept(db);
            dialect::addTextColumn(db, QStringLiteral("ref"), QString::fromLatin1(column));
            kept.release();
        } catch (const StoreError& error) {
            if (failure.isEmpty())
                failure = error.message();
        }
    }
    if (!failure.isEmpty())
        throw StoreError(failure);
}

} // namespace schema
