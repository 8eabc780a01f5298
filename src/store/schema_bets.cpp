#include "store/database.h"
#include "store/dialect.h"
#include "store/kinds.h"
#include "store/schema.h"

// tball carries triggers (in the dialect) that keep per-number and per-kind sums in tbtotals
// and tbkind.

namespace {

QString betTableSql(const QString& name, Engine engine) {
    return QStringLiteral("CREATE TABLE %1 (num %2, h %3 DEFAULT 0, t %3 DEFAULT 0, l %3 DEFAULT "
                          "0, cus %2, tim %6 DEFAULT %4, id %5, codeins %2, ti2 %2 "
                          "DEFAULT 'yy')")
        .arg(name, dialect::textType(engine), dialect::numberType(engine),
             dialect::nowDefault(engine), dialect::counterColumn(engine),
             dialect::dateType(engine));
}

// Only the entered lines find their stamps through an index. The lines of tball are rewritten
// kind by kind at every cut, and an index over all of them would make each cut rewrite it too;
// stamping tball reads the table once instead.
QString stampIndex(const QString& name) {
    return QStringLiteral("CREATE INDEX %1_ti2 ON %1 (ti2)").arg(name);
}

} // namespace

namespace schema {

QStringList cutMarkColumns(Engine engine) {
    // lowid: the first id a cut wrote the number's lines from (a hint, checked before use);
    // keptat: the number's total when its kind's kept list last took it.
    return {QStringLiteral("lowid ") + dialect::longType(engine),
            QStringLiteral("keptat ") + dialect::numberType(engine)};
}

QString movedGroupTotals() {
    return QStringLiteral("codeins IN ('h4', 'h5') AND (keptat IS NULL OR keptat <> h)");
}

QString movedTotalsIndex() {
    // The numbers of a group kind whose totals moved since its kept list took them.
    return QStringLiteral("CREATE INDEX IF NOT EXISTS tbtotals_moved ON tbtotals (codeins, num) "
                          "WHERE ") +
           movedGroupTotals();
}

QString totalsByAmountIndex() {
    // The largest top totals of a kind, read without a scan (the over-limit marks).
    return QStringLiteral("CREATE INDEX IF NOT EXISTS tbtotals_h ON tbtotals (codeins, h)");
}

QString enteredByCustomerIndex() {
    return QStringLiteral("CREATE INDEX IF NOT EXISTS tballcus_cus ON tballcus (cus, id)");
}

QString enteredByNumberIndex() {
    // The lines of a kind that win a draw, read without a scan of the book; it covers the
    // customer and the stakes, so a group's digits are tested in the index alone.
    return QStringLiteral(
        "CREATE INDEX IF NOT EXISTS tballcus_win ON tballcus (codeins, num, cus, h, t, l)");
}

QString retiredNumberIndex() {
    // The narrower index of older books, which the one above replaces.
    return QStringLiteral("DROP INDEX IF EXISTS tballcus_num");
}

QString retiredStampIndex() {
    return QStringLiteral("DROP INDEX IF EXISTS tball_ti2");
}

QString enteredByKindIndex() {
    // Covers the stakes, so the accounts sum a kind without reading the lines.
    return QStringLiteral(
        "CREATE INDEX IF NOT EXISTS tballcus_kind ON tballcus (codeins, cus, h, t, l)");
}

QStringList enteredIndexes() {
    return {QStringLiteral("CREATE INDEX IF NOT EXISTS tballcus_ti2 ON tballcus (ti2)"),
            enteredByCustomerIndex(), enteredByNumberIndex(), enteredByKindIndex()};
}

QStringList dropEnteredIndexes() {
    QStringList drops;
    for (const char* name : {"tballcus_ti2", "tballcus_cus", "tballcus_win", "tballcus_kind"})
        drops << QStringLiteral("DROP INDEX IF EXISTS %1").arg(QLatin1String(name));
    return drops;
}

QVector<ObjectDef> betTableDefs(Engine engine) {
    const QString text = dialect::textType(engine);
    const QString number = dialect::numberType(engine);
    return {
        {QStringLiteral("tbtotals"),
         QStringLiteral("CREATE TABLE tbtotals (codeins %1 NOT NULL, num %1 NOT NULL, h %2, t "
                        "%2, l %2, n INTEGER, %3, PRIMARY KEY (codeins, num))%4")
                 .arg(text, number, cutMarkColumns(engine).join(QStringLiteral(", ")),
                      dialect::keyOrderedRows(engine)) +
             QStringLiteral(";\n") + totalsByAmountIndex() + QStringLiteral(";\n") +
             movedTotalsIndex() + dialect::keptSumsStorage(engine, QStringLiteral("tbtotals"))},
        {QStringLiteral("tbkind"),
         QStringLiteral("CREATE TABLE tbkind (codeins %1 PRIMARY KEY NOT NULL, h %2, t %2, l %2, "
                        "n INTEGER, cnum INTEGER)")
                 .arg(text, number) +
             dialect::keptSumsStorage(engine, QStringLiteral("tbkind"))},
        {QStringLiteral("tball"), betTableSql(QStringLiteral("tball"), engine) +
                                      QStringLiteral(";\n") + dialect::sumTriggers(engine)},
        {QStringLiteral("tballcus"),
         betTableSql(QStringLiteral("tballcus"), engine) + QStringLiteral(";\n") +
             stampIndex(QStringLiteral("tballcus")) + QStringLiteral(";\n") +
             enteredByCustomerIndex() + QStringLiteral(";\n") + enteredByNumberIndex() +
             QStringLiteral(";\n") + enteredByKindIndex()},
        {QStringLiteral("tblog"), QStringLiteral("CREATE TABLE tblog (id %1, s %2)")
                                      .arg(dialect::counterColumn(engine), text)},
    };
}

QVector<ObjectDef> betViewDefs(Engine) {
    QVector<ObjectDef> views;
    for (Kind kind : columnOrder()) {
        const QString code = kindCode(kind);
        const QString column = stakeColumn(kind);
        const QString name = kind == Kind::t3 ? QStringLiteral("qt3") : code;
        views.push_back({name, QStringLiteral("CREATE VIEW %1 AS SELECT num, %2 AS %2 FROM "
                                              "tbtotals WHERE codeins='%3' ORDER BY num")
                                   .arg(name, column, code)});
        views.push_back({code + QStringLiteral("sum"),
                         QStringLiteral("CREATE VIEW %1sum AS SELECT (SELECT %2 FROM tbkind "
                                        "WHERE codeins='%1') AS %2")
                             .arg(code, column)});
    }
    // Some windows hold "select * from t3" as a placeholder; let it read the tod totals.
    views.push_back({QStringLiteral("t3"), QStringLiteral("CREATE VIEW t3 AS SELECT * FROM qt3")});
    // Number of stored rows with a number, as count(num) over tball would give it.
    views.push_back({QStringLiteral("tballcount"),
                     QStringLiteral("CREATE VIEW tballcount AS SELECT coalesce(sum(cnum),0) AS n "
                                    "FROM tbkind")});
    return views;
}

void recountSums(Database& db) {
    db.exec(QStringLiteral("DELETE FROM tbtotals"));
    db.exec(QStringLiteral("DELETE FROM tbkind"));
    db.exec(QStringLiteral(
        "INSERT INTO tbtotals (codeins, num, h, t, l, n) SELECT coalesce(codeins, ''), "
        "coalesce(num, ''), sum(coalesce(h, 0)), sum(coalesce(t, 0)), sum(coalesce(l, 0)), "
        "count(*) FROM tball GROUP BY coalesce(codeins, ''), coalesce(num, '')"));
    db.exec(QStringLiteral("INSERT INTO tbkind (codeins, h, t, l, n, cnum) SELECT coalesce(codeins, "
                           "''), sum(coalesce(h, 0)), sum(coalesce(t, 0)), sum(coalesce(l, 0)), "
                           "count(*), count(num) FROM tball GROUP BY coalesce(codeins, '')"));
}

void recreateBetTable(Database& db, const QString& name) {
    for (const ObjectDef& def : betTableDefs(db.engine())) {
        if (def.name.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        const QString emptying = dialect::emptyRestartingCounter(db.engine(), def.name);
        if (emptying.isEmpty()) {
            db.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(def.name));
            execScript(db, def.sql);
        } else {
            db.exec(emptying);
        }
        if (def.name == QLatin1String("tball")) {
            db.exec(QStringLiteral("DELETE FROM tbtotals"));
            db.exec(QStringLiteral("DELETE FROM tbkind"));
        }
        return;
    }
    throw StoreError(QStringLiteral("no bet table %1").arg(name));
}

} // namespace schema
