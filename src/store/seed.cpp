#include "store/database.h"
#include "store/schema.h"
#include "store/defaults.h"

namespace schema {

void seedFresh(Database& db, const QString& programFolder) {
    QStringList marks;
    QVariantList values;
    for (int i = 0; i < 29; ++i) {
        marks << QStringLiteral("?");
        values << QStringLiteral("0");
    }
    db.exec(QStringLiteral("INSERT INTO backc VALUES (%1)").arg(marks.join(QLatin1Char(','))),
            values);
    db.exec(QStringLiteral("INSERT INTO cstr (cstr2, tran) VALUES (?, '0')"), {programFolder});
    db.exec(QStringLiteral("INSERT INTO pass (pass) VALUES (?)"), {defaults::storedPassword()});
    db.exec(QStringLiteral("INSERT INTO disp VALUES ('0','1','0')"));
    db.exec(QStringLiteral("INSERT INTO \"auto\" VALUES ('0')"));
}

} // namespace schema
