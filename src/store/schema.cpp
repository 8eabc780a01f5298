#include "store/schema.h"

#include "store/database.h"
#include "store/dialect.h"

namespace schema {

namespace {
void createObjects(Database& db, const QVector<ObjectDef>& defs, bool views) {
    for (const ObjectDef& def : defs) {
        const bool exists = views ? db.viewExists(def.name) : db.tableExists(def.name);
        if (!exists)
            execScript(db, def.sql);
    }
}

void createAll(Database& db) {
    const Engine engine = db.engine();
    createObjects(db, betTableDefs(engine), false);
    createObjects(db, tableDefs(engine), false);
    createObjects(db, betViewDefs(engine), true);
    createObjects(db, viewDefs(engine), true);
}

QStringList names(const QVector<ObjectDef>& a, const QVector<ObjectDef>& b) {
    QStringList result;
    for (const ObjectDef& def : a)
        result << def.name;
    for (const ObjectDef& def : b)
        result << def.name;
    return result;
}
} // namespace

QStringList allTableNames() {
    return names(betTableDefs(Engine::sqlite), tableDefs(Engine::sqlite));
}

QStringList allViewNames() {
    return names(betViewDefs(Engine::sqlite), viewDefs(Engine::sqlite));
}

void createMissing(Database& db, const QString& programFolder) {
    Transaction transaction(db);
    const bool fresh = !db.tableExists(QStringLiteral("backc"));
    createAll(db);
    // The sums of a book made before the cuts marked its numbers gain the marks' columns.
    addCutMarks(db);
    orderSumsByKey(db);
    if (fresh)
        seedFresh(db, programFolder);
    transaction.commit();
}

void createTablesAndViews(Database& db) {
    Transaction transaction(db);
    createAll(db);
    transaction.commit();
}

void execScript(Database& db, const QString& sql) {
    for (const QString& statement : dialect::splitStatements(db.engine(), sql))
        db.exec(statement);
}

} // namespace schema
