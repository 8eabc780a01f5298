#include "entry/lineinput.h"
#include "exchange/linetext.h"
#include "support/tempbook.h"
#include "support/testmain.h"

namespace {
QString shown(const linetext::Parse& p) {
    return p.hasDash ? QStringList{p.number, p.top, p.tod, p.bottom}.join('|') : QString("none");
}
} // namespace

class LineTextTest : public testing::Test {
    Q_OBJECT
private slots:
    void parseShownUnderTheCaret_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("bottomBeforeTod");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one") << "506-500" << false << "506|500|0|0";
        QTest::newRow("two") << "12-0/400" << false << "12|0|0|400";
        QTest::newRow("three") << "258-100/200/0" << false << "258|100|200|0";
        QTest::newRow("bottom before tod") << "258-100/200/0" << true << "258|100|0|200";
        QTest::newRow("last dash") << "1-2-300" << false << "1-2|300|0|0";
        QTest::newRow("thai digits and spaces") << " ๘๑๕ - ๑๕๐ / ０ / 2 " << false << "815|150|0|2";
        QTest::newRow("no dash") << "815 150" << false << "none";
    }
    void parseShownUnderTheCaret() {
        QFETCH(QString, line);
        QFETCH(bool, bottomBeforeTod);
        QFETCH(QString, expected);
        QCOMPARE(shown(linetext::parse(line, bottomBeforeTod)), expected);
    }

    void boxTextAndItsCheck() {
        QCOMPARE(linetext::sampleLines().size(), 20);
        QCOMPARE(linetext::linesOf("815-1\r\n\n  \n12-5\n"), (QStringList{"815-1", "12-5"}));
        QCOMPARE(linetext::checked("ตัวอย่าง 815 - 150\n12-5 "), QStringLiteral("815-150\n12-5"));
    }

    void codesByTheTable_data() {
        QTest::addColumn<QString>("num");
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("l");
        QTest::addColumn<QString>("code");
        QTest::newRow("3 top") << "815" << 150.0 << 0.0 << 0.0 << "815-150/0/0";
        QTest::newRow("3 tod") << "158" << 0.0 << 20.0 << 0.0 << "158-0/20/0";
        QTest::newRow("2 top") << "12" << 5.0 << 0.0 << 0.0 << "12-5/0";
        QTest::newRow("2 top bottom") << "12" << 5.0 << 0.0 << 7.0 << "12-5/7";
        QTest::newRow("2 bottom") << "12" << 0.0 << 0.0 << 7.0 << "12-0/7";
        QTest::newRow("2 tod") << "12" << 0.0 << 300.0 << 0.0 << "12-0/300/0";
        QTest::newRow("2 top and tod") << "12" << 5.0 << 3.0 << 0.0 << "";
        QTest::newRow("1 bottom") << "5" << 0.0 << 0.0 << 20.0 << "5-0/20";
        QTest::newRow("1 top") << "5" << 2.5 << 0.0 << 0.0 << "5-2.5/0";
        QTest::newRow("4") << "1234" << 10.0 << 0.0 << 0.0 << "1234-10";
        QTest::newRow("5 with bottom") << "12345" << 10.0 << 0.0 << 1.0 << "";
        QTest::newRow("negative") << "12" << -5.0 << 0.0 << 0.0 << "";
    }
    void codesByTheTable() {
        QFETCH(QString, num);
        QFETCH(double, h);
        QFETCH(double, t);
        QFETCH(double, l);
        QFETCH(QString, code);
        QCOMPARE(linetext::codeOf(num, h, t, l), code);
    }

    // Every row of the book, whoever entered it, written as a line and read back by the entry
    // form's Line input gives the same bet.
    void codesReadBackAsTheSameBets() {
        TempBook temp;
        Database& db = temp.db();
        const QVector<BetRecord> bets = {{"815", Kind::h3, 150}, {"158", Kind::t3, 20},
                                         {"007", Kind::l3, 35},  {"12", Kind::h2, 5},
                                         {"12", Kind::t2, 300},  {"09", Kind::l2, 7},
                                         {"5", Kind::h1, 20},    {"5", Kind::l1, 30},
                                         {"1234", Kind::h4, 10}, {"12345", Kind::h5, 40}};
        for (const BetRecord& bet : bets)
            db.exec(QStringLiteral("INSERT INTO tball (num, %1, cus, codeins) VALUES (?, ?, ?, ?)")
                        .arg(stakeColumn(bet.kind)),
                    {bet.number, bet.stake, bet.kind == Kind::h3 ? "การตัดยอด" : "ก",
                     kindCode(bet.kind)});
        db.exec("INSERT INTO tball (num, h, t, cus, codeins) VALUES ('34', 1, 2, 'ก', 'h2')");
        int percent = -1;
        const linetext::Codes codes = linetext::codes(db, [&](int p) { percent = p; });
        QCOMPARE(codes.rows, 11);
        QCOMPARE(codes.withoutCode, 1);
        QCOMPARE(percent, 100);
        QCOMPARE(codes.lines.size(), bets.size());
        for (int i = 0; i < bets.size(); ++i) {
            const linetext::Parse p = linetext::parse(codes.lines[i], false);
            // "12-5/0" also gives a bottom line of 0, as the entry form reads two amounts.
            BetRecords read = expandLineInput(p.number, p.amounts, true, false).records;
            read.erase(std::remove_if(read.begin(), read.end(),
                                      [](const BetRecord& r) { return r.stake == 0; }),
                       read.end());
            QCOMPARE(read, (BetRecords{bets[i]}));
        }
    }
};

TABULOX_TEST(LineTextTest)
#include "linetext_test.moc"
