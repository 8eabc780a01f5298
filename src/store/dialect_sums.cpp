#include "store/dialect.h"

// The triggers on tball that keep per-number and per-kind sums in tbtotals and tbkind, so the
// totals and sum views cost the same on a large book as on an empty one.

namespace {

// Adds (sign +) or removes (sign -) one row of tball from the kept sums; `row` is NEW or OLD.
QString sumsStep(const QString& row, const QChar sign) {
    const QString key = QStringLiteral("coalesce(%1.codeins,'')").arg(row);
    const QString num = QStringLiteral("coalesce(%1.num,'')").arg(row);
    const QString h = QStringLiteral("coalesce(%1.h,0)").arg(row);
    const QString t = QStringLiteral("coalesce(%1.t,0)").arg(row);
    const QString l = QStringLiteral("coalesce(%1.l,0)").arg(row);
    const QString counted = QStringLiteral("CASE WHEN %1.num IS NULL THEN 0 ELSE 1 END").arg(row);
    if (sign == QLatin1Char('+')) {
        return QStringLiteral(
                   "INSERT INTO tbtotals (codeins,num,h,t,l,n) VALUES (%1,%2,%3,%4,%5,1) "
                   "ON CONFLICT(codeins,num) DO UPDATE SET h=tbtotals.h+excluded.h, "
                   "t=tbtotals.t+excluded.t, l=tbtotals.l+excluded.l, n=tbtotals.n+1;\n"
                   "INSERT INTO tbkind (codeins,h,t,l,n,cnum) VALUES (%1,%3,%4,%5,1,%6) "
                   "ON CONFLICT(codeins) DO UPDATE SET h=tbkind.h+excluded.h, "
                   "t=tbkind.t+excluded.t, l=tbkind.l+excluded.l, n=tbkind.n+1, "
                   "cnum=tbkind.cnum+excluded.cnum;\n")
            .arg(key, num, h, t, l, counted);
    }
    return QStringLiteral("UPDATE tbtotals SET h=h-%3, t=t-%4, l=l-%5, n=n-1 WHERE codeins=%1 "
                          "AND num=%2;\n"
                          "DELETE FROM tbtotals WHERE codeins=%1 AND num=%2 AND n<=0;\n"
                          "UPDATE tbkind SET h=h-%3, t=t-%4, l=l-%5, n=n-1, cnum=cnum-(%6) WHERE "
                          "codeins=%1;\n"
                          "DELETE FROM tbkind WHERE codeins=%1 AND n<=0;\n")
        .arg(key, num, h, t, l, counted);
}

QString sqliteTriggers() {
    return QStringLiteral("CREATE TRIGGER tball_sums_ins AFTER INSERT ON tball BEGIN\n%1END;\n"
                          "CREATE TRIGGER tball_sums_del AFTER DELETE ON tball BEGIN\n%2END;\n"
                          "CREATE TRIGGER tball_sums_upd AFTER UPDATE OF num,h,t,l,codeins ON "
                          "tball BEGIN\n%2%1END")
        .arg(sumsStep(QStringLiteral("NEW"), QLatin1Char('+')),
             sumsStep(QStringLiteral("OLD"), QLatin1Char('-')));
}

// One function for the three events. Writers of tball take turns (the lock is held to the end
// of the transaction): two lines that touch the same sums in another order would otherwise
// wait for each other.
QString postgresTriggers() {
    return QStringLiteral(
               "CREATE OR REPLACE FUNCTION tball_sums() RETURNS trigger LANGUAGE plpgsql SET "
               "search_path "
               "FROM CURRENT AS $$\n"
               "BEGIN\n"
               "PERFORM pg_advisory_xact_lock(hashtext(TG_TABLE_SCHEMA || '.tball'));\n"
               "IF TG_OP <> 'INSERT' THEN\n%2END IF;\n"
               "IF TG_OP <> 'DELETE' THEN\n%1END IF;\n"
               "RETURN NULL;\n"
               "END\n"
               "$$;\n"
               "CREATE TRIGGER tball_sums AFTER INSERT OR DELETE OR UPDATE OF num,h,t,l,codeins "
               "ON tball FOR EACH ROW EXECUTE FUNCTION tball_sums()")
        .arg(sumsStep(QStringLiteral("NEW"), QLatin1Char('+')),
             sumsStep(QStringLiteral("OLD"), QLatin1Char('-')));
}

} // namespace

namespace dialect {

QString sumTriggers(Engine engine) {
    return engine == Engine::postgres ? postgresTriggers() : sqliteTriggers();
}

QString dropSumTriggers(Engine engine) {
    if (engine == Engine::postgres) {
        return QStringLiteral("DROP TRIGGER IF EXISTS tball_sums ON tball;\n"
                              "DROP FUNCTION IF EXISTS tball_sums()");
    }
    return QStringLiteral("DROP TRIGGER IF EXISTS tball_sums_ins;\n"
                          "DROP TRIGGER IF EXISTS tball_sums_del;\n"
                          "DROP TRIGGER IF EXISTS tball_sums_upd");
}

QString suspendSumTriggers(Engine engine) {
    // A server keeps the trigger and lets readers of tball go on meanwhile.
    return engine == Engine::postgres
               ? QStringLiteral("ALTER TABLE tball DISABLE TRIGGER tball_sums")
               : dropSumTriggers(engine);
}

QString resumeSumTriggers(Engine engine) {
    return engine == Engine::postgres
               ? QStringLiteral("ALTER TABLE tball ENABLE TRIGGER tball_sums")
               : sqliteTriggers();
}

} // namespace dialect
