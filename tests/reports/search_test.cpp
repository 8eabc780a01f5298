#include "reports/search.h"
#include "reports/topnumbers.h"
#include "store/database.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

namespace {
void bet(Database& db, const QString& num, Kind kind, double stake, const QString& customer) {
    for (const char* table : {"tball", "tballcus"})
        db.exec(QStringLiteral("INSERT INTO %1 (num, %2, cus, codeins) VALUES (?, ?, ?, ?)")
                    .arg(QLatin1String(table), stakeColumn(kind)),
                {num, stake, customer, kindCode(kind)});
}

QStringList customers(Database& db, int group, const QString& num) {
    QStringList rows;
    for (const search::CustomerRow& row : search::customersOf(db, group, num))
        rows << QStringList{row.cus,
                            row.name,
                            row.num,
                            QString::number(row.h),
                            QString::number(row.t),
                            QString::number(row.l)}
                    .join(QLatin1Char('|'));
    return rows;
}
} // namespace

class SearchTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void customersOfANumber();
    void rowsOfANumber();
    void editsChecked();
    void boardLists();
};

void SearchTest::customersOfANumber() {
    TempBook book;
    Database& db = book.db();
    db.exec("INSERT INTO cus (name, id) VALUES ('สมชาย', 'สมชาย')");
    bet(db, "012", Kind::h3, 50, "สมชาย");
    bet(db, "012", Kind::t3, 20, "สมชาย");
    bet(db, "012", Kind::l3, 5, "ข\"ค'");
    bet(db, "12", Kind::h2, 7, "สมชาย");
    bet(db, "1234", Kind::h4, 9, "สมชาย");
    // Compared as text: the number without its leading zero is another number.
    QCOMPARE(customers(db, 0, "12"), QStringList());
    QCOMPARE(customers(db, 0, "012"), (QStringList{"ข\"ค'||012|0|0|5", "สมชาย|สมชาย|012|50|20|0"}));
    QCOMPARE(customers(db, 1, "12"), QStringList{"สมชาย|สมชาย|12|7|0|0"});
    QCOMPARE(customers(db, 3, "1234"), QStringList{"สมชาย|สมชาย|1234|9|0|0"});
    QCOMPARE(customers(db, 4, "1234"), QStringList());
    QCOMPARE(customers(db, 0, "' OR '1'='1"), QStringList());
    QCOMPARE(search::foundText(2), QStringLiteral("พบข้อมูลจำนวน2รายการ"));
    QCOMPARE(search::groupChoices(1).mid(3), (QStringList{"หัว3ตัวโต๊ด", "หัว3ตัว"}));
}

void SearchTest::rowsOfANumber() {
    TempBook book;
    Database& db = book.db();
    bet(db, "123", Kind::h3, 40, "ก");
    bet(db, "123", Kind::t3, 40, "ก");
    bet(db, "123", Kind::h3, 40, "ก"); // typed twice
    bet(db, "321", Kind::h3, 40, "ก");
    const QVector<qint64> twice = search::rowsOf(db, search::Table::processed, Kind::h3, "123");
    QCOMPARE(twice.size(), 2);
    QCOMPARE(rowsOf(db, "SELECT num, h, codeins FROM tball WHERE " + search::idFilter(twice)),
             (QStringList{"123|40|h3", "123|40|h3"}));
    // Deleting one lowers the number's total; the entered copy keeps both.
    db.exec("DELETE FROM tball WHERE id = ?", {twice.first()});
    QCOMPARE(rowsOf(db, "SELECT h FROM h3 WHERE num = '123'"), QStringList{"40"});
    QCOMPARE(search::rowsOf(db, search::Table::entered, Kind::h3, "123").size(), 2);
    QCOMPARE(search::rowsOf(db, search::Table::processed, Kind::h3, "0123").size(), 0);
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tball WHERE " + search::idFilter({})),
             QStringList{"0"});
    QCOMPARE(search::kindChoices(2).at(5), QStringLiteral("2ตัวX"));
    QCOMPARE(search::kindOfChoice(5), Kind::t2);
}

void SearchTest::editsChecked() {
    using search::editRefusal;
    QVERIFY(editRefusal("num", "123", Kind::h3).isEmpty());
    QVERIFY(editRefusal("num", "1X3", Kind::t2).isEmpty());
    QVERIFY(editRefusal("num", "05", Kind::t2).isEmpty());
    QCOMPARE(editRefusal("num", "12", Kind::h3), QStringLiteral("เลข3ตัวบนต้องเป็นตัวเลข 3 หลัก"));
    QVERIFY(!editRefusal("num", "1X3", Kind::h3).isEmpty());
    QVERIFY(!editRefusal("num", "๑๒๓", Kind::h3).isEmpty());
    QVERIFY(editRefusal("h", "-50", Kind::h3).isEmpty());
    QVERIFY(editRefusal("t", "0", Kind::h3).isEmpty());
    QVERIFY(editRefusal("cus", "anything", Kind::h3).isEmpty());
    for (const char* typed : {"abc", "", "12.5", "1e3", "9999999999999999"})
        QVERIFY2(editRefusal("h", typed, Kind::h3).startsWith("จำนวนต้องเป็นตัวเลขจำนวนเต็มเท่านั้น"),
                 typed);
    QCOMPARE(editRefusal("t", "10", Kind::h3), QStringLiteral("ช่องนี้ไม่ใช่ช่องจำนวนของ3ตัวบน"));
}

void SearchTest::boardLists() {
    TempBook book;
    Database& db = book.db();
    bet(db, "123", Kind::h3, 10, "ก");
    bet(db, "456", Kind::h3, 30, "ก");
    bet(db, "123", Kind::h3, 5, "ก");
    bet(db, "789", Kind::t3, 7, "ก");
    bet(db, "45", Kind::h2, 3, "ก");
    bet(db, "67", Kind::h2, 9, "ก");
    bet(db, "45", Kind::l2, 1, "ก");
    db.exec("INSERT INTO numlimit2 (num, h, codeins) VALUES ('45', 0, 'h2'), ('45', 0, 'l3'), "
            "('67', 0, 'l2')");
    auto shown = [](const QVector<topnumbers::Row>& rows) {
        QStringList out;
        for (const topnumbers::Row& row : rows)
            out << row.num + QLatin1Char('|') + QString::number(row.amount);
        return out;
    };
    topnumbers::Board board = topnumbers::read(db, false);
    QCOMPARE(shown(board.rows[0]), (QStringList{"456|30", "123|15"}));
    QCOMPARE(shown(board.rows[1]), QStringList{"789|7"});
    QVERIFY(board.rows[2].isEmpty());
    QCOMPARE(shown(board.rows[3]), (QStringList{"67|9", "45|3"}));
    QCOMPARE(shown(board.rows[4]), QStringList{"45|1"});
    for (const QSet<QString>& marked : board.marked)
        QVERIFY(marked.isEmpty());
    board = topnumbers::read(db, true);
    QCOMPARE(board.marked[3], QSet<QString>{"45"});
    QCOMPARE(board.marked[4], QSet<QString>{"67"});
    QVERIFY(board.marked[2].isEmpty());
}

TABULOX_TEST(SearchTest)
#include "search_test.moc"
