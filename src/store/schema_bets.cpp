#include "store/database.h"
#include "store/dialect.h"
#include "store/kinds.h"
#include "store/schema.h"

// tball carries triggers that keep per-number and per-kind sums in tbtotals and tbkind,
// so the totals and sum views cost the same on a large book as on an empty one.

namespace {

QString betTableSql(const QString& name) {
    return QStringLiteral("CREATE TABLE %1 (num %2, h %3 DEFAULT 0, t %3 DEFAULT 0, l %3 DEFAULT "
                          "0, cus %2, tim DATETIME DEFAULT %4, id %5, codeins %2, ti2 %2 "
                          "DEFAULT 'yy');\n"
                          "CREATE INDEX %1_ti2 ON %1 (ti2)")
        .arg(name, dialect::textType(), dialect::numberType(), dialect::nowDefault(),
             dialect::counterColumn());
}

// Adds (sign +) or removes (sign -) one row of tball from the kept sums; `row` is NEW or OLD.
QString sumsStep(const QString& row, const QChar sign) {
    const QString key = QStringLiteral("coalesce(%1.codeins,'')").arg(row);
    const QString num = QStringLiteral("coalesce(%1.num,'')").arg(row);
    const QString h = QStringLiteral("coalesce(%1.h,0)").arg(row);
    const QString t = QStringLiteral("coalesce(%1.t,0)").arg(row);
    const QString l = QStringLiteral("coalesce(%1.l,0)").arg(row);
    const QString counted = QStringLiteral("(%1.num IS NOT NULL)").arg(row);
    if (sign == QLatin1Char('+')) {
        return QStringLiteral(
                   "INSERT INTO tbtotals (codeins,num,h,t,l,n) VALUES (%1,%2,%3,%4,%5,1) "
                   "ON CONFLICT(codeins,num) DO UPDATE SET h=h+excluded.h, t=t+excluded.t, "
                   "l=l+excluded.l, n=n+1;\n"
                   "INSERT INTO tbkind (codeins,h,t,l,n,cnum) VALUES (%1,%3,%4,%5,1,%6) "
                   "ON CONFLICT(codeins) DO UPDATE SET h=h+excluded.h, t=t+excluded.t, "
                   "l=l+excluded.l, n=n+1, cnum=cnum+excluded.cnum;\n")
            .arg(key, num, h, t, l, counted);
    }
    return QStringLiteral("UPDATE tbtotals SET h=h-%3, t=t-%4, l=l-%5, n=n-1 WHERE codeins=%1 "
                          "AND num=%2;\n"
                          "DELETE FROM tbtotals WHERE codeins=%1 AND num=%2 AND n<=0;\n"
                          "UPDATE tbkind SET h=h-%3, t=t-%4, l=l-%5, n=n-1, cnum=cnum-%6 WHERE "
                          "codeins=%1;\n"
                          "DELETE FROM tbkind WHERE codeins=%1 AND n<=0;\n")
        .arg(key, num, h, t, l, counted);
}

QString sumTriggersSql() {
    return QStringLiteral("CREATE TRIGGER tball_sums_ins AFTER INSERT ON tball BEGIN\n%1END;\n"
                          "CREATE TRIGGER tball_sums_del AFTER DELETE ON tball BEGIN\n%2END;\n"
                          "CREATE TRIGGER tball_sums_upd AFTER UPDATE OF num,h,t,l,codeins ON "
                          "tball BEGIN\n%2%1END")
        .arg(sumsStep(QStringLiteral("NEW"), QLatin1Char('+')),
             sumsStep(QStringLiteral("OLD"), QLatin1Char('-')));
}

} // namespace

namespace schema {

void execScript(Database& db, const QString& sql) {
    // Split on statement ends outside trigger bodies.
    QStringList statements;
    QString current;
    bool inBody = false;
    for (const QString& line : sql.split(QLatin1Char('\n'))) {
        current += line + QLatin1Char('\n');
        if (line.startsWith(QLatin1String("CREATE TRIGGER")))
            inBody = true;
        if (inBody ? line.startsWith(QLatin1String("END")) : line.endsWith(QLatin1Char(';'))) {
            statements << current;
            current.clear();
            inBody = false;
        }
    }
    if (!current.trimmed().isEmpty())
        statements << current;
    for (QString statement : statements) {
        statement = statement.trimmed();
        if (statement.endsWith(QLatin1Char(';')) && !statement.endsWith(QLatin1String("END;")))
            statement.chop(1);
        if (!statement.isEmpty())
            db.exec(statement);
    }
}

QString totalsByAmountIndex() {
    // The largest top totals of a kind, read without a scan (the over-limit marks).
    return QStringLiteral("CREATE INDEX IF NOT EXISTS tbtotals_h ON tbtotals (codeins, h)");
}

QVector<ObjectDef> betTableDefs() {
    const QString text = dialect::textType();
    const QString number = dialect::numberType();
    return {
        {QStringLiteral("tbtotals"),
         QStringLiteral("CREATE TABLE tbtotals (codeins %1 NOT NULL, num %1 NOT NULL, h %2, t "
                        "%2, l %2, n INTEGER, PRIMARY KEY (codeins, num))")
                 .arg(text, number) +
             QStringLiteral(";\n") + totalsByAmountIndex()},
        {QStringLiteral("tbkind"),
         QStringLiteral("CREATE TABLE tbkind (codeins %1 PRIMARY KEY NOT NULL, h %2, t %2, l %2, "
                        "n INTEGER, cnum INTEGER)")
             .arg(text, number)},
        {QStringLiteral("tball"), betTableSql(QStringLiteral("tball")) + QStringLiteral(";\n") +
                                      sumTriggersSql()},
        {QStringLiteral("tballcus"), betTableSql(QStringLiteral("tballcus"))},
        {QStringLiteral("tblog"),
         QStringLiteral("CREATE TABLE tblog (id %1, s %2)").arg(dialect::counterColumn(), text)},
    };
}

QVector<ObjectDef> betViewDefs() {
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

void recreateBetTable(Database& db, const QString& name) {
    for (const ObjectDef& def : betTableDefs()) {
        if (def.name.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        db.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(def.name));
        if (def.name == QLatin1String("tball")) {
            db.exec(QStringLiteral("DELETE FROM tbtotals"));
            db.exec(QStringLiteral("DELETE FROM tbkind"));
        }
        execScript(db, def.sql);
        return;
    }
    throw StoreError(QStringLiteral("no bet table %1").arg(name));
}

} // namespace schema
