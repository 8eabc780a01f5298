#include "store/password.h"
#include "support/testmain.h"

class PasswordTest : public testing::Test {
    Q_OBJECT
private slots:
    void transform_data();
    void transform();
    void thaiCodePage();
};

void PasswordTest::transform_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("abc") << "abc"
                         << "38766";
    QTest::newRow("empty") << ""
                           << "0";
    QTest::newRow("one character") << "x"
                                   << "0";
    QTest::newRow("one Thai character") << "ก"
                                        << "0";
    // 161 = 0xA1 for ก: (0 + 161) * 7 = 1127, (1127 + 161) * 7 = 9016
    QTest::newRow("Thai letters use their code-page bytes") << "กก"
                                                            << "9016";
    // 32-bit wrap: nine nines already overflow to a negative value
    QTest::newRow("wraps to negative") << "999999999"
                                       << "-1611452497";
    QTest::newRow("twelve nines wrap back to positive") << "999999999999"
                                                        << "1322597456";
}

void PasswordTest::transform() {
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QCOMPARE(passwordTransform(text), stored);
}

void PasswordTest::thaiCodePage() {
    QCOMPARE(toThaiCodePage(QStringLiteral("aกฮ฿๛€")), QByteArray("a\xA1\xCE\xDF\xFB\x80"));
    // A character outside the code page becomes '?', as the system's conversion does.
    QCOMPARE(toThaiCodePage(QStringLiteral("日")), QByteArray("?"));
}

TABULOX_TEST(PasswordTest)
#include "password_test.moc"
