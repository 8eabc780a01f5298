#include "store/database.h"
#include "store/defaults.h"
#include "store/dialect.h"
#include "store/schema.h"

namespace schema {

namespace {

// Starting values of backc, by position (back, back2 ... back29).
const char* const kBackc[29] = {
    "0",   // back   next numbered backup copy
    "0",   // back2  tick counter of the main window
    "100", // back3  rows shown in the entry grid
    "0",   // back4  refresh request
    "0",   // back5  digit sorting: tod and group numbers sorted
    "0",   // back6  station send mode: manual
    "50",  // back7  station send threshold
    "0",   // back8  cut number
    "0",   // back9  hundred-number panel hidden
    "2",   // back10 default entry mode F2
    "0",   // back11 margin of the h2 -> h3 spreading
    "0",   // back12 margin of the t3 -> h3 spreading
    "0",   // back13 kind naming mode: group names
    "0",   // back14
    "0",   // back15 news page off
    "0",   // back16
    "0",   // back17
    "0",   // back18 Line import keeps its text
    "0",   // back19 fifty-percent mode off
    "0",   // back20 station offers to clear its book
    "0",   // back21 customers by creation
    "50",  // back22 station row ceiling
    "0",   // back23 closed-number warning off
    "0",   // back24 Line import amounts top, tod, bottom
    "0",   // back25 transfer check box
    "0",   // back26 over-limit marking off
    "0",   // back27 closed and watched numbers not highlighted
    "0",   // back28
    "0",   // back29 h3 -> t3 spreading at 5/6
};

// Default captions of the normal page's F1 ... F10 buttons (the form appends "(Fn)").
const char* const kCaptions[10] = {
    "3ตัวชุด-กลุ่ม", "3ตัวบน+โต๊ด", "3ตัวล่าง-วิ่ง-คู่โต๊ด", "2บนกลับ-3ตรงชุด", "วิ่ง-2ตัวล่าง+กลับ",
    "2ตัวบน+ล่าง", "รวม",       "2ตัวบน-ล่าง/กลับ",  "All in One",    "รวมล่าง",
};

// A few bet rows for the sample-data command: num, h, t, l, kind.
struct SampleRow {
    const char* num;
    int h;
    int t;
    int l;
    const char* kind;
};
const SampleRow kSample[] = {
    {"123", 100, 0, 0, "h3"},  {"456", 50, 0, 0, "h3"},  {"007", 20, 0, 0, "h3"},
    {"789", 30, 0, 0, "h3"},   {"123", 0, 50, 0, "t3"},  {"459", 0, 20, 0, "t3"},
    {"321", 0, 0, 40, "l3"},   {"905", 0, 0, 10, "l3"},  {"12", 100, 0, 0, "h2"},
    {"05", 80, 0, 0, "h2"},    {"99", 60, 0, 0, "h2"},   {"21", 0, 0, 100, "l2"},
    {"47", 0, 0, 70, "l2"},    {"13", 0, 30, 0, "t2"},   {"5", 200, 0, 0, "h1"},
    {"8", 0, 0, 150, "l1"},    {"1234", 20, 0, 0, "h4"}, {"2579", 10, 0, 0, "h4"},
    {"12345", 10, 0, 0, "h5"}, {"01389", 5, 0, 0, "h5"},
};

// Inserts the rows a few hundred to a statement: "INSERT INTO t (a,b) VALUES" and the rows.
void insertRows(Database& db, const QString& insert, const QVector<QVariantList>& rows) {
    const int perStatement = 250;
    for (int first = 0; first < rows.size(); first += perStatement) {
        QStringList tuples;
        QVariantList binds;
        for (int i = first; i < rows.size() && i < first + perStatement; ++i) {
            QStringList marks;
            for (const QVariant& value : rows.at(i)) {
                marks << QStringLiteral("?");
                binds << value;
            }
            tuples << QLatin1Char('(') + marks.join(QLatin1Char(',')) + QLatin1Char(')');
        }
        db.exec(insert + QLatin1Char(' ') + tuples.join(QLatin1Char(',')), binds);
    }
}

void insertRow(Database& db, const QString& table, const QStringList& values) {
    QStringList marks;
    QVariantList binds;
    for (const QString& value : values) {
        marks << QStringLiteral("?");
        binds << value;
    }
    db.exec(QStringLiteral("INSERT INTO %1 VALUES (%2)")
                .arg(dialect::quoteIdentifier(table), marks.join(QLatin1Char(','))),
            binds);
}

QStringList repeated(const QString& value, int count) {
    QStringList values;
    for (int i = 0; i < count; ++i)
        values << value;
    return values;
}

QStringList emenuRow() {
    const QString on = QStringLiteral("1");
    const QString off = QStringLiteral("0");
    QStringList row = repeated(on, 10); // f1..f10 shown
    row << repeated(off, 9);            // spare
    row << on << off << on;             // set page, head page (naming mode 0), stock
    for (int i = 0; i < 7; ++i)         // f1t..f7t
        row << QString::fromUtf8(kCaptions[i]);
    row << on;                   // normal page
    for (int i = 7; i < 10; ++i) // f8t..f10t
        row << QString::fromUtf8(kCaptions[i]);
    return row;
}

} // namespace

void seedFresh(Database& db, const QString& programFolder) {
    QStringList backc;
    for (const char* value : kBackc)
        backc << QString::fromLatin1(value);
    insertRow(db, QStringLiteral("backc"), backc);
    insertRow(db, QStringLiteral("cstr"), {programFolder, QStringLiteral("0")});
    insertRow(db, QStringLiteral("emenu"), emenuRow());
    insertRow(db, QStringLiteral("pass"), {defaults::storedPassword()});
    insertRow(db, QStringLiteral("disp"),
              {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0")});
    insertRow(db, QStringLiteral("auto"), {QStringLiteral("0")});
    insertRow(db, QStringLiteral("limit"), {defaults::inputLimit()});
    insertRow(db, QStringLiteral("autocut"), {QStringLiteral("0"), QStringLiteral("60000")});
    insertRow(db, QStringLiteral("change"), defaults::payRates());
    insertRow(db, QStringLiteral("change2"), defaults::kindLimits());
    insertRow(db, QStringLiteral("change3"), defaults::discountRates());
    insertRow(db, QStringLiteral("checkdata"), repeated(QString(), 7));
    insertRow(db, QStringLiteral("cutlogc"), repeated(QStringLiteral("0"), 10));

    QVector<QVariantList> rows;
    for (int i = 0; i < 1000; ++i)
        rows.push_back({QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'))});
    insertRows(db, QStringLiteral("INSERT INTO h1000 (num) VALUES"), rows);

    // One tod form per group of arrangements: the digits in ascending order.
    rows.clear();
    for (int a = 0; a <= 9; ++a) {
        for (int b = a; b <= 9; ++b) {
            for (int c = b; c <= 9; ++c)
                rows.push_back({QStringLiteral("%1%2%3").arg(a).arg(b).arg(c)});
        }
    }
    insertRows(db, QStringLiteral("INSERT INTO tot (num) VALUES"), rows);

    rows.clear();
    for (const char* num : {"1", "2", "3"})
        rows.push_back({QString::fromLatin1(num)});
    insertRows(db, QStringLiteral("INSERT INTO \"2hh\" (num) VALUES"), rows);

    rows.clear();
    const QString customer = QStringLiteral("แบบรวม");
    for (const SampleRow& row : kSample) {
        rows.push_back({QString::fromLatin1(row.num), double(row.h), double(row.t), double(row.l),
                        customer, QString::fromLatin1(row.kind)});
    }
    insertRows(db, QStringLiteral("INSERT INTO tballsave2 (num,h,t,l,cus,codeins) VALUES"), rows);
}

} // namespace schema
