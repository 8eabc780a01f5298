#include "store/dialect.h"
#include "store/schema.h"

namespace schema {

namespace {
// "name a,b,c" -> CREATE TABLE name (a TEXT(50), b TEXT(50), c TEXT(50))
ObjectDef textTable(const QString& name, const QStringList& columns) {
    QStringList defs;
    for (const QString& column : columns)
        defs << dialect::quoteIdentifier(column) + QLatin1Char(' ') + dialect::textType();
    return {name, QStringLiteral("CREATE TABLE %1 (%2)")
                      .arg(dialect::quoteIdentifier(name), defs.join(QLatin1Char(',')))};
}
} // namespace

QVector<ObjectDef> tableDefs() {
    QStringList backc{QStringLiteral("back")};
    for (int i = 2; i <= 29; ++i)
        backc << QStringLiteral("back%1").arg(i);
    return {
        textTable(QStringLiteral("backc"), backc),
        textTable(QStringLiteral("cstr"), {QStringLiteral("cstr2"), QStringLiteral("tran")}),
        textTable(QStringLiteral("pass"), {QStringLiteral("pass")}),
        textTable(QStringLiteral("disp"),
                  {QStringLiteral("disp1"), QStringLiteral("disp2"), QStringLiteral("disp3")}),
        textTable(QStringLiteral("auto"), {QStringLiteral("disp1")}),
        textTable(QStringLiteral("ref"),
                  {QStringLiteral("ref1"), QStringLiteral("comname"), QStringLiteral("total")}),
    };
}

} // namespace schema
