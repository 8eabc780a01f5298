#include "store/schema.h"

#include "store/database.h"

namespace schema {

namespace {
void createObjects(Database& db, const QVector<ObjectDef>& defs, bool views) {
    for (const ObjectDef& def : defs) {
        const bool exists = views ? db.viewExists(def.name) : db.tableExists(def.name);
        if (!exists)
            execScript(db, def.sql);
    }
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

QStringList allTableNames() { return names(betTableDefs(), tableDefs()); }

QStringList allViewNames() { return names(betViewDefs(), viewDefs()); }

void createMissing(Database& db, const QString& programFolder) {
    Transaction transaction(db);
    const bool fresh = !db.tableExists(QStringLiteral("backc"));
    createObjects(db, betTableDefs(), false);
    createObjects(db, tableDefs(), false);
    createObjects(db, betViewDefs(), true);
    createObjects(db, viewDefs(), true);
    if (fresh)
        seedFresh(db, programFolder);
    transaction.commit();
}

} // namespace schema
