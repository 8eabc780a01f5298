#include "store/dialect.h"
#include "store/kinds.h"
#include "store/schema.h"

// Every table beside the book. Column order is part of the format: several readers take
// rows by position, so a column is never inserted before another.

namespace schema {

QString percentColumn(Kind kind) {
    const QString code = kindCode(kind);
    return QStringLiteral("c") + code.at(1) + code.at(0) + QLatin1Char('p');
}

QString cusCodeIndex() {
    return QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS cus_id ON cus (id)");
}

namespace {

struct Column {
    QString name;
    QString type;
};
using Columns = QVector<Column>;

QString text(Engine e) {
    return dialect::textType(e);
}
QString number(Engine e) {
    return dialect::numberType(e);
}
QString numberZero(Engine e) {
    return dialect::numberType(e) + QStringLiteral(" DEFAULT 0");
}
QString whole(Engine e) {
    return dialect::longType(e);
}
QString counter(Engine e) {
    return dialect::counterColumn(e);
}
QString stamp(Engine e) {
    return dialect::dateType(e) + QStringLiteral(" DEFAULT ") + dialect::nowDefault(e);
}

ObjectDef table(const QString& name, const Columns& columns, const QString& extra = {}) {
    QStringList defs;
    for (const Column& column : columns)
        defs << dialect::quoteIdentifier(column.name) + QLatin1Char(' ') + column.type;
    QString sql = QStringLiteral("CREATE TABLE %1 (%2)")
                      .arg(dialect::quoteIdentifier(name), defs.join(QStringLiteral(", ")));
    if (!extra.isEmpty())
        sql += QStringLiteral(";\n") + extra;
    return {name, sql};
}

Columns textColumns(Engine e, const QStringList& names) {
    Columns columns;
    for (const QString& name : names)
        columns.push_back({name, text(e)});
    return columns;
}

ObjectDef textTable(Engine e, const QString& name, const QStringList& names) {
    return table(name, textColumns(e, names));
}

QStringList kindCodes() {
    QStringList codes;
    for (Kind kind : columnOrder())
        codes << kindCode(kind);
    return codes;
}

// Kinds by listing position, as the cus layout and the per-kind table pairs use them.
const Kind kListing[] = {Kind::h3, Kind::t3, Kind::l3, Kind::h2, Kind::l2,
                         Kind::t2, Kind::h1, Kind::l1, Kind::h4, Kind::h5};

ObjectDef cusTable(Engine e) {
    // 0 name; 1, 4, ... 28 the discount percents, each followed by two spare columns;
    // 31 id; 32-41 the pay rates (h3 t3 l3 h2 t2 l2 h1 l1 h4 h5); id2 last.
    Columns columns{{QStringLiteral("name"), text(e)}};
    for (Kind kind : kListing) {
        const QString percent = percentColumn(kind);
        columns.push_back({percent, number(e)});
        columns.push_back({percent + QLatin1Char('2'), number(e)});
        columns.push_back({percent + QLatin1Char('3'), number(e)});
    }
    columns.push_back({QStringLiteral("id"), text(e)});
    for (Kind kind : columnOrder())
        columns.push_back({kindCode(kind), number(e)});
    columns.push_back({QStringLiteral("id2"), counter(e)});
    // Two customers never share a code.
    return table(QStringLiteral("cus"), columns,
                 QStringLiteral("CREATE INDEX cus_name ON cus (name);\n") + cusCodeIndex());
}

ObjectDef emenuTable(Engine e) {
    // 0-9 f1..f10 flags, 10-18 spare, 19-21 t2 t3 t4, 22-28 f1t..f7t, 29 t1, 30-32 f8t..f10t.
    QStringList names;
    for (int i = 1; i <= 10; ++i)
        names << QStringLiteral("f%1").arg(i);
    for (int i = 1; i <= 9; ++i)
        names << QStringLiteral("e%1").arg(i);
    names << QStringLiteral("t2") << QStringLiteral("t3") << QStringLiteral("t4");
    for (int i = 1; i <= 7; ++i)
        names << QStringLiteral("f%1t").arg(i);
    names << QStringLiteral("t1") << QStringLiteral("f8t") << QStringLiteral("f9t")
          << QStringLiteral("f10t");
    return textTable(e, QStringLiteral("emenu"), names);
}

ObjectDef cusexe2Table(Engine e) {
    Columns columns{{QStringLiteral("cusid"), text(e)}, {QStringLiteral("name"), text(e)}};
    // Triples in the stored order; t2 comes after the running digits and h5 before h4.
    const Kind order[] = {Kind::h3, Kind::t3, Kind::l3, Kind::h2, Kind::l2,
                          Kind::h1, Kind::l1, Kind::t2, Kind::h5, Kind::h4};
    for (Kind kind : order) {
        const QString code = kindCode(kind);
        const QString suffix = QString(code.at(1)) + code.at(0);
        columns.push_back({percentColumn(kind), whole(e)});
        columns.push_back({QStringLiteral("sum") + suffix, whole(e)});
        columns.push_back({QStringLiteral("data") + suffix, whole(e)});
    }
    for (const char* name : {"sumall", "sumallper", "sumresuit"})
        columns.push_back({QString::fromLatin1(name), whole(e)});
    return table(QStringLiteral("cusexe2"), columns);
}

ObjectDef cusexeTable(Engine e) {
    Columns columns{{QStringLiteral("cusid"), text(e)}, {QStringLiteral("name"), text(e)}};
    for (Kind kind : kListing) {
        const QString code = kindCode(kind);
        columns.push_back({QStringLiteral("sum") + code.at(1) + code.at(0), whole(e)});
    }
    for (Kind kind : kListing)
        columns.push_back({percentColumn(kind), whole(e)});
    return table(QStringLiteral("cusexe"), columns);
}

ObjectDef backcTable(Engine e) {
    QStringList names{QStringLiteral("back")};
    for (int i = 2; i <= 29; ++i)
        names << QStringLiteral("back%1").arg(i);
    return textTable(e, QStringLiteral("backc"), names);
}

ObjectDef numlimitTable(Engine e, const QString& name) {
    return table(name, {{QStringLiteral("num"), text(e)},
                        {QStringLiteral("h"), numberZero(e)},
                        {QStringLiteral("codeins"), text(e)},
                        {QStringLiteral("id"), counter(e)}});
}

// The scratch tables of the prize check and the second sent tables of the analysis window.
ObjectDef pairTable(Engine e, const QString& name, const QString& stake, const QString& last) {
    return table(name, {{QStringLiteral("num"), text(e)}, {stake, numberZero(e)}, {last, text(e)}});
}

} // namespace

ObjectDef drawSummaryDef(Engine e) {
    return table(QStringLiteral("drawsum"), {{QStringLiteral("drawdate"), text(e)},
                                             {QStringLiteral("savedat"), text(e)},
                                             {QStringLiteral("lines"), whole(e)},
                                             {QStringLiteral("records"), whole(e)},
                                             {QStringLiteral("stakes"), number(e)},
                                             {QStringLiteral("kept"), number(e)},
                                             {QStringLiteral("sent"), number(e)},
                                             {QStringLiteral("net"), whole(e)}});
}

QVector<ObjectDef> tableDefs(Engine e) {
    QVector<ObjectDef> defs;
    const QString num = QStringLiteral("num");
    const QString h = QStringLiteral("h");
    const QString t = QStringLiteral("t");
    const QString l = QStringLiteral("l");
    const QString cus = QStringLiteral("cus");
    const QString codeins = QStringLiteral("codeins");
    const QString rep = QStringLiteral("rep");

    // Bet rows kept beside the book.
    defs << table(QStringLiteral("tballsent"), {{num, text(e)},
                                                {h, number(e)},
                                                {t, number(e)},
                                                {l, number(e)},
                                                {cus, text(e)},
                                                {codeins, text(e)},
                                                {QStringLiteral("time"), stamp(e)}});
    defs << table(QStringLiteral("tballsave2"), {{num, text(e)},
                                                 {h, number(e)},
                                                 {t, number(e)},
                                                 {l, number(e)},
                                                 {cus, text(e)},
                                                 {codeins, text(e)}});
    defs << table(QStringLiteral("2hh"), {{num, text(e)}});
    defs << textTable(e, QStringLiteral("ref"),
                      {QStringLiteral("ref1"), QStringLiteral("comname"), QStringLiteral("total")});
    // A station's batch on its way to the server (its token and the last rows it holds), and
    // on the server every batch it has taken, so a batch sent again is never written twice.
    defs << table(QStringLiteral("refsend"), {{QStringLiteral("ref1"), text(e)},
                                              {QStringLiteral("lastid"), whole(e)},
                                              {QStringLiteral("lastcus"), whole(e)},
                                              {QStringLiteral("total"), whole(e)}});
    defs << ObjectDef{QStringLiteral("refdone"),
                      QStringLiteral("CREATE TABLE refdone (ref1 %1 NOT NULL, comname %1 NOT NULL, "
                                     "total %2, \"time\" %3, PRIMARY KEY (ref1, comname))")
                          .arg(text(e), whole(e), stamp(e))};

    // Kept and sent tables, one per kind.
    for (Kind kind : kListing) {
        const QString code = kindCode(kind);
        defs << table(code + QStringLiteral("cut"),
                      {{num, text(e)}, {stakeColumn(kind), number(e)}, {codeins, text(e)}});
    }
    for (Kind kind : kListing) {
        const QString code = kindCode(kind);
        defs << table(code + QStringLiteral("sent"),
                      {{num, text(e)}, {stakeColumn(kind), number(e)}, {rep, whole(e)}});
    }
    for (const char* code : {"h2", "h3", "t2", "t3", "l2", "l3"}) {
        const QString name = QString::fromLatin1(code);
        defs << pairTable(e, name + QStringLiteral("sent2"), name.left(1), rep);
    }
    defs << pairTable(e, QStringLiteral("h4cut2"), h, codeins);
    defs << pairTable(e, QStringLiteral("h5cut2"), h, codeins);

    // Logs of the cuts.
    defs << table(QStringLiteral("sentall"), {{num, text(e)},
                                              {h, number(e)},
                                              {l, number(e)},
                                              {t, number(e)},
                                              {cus, text(e)},
                                              {rep, whole(e)},
                                              {QStringLiteral("cod"), text(e)},
                                              {QStringLiteral("no"), text(e)},
                                              {QStringLiteral("name"), text(e)}});
    defs << table(
        QStringLiteral("sentall2"),
        {{num, text(e)}, {h, number(e)}, {t, number(e)}, {l, number(e)}, {rep, whole(e)}});
    defs << table(
        QStringLiteral("cutlog"),
        {{num, text(e)}, {h, number(e)}, {codeins, text(e)}, {QStringLiteral("nn"), text(e)}});
    defs << textTable(e, QStringLiteral("cutlogc"), kindCodes());

    // Where each kind's lines begin: every line of the kind has at least this id since the
    // cut that last wrote all of its lines (a hint the cuts check before they rely on it).
    defs << table(QStringLiteral("tbfrom"),
                  {{QStringLiteral("codeins"), text(e)}, {QStringLiteral("id"), whole(e)}});

    // Per group kind: the limit its kept list last took every total at, and how many numbers
    // the kind had then; cleared by any cut that writes kept lists otherwise.
    defs << table(QStringLiteral("tbkeptsync"), {{QStringLiteral("codeins"), text(e)},
                                                 {QStringLiteral("lim"), number(e)},
                                                 {QStringLiteral("numbers"), whole(e)}});

    // Combined scratch tables of the summaries.
    defs << table(QStringLiteral("ht3cut"), {{num, text(e)}, {h, number(e)}, {t, number(e)}});
    defs << table(QStringLiteral("ht3sent"),
                  {{num, text(e)}, {h, number(e)}, {t, number(e)}, {l, number(e)}});
    defs << table(QStringLiteral("ht2sent"),
                  {{num, text(e)}, {h, number(e)}, {t, number(e)}, {l, number(e)}});
    defs << table(QStringLiteral("ht1sent"), {{num, text(e)}, {h, number(e)}, {l, number(e)}});

    // Limits.
    defs << textTable(e, QStringLiteral("change2"), kindCodes());
    defs << numlimitTable(e, QStringLiteral("numlimit"));
    defs << numlimitTable(e, QStringLiteral("numlimit2"));
    defs << table(QStringLiteral("limit"), {{QStringLiteral("l1"), number(e)}});
    defs << textTable(e, QStringLiteral("autocut"), {QStringLiteral("ex"), QStringLiteral("tim")});

    // Customers and settlement.
    defs << cusTable(e);
    defs << textTable(e, QStringLiteral("change"),
                      kindCodes() << QStringLiteral("hb") << QStringLiteral("lb"));
    defs << textTable(e, QStringLiteral("change3"),
                      kindCodes() << QStringLiteral("hb") << QStringLiteral("lb"));
    // The draw as last typed; ckdate the day it was last checked.
    defs << textTable(e, QStringLiteral("checkdata"),
                      {QStringLiteral("h3"), QStringLiteral("l2"), QStringLiteral("l31"),
                       QStringLiteral("l32"), QStringLiteral("l33"), QStringLiteral("l34"),
                       QStringLiteral("ckdate")});
    defs << table(QStringLiteral("checkcus"), {{num, text(e)},
                                               {h, number(e)},
                                               {cus, text(e)},
                                               {QStringLiteral("name"), text(e)},
                                               {QStringLiteral("ch3"), whole(e)},
                                               {QStringLiteral("thai"), text(e)},
                                               {QStringLiteral("c3hp"), number(e)}});
    defs << cusexeTable(e);
    defs << cusexe2Table(e);

    // Customer views' scratch rows.
    defs << table(QStringLiteral("tbycus"), {{QStringLiteral("num3"), text(e)},
                                             {QStringLiteral("num2"), text(e)},
                                             {QStringLiteral("num1"), text(e)},
                                             {QStringLiteral("num4"), text(e)},
                                             {QStringLiteral("num50"), text(e)},
                                             {h, whole(e)},
                                             {t, whole(e)},
                                             {l, whole(e)},
                                             {cus, text(e)},
                                             {QStringLiteral("name"), text(e)},
                                             {QStringLiteral("id"), counter(e)}});

    // Entry support.
    for (const char* size : {"24", "60", "64", "120", "220"}) {
        defs << table(
            QStringLiteral("tball") + QString::fromLatin1(size),
            {{num, text(e)}, {h, number(e)}, {cus, text(e)}, {codeins, text(e)}, {rep, number(e)}});
    }
    defs << textTable(e, QStringLiteral("h1000"), {num});
    defs << textTable(e, QStringLiteral("tot"), {num});

    // Settings and small single-row tables.
    defs << backcTable(e);
    defs << textTable(e, QStringLiteral("cstr"), {QStringLiteral("cstr2"), QStringLiteral("tran")});
    defs << emenuTable(e);
    defs << textTable(e, QStringLiteral("pass"), {QStringLiteral("pass")});
    defs << textTable(e, QStringLiteral("disp"),
                      {QStringLiteral("disp1"), QStringLiteral("disp2"), QStringLiteral("disp3")});
    defs << textTable(e, QStringLiteral("auto"), {QStringLiteral("disp1")});
    return defs;
}

} // namespace schema
