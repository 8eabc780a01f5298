#include "store/kindrow.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>

class KindRowTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void writesOneColumnOfTheRow();
    void refusesWhatIsNotAWholeAmount();
    void showsStoredTextAsWholeNumber();
    void sharedBookIsNeverCreated();
};

void KindRowTest::writesOneColumnOfTheRow() {
    TempBook book;
    const QStringList before = kindrow::read(book.db(), "change");
    QCOMPARE(before.size(), 12);
    kindrow::write(book.db(), "change", 10, " 75 ");
    QStringList after = kindrow::read(book.db(), "change");
    QCOMPARE(after.at(10), QString("75"));
    after[10] = before.at(10);
    QCOMPARE(after, before);
    kindrow::write(book.db(), "change2", 4, "0");
    QCOMPARE(rowsOf(book.db(), "SELECT t2, h3 FROM change2").first(),
             "0|" + kindrow::read(book.db(), "change2").first());
}

void KindRowTest::refusesWhatIsNotAWholeAmount() {
    TempBook book;
    const QStringList before = kindrow::read(book.db(), "change2");
    for (const char* text : {"12.5", "abc", "", "-5", "1e3", "5\"; DROP TABLE change2; --"}) {
        QVERIFY2(!kindrow::refusal(QString::fromUtf8(text)).isEmpty(), text);
        QVERIFY_THROWS_EXCEPTION(StoreError,
                                 kindrow::write(book.db(), "change2", 0, QString::fromUtf8(text)));
    }
    QVERIFY_THROWS_EXCEPTION(StoreError, kindrow::write(book.db(), "change2", 10, "5"));
    QCOMPARE(kindrow::read(book.db(), "change2"), before);
    QVERIFY(kindrow::refusal("0").isEmpty());
}

void KindRowTest::showsStoredTextAsWholeNumber() {
    QCOMPARE(kindrow::shown("500"), QString("500"));
    QCOMPARE(kindrow::shown("89.6"), QString("90"));
    QCOMPARE(kindrow::shown("2.5"), QString("2"));
    QCOMPARE(kindrow::shown("3.5"), QString("4"));
    QCOMPARE(kindrow::shown(""), QString("0"));
    QCOMPARE(kindrow::shown("x"), QString("0"));
}

void KindRowTest::sharedBookIsNeverCreated() {
    if (testing::engine() == Engine::postgres) {
        // A server that holds no book is said so; nothing is made on it.
        testing::ServerSchema place;
        try {
            Database::openExisting(place.address());
            QFAIL("a server without a book was opened");
        } catch (const StoreError& error) {
            QCOMPARE(error.kind(), StoreError::noServerBook);
            QVERIFY(error.message().startsWith("ไม่พบฐานข้อมูลของร้านบนเครื่องแม่ข่าย"));
            const QString password = QUrl(place.address()).password();
            QVERIFY(password.isEmpty() || !error.message().contains(password));
        }
        QVERIFY(!Database::openServer(place.address())->tableExists("backc"));
        return;
    }
    QTemporaryDir dir;
    const QString path = dir.path() + "/db/tabulox.mde";
    QVERIFY_THROWS_EXCEPTION(StoreError, Database::openExisting(path));
    QVERIFY(!QFileInfo::exists(path));
}

TABULOX_TEST(KindRowTest)
#include "kindrow_test.moc"
