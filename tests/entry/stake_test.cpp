#include "entry/stake.h"
#include "support/testmain.h"

class StakeTest : public testing::Test {
    Q_OBJECT
private slots:
    void parseStake_data();
    void parseStake();
    void splitOperatorField_data();
    void splitOperatorField();
};

void StakeTest::parseStake_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("empty is 0") << "" << true << 0.0;
    QTest::newRow("plain") << "150" << true << 150.0;
    QTest::newRow("negative") << "-20" << true << -20.0;
    QTest::newRow("leading zeros") << "007" << true << 7.0;
    QTest::newRow("largest") << "999999999999999" << true << 999999999999999.0;
    QTest::newRow("too large") << "1000000000000000" << false << 0.0;
    QTest::newRow("overflow") << "99999999999999999999" << false << 0.0;
    QTest::newRow("fraction") << "1.5" << false << 0.0;
    QTest::newRow("plus sign") << "+5" << false << 0.0;
    QTest::newRow("minus alone") << "-" << false << 0.0;
    QTest::newRow("double minus") << "--5" << false << 0.0;
    QTest::newRow("operator") << "10*5" << false << 0.0;
    QTest::newRow("space") << " 5" << false << 0.0;
    QTest::newRow("Thai digit") << QString::fromUtf8("๕") << false << 0.0;
    QTest::newRow("Thai negative") << QString::fromUtf8("-๑๐") << false << 0.0;
    QTest::newRow("Arabic-Indic digit") << QString::fromUtf8("٥") << false << 0.0;
    QTest::newRow("injection") << "1);delete from tball" << false << 0.0;
}

void StakeTest::parseStake() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    double parsed = -1;
    QCOMPARE(::parseStake(text, &parsed), ok);
    if (ok)
        QCOMPARE(parsed, value);
}

void StakeTest::splitOperatorField_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("split"); // op|leading|a|b
    auto row = [](const char* name, const char* field, const char* split) {
        QTest::newRow(name) << field << split;
    };
    row("plain", "50", "|0|50|");
    row("empty", "", "|0||");
    row("between", "50+20", "+|0|50|20");
    row("minus between", "30-10", "-|0|30|10");
    row("in front", "-30", "-|1|30|");
    row("first operator splits", "10+5*3", "+|0|10|5*3");
    row("negative second", "10+-5", "+|0|10|-5");
}

void StakeTest::splitOperatorField() {
    QFETCH(QString, field);
    QFETCH(QString, split);
    const OperatorField f = ::splitOperatorField(field);
    const QString op = f.op.isNull() ? QString() : QString(f.op);
    QCOMPARE(QStringList({op, f.leading ? "1" : "0", f.a, f.b}).join('|'), split);
}

TABULOX_TEST(StakeTest)
#include "stake_test.moc"
